// The consolidation road through the real windows, offscreen: Simulation, Consolidation;
// the dialog; the set-up form assembled; a soil; Start; the replay tick by tick; the
// stepping through increments; both exports; the report; the credit on closing. On the
// installed database, and on small databases for the cases it lacks.
#include "consolidation/ConsolidationRun.h"
#include "consolidation/dlg1DConsolidation.h"
#include "consolidation/frm1DConsolReport.h"
#include "consolidation/frm1DConsolidation.h"
#include "consolidation/frmScreenDAS1D.h"
#include "consolidation/SettlementChart.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "lab/AssemblyView.h"
#include "lab/ChartFrame.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/FormRegistry.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/QuizFiles.h"
#include "tests/common/RoadTest.h"
#include "tests/common/TestHelpers.h"

#include "tests/common/FixturePacker.h"
#include "tests/common/OptionButtons.h"

#include <QComboBox>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <cmath>
#include <memory>

using namespace basGlobal;
using namespace consolidation;
using lx::SingleInstance;

namespace {

QString connectionTo(const QString& path, const char* password = "mobkel")
{
    return lx::testing::connectionTo(path, QString::fromLatin1(password));
}

QString installed(const char* file) { return QStringLiteral(LOAMIX_INSTALL_DIR "/Database/") + QString::fromLatin1(file); }

using lx::testing::settle;

// A small consolidation database under the installed schema: the TestInfo and Reference
// rows of 1001 and 2001 and the given TestResults rows.
QString packConsolidation(const QTemporaryDir& dir, const QStringList& results)
{
    return fixture::packDatabase(dir.path(), QStringLiteral("LX1DConsolidation"),
                                 {{QStringLiteral("TestInfo"), {"1001,IL-X,82,52,2.05,", "2001,CRS-X,76,46,1.88,0.01"}},
                                  {QStringLiteral("Reference"),
                                   {"1001,r,2026,s,19,63.5,Undisturbed", "2001,r,2026,s,20,63.5,Block"}},
                                  {QStringLiteral("TestResults"), results}},
                                 QStringLiteral("mobkel"));
}

// TestResults rows of one test: stress and void ratio per point.
QStringList rows(const char* ref, const char* id, const std::vector<std::pair<double, double>>& points)
{
    QStringList text;
    int n = 0;
    for (const auto& [stress, e] : points)
        text << QStringLiteral("%1,%2,%3,%4,%5,0").arg(QLatin1String(ref), QLatin1String(id)).arg(++n).arg(stress, 0, 'g', 10).arg(e, 0, 'g', 10);
    return text;
}

using lx::testing::form;

// What a surface drew: segments in a colour and star markers.
std::pair<int, int> drawn(const lx::PictureBox& surface, const QColor& color)
{
    int segments = 0, stars = 0;
    for (const lx::DrawOp& op : surface.displayList()) {
        segments += op.kind == lx::DrawOp::Line && op.color == color;
        stars += op.kind == lx::DrawOp::Text && op.text == u"*";
    }
    return {segments, stars};
}

} // namespace

class tst_consolidationRoad : public lx::testing::RoadTest {
    Q_OBJECT


