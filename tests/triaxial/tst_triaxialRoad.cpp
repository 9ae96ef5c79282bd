// The triaxial road through the real windows, offscreen, on the installed databases:
// Simulation, Triaxial Test; the chooser; the cell picture and its Specimen pop-up; the
// specimen dialog; the two pressures; the initialization summary.
#include "triaxial/PressureDialog.h"
#include "triaxial/TriaxialRun.h"
#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/dlgAnnCIDCInit.h"
#include "triaxial/dlgBackPressure.h"
#include "triaxial/dlgCellPressure.h"
#include "triaxial/dlgSpecimenCIDC.h"
#include "triaxial/dlgTriaxialSel.h"
#include "triaxial/frmTriaxialCell.h"
#include "triaxial/dlgCIDCParamStudy.h"
#include "triaxial/frmTriaxial1stStage.h"
#include "controls/testreport/frmTestReport.h"
#include "triaxial/frmScreenDASTriaxial.h"

#include "lab/AssemblyView.h"
#include "lab/ChartFrame.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/ListView.h"

#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "platform/FormRegistry.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/OptionButtons.h"
#include "tests/common/RoadTest.h"
#include "tests/common/TabWalk.h"
#include "tests/common/TestHelpers.h"

#include <QApplication>
#include <QComboBox>
#include <QFile>
#include <QTemporaryDir>
#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMouseEvent>
#include <QPushButton>
#include <QRadioButton>
#include <QTest>

#include <memory>

using namespace basGlobal;
using lx::SingleInstance;

namespace {

QString connectionTo(const char* file) { return lx::testing::installedConnection(QString::fromLatin1(file)); }
using lx::testing::drain;
using lx::testing::settle;

QPoint px(double xTw, double yTw) { return {lx::tw(xTw), lx::tw(yTw)}; }

// An option takes a click on its circle or its caption.
void clickOption(QRadioButton* option) { lx::testing::selectOption(option, lx::testing::SelectBy::Mouse); }

// The mouse moving over the picture (sent straight to it: offscreen, QTest's moves only
// reach a window under the last cursor position).
void hover(QWidget* picture, QPoint at)
{
    QMouseEvent move(QEvent::MouseMove, at, picture->mapToGlobal(at), Qt::NoButton, Qt::NoButton, Qt::NoModifier);
    QCoreApplication::sendEvent(picture, &move);
}

using lx::testing::form;

QStringList boxTexts(const std::array<QLineEdit*, 7>& boxes)
{
    QStringList t;
    for (QLineEdit* b : boxes)
        t << b->text();
    return t;
}

} // namespace

class tst_triaxialRoad : public lx::testing::RoadTest {
    Q_OBJECT
public:
    tst_triaxialRoad() : RoadTest({1100, 850}) {}

private:

    // The chooser, opened from the Simulation menu (null when it does not open).
    dlgTriaxialSel* chooser()
    {
        main->mnuSimTri->trigger();
        return form<dlgTriaxialSel>();
    }

    // A click on the specimen spot, then the pop-up's item.
    bool chooseSpecimen(const QString& caption)
    {
        frmTriaxialCell* cell = form<frmTriaxialCell>();
        QTest::mouseClick(cell->picTriaxialCell, Qt::LeftButton, {}, px(2700, 4200));
        QMenu* menu = main->mnuSpecimen;
        if (!menu->isVisible())
            return false;
        QAction* item = nullptr;
        for (QAction* a : menu->actions())
            if (a->text().remove(u'&') == caption)
                item = a;
        if (!item || !item->isVisible())
            return false;
        QTest::mouseClick(menu, Qt::LeftButton, {}, menu->actionGeometry(item).center());
        return !menu->isVisible();
    }

    // Picks list entries by keyboard, as a student can.
    static void pick(QComboBox* list, int index)
    {
        list->setFocus();
        while (list->currentIndex() < index)
            QTest::keyClick(list, Qt::Key_Down);
    }
    static int indexOf(QComboBox* list, const QString& text) { return list->findText(text); }

    void setPressures()
    {
        frmTriaxialCell* cell = form<frmTriaxialCell>();
        QTest::mouseClick(cell->picTriaxialCell, Qt::LeftButton, {}, px(620, 5550));
        QVERIFY(form<dlgCellPressure>());
        QTest::mouseClick(form<dlgCellPressure>()->cmdOK, Qt::LeftButton);
        settle();
        QTest::mouseClick(cell->picTriaxialCell, Qt::LeftButton, {}, px(4870, 5480));
        QVERIFY(form<dlgBackPressure>());
        QTest::mouseClick(form<dlgBackPressure>()->cmdOK, Qt::LeftButton);
        settle();
    }

    // Runs the screen's timer to the end of its replay and checks what it shows.
    void replaysToTheEnd(frmScreenDASTriaxial* screen, bool drained)
    {
        const int n = screen->ReplayCurve.points();
        QVERIFY(n >= 2 && n <= 301);
        QVERIFY(!screen->cmdExportData->isEnabled() && !screen->cmdReport->isEnabled());
        QVERIFY(screen->Timer1->isActive());
        for (int tick = 1; tick <= n; ++tick)
            screen->Timer1_Timer();
        QVERIFY(!screen->cmdExportData->isEnabled());
        screen->Timer1_Timer();   // the tick after the last point ends the run
        QVERIFY(!screen->Timer1->isActive());
        QVERIFY(screen->cmdExportData->isEnabled() && screen->cmdReport->isEnabled());
        QCOMPARE(screen->lvwData->lineCount(), n);
        QCOMPARE(screen->lvwData->cellText(0, 0), u"1");
        QCOMPARE(screen->lvwData->topLevelItem(0)->toolTip(0), u"Point Number: 0");
        QCOMPARE(screen->lvwData->headerItem()->text(3), drained ? u"Eps(v) %" : u"U kPa");
        for (size_t i = 0; i < 5; ++i) {
            QCOMPARE(screen->picFrame2->lblX[i]->text(), screen->picFrame1->lblX[i]->text());
            QVERIFY(!screen->picFrame1->lblY[i]->text().isEmpty() && !screen->picFrame2->lblY[i]->text().isEmpty());
        }
        QCOMPARE(screen->picFrame1->lblX[0]->text(), u"0");
        // Over the whole run the top cap came 300 twips down and the specimen widened by 80.
        const lx::Sprite& cap = screen->PicTesting->animation().sprite(QStringLiteral("imgTestFore"));
        const lx::Sprite& specimen = screen->PicTesting->animation().sprite(QStringLiteral("imgSample"));
        QVERIFY(qAbs(cap.top - (1200 + 300)) < 1e-6);
        QVERIFY(qAbs(specimen.width - (690 + 80)) < 1e-6);
        QVERIFY(qAbs(specimen.left - (1090 - 40)) < 1e-6);
        for (auto [frame, color] : {std::pair{screen->picFrame1, lx::QBColor(12)}, std::pair{screen->picFrame2, lx::QBColor(9)}}) {
            int segments = 0, markers = 0;
            for (const lx::DrawOp& op : frame->picDraw->displayList()) {
                segments += op.kind == lx::DrawOp::Line && op.color == color;
                markers += op.kind == lx::DrawOp::Text && op.text == u"*";
            }
            QCOMPARE(segments, n - 1);
            QCOMPARE(markers, n);
        }
    }