    // The set-up form of a kind, opened from the menu through the dialog (null when either
    // does not open).
    frm1DConsolidation* setupForm(Kind kind)
    {
        main->mnuSimConsol->trigger();
        dlg1DConsolidation* dialog = form<dlg1DConsolidation>();
        if (!dialog)
            return nullptr;
        if (kind != Kind::None)
            QTest::mouseClick(dialog->OptTestType[kind == Kind::IL ? 0 : 1], Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(dialog->cmdTesting, Qt::LeftButton);
        return form<frm1DConsolidation>();
    }

    // Clicks into the picture and runs the assembly to its end; the ticks it took.
    static int assemble(frm1DConsolidation& f)
    {
        QTest::mouseClick(f.lblMask, Qt::LeftButton);
        int ticks = 0;
        while (f.Timer1->isActive() && ticks < 200) {
            f.Timer1_Timer();
            ++ticks;
        }
        return ticks;
    }

    frmScreenDAS1D* lastScreen(const frm1DConsolidation& f) const { return qobject_cast<frmScreenDAS1D*>(f.lastScreen()); }

    // Runs the replay to its end: points + 1 ticks.
    static void replay(frmScreenDAS1D& screen)
    {
        const int n = screen.ReplayCurve.points();
        for (int tick = 0; tick <= n; ++tick)
            screen.Timer1_Timer();
    }

    // Runs the increment curve's timer to its end; the segments it drew.
    static int drawCurve(frmScreenDAS1D& screen)
    {
        int ticks = 0;
        while (screen.settlement->Timer2->isActive() && ticks < 50) {
            screen.settlement->Timer2_Timer();
            ++ticks;
        }
        return ticks;
    }

    // The log chart's captions: caption j centred (within 2 px) under the decade line at
    // j / 3 of the surface, whole inside the frame; the fifth hidden.
    static void checkDecadeCaptions(const lx::ChartFrame& frame)
    {
        const QRect surface = frame.picDraw->geometry();
        for (int j = 0; j < 4; ++j) {
            const QLabel* l = frame.lblX[size_t(j)];
            QVERIFY(l->isVisibleTo(&frame));
            const double line = surface.left() + j * surface.width() / 3.0;
            const double centre = l->geometry().left() + l->width() / 2.0;
            QVERIFY2(std::abs(centre - line) <= 2,
                     qPrintable(QStringLiteral("caption %1 centred at %2, its line at %3").arg(j).arg(centre).arg(line)));
            QVERIFY2(frame.rect().contains(l->geometry()), qPrintable(l->text()));
            QVERIFY(l->fontMetrics().horizontalAdvance(l->text()) <= l->width());
        }
        QVERIFY(frame.lblX[4]->isHidden());
    }

    QString exportOf(QPushButton* button)
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("out.txt"));
        s->files->answers.push_back(path);
        QTest::mouseClick(button, Qt::LeftButton);
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            return QStringLiteral("(nothing written)");
        return QString::fromUtf8(f.readAll());
    }

    // The incremental-loading screen of Ooty Silt (21 points, 11 listed), started from its
    // set-up form (null when a window does not open).
    frmScreenDAS1D* startedScreen()
    {
        frm1DConsolidation* f = setupForm(Kind::IL);
        if (!f)
            return nullptr;
        assemble(*f);
        f->cboParamOptions->setCurrentIndex(4);
        QTest::mouseClick(f->cmdStart, Qt::LeftButton);
        return lastScreen(*f);
    }
    // The same replayed to its end, each increment curve drawn whole as it comes.
    frmScreenDAS1D* replayedScreen()
    {
        frmScreenDAS1D* screen = startedScreen();
        while (screen && screen->Timer1->isActive()) {
            screen->Timer1_Timer();
            drawCurve(*screen);
        }
        return screen;
    }

    void installFamily() override
    {
        InstallConsolidationHooks();
        Consolidation1DConnection = connectionTo(installed("LX1DConsolidation.lxr"));
    }

private slots:
    void theDialogOpensOneSetUpFormOfTheChosenKind()
    {
        main->mnuSimConsol->trigger();
        dlg1DConsolidation* dialog = form<dlg1DConsolidation>();
        QVERIFY(dialog && !dialog->isHidden());
        QCOMPARE(dialog->windowTitle(), u"One-Dimenasional Consolidation");
        QVERIFY(!dialog->OptTestType[0]->isChecked() && !dialog->OptTestType[1]->isChecked());
        QVERIFY(dialog->cmdParamStudy->isHidden());
        QVERIFY(lx::testing::checkLabelsFit(dialog));
        // The toolbar key opens the same dialog.
        main->ToolbarButton(QStringLiteral("1DConsol"))->trigger();
        QCOMPARE(children<dlg1DConsolidation>().size(), 1);

        QTest::mouseClick(dialog->OptTestType[0], Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(dialog->cmdTesting, Qt::LeftButton);
        frm1DConsolidation* f = form<frm1DConsolidation>();
        QVERIFY(f && !f->isHidden());
        QCOMPARE(f->kind(), Kind::IL);
        QCOMPARE(f->windowTitle(), u"One-Dimensional Consolidation: Assembly");
        QVERIFY(!(lx::ChildFrame(f)->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(f->cboParamOptions->count(), 6);
        QVERIFY(!f->cboParamOptions->isEnabled());
        QVERIFY(f->txtParameter[StrainRateBox]->isHidden());
        // Pressed again after the other option: only brought forward, kind and list kept.
        QTest::mouseClick(dialog->OptTestType[1], Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(dialog->cmdTesting, Qt::LeftButton);
        QCOMPARE(form<frm1DConsolidation>(), f);
        QCOMPARE(f->kind(), Kind::IL);
        QCOMPARE(f->cboParamOptions->itemText(0), u"Singapore Clay");
        // Cancel closes the dialog only.
        QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
        settle();
        QVERIFY(!form<dlg1DConsolidation>());
        QVERIFY(form<frm1DConsolidation>());
    }

    // However an option is chosen, the set-up form loads the kind it names.
    void everyWayOfChoosingTheKindOpensItsForm()
    {
        for (lx::testing::SelectBy way : lx::testing::everyWayToSelect) {
            for (int option : {0, 1}) {
                main->mnuSimConsol->trigger();
                dlg1DConsolidation* dialog = form<dlg1DConsolidation>();
                if (!lx::testing::selectOption(dialog->OptTestType[size_t(option)], way))
                    continue;
                QTest::mouseClick(dialog->cmdTesting, Qt::LeftButton);
                QVERIFY2(form<frm1DConsolidation>()->kind() == (option == 0 ? Kind::IL : Kind::CRS), lx::testing::nameOf(way));
                lx::Unload<frm1DConsolidation>();
                lx::Unload<dlg1DConsolidation>();
            }
        }
    }

    void theSetUpFormAssemblesAndStartsAListedSoil()
    {
        frm1DConsolidation* opened = setupForm(Kind::IL);
        QVERIFY(opened);
        frm1DConsolidation& f = *opened;
        QTest::mouseClick(f.lblMask, Qt::LeftButton);
        QVERIFY(f.Timer1->isActive());
        QCOMPARE(f.Timer1->interval(), 600);
        QVERIFY(f.cboParamOptions->isEnabled());
        f.cboParamOptions->setCurrentIndex(4);   // Ooty Silt, 1002.2
        QCOMPARE(f.RefNumber, 1002.2f);
        QCOMPARE(f.TestID, u"IL-OTS-01");
        QCOMPARE(f.ParamTexts, QStringList({"47", "16", "1.16", "N/A", "19", "63.5", "Undisturbed (block sample)"}));
        QCOMPARE(f.txtParameter[6]->toolTip(), u"Undisturbed (block sample)");
        QVERIFY(lx::testing::checkLabelsFit(&f));
        QVERIFY(!f.cmdStart->isEnabled());
        int ticks = 0;
        while (f.Timer1->isActive()) {
            f.Timer1_Timer();
            ++ticks;
        }
        QCOMPARE(ticks, 42);   // 41 steps, then the tick that finds none
        QVERIFY(f.cmdStart->isEnabled());
        const lx::AssemblyAnimation& a = f.Picture1->animation();
        QVERIFY(a.sprite(QStringLiteral("imgAssembledOedo")).visible);
        QVERIFY(!a.sprite(QStringLiteral("imgAssembledCRS")).visible);

        QTest::mouseClick(f.cmdStart, Qt::LeftButton);
        QTest::mouseClick(f.cmdStart, Qt::LeftButton);
        QCOMPARE(children<frmScreenDAS1D>().size(), 2);
        QVERIFY(f.cmdStart->isEnabled());
        frmScreenDAS1D* screen = lastScreen(f);
        QVERIFY(screen && !screen->isHidden());
        QCOMPARE(screen->lblTitle->text(), u"IL consolidation test: Ooty Silt");
        QCOMPARE(screen->ParamTexts, f.ParamTexts);
    }

    void theIncrementalLoadingReplayTickByTick()
    {
        frmScreenDAS1D* shown = startedScreen();
        QVERIFY(shown);
        frmScreenDAS1D& screen = *shown;
        QVERIFY(screen.Timer1->isActive());
        QCOMPARE(screen.Timer1->interval(), 600);
        QVERIFY(screen.PicFrame3->isVisibleTo(&screen) && screen.PicILSetup->isVisibleTo(&screen));
        QVERIFY(!screen.PicCRSSetup->isVisibleTo(&screen));
        const int n = screen.ReplayCurve.points();
        QCOMPARE(n, 21);
        const std::vector<int> listed = ListedRows(Kind::IL, screen.ReplayCurve.column(0));
        QCOMPARE(int(listed.size()), 11);

        // Tick by tick: a listed row adds a line numbered by the listed count, with its tip.
        for (int i = 0; i < n; ++i) {
            screen.Timer1_Timer();
            const int k = int(std::count_if(listed.begin(), listed.end(), [&](int r) { return r <= i; }));
            QCOMPARE(screen.lvwData->lineCount(), k);
            if (k >= 2 && listed[size_t(k - 1)] == i) {
                QVERIFY(screen.settlement->Timer2->isActive());
                QCOMPARE(screen.settlement->lbleRange->text(), QString::number(k - 1) + QStringLiteral(" -- ") + QString::number(k));
                QCOMPARE(drawCurve(screen), 12);
            }
            QVERIFY(!screen.cmdReport->isEnabled() && !screen.settlement->cmdPrev->isEnabled());
        }
        QCOMPARE(screen.lvwData->topLevelItem(0)->toolTip(0), u"Point Number: 1");
        QCOMPARE(screen.lvwData->topLevelItem(10)->toolTip(0), u"Point Number: 11");
        QCOMPARE(screen.lvwData->cellText(10, 0), u"11");
        QCOMPARE(screen.lvwData->cellText(0, 1), u"12.5");
        screen.Timer1_Timer();   // the tick after the last point ends the run
        QVERIFY(!screen.Timer1->isActive());
        QVERIFY(screen.cmdReport->isEnabled() && screen.cmdExportData->isEnabled() && screen.cmdExport_et->isEnabled());
        QVERIFY(screen.settlement->cmdPrev->isEnabled() && !screen.settlement->cmdNext->isEnabled());
        QVERIFY(lx::testing::checkLabelsFit(&screen));
        // The 21-point test ends with one weight on the hanger.
        const lx::AssemblyAnimation& frame = screen.PicILSetup->animation();
        for (int w = 0; w < 14; ++w)
            QCOMPARE(frame.sprite(QStringLiteral("imgLoad(%1)").arg(w)).visible, w == 0);
        // Both charts joined every row and starred the listed ones.
        QCOMPARE(drawn(*screen.picFrame1->picDraw, lx::QBColor(12)), std::make_pair(n - 1, 11));
        QCOMPARE(drawn(*screen.picFrame2->picDraw, lx::QBColor(9)), std::make_pair(n - 1, 11));
        QCOMPARE(screen.picFrame2->lblX[0]->text(), u"10");
        QCOMPARE(screen.picFrame2->lblX[3]->text(), u"10000");
        checkDecadeCaptions(*screen.picFrame2);
        for (size_t j = 0; j < 5; ++j)
            QVERIFY(screen.picFrame1->lblY[j]->text().size() <= 5);
    }

    void theIncrementalLoadingExport()
    {
        frmScreenDAS1D* shown = replayedScreen();
        QVERIFY(shown);
        frmScreenDAS1D& screen = *shown;
        // The whole-test export: title, empty line, header, one line per listed point.
        const QString whole = exportOf(screen.cmdExportData);
        QVERIFY(whole.endsWith(u"\r\n"));
        const QStringList lines = whole.chopped(2).split(u'\n');
        QCOMPARE(lines.size(), 3 + 11);
        QCOMPARE(lines[0], u"IL consolidation test: Ooty Silt");
        QCOMPARE(lines[2], u"No.\tVertical effective stress (kPa)\tVoid ratio - e\t");
        QCOMPARE(lines[3], u"1\t12.5\t1.16\t");
        QVERIFY(lines.last().endsWith(u'\t'));
    }

    void theIncrementalLoadingSteppingAndCurveExport()
    {
        frmScreenDAS1D* shown = replayedScreen();
        QVERIFY(shown);
        frmScreenDAS1D& screen = *shown;
        const std::vector<int> listed = ListedRows(Kind::IL, screen.ReplayCurve.column(0));
        // Stepping back to the first increment and forward to the last.
        int k = 11;
        while (screen.settlement->cmdPrev->isEnabled()) {
            QTest::mouseClick(screen.settlement->cmdPrev, Qt::LeftButton);
            --k;
            QCOMPARE(screen.settlement->lbleRange->text(), QString::number(k - 1) + QStringLiteral(" -- ") + QString::number(k));
            QVERIFY(screen.settlement->cmdNext->isEnabled());
        }
        QCOMPARE(k, 2);
        QCOMPARE(screen.settlement->curveE1, screen.ReplayCurve(0, 1));
        QCOMPARE(screen.settlement->curveE2, screen.ReplayCurve(2, 1));
        // A new curve abandons the running one: its drawing starts over.
        QTest::mouseClick(screen.settlement->cmdNext, Qt::LeftButton);
        screen.settlement->Timer2_Timer();
        QTest::mouseClick(screen.settlement->cmdNext, Qt::LeftButton);
        QCOMPARE(screen.settlement->curveRow, 0);
        QCOMPARE(drawCurve(screen), 12);
        const QString curve = exportOf(screen.cmdExport_et);
        QVERIFY(curve.endsWith(u"\r\n"));
        const QStringList lines = curve.chopped(2).split(u'\n');
        QCOMPARE(lines.size(), 16);
        QCOMPARE(lines[2], u"No.\tTime (min)\tVoid ratio - e\t");
        QCOMPARE(lines[3], QStringLiteral("1\t0\t") + lx::SingleText(screen.ReplayCurve(listed[2], 1)));
        QCOMPARE(lines[15], QStringLiteral("13\t1440\t") + lx::SingleText(CurveVoidRatio(screen.settlement->curveE1, screen.settlement->curveE2, 12)));
        while (screen.settlement->cmdNext->isEnabled())
            QTest::mouseClick(screen.settlement->cmdNext, Qt::LeftButton);
        QCOMPARE(screen.settlement->lbleRange->text(), u"10 -- 11");
    }

    void theChartButtonsMoveTheStressChart()
    {
        frmScreenDAS1D* shown = replayedScreen();
        QVERIFY(shown);
        frmScreenDAS1D& screen = *shown;
        // The chart buttons move the stress chart between the two places.
        QTest::mouseClick(screen.cmdeSv, Qt::LeftButton);
        QCOMPARE(screen.picFrame1->y(), lx::tw(frmScreenDAS1D::LowerSlotTop));
        QCOMPARE(screen.PicFrame3->y(), lx::tw(frmScreenDAS1D::UpperSlotTop));
        QTest::mouseClick(screen.cmdeLogsv, Qt::LeftButton);
        QCOMPARE(screen.picFrame1->y(), lx::tw(frmScreenDAS1D::UpperSlotTop));
        QCOMPARE(screen.picFrame2->y(), lx::tw(frmScreenDAS1D::LowerSlotTop));
    }

    void theIncrementalLoadingReport()
    {
        frmScreenDAS1D* shown = replayedScreen();
        QVERIFY(shown);
        frmScreenDAS1D& screen = *shown;
        const int n = screen.ReplayCurve.points();
        // Each press makes another report, shown by the screen.
        QTest::mouseClick(screen.cmdReport, Qt::LeftButton);
        QTest::mouseClick(screen.cmdReport, Qt::LeftButton);
        const QList<frm1DConsolReport*> reports = children<frm1DConsolReport>();
        QCOMPARE(reports.size(), 2);
        frm1DConsolReport* report = reports.last();
        QVERIFY(!report->isHidden());
        QVERIFY(!(lx::ChildFrame(report)->windowFlags() & Qt::WindowMaximizeButtonHint));
        QCOMPARE(report->lblTitle->text(), u"Consolidation Behavior of Ooty Silt");
        QCOMPARE(report->lblTestType->text(), u"Incremental Load One-dimensional Consolidation Test");
        QVERIFY(report->lblParamValue[StrainRateBox]->isHidden());
        QCOMPARE(report->lblParamValue[2]->text(), u"1.16");
        QVERIFY(lx::testing::checkLabelsFit(report));
        QCOMPARE(drawn(*report->picFrame1->picDraw, lx::QBColor(12)), std::make_pair(n - 1, 11));
        QCOMPARE(drawn(*report->picFrame2->picDraw, lx::QBColor(9)), std::make_pair(n - 1, 11));
        QCOMPARE(report->picFrame1->lblY[4]->text(), screen.picFrame1->lblY[4]->text());
        QCOMPARE(report->picFrame2->lblX[1]->text(), u"100");
        checkDecadeCaptions(*report->picFrame2);

        // No quiz file: closing credits nothing.
        QTest::mouseClick(screen.cmdClose, Qt::LeftButton);
        settle();
        QVERIFY(pressed.isEmpty());
    }

    void theConstantRateOfStrainReplay()
    {
        frm1DConsolidation* opened = setupForm(Kind::CRS);
        QVERIFY(opened);
        frm1DConsolidation& f = *opened;
        QCOMPARE(f.lblTest->text(), u"Constant rate of strain (CRS) test on");
        QVERIFY(!f.txtParameter[StrainRateBox]->isHidden());
        QCOMPARE(assemble(f), 42);
        QVERIFY(!f.cmdStart->isEnabled());
        QVERIFY(f.Picture1->animation().sprite(QStringLiteral("imgCRSTopRodHidden")).visible);
        f.cboParamOptions->setCurrentIndex(3);   // Kaolin Clay: chosen after the stop, Start at once
        QVERIFY(f.cmdStart->isEnabled());
        QCOMPARE(f.txtParameter[StrainRateBox]->text(), u"0.05");
        QTest::mouseClick(f.cmdStart, Qt::LeftButton);
        frmScreenDAS1D& screen = *lastScreen(f);
        QVERIFY(!screen.PicFrame3->isVisibleTo(&screen) && !screen.PicILSetup->isVisibleTo(&screen));
        QVERIFY(screen.PicCRSSetup->isVisibleTo(&screen));
        const int n = screen.ReplayCurve.points();
        replay(screen);
        QCOMPARE(screen.lvwData->lineCount(), n);
        QCOMPARE(screen.lvwData->topLevelItem(n - 1)->toolTip(0), QStringLiteral("Point Number: %1").arg(n));
        QVERIFY(!screen.settlement->Timer2->isActive());
        QVERIFY(screen.cmdReport->isEnabled() && screen.cmdExportData->isEnabled());
        QVERIFY(!screen.cmdExport_et->isEnabled() && !screen.settlement->cmdPrev->isEnabled() && !screen.settlement->cmdNext->isEnabled());
        QCOMPARE(drawn(*screen.picFrame2->picDraw, lx::QBColor(9)), std::make_pair(n - 1, n));
        QTest::mouseClick(screen.cmdReport, Qt::LeftButton);
        frm1DConsolReport* report = children<frm1DConsolReport>().last();
        QVERIFY(!report->lblParamValue[StrainRateBox]->isHidden());
        QCOMPARE(report->lblParamValue[StrainRateBox]->text(), u"0.05");
        QVERIFY(lx::testing::checkLabelsFit(report));   // the longest specimen type of the installed soils
        QVERIFY(lx::testing::checkLabelsFit(&screen));
        QCOMPARE(drawn(*report->picFrame1->picDraw, lx::QBColor(12)), std::make_pair(n - 1, n));
    }

    // "Consolidation" with no option chosen asks for the test type and opens nothing; the
    // question is asked again until a type is chosen.
    void noTypeChosenAsksForOneAndOpensNothing()
    {
        main->mnuSimConsol->trigger();
        dlg1DConsolidation* dialog = form<dlg1DConsolidation>();
        QVERIFY(dialog);
        for (int press = 1; press <= 2; ++press) {
            QTest::mouseClick(dialog->cmdTesting, Qt::LeftButton);
            QCOMPARE(int(s->messages->msgBoxCalls.size()), press);
            QCOMPARE(s->messages->msgBoxCalls.back().text, u"Please select the type of test.");
            QVERIFY(!form<frm1DConsolidation>());
            QVERIFY(children<frm1DConsolidation>().isEmpty());
        }
        QTest::mouseClick(dialog->OptTestType[1], Qt::LeftButton, {}, QPoint(8, 8));
        QTest::mouseClick(dialog->cmdTesting, Qt::LeftButton);
        QCOMPARE(int(s->messages->msgBoxCalls.size()), 2);
        QVERIFY(form<frm1DConsolidation>() && form<frm1DConsolidation>()->kind() == Kind::CRS);
        // Opened again with no option while the form is open: the form only comes forward.
        lx::Unload<dlg1DConsolidation>();
        settle();
        main->mnuSimConsol->trigger();
        QTest::mouseClick(form<dlg1DConsolidation>()->cmdTesting, Qt::LeftButton);
        QCOMPARE(int(s->messages->msgBoxCalls.size()), 2);
        QCOMPARE(form<frm1DConsolidation>()->kind(), Kind::CRS);
    }

    // A set-up form loaded without the dialog has no kind: no soil, and Start never runs.
    void noKindListsNoSoilAndNeverStarts()
    {
        lx::ShowInFront(&SingleInstance<frm1DConsolidation>::get());
        frm1DConsolidation& f = *form<frm1DConsolidation>();
        QCOMPARE(f.kind(), Kind::None);
        QCOMPARE(f.cboParamOptions->count(), 0);
        QCOMPARE(f.lblTest->text(), u"Oedometer (incremental load) test on");
        QVERIFY(assemble(f) > 0);
        QVERIFY(!f.cmdStart->isEnabled());
        QTest::mouseClick(f.cmdStart, Qt::LeftButton);
        QVERIFY(children<frmScreenDAS1D>().isEmpty());
    }

    // Tests the installed database lacks: one and two listed points, a stress without a
    // logarithm, more than 301 rows, no rows, sixteen loadings.
    void oddStoredTests()
    {
        QTemporaryDir dir;
        std::vector<std::pair<double, double>> many, sixteen;
        for (int i = 0; i < 320; ++i)
            many.emplace_back(10 + i, 1.5 - i * 0.001);
        for (int j = 0; j < 31; ++j)
            sixteen.emplace_back(std::pow(2.0, j / 2.0), 1.5 - j * 0.01);
        const QStringList results = rows("1001", "ONE", {{10, 1.2}}) + rows("1001", "TWO", {{10, 1.2}, {20, 1.1}}) +
                                   rows("1001", "ZERO", {{0, 1.3}, {10, 1.2}, {-5, 1.2}, {20, 1.1}, {40, 1.0}}) +
                                   rows("2001", "MANY", many) + rows("1001", "SIXTEEN", sixteen);
        Consolidation1DConnection = connectionTo(packConsolidation(dir, results));

        struct Case {
            const char* id;
            float ref;
            int points;
            bool curve, previous;
            const char* message;   // how the one message begins; null: no message
            int weights;           // weights on the hanger at the end (checked when not 0)
        };
        const Case cases[] = {
            {"ONE", 1001, 1, false, false, nullptr, 0},
            {"TWO", 1001, 2, true, false, nullptr, 0},
            {"ZERO", 1001, 3, true, false, "2 stored point(s)", 0},
            {"MANY", 2001, 301, false, false, "The test MANY holds more than 301 points: the first 301 are replayed.", 0},
            // Sixteen loadings: the fourteen weights there are, all on the hanger.
            {"SIXTEEN", 1001, 31, true, true, nullptr, 14},
        };
        for (const Case& c : cases) {
            s->messages->msgBoxCalls.clear();
            auto* screen = new frmScreenDAS1D();
            QVERIFY(screen->StartTest(c.ref, QString::fromLatin1(c.id), QStringLiteral("Soil"), {}));
            QCOMPARE(int(s->messages->msgBoxCalls.size()), c.message ? 1 : 0);
            if (c.message)
                QVERIFY2(s->messages->msgBoxCalls[0].text.startsWith(QString::fromUtf8(c.message)), c.id);
            QCOMPARE(screen->ReplayCurve.points(), c.points);
            replay(*screen);
            drawCurve(*screen);
            QVERIFY2(screen->cmdExport_et->isEnabled() == c.curve, c.id);
            QVERIFY2(screen->settlement->cmdPrev->isEnabled() == c.previous, c.id);
            QVERIFY(!screen->settlement->cmdNext->isEnabled());
            for (int w = 0; w < c.weights; ++w)
                QVERIFY2(screen->PicILSetup->animation().sprite(QStringLiteral("imgLoad(%1)").arg(w)).visible, c.id);
            lx::UnloadNow(screen);
        }
        // No rows: a message, no screen, no credit.
        QuizFileConnection = lx::testing::connectionTo(QStringLiteral("/nonexistent.lxq"), QStringLiteral("x"));
        s->messages->msgBoxCalls.clear();
        auto* empty = new frmScreenDAS1D();
        QVERIFY(!empty->StartTest(1001.0f, QStringLiteral("NONE"), QStringLiteral("Soil"), {}));
        QCOMPARE(int(s->messages->msgBoxCalls.size()), 1);
        lx::UnloadNow(empty);
        QCOMPARE(int(s->messages->msgBoxCalls.size()), 1);
        QVERIFY(pressed.isEmpty());
    }

    // Credits against a real quiz file: every close, mid-replay too.
    void closingCreditsTheActivityOfTheKind()
    {
        const lx::testing::QuizFiles quizzes;
        QuizFileConnection = quizzes.fresh();
        const auto attempts = [&](int id) { return int(lx::testing::QuizFiles::attempts(QuizFileConnection, id)); };
        const int il = attempts(311), crs = attempts(312);
        const auto run = [&](float ref, const char* id, int ticks) {
            auto* screen = new frmScreenDAS1D();
            QVERIFY(screen->StartTest(ref, QString::fromLatin1(id), QStringLiteral("Soil"), {}));
            for (int t = 0; t < ticks; ++t)
                screen->Timer1_Timer();
            QTest::mouseClick(screen->cmdClose, Qt::LeftButton);
            settle();
        };
        run(1002.2f, "IL-OTS-01", 100);
        run(1001.0f, "IL-SGC-01", 3);   // closed in mid-replay
        QCOMPARE(attempts(311), il + 2);
        QCOMPARE(pressed, QList<int>({301, 301}));
        run(2004.0f, "CRS-KAO-01", 1);
        QCOMPARE(attempts(312), crs + 1);
        QCOMPARE(pressed.last(), 302);
    }
};

QTEST_MAIN(tst_consolidationRoad)
#include "tst_consolidationRoad.moc"