    // The export text of a stored test, computed from the database in the layout Export Data writes.
    static QString expectedExport(const QString& connection, const QString& title, const QString& id, bool drained)
    {
        lx::Connection db;
        db.Open(connection);
        lx::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM TestResults WHERE TestID = ? ORDER BY [Point Number]"), db,
                lx::adOpenDynamic, lx::adLockUnspecified, {id});
        QString text = title + QStringLiteral("\n\nNo.\tAxial Strain (%)\tDeviator Stress (kPa)\t") +
                       (drained ? QStringLiteral("Volumetric Strain (%)") : QStringLiteral("Pore pressure (kPa)")) + u'\t';
        int k = 0;
        for (; !rs.eof() && k < 301; rs.MoveNext(), ++k) {
            const float eps = float(lx::Round(rs.Fields(3).toDouble(), 3) * 100);
            const float q = float(lx::Round(rs.Fields(4).toDouble(), 1));
            const float third = drained ? float(lx::Round(rs.Fields(5).toDouble(), 3) * 100) : float(lx::Round(rs.Fields(6).toDouble(), 1));
            text += u'\n' + QString::number(k + 1) + u'\t' + lx::SingleText(eps) + u'\t' + lx::SingleText(q) + u'\t' +
                    lx::SingleText(third) + u'\t';
        }
        return text;
    }

    frmScreenDASTriaxial* screen() const
    {
        const QList<frmScreenDASTriaxial*> found = lx::testing::childForms<frmScreenDASTriaxial>(main->mdiArea);
        return found.isEmpty() ? nullptr : found.front();
    }

    // Export Data writes the text of the whole run, followed by CR LF.
    void exportsTheRun(frmScreenDASTriaxial* shown, const QString& connection, const QString& title, const QString& id, bool drained)
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("run.txt"));
        s->files->answers.push_back(path);
        QTest::mouseClick(shown->cmdExportData, Qt::LeftButton);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()), expectedExport(connection, title, id, drained) + QStringLiteral("\r\n"));
    }

    // A summary shown for a run the cell picture left behind.
    static dlgAnnCIDCInit* summaryOf(const QString& simType, const QString& specimen, const std::array<double, 8>& init)
    {
        triaxial::CellState& cell = triaxial::State().cell;
        cell.strSimType = simType;
        cell.mSpecimen = specimen;
        cell.InitData = init;
        auto* sum = new dlgAnnCIDCInit();
        lx::ShowInFront(sum);
        return sum;
    }

    bool reportTitled(const QString& caption) const
    {
        for (QMdiSubWindow* sub : main->mdiArea->subWindowList())
            if (qobject_cast<lx::frmTestReport*>(sub->widget()) && sub->widget()->windowTitle() == caption)
                return true;
        return false;
    }

    dlgAnnCIDCInit* summary() const
    {
        const QList<dlgAnnCIDCInit*> found = lx::testing::childForms<dlgAnnCIDCInit>(main->mdiArea);
        return found.isEmpty() ? nullptr : found.front();
    }

    // ---- The keyboard alone: keys go where the focus is, or to the open pop-up menu, and
    // what they set going runs before the next key.

    static void key(Qt::Key k)
    {
        QWidget* to = QApplication::activePopupWidget() ? QApplication::activePopupWidget() : QApplication::focusWidget();
        Q_ASSERT(to);
        QTest::keyClick(to, k);
        drain();
    }


    // Tab until target has the focus (false when a whole round passes without it).
    static bool tabTo(QWidget* target)
    {
        for (int k = 0; k < 60 && QApplication::focusWidget() != target; ++k)
            key(Qt::Key_Tab);
        return QApplication::focusWidget() == target;
    }

    // The names Tab walks through in form, from the control with the focus.
    static QStringList walkNames() { return lx::testing::namesOf(lx::testing::tabWalkFrom(QApplication::focusWidget())); }

    // Enter on the Specimen spot opens the pop-up there; Down walks it to caption, Enter takes it.
    bool specimenByKeys(frmTriaxialCell* cell, const QString& caption)
    {
        if (!tabTo(cell->ShapeSpecimen))
            return false;
        key(Qt::Key_Return);
        QMenu* menu = main->mnuSpecimen;
        if (!menu->isVisible() || !menu->geometry().contains(cell->ShapeSpecimen->mapToGlobal(cell->ShapeSpecimen->rect().center())))
            return false;
        for (int k = 0; k < 5 && (!menu->activeAction() || menu->activeAction()->text().remove(u'&') != caption); ++k)
            key(Qt::Key_Down);
        if (!menu->activeAction() || menu->activeAction()->text().remove(u'&') != caption)
            return false;
        key(Qt::Key_Return);
        drain();
        return !menu->isVisible();
    }

    // Whether a spot draws the frame that tells it has the focus.
    static bool showsFocusFrame(QWidget* spot)
    {
        const QImage shot = spot->grab().toImage();
        for (int y = 0; y < shot.height(); ++y)
            for (int x = 0; x < shot.width(); ++x)
                if (shot.pixelColor(x, y) == QColor(0, 0, 0xC0))
                    return true;
        return false;
    }

    // The chooser in the active main window, with the keyboard's focus (null where the
    // platform activates no window).
    dlgTriaxialSel* chooserWithTheKeyboard()
    {
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main.get()))
            return nullptr;
        dlgTriaxialSel* sel = chooser();
        drain();
        return sel;
    }

    // The active child window, with the keyboard's focus inside it.
    bool activeWithFocus(QWidget* w) const { return main->ActiveChild() == w && w->isAncestorOf(QApplication::focusWidget()); }

    void installFamily() override
    {
        InstallTriaxialHooks();
        triaxial::ResetState();
        ClayTriaxialConnection = connectionTo("LXClayCIUCnCIDCnUUC.lxr");
        SandCIDCConnection = connectionTo("LXSandCIDC.lxr");
        SandCIUCConnection = connectionTo("LXSandCIUC.lxr");
        ConfiningStressKPa = BackPressureKPa = 0;
    }

private slots:
    void chooserOptionsNameTheTest()
    {
        main->ToolbarButton(QStringLiteral("Triaxial"))->trigger();
        dlgTriaxialSel* sel = form<dlgTriaxialSel>();
        QVERIFY(sel && sel->isVisible());
        QCOMPARE(sel->windowTitle(), u"Triaxial Test Selection");
        QCOMPARE(sel->lblTestSelected->text(), u"CIUC Test");
        QVERIFY(sel->optUndrained->isChecked() && sel->optIsotropic->isChecked());

        clickOption(sel->optUnconsolidated);
        QCOMPARE(sel->lblTestSelected->text(), u"UUC Test");
        QVERIFY(sel->optUndrained->isChecked());
        QVERIFY(!sel->optDrained->isEnabled());
        clickOption(sel->optIsotropic);
        QCOMPARE(sel->lblTestSelected->text(), u"CIUC Test");
        QVERIFY(sel->optDrained->isEnabled());
        clickOption(sel->optDrained);
        QCOMPARE(sel->lblTestSelected->text(), u"CIDC Test");
        QVERIFY(!sel->optUnconsolidated->isEnabled());
        clickOption(sel->optUndrained);
        QVERIFY(sel->optUnconsolidated->isEnabled());
        QCOMPARE(sel->lblTestSelected->text(), u"CIUC Test");

        // The shear button at once: a CIUC run, sand and clay offered.
        QTest::mouseClick(sel->cmdShearDataAnalysis, Qt::LeftButton);
        frmTriaxialCell* cell = form<frmTriaxialCell>();
        QVERIFY(cell && cell->isVisible());
        QCOMPARE(cell->windowTitle(), u"Triaxial Compression (CIUC)");
        QCOMPARE(triaxial::State().cell.strSimType, u"CIUC");
        QVERIFY(main->mnuSpecimenSand->isVisible());
        QVERIFY(!main->mnuSpecimenGravel->isVisible());
        QVERIFY(main->mnuSpecimenClay->isVisible());
        QCOMPARE(main->ActiveChild(), cell);

        QTest::mouseClick(sel->cmdHelp, Qt::LeftButton);
        QCOMPARE(s->help->shown.back().topic, u"html/Simulations/SimTriaxial.htm");
        QTest::mouseClick(sel->CancelButton, Qt::LeftButton);
        settle();
        QVERIFY(!form<dlgTriaxialSel>());
    }

    // However an option is selected (a screen reader's toggle among the ways), the chooser
    // names the test it now stands for, and the shear button opens that test's cell.
    void chooserOptionsRunTheirClickHoweverSelected_data()
    {
        QTest::addColumn<lx::testing::SelectBy>("way");
        for (lx::testing::SelectBy way : lx::testing::everyWayToSelect)
            QTest::newRow(lx::testing::nameOf(way)) << way;
    }
    void chooserOptionsRunTheirClickHoweverSelected()
    {
        QFETCH(lx::testing::SelectBy, way);
        dlgTriaxialSel* sel = chooser();
        QVERIFY(sel);
        struct Step {
            QRadioButton* option;
            const char* test;
            bool drainedOffered, unconsolidatedOffered;
        } const steps[] = {
            {sel->optUnconsolidated, "UUC Test", false, true},
            {sel->optIsotropic, "CIUC Test", true, true},
            {sel->optDrained, "CIDC Test", true, false},
            {sel->optUndrained, "CIUC Test", true, true},
            {sel->optDrained, "CIDC Test", true, false},
        };
        for (const Step& step : steps) {
            QVERIFY(lx::testing::selectOption(step.option, way));
            QVERIFY2(step.option->isChecked(), qPrintable(step.option->text()));
            QCOMPARE(sel->lblTestSelected->text(), QString::fromLatin1(step.test));
            QCOMPARE(sel->optDrained->isEnabled(), step.drainedOffered);
            QCOMPARE(sel->optUnconsolidated->isEnabled(), step.unconsolidatedOffered);
        }
        QTest::mouseClick(sel->cmdShearDataAnalysis, Qt::LeftButton);
        frmTriaxialCell* cell = form<frmTriaxialCell>();
        QVERIFY(cell && cell->isVisible());
        QCOMPARE(cell->windowTitle(), u"Triaxial Compression (CIDC)");
        QCOMPARE(triaxial::State().cell.strSimType, u"CIDC");
    }

    void drainedSandRunReachesTheSummary()
    {
        dlgTriaxialSel* sel = chooser();
        QVERIFY(sel);
        clickOption(sel->optDrained);
        QTest::mouseClick(sel->cmdShearDataAnalysis, Qt::LeftButton);
        frmTriaxialCell* cell = form<frmTriaxialCell>();
        QCOMPARE(cell->windowTitle(), u"Triaxial Compression (CIDC)");
        QVERIFY(cell->ShapeSpecimen->isVisible() && !cell->ShapeCellPressure->isVisible());
        QVERIFY(!cell->picTriaxialCell->displayList().empty());   // the installed picture

        // Hints and a pressure spot that waits for the specimen.
        hover(cell->picTriaxialCell, px(2700, 4200));
        QCOMPARE(cell->picTriaxialCell->toolTip(), u"Click Here To Select Specimen Type");
        QTest::mouseClick(cell->picTriaxialCell, Qt::LeftButton, {}, px(620, 5550));
        QVERIFY(!form<dlgCellPressure>());
        QTest::mouseClick(cell->cmdOK, Qt::LeftButton);
        QCOMPARE(s->messages->msgBoxCalls.back().text, u"Please set specimen parameters.");

        QVERIFY(chooseSpecimen(QStringLiteral("Sand")));
        dlgSpecimenCIDC* dlg = form<dlgSpecimenCIDC>();
        QVERIFY(dlg && dlg->isVisible());
        QVERIFY(!dlg->CboParOption->isEditable() && !dlg->cboConfStress->isEditable());
        QCOMPARE(dlg->CboParOption->count(), 4);
        QCOMPARE(dlg->CboParOption->currentIndex(), -1);
        QVERIFY(!dlg->cboConfStress->isEnabled());
        QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
        QCOMPARE(s->messages->msgBoxCalls.back().text, u"Please Select a Soil Option for Parameter Set");
        QCOMPARE(s->messages->msgBoxCalls.back().title, u"Warning");

        pick(dlg->CboParOption, indexOf(dlg->CboParOption, QStringLiteral("Ottawa sand")));
        QCOMPARE(triaxial::State().specimen.strSoilType, u"Ottawa sand");
        QCOMPARE(triaxial::State().specimen.RefNumber, 7.0);
        QVERIFY(dlg->cboConfStress->isEnabled());
        QVERIFY(dlg->cboConfStress->count() > 0);
        QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
        QCOMPARE(s->messages->msgBoxCalls.back().text, u"Please Select Effective Confining Stress");

        pick(dlg->cboConfStress, 0);
        const QString stress = dlg->cboConfStress->currentText();
        QVERIFY(!triaxial::State().specimen.SimTestID.isEmpty());
        const QStringList shown = boxTexts(dlg->txtSpecimenParameters);
        QCOMPARE(shown[6], u"N/A");
        for (int i = 0; i < 6; ++i)
            QVERIFY2(shown[i] != u"N/A" && !shown[i].startsWith(u' '), qPrintable(shown[i]));

        // Advanced and back.
        const int basic = dlg->height();
        QTest::mouseClick(dlg->cmdAdvanced, Qt::LeftButton);
        QVERIFY(dlg->fraAdvanced->isVisible() && dlg->lblAdvanced2->isVisible());
        QCOMPARE(dlg->cmdAdvanced->text(), u"Basic");
        QCOMPARE(dlg->height(), lx::clientSizeForOuter(6000, 5175).height());
        QTest::mouseClick(dlg->cmdAdvanced, Qt::LeftButton);
        QCOMPARE(dlg->height(), basic);

        QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
        settle();
        QVERIFY(!form<dlgSpecimenCIDC>());
        QCoreApplication::processEvents();
        QCOMPARE(main->ActiveChild(), cell);   // the picture comes back to the front
        QCOMPARE(triaxial::State().cell.nSpecimen, stress.toDouble());
        QCOMPARE(ConfiningStressKPa, stress.toDouble());
        QCOMPARE(BackPressureKPa, 70.0);
        QVERIFY(!cell->ShapeSpecimen->isVisible() && cell->ShapeCellPressure->isVisible());

        // The cell pressure follows every keystroke; Enter confirms.
        const double sigma3 = ConfiningStressKPa;
        QTest::mouseClick(cell->picTriaxialCell, Qt::LeftButton, {}, px(620, 5550));
        dlgCellPressure* cp = form<dlgCellPressure>();
        QVERIFY(cp);
        QCOMPARE(cp->txtCellPressure->text(), lx::DoubleText(sigma3 + 70));
        QCOMPARE(cp->lblBackPressure->text(), u"Current Back Pressure = 70 kPa");
        cp->txtCellPressure->selectAll();
        QTest::keyClicks(cp->txtCellPressure, lx::DoubleText(sigma3 + 150));
        QCOMPARE(BackPressureKPa, 150.0);
        QCOMPARE(cp->lblBackPressure->text(), u"Current Back Pressure = 150 kPa");
        QTest::keyClick(cp->txtCellPressure, Qt::Key_Return);
        settle();
        QVERIFY(!form<dlgCellPressure>());
        QVERIFY(triaxial::State().cell.dlgCellPStatus);
        QVERIFY(!cell->ShapeCellPressure->isVisible() && cell->ShapeBackPressure->isVisible());
        QTest::mouseClick(cell->cmdOK, Qt::LeftButton);
        QCOMPARE(s->messages->msgBoxCalls.back().text, u"Please set back pressure.");

        QTest::mouseClick(cell->picTriaxialCell, Qt::LeftButton, {}, px(4870, 5480));
        dlgBackPressure* bp = form<dlgBackPressure>();
        QVERIFY(bp);
        QCOMPARE(bp->txtBackPressure->text(), u"150");
        QCOMPARE(bp->lblCellPressure->text(), QStringLiteral("Current Cell Pressure = %1 kPa").arg(lx::DoubleText(sigma3 + 150)));
        QTest::mouseClick(bp->cmdOK, Qt::LeftButton);
        settle();
        QVERIFY(cell->ShapeSpecimen->isVisible() && cell->ShapeCellPressure->isVisible());
        hover(cell->picTriaxialCell, px(100, 100));
        QCOMPARE(cell->picTriaxialCell->toolTip(), u"Click on Highlighted area to change selection or Click OK to go ahead");

        QTest::mouseClick(cell->cmdOK, Qt::LeftButton);
        settle();
        QVERIFY(!form<frmTriaxialCell>());
        QCOMPARE(triaxial::State().cell.nSpecimen, 0.0);   // the picture's unload
        dlgAnnCIDCInit* sum = summary();
        QVERIFY(sum && sum->isVisible());
        QCOMPARE(main->ActiveChild(), sum);
        QCOMPARE(sum->windowTitle(), u"Initialization Summary (Drained)");
        QCOMPARE(sum->lblSoil->text(), u"Parameters for Ottawa sand");
        QCOMPARE(sum->mConnectionString, SandCIDCConnection);
        QCOMPARE(sum->InitData[6], sigma3);
        QCOMPARE(sum->InitData[7], 30.0);
        QCOMPARE(sum->txtInit[6]->text(), lx::Str(sigma3));
        for (int i = 0; i < 6; ++i)
            QCOMPARE(sum->txtInit[size_t(i)]->text(), shown[i] == u"0" ? QStringLiteral("N/A") : lx::Str(shown[i].toDouble()));
        QVERIFY(sum->txtInit[0]->text().startsWith(u" ."));   // Ottawa's grains are below 1 mm
        QVERIFY(!sum->fraAdvancedInit->isVisible());
        QTest::mouseClick(sum->cmdAdvanced, Qt::LeftButton);
        QVERIFY(sum->fraAdvancedInit->isVisible());
        QCOMPARE(sum->height(), lx::clientSizeForOuter(5760, 6000).height());

        // Start Test hands the run to a new screen, which replays the stored test.
        const QString id = sum->mTestID;
        QCOMPARE(id, triaxial::State().specimen.SimTestID);
        QTest::mouseClick(sum->cmdStartTest, Qt::LeftButton);
        QCOMPARE(sum->mRunTitle, u"CIDC Sand");
        settle();
        QVERIFY(!summary());
        frmScreenDASTriaxial* run = screen();
        QVERIFY(run && run->isVisible());
        QCOMPARE(run->lblTitle->text(), u"CIDC test: Ottawa sand");
        QCOMPARE(run->nInit[6], sigma3);
        replaysToTheEnd(run, true);
        exportsTheRun(run, SandCIDCConnection, QStringLiteral("CIDC test: Ottawa sand"), id, true);
        QTest::mouseClick(run->cmdReport, Qt::LeftButton);
        QVERIFY(reportTitled(QStringLiteral("Report of CIDC test: Ottawa sand")));
        QTest::mouseClick(run->cmdHelp, Qt::LeftButton);
        QCOMPARE(s->help->shown.back().topic, u"html/Simulations/SimTriaxialShear.htm#StartTest");
        QTest::mouseClick(run->cmdClose, Qt::LeftButton);
        settle();
        QVERIFY(!screen());
    }

    void undrainedClayRunReachesTheSummary()
    {
        dlgTriaxialSel* sel = chooser();
        QVERIFY(sel);
        clickOption(sel->optUnconsolidated);
        QTest::mouseClick(sel->cmdShearDataAnalysis, Qt::LeftButton);
        QVERIFY(!main->mnuSpecimenSand->isVisible() && !main->mnuSpecimenGravel->isVisible());
        QCOMPARE(triaxial::State().cell.strSimType, u"UUC ");
        QVERIFY(chooseSpecimen(QStringLiteral("Clay")));
        dlgSpecimenCIDC* dlg = form<dlgSpecimenCIDC>();
        QVERIFY(!dlg->cmdAdvanced->isVisible());
        QCOMPARE(dlg->fraBasic->title(), u"Parameters");
        QCOMPARE(dlg->lblSpecimen[5]->text(), u"Strain Rate (%/min)");
        QCOMPARE(dlg->height(), lx::clientSizeForOuter(6000, 3750).height());
        pick(dlg->CboParOption, indexOf(dlg->CboParOption, QStringLiteral("Black Clay")));
        QCOMPARE(triaxial::State().specimen.RefNumber, 117.0);
        pick(dlg->cboConfStress, 0);
        const QStringList shown = boxTexts(dlg->txtSpecimenParameters);
        QCOMPARE(shown.mid(2, 3), QStringList({"N/A", "N/A", "N/A"}));
        QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
        settle();
        const double sigma3 = ConfiningStressKPa;
        QCOMPARE(triaxial::State().cell.InitData[4], 0.0);
        QCOMPARE(triaxial::State().cell.InitData[5], 0.0);
        setPressures();
        QTest::mouseClick(form<frmTriaxialCell>()->cmdOK, Qt::LeftButton);
        settle();

        dlgAnnCIDCInit* sum = summary();
        QVERIFY(sum);
        QCOMPARE(sum->windowTitle(), u"Initialization Summary (Undrained)");
        QVERIFY(!sum->cmdAdvanced->isVisible());
        QCOMPARE(sum->mConnectionString, ClayTriaxialConnection);
        QCOMPARE(sum->lblInit[6]->text(), u"Water Content (%)");
        QCOMPARE(sum->lblInit[2]->text(), u"Confining Pressure (kPa):");
        QCOMPARE(sum->txtInit[7]->text(), lx::Str(sigma3));
        QCOMPARE(sum->txtInit[0]->text(), shown[0] == u"N/A" ? shown[0] : lx::Str(shown[0].toDouble()));
        for (int i : {2, 3, 4})
            QCOMPARE(sum->txtInit[size_t(i)]->text(), u"N/A");
        sum->txtTestID->setText(QStringLiteral("  mine "));
        QTest::mouseClick(sum->cmdReport, Qt::LeftButton);
        QCOMPARE(sum->mRunTitle, u"UUC  Clay:mine");
        const QString id = sum->mTestID;
        QTest::mouseClick(sum->cmdStartTest, Qt::LeftButton);
        QCOMPARE(sum->mRunTitle, u"UUC  Clay");
        settle();
        QVERIFY(!summary());
        frmScreenDASTriaxial* run = screen();
        QVERIFY(run);
        QCOMPARE(run->lblTitle->text(), u"UUC  test: Black Clay");
        QCOMPARE(run->picFrame2->lblTitle->text(), u"Excess pore pressure");
        QCOMPARE(run->picFrame2->lblUnit->text(), u"(kPa)");
        replaysToTheEnd(run, false);
        exportsTheRun(run, ClayTriaxialConnection, QStringLiteral("UUC  test: Black Clay"), id, false);
    }

    void aTestWithoutPointsReplaysNothing()
    {
        auto* screenWindow = new frmScreenDASTriaxial();
        const double init[8] = {};
        QVERIFY(!screenWindow->StartTest(QStringLiteral("CIDC Sand"), QStringLiteral("Ottawa sand"), SandCIDCConnection,
                                         QStringLiteral("no such test"), init));
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QVERIFY(!screenWindow->Timer1->isActive());
        QVERIFY(!screenWindow->cmdExportData->isEnabled());
        QVERIFY(!screenWindow->StartTest(QStringLiteral("CIDC Sand"), QStringLiteral("Ottawa sand"),
                                         connectionTo("missing.lxr"), QStringLiteral("x"), init));
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(2));
        QVERIFY(screenWindow->picFrame1->picDraw->displayList().empty());
    }

    void aNewSpecimenKindReopensTheDialog()
    {
        dlgTriaxialSel* sel = chooser();
        QVERIFY(sel);
        clickOption(sel->optDrained);
        QTest::mouseClick(sel->cmdShearDataAnalysis, Qt::LeftButton);
        QVERIFY(chooseSpecimen(QStringLiteral("Sand")));
        dlgSpecimenCIDC* first = form<dlgSpecimenCIDC>();
        pick(first->CboParOption, 0);
        QVERIFY(first->cboConfStress->isEnabled());
        // Back to the picture, and clay from the pop-up while the sand dialog is open.
        main->mdiArea->setActiveSubWindow(qobject_cast<QMdiSubWindow*>(form<frmTriaxialCell>()->parentWidget()));
        QVERIFY(chooseSpecimen(QStringLiteral("Clay")));
        dlgSpecimenCIDC* second = form<dlgSpecimenCIDC>();
        QVERIFY(second);
        QCOMPARE(second->CboParOption->itemText(0), u"Clayey soil from Japan");
        QCOMPARE(second->CboParOption->currentIndex(), -1);
        QVERIFY(!second->cboConfStress->isEnabled());
        QCOMPARE(triaxial::State().specimen.strSpecimen, u"Clay");
        pick(second->CboParOption, 0);
        QCOMPARE(second->cboConfStress->count() > 0, true);
        QCOMPARE(triaxial::State().specimen.RefNumber, 4.0);
    }

    void closingThePictureClosesItsDialogsAndATypeChangeRelaysIt()
    {
        dlgTriaxialSel* sel = chooser();
        QVERIFY(sel);
        clickOption(sel->optDrained);
        QTest::mouseClick(sel->cmdShearDataAnalysis, Qt::LeftButton);
        frmTriaxialCell* cell = form<frmTriaxialCell>();
        QVERIFY(chooseSpecimen(QStringLiteral("Gravel")));
        dlgSpecimenCIDC* dlg = form<dlgSpecimenCIDC>();
        pick(dlg->CboParOption, 0);
        pick(dlg->cboConfStress, 0);
        QTest::mouseClick(dlg->cmdOK, Qt::LeftButton);
        settle();
        QCOMPARE(BackPressureKPa, 700.0);
        QTest::mouseClick(cell->picTriaxialCell, Qt::LeftButton, {}, px(4870, 5480));   // back first is allowed
        QVERIFY(form<dlgBackPressure>());
        form<dlgBackPressure>()->txtBackPressure->setText(QStringLiteral("650"));
        QTest::mouseClick(form<dlgBackPressure>()->cmdCancel, Qt::LeftButton);
        settle();
        QCOMPARE(BackPressureKPa, 650.0);   // kept, but not confirmed
        QVERIFY(!triaxial::State().cell.dlgBackPStatus);
        QTest::mouseClick(cell->picTriaxialCell, Qt::LeftButton, {}, px(620, 5550));
        QVERIFY(form<dlgCellPressure>());

        // The study road on the open picture: OK hidden, pressures' dialog closed; and back.
        QTest::mouseClick(sel->cmdParametricStudy, Qt::LeftButton);
        settle();
        QCOMPARE(form<frmTriaxialCell>(), cell);
        QVERIFY(!form<dlgCellPressure>());
        QVERIFY(cell->cmdOK->isHidden());
        QCOMPARE(cell->cmdCancel->text(), u"Go Back");
        QCOMPARE(cell->windowTitle(), u"Triaxial Compression (CIDC Parametric Study)");
        QTest::mouseClick(cell->cmdHelp, Qt::LeftButton);
        QCOMPARE(s->help->shown.back().topic, u"html/Simulations/SimTriaxialParam.htm");
        QTest::mouseClick(sel->cmdShearDataAnalysis, Qt::LeftButton);
        QVERIFY(!cell->cmdOK->isHidden());
        QCOMPARE(cell->cmdCancel->text(), u"Cancel");
        QCOMPARE(triaxial::State().cell.nSpecimen, 0.0);
        QVERIFY(cell->ShapeSpecimen->isVisible() && !cell->ShapeCellPressure->isVisible());

        // Dialogs open from the picture go when it closes.
        QVERIFY(chooseSpecimen(QStringLiteral("Sand")));
        QVERIFY(form<dlgSpecimenCIDC>());
        QTest::mouseClick(cell->cmdCancel, Qt::LeftButton);
        settle();
        QVERIFY(!form<frmTriaxialCell>());
        QVERIFY(!form<dlgSpecimenCIDC>());
        QVERIFY(form<dlgTriaxialSel>());
    }

    // A student without a mouse takes the whole road: the chooser, the cell's spots as they
    // appear (each a named stop), the Specimen pop-up by arrows, the specimen and pressure
    // dialogs, the summary, the screen and its report.
    void theTriaxialRoadByKeysAlone()
    {
        dlgTriaxialSel* chosen = chooserWithTheKeyboard();
        if (!chosen)
            QSKIP("no active window on this platform");
        dlgTriaxialSel& sel = *chosen;
        // Each group's options as one stop at the group's place, in rows beside the buttons.
        QCOMPARE(QApplication::focusWidget(), sel.optUndrained);
        QCOMPARE(walkNames(), QStringList({"Undrained", "Triaxial Compression", "Assembly, Saturation and Consolidation",
                                           "Isotropic Consolidation", "Parametric Study", "Cancel", "Help"}));
        QVERIFY(tabTo(sel.cmdShearDataAnalysis));
        key(Qt::Key_Return);
        drain();
        frmTriaxialCell* cell = form<frmTriaxialCell>();
        QVERIFY(cell);
        QVERIFY(activeWithFocus(cell));
        QCOMPARE(QApplication::focusWidget(), cell->ShapeSpecimen);   // the first control, not the frame
        QVERIFY(showsFocusFrame(cell->ShapeSpecimen));
        QCOMPARE(cell->ShapeSpecimen->accessibleDescription(), u"Click Here To Select Specimen Type");
        QCOMPARE(walkNames(), QStringList({"Specimen", "OK", "Cancel", "Help"}));

        QVERIFY(specimenByKeys(cell, QStringLiteral("Sand")));
        dlgSpecimenCIDC* dlg = form<dlgSpecimenCIDC>();
        QVERIFY(dlg && activeWithFocus(dlg));
        QVERIFY(tabTo(dlg->CboParOption));
        key(Qt::Key_Down);
        QVERIFY(!triaxial::State().specimen.strSoilType.isEmpty());
        QVERIFY(tabTo(dlg->cboConfStress));
        key(Qt::Key_Down);
        QVERIFY(!triaxial::State().specimen.SimTestID.isEmpty());
        QVERIFY(tabTo(dlg->cmdOK));
        key(Qt::Key_Return);
        drain();
        QVERIFY(!form<dlgSpecimenCIDC>());
        QVERIFY(activeWithFocus(cell));
        QCOMPARE(walkNames().mid(0, 2), QStringList({"Cell pressure inlet", "OK"}));
        QCOMPARE(cell->ShapeCellPressure->accessibleDescription(), u"Click Here to enter Cell Pressure");

        QVERIFY(tabTo(cell->ShapeCellPressure));
        key(Qt::Key_Return);
        QVERIFY(form<dlgCellPressure>() && activeWithFocus(form<dlgCellPressure>()));
        key(Qt::Key_Return);
        drain();
        QVERIFY(!form<dlgCellPressure>() && triaxial::State().cell.dlgCellPStatus);
        QVERIFY(activeWithFocus(cell));
        QCOMPARE(walkNames().mid(0, 2), QStringList({"Back pressure inlet", "OK"}));
        QVERIFY(tabTo(cell->ShapeBackPressure));
        key(Qt::Key_Enter);   // Enter of the keypad alike
        QVERIFY(form<dlgBackPressure>() && activeWithFocus(form<dlgBackPressure>()));
        key(Qt::Key_Return);
        drain();
        QVERIFY(!form<dlgBackPressure>() && triaxial::State().cell.dlgBackPStatus);

        QVERIFY(tabTo(cell->cmdOK));
        QVERIFY(cell->ShapeSpecimen->isVisible() && !showsFocusFrame(cell->ShapeSpecimen));
        key(Qt::Key_Return);
        drain();
        dlgAnnCIDCInit* sum = summary();
        QVERIFY(sum && activeWithFocus(sum));
        QVERIFY(tabTo(sum->cmdStartTest));
        key(Qt::Key_Return);
        drain();
        frmScreenDASTriaxial* run = screen();
        QVERIFY(run && activeWithFocus(run));
        while (run->Timer1->isActive())
            run->Timer1_Timer();
        QVERIFY(tabTo(run->cmdReport));
        key(Qt::Key_Return);
        drain();
        QVERIFY(reportTitled(QStringLiteral("Report of CIUC test: ") + triaxial::State().specimen.strSoilType));
    }

    // The study's cell has no OK: the Specimen spot, reached by keys, is its way on.
    void theStudyCellIsPassedByKeys()
    {
        dlgTriaxialSel* chosen = chooserWithTheKeyboard();
        if (!chosen)
            QSKIP("no active window on this platform");
        dlgTriaxialSel& sel = *chosen;
        QVERIFY(tabTo(sel.cmdParametricStudy));
        key(Qt::Key_Return);
        drain();
        frmTriaxialCell* cell = form<frmTriaxialCell>();
        QVERIFY(cell && cell->cmdOK->isHidden());
        QCOMPARE(QApplication::focusWidget(), cell->ShapeSpecimen);
        QCOMPARE(walkNames(), QStringList({"Specimen", "Go Back", "Help"}));
        QVERIFY(specimenByKeys(cell, QStringLiteral("Clay")));
        dlgCIDCParamStudy* study = form<dlgCIDCParamStudy>();
        QVERIFY(study && activeWithFocus(study));
        QCOMPARE(study->strSpecimen, u"Clay");
    }

    void summaryChecksOnlyChangedBoxesAndNeverBlocksCancel()
    {
        // A sand test stored at 3805 kPa, beyond the box's range, and a stored zero.
        triaxial::State().specimen.strSoilType = QStringLiteral("Sacramento river sand");
        dlgAnnCIDCInit* sum = summaryOf(QStringLiteral("CIDC"), QStringLiteral("Sand"), {0.2, 1.8, 1.1, 0, 0, 0.7, 3805, 30});
        QCOMPARE(sum->txtInit[3]->text(), u"N/A");
        QCOMPARE(sum->txtInit[6]->text(), u" 3805");
        QTest::mouseClick(sum->cmdStartTest, Qt::LeftButton);
        QCOMPARE(sum->mRunTitle, u"CIDC Sand");
        // No range warning: only the screen's word that this made-up test has no points.
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(s->messages->msgBoxCalls.back().title, basGlobal::AppTitle);
        s->messages->msgBoxCalls.clear();
        settle();
        QVERIFY(summary());   // a screen that cannot start leaves the summary open

        sum->txtInit[0]->selectAll();
        QTest::keyClicks(sum->txtInit[0], QStringLiteral("1.51"));
        sum->mRunTitle.clear();
        QTest::mouseClick(sum->cmdStartTest, Qt::LeftButton);
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(s->messages->msgBoxCalls.back().text, u"Average Diameter must be 0.075 to 1.5 mm!");
        QCOMPARE(s->messages->msgBoxCalls.back().title, u"Warning");
        QVERIFY(sum->mRunTitle.isEmpty());
        bool cancel = false;
        sum->txtInit[0]->setText(QStringLiteral("1.5"));
        sum->txtInit_Validate(0, cancel);
        QVERIFY(!cancel);
        // The edit never reaches the run.
        QCOMPARE(sum->InitData[0], 0.2);

        QTest::keyClicks(sum->txtInit[0], QStringLiteral("9"));
        QTest::mouseClick(sum->cmdCancel, Qt::LeftButton);
        settle();
        QVERIFY(!summary());
    }

    void leavingAChangedBoxChecksItButNotForCancel()
    {
        dlgAnnCIDCInit* sum = summaryOf(QStringLiteral("CIDC"), QStringLiteral("Gravel"), {6.5, 5.8, 1.3, 6, 23, 0.66, 700, 30});
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main.get()))
            QSKIP("no active window on this platform");
        QLineEdit* diameter = sum->txtInit[0];
        diameter->setFocus();
        QTest::keyClick(diameter, Qt::Key_Tab);   // unchanged: no check
        QVERIFY(s->messages->msgBoxCalls.empty());
        diameter->setFocus();
        diameter->selectAll();
        QTest::keyClicks(diameter, QStringLiteral("50"));
        QTest::keyClick(diameter, Qt::Key_Tab);
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(s->messages->msgBoxCalls.back().text, u"Average Diameter must be 1.5 to 45 mm!");
        QTRY_COMPARE(QApplication::focusWidget(), diameter);
        // Cancel takes the focus without a check and closes the summary.
        QTest::mouseClick(sum->cmdCancel, Qt::LeftButton);
        settle();
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QVERIFY(!summary());
    }

    void startupQuizOpensOnceFromTheChooser()
    {
        StartupQuizPending = true;
        dlgTriaxialSel* sel = chooser();
        QVERIFY(sel);
        QTest::mouseMove(sel, QPoint(sel->width() - 5, sel->height() - 5));
        hover(sel, QPoint(sel->width() - 6, sel->height() - 6));
        hover(sel, QPoint(sel->width() - 7, sel->height() - 7));
        QCOMPARE(pressed, QList<int>({200}));
        QVERIFY(!StartupQuizPending);
    }

    void theOtherRoadsAndTheReportsOpenTheirWindows()
    {
        dlgTriaxialSel* sel = chooser();
        QVERIFY(sel);
        clickOption(sel->optUnconsolidated);
        QTest::mouseClick(sel->cmdSaturationConsolidation, Qt::LeftButton);
        frmTriaxial1stStage* first = form<frmTriaxial1stStage>();
        QVERIFY(first && first->isVisible());
        QCOMPARE(first->simType(), u"UUC ");
        QCOMPARE(first->windowTitle(), u"Triaxial Compression (UUC)");
        QCOMPARE(main->ActiveChild(), first);
        // A consolidated test afterwards clears the type and brings the design caption back.
        clickOption(sel->optIsotropic);
        clickOption(sel->optDrained);
        QTest::mouseClick(sel->cmdSaturationConsolidation, Qt::LeftButton);
        QCOMPARE(form<frmTriaxial1stStage>(), first);
        QCOMPARE(first->simType(), QString());
        QCOMPARE(first->windowTitle(), frmTriaxial1stStage::DesignCaption);

        // A fixed window: no maximise or minimise button.
        auto* firstFrame = qobject_cast<QMdiSubWindow*>(first->parentWidget());
        QVERIFY(firstFrame);
        QVERIFY(!(firstFrame->windowFlags() & (Qt::WindowMaximizeButtonHint | Qt::WindowMinimizeButtonHint)));

        // The study road: the specimen kind goes to the study dialog and the picture closes.
        clickOption(sel->optIsotropic);
        clickOption(sel->optDrained);
        QTest::mouseClick(sel->cmdParametricStudy, Qt::LeftButton);
        QVERIFY(chooseSpecimen(QStringLiteral("Gravel")));
        settle();
        QVERIFY(!form<frmTriaxialCell>());
        dlgCIDCParamStudy* study = form<dlgCIDCParamStudy>();
        QVERIFY(study && study->isVisible());
        QCOMPARE(study->strSpecimen, u"Gravel");
        QCOMPARE(study->strSimType, u"CIDC Parametric Study");
        QCOMPARE(main->ActiveChild(), study);
        // Escape closes the study dialog as its Close does.
        QTest::keyClick(study->CboParOption, Qt::Key_Escape);
        QCoreApplication::processEvents();
        settle();
        QVERIFY(!form<dlgCIDCParamStudy>() || !form<dlgCIDCParamStudy>()->isVisible());

        // Create Report on a summary opens a report window and leaves the summary open.
        triaxial::State().specimen.strSoilType = QStringLiteral("Ottawa sand");
        triaxial::State().specimen.SimTestID = QStringLiteral("OTT-100-852");
        dlgAnnCIDCInit* sum = summaryOf(QStringLiteral("CIDC"), QStringLiteral("Sand"), {0.2, 1.8, 1.1, 4, 12, 0.62, 100, 30});
        sum->txtTestID->setText(QStringLiteral("Lab 3"));
        QTest::mouseClick(sum->cmdReport, Qt::LeftButton);
        settle();
        QVERIFY(summary());
        QVERIFY(reportTitled(QStringLiteral("Simulation : Ottawa sand - CIDC Sand:Lab 3")));
    }

    void summaryRefusesATestNoDatabaseHolds()
    {
        dlgAnnCIDCInit* sum = summaryOf(QStringLiteral("UUC "), QStringLiteral("Sand"), {0.2, 1.8, 1.1, 4, 12, 0.7, 100, 30});
        QTest::mouseClick(sum->cmdStartTest, Qt::LeftButton);
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QVERIFY(s->messages->msgBoxCalls.back().text.startsWith(u"No reference database holds Sand tests"));
        QVERIFY(sum->mRunTitle.isEmpty());
    }
};

QTEST_MAIN(tst_triaxialRoad)
#include "tst_triaxialRoad.moc"
