// The true triaxial road through the real windows, offscreen, on the installed databases:
// Simulation, True Triaxial; the entry dialog; the set-up form of each kind with its show;
// one screen that replays a cube run and a hollow-cylinder run; their reports; a study of
// each kind; and the credits of the screen and the study.
#include "truetriaxial/dlgTTT_HCT.h"
#include "truetriaxial/dlgTTT_HCT_param.h"
#include "truetriaxial/frmScreenDASTTT.h"
#include "truetriaxial/frmTTT.h"
#include "truetriaxial/frmTTTReport.h"

#include "DataPacker.h"
#include "lab/AssemblyView.h"
#include "lab/ChartFrame.h"
#include "lab/LegendMark.h"
#include "platform/Colors.h"
#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "platform/Database.h"
#include "platform/Geometry.h"
#include "platform/FormRegistry.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/OptionButtons.h"
#include "tests/common/QuizFiles.h"
#include "tests/common/RoadTest.h"
#include "tests/common/Roads.h"
#include "tests/common/TabWalk.h"
#include "tests/common/TestHelpers.h"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTextEdit>
#include <QTimer>

#include <memory>

using namespace basGlobal;
using lx::SingleInstance;

namespace {

using lx::testing::settle;

void clickOption(QRadioButton* option) { lx::testing::selectOption(option, lx::testing::SelectBy::Mouse); }

QStringList items(const QComboBox* list)
{
    QStringList t;
    for (int i = 0; i < list->count(); ++i)
        t << list->itemText(i);
    return t;
}

using lx::testing::form;

// The export text of a stored test computed from the database: title, headers, and each
// point's columns rounded to one decimal.
QString expectedExport(const QString& connection, const QString& title, const QString& headers, const QString& id, int columns)
{
    lx::Connection db;
    db.Open(connection);
    lx::Recordset rs;
    rs.Open(QStringLiteral("SELECT * FROM TestResults WHERE TestID = ? ORDER BY [Point Number]"), db, lx::adOpenDynamic,
            lx::adLockUnspecified, {id});
    QString text = title + QStringLiteral("\n\nNo.\t") + headers;
    for (int k = 1; !rs.eof(); rs.MoveNext(), ++k) {
        text += u'\n' + QString::number(k) + u'\t';
        for (int c = 0; c < columns; ++c)
            text += lx::SingleText(float(lx::Round(rs.Fields(3 + c).toDouble(), 1))) + u'\t';
    }
    return text;
}

} // namespace

class tst_trueTriaxialRoad : public lx::testing::RoadTest {
    Q_OBJECT
public:
    tst_trueTriaxialRoad() : RoadTest({1100, 850}) {}

private:
    QTemporaryDir dir;

    frmTTTReport* lastReport() const
    {
        const QList<frmTTTReport*> found = lx::testing::childForms<frmTTTReport>(main->mdiArea);
        return found.isEmpty() ? nullptr : found.back();
    }
    int reports() const { return int(lx::testing::childForms<frmTTTReport>(main->mdiArea).size()); }

    // Runs the screen to the end of its replay by its timer's handler.
    static void replayAll(frmScreenDASTTT* screen)
    {
        const int n = screen->curve().points();
        QVERIFY(screen->Timer1->isActive());
        QVERIFY(!screen->cmdExportData->isEnabled() && !screen->cmdReport->isEnabled());
        for (int tick = 0; tick <= n; ++tick)
            screen->Timer1_Timer();
        QVERIFY(!screen->Timer1->isActive());
        QVERIFY(screen->cmdExportData->isEnabled() && screen->cmdReport->isEnabled());
        QCOMPARE(screen->lvwData->lineCount(), n);
        QCOMPARE(screen->lvwData->topLevelItem(0)->toolTip(0), u"Point Number: 1");
        QCOMPARE(screen->lvwData->topLevelItem(n - 1)->text(0), QString::number(n));
        for (size_t i = 0; i < 5; ++i)
            QCOMPARE(screen->picFrame2->lblX[i]->text(), screen->picFrame1->lblX[i]->text());
    }

    void exportsTheRun(frmScreenDASTTT* screen, const QString& connection, const QString& headers, int columns)
    {
        const QString path = dir.filePath(QStringLiteral("run.txt"));
        QFile::remove(path);
        s->files->answers.push_back(path);
        QTest::mouseClick(screen->cmdExportData, Qt::LeftButton);
        QFile f(path);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(QString::fromUtf8(f.readAll()),
                 expectedExport(connection, screen->lblTitle->text(), headers, screen->testId(), columns) + QStringLiteral("\r\n"));
    }

    // A run of a kind started on the shared screen from the set-up form, which is then
    // closed; null when a window does not open, an entry is missing or Start stays disabled.
    frmScreenDASTTT* startedScreen(int kind, const QString& soil, const QString& beta, const QString& b)
    {
        frmTTT* setup = lx::testing::roads::trueTriaxialReady(*main, kind, soil, beta, b);
        if (!setup)
            return nullptr;
        QTest::mouseClick(setup->cmdStart, Qt::LeftButton);
        QTest::mouseClick(setup->cmdCancel, Qt::LeftButton);
        settle();
        return form<frmScreenDASTTT>();
    }
    // The same run replayed to its end.
    frmScreenDASTTT* replayedScreen(int kind, const QString& soil, const QString& beta, const QString& b)
    {
        frmScreenDASTTT* screen = startedScreen(kind, soil, beta, b);
        if (screen)
            replayAll(screen);
        return screen;
    }

    void installFamily() override
    {
        lx::testing::installTrueTriaxialFamily();
    }

private slots:
    void theDialogWantsAKind()
    {
        main->mnuSimTTT->trigger();
        dlgTTT_HCT* d = form<dlgTTT_HCT>();
        QVERIFY(d && d->isVisible());
        QCOMPARE(d->windowTitle(), u"True Triaxial Test");
        QVERIFY(d->lblTTT->isVisible());
        QTest::mouseClick(d->cmdTesting, Qt::LeftButton);
        QTest::mouseClick(d->cmdParamStudy, Qt::LeftButton);
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(2));
        QCOMPARE(s->messages->msgBoxCalls[0].text, u"Please select the type of test.");
        QVERIFY(!form<frmTTT>() && !form<dlgTTT_HCT_param>());
        clickOption(d->optTTT[1]);
        QVERIFY(!d->lblTTT->isVisible());
        QVERIFY(!d->imgAssembly->pixmap().isNull());
    }

    // However a kind is selected (a screen reader's toggle among the ways), the entry dialog
    // drops its prompt and shows that kind's picture.
    void entryOptionsRunTheirClickHoweverSelected_data()
    {
        QTest::addColumn<lx::testing::SelectBy>("way");
        for (lx::testing::SelectBy way : lx::testing::everyWayToSelect)
            QTest::newRow(lx::testing::nameOf(way)) << way;
    }
    void entryOptionsRunTheirClickHoweverSelected()
    {
        QFETCH(lx::testing::SelectBy, way);
        main->mnuSimTTT->trigger();
        dlgTTT_HCT* d = form<dlgTTT_HCT>();
        QVERIFY(d && d->lblTTT->isVisible());
        QVERIFY(lx::testing::selectOption(d->optTTT[1], way));
        QVERIFY(!d->lblTTT->isVisible());
        const QImage sketch = d->imgAssembly->pixmap().toImage();
        QVERIFY(!sketch.isNull());
        QVERIFY(lx::testing::selectOption(d->optTTT[0], way));
        QVERIFY(d->optTTT[0]->isChecked());
        QVERIFY(!d->imgAssembly->pixmap().isNull() && d->imgAssembly->pixmap().toImage() != sketch);
        QVERIFY(lx::testing::selectOption(d->optTTT[1], way));
        QCOMPARE(d->imgAssembly->pixmap().toImage(), sketch);
    }

    // The cube's set-up form: its slides, its lists, Skip.
    void theCubeSetUpFormShowsSlidesAndLists()
    {
        frmTTT* setup = lx::testing::roads::trueTriaxialSetUp(*main, 0);
        QVERIFY(setup && setup->isVisible());
        QCOMPARE(setup->windowTitle(), u"Cubical True Triaxial Test: Assembly");
        QVERIFY(!setup->cboParamOptions->isEnabled());
        QTest::mouseClick(setup->lblMask, Qt::LeftButton, {}, QPoint(100, 100));
        QCOMPARE(setup->show().step(), 1);
        QCOMPARE(setup->rtfComments[0]->y(), lx::tw(45));
        QVERIFY(setup->rtfComments[0]->toPlainText().startsWith(u"Specimen:"));
        QVERIFY(setup->rtfComments[1]->y() > setup->height());
        QVERIFY(setup->cboParamOptions->isEnabled());
        QVERIFY(lx::testing::choose(setup->cboParamOptions, QStringLiteral("San Francisco Bay Mud")));
        QCOMPARE(items(setup->cboBeta), QStringList({"0", "90"}));
        for (const QComboBox* list : {setup->cboParamOptions, setup->cboBeta, setup->cbo_b_value})
            QVERIFY2(!list->isEditable(), "no list takes typing");
        QVERIFY(!setup->cbo_b_value->isEnabled());
        QVERIFY(lx::testing::choose(setup->cboBeta, QStringLiteral("0")));
        QCOMPARE(items(setup->cbo_b_value), QStringList({"0", "0.1", "0.25", "0.4", "0.5", "0.75", "1"}));
        QVERIFY(lx::testing::choose(setup->cbo_b_value, QStringLiteral("0.25")));
        QCOMPARE(setup->TestID(), u"TSF-B00-b025");
        QCOMPARE(setup->txtParameter[0]->text(), u"88");
        QCOMPARE(setup->ParamTexts().value(8), u"0.25");
        QVERIFY2(!setup->cmdStart->isEnabled(), "the slides are still running");
        QTest::mouseClick(setup->cmdSkip, Qt::LeftButton);
        QVERIFY(setup->cmdStart->isEnabled());
        QVERIFY(!setup->cmdSkip->isVisible());
    }

    // A cube run to its export and its reports.
    void aCubeRunReplaysExportsAndReports()
    {
        frmScreenDASTTT* screen = startedScreen(0, QStringLiteral("San Francisco Bay Mud"), QStringLiteral("0"), QStringLiteral("0.25"));
        QVERIFY(screen && screen->isVisible());
        QCOMPARE(screen->windowTitle(), u"Cubical True Triaxial Test");
        QCOMPARE(screen->lblTitle->text(), u"True Triaxial Test: San Francisco Bay Mud");
        QCOMPARE(screen->lvwData->columnCount(), 8);
        QCOMPARE(screen->picFrame1->lblTitle->text(), u"Major Principal Stress");
        QVERIFY(!screen->picFrame1->lblTitle2->isVisibleTo(screen) && !screen->picFrame2->marks[1]->isVisibleTo(screen));
        QVERIFY(screen->picFrame1->marks[0]->isVisibleTo(screen));
        replayAll(screen);
        QCOMPARE(screen->lvwData->topLevelItem(0)->columnCount(), 8);
        exportsTheRun(screen, ClayTTTConnection,
                      QStringLiteral("Major Principal Strain (%)\tIntermediate Principal Strain (%)\tMinor Principal Strain (%)\t"
                                     "Major Principal Stress (kPa)\tIntermediate Principal Stress (kPa)\tMinor Principal Stress (kPa)\t"
                                     "Excess Pore Pressure (kPa)\t"),
                      7);
        QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
        QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
        QCOMPARE(reports(), 2);
        frmTTTReport* report = lastReport();
        QCOMPARE(report->lblTitle->text(), u"True Triaxial Test: San Francisco Bay Mud");
        QCOMPARE(report->failures.values[0][0]->text(), u"0.25");
        QVERIFY(!report->failures.values[0][2]->text().isEmpty());
        QVERIFY(report->failures.lines[0]->isVisible() && !report->failures.lines[1]->isVisible());
        QCOMPARE(report->lblParameter[4]->text(), u"Specimen Length (mm):");
    }

    // The hollow cylinder's set-up form after a cube's: it reads the kind when it loads again.
    void theHollowCylinderSetUpFormPlaysItsSketch()
    {
        frmTTT* cube = lx::testing::roads::trueTriaxialSetUp(*main, 0);
        QVERIFY(cube);
        QTest::mouseClick(cube->cmdCancel, Qt::LeftButton);
        settle();
        frmTTT* setup = lx::testing::roads::trueTriaxialSetUp(*main, 1);
        QVERIFY(setup);
        QCOMPARE(setup->windowTitle(), u"Axial-torional Test on Hollow cylinder: Assembly");
        QVERIFY(!setup->cmdSkip->isVisible() && !setup->cmdNext->isVisible());
        QCOMPARE(items(setup->cboParamOptions),
                 QStringList({"Kaolin Clay", "McGill Clay (Hydrite 121)", "Edga Plastic Kaolin"}));
        QTest::mouseClick(setup->lblMask, Qt::LeftButton, {}, QPoint(100, 100));
        QVERIFY(setup->Timer2->isActive());
        // The sketch's pace: 1500 ms, 800 ms for the ninth change to the thirteenth.
        QList<int> intervals;
        for (int tick = 0; tick < 21; ++tick) {
            intervals << setup->Timer2->interval();
            setup->Timer2_Timer();
        }
        QCOMPARE(intervals.mid(0, 8), QList<int>(8, 1500));
        QCOMPARE(intervals.mid(8, 5), QList<int>(5, 800));
        QCOMPARE(intervals.mid(13, 7), QList<int>(7, 1500));
        QVERIFY(!setup->Timer2->isActive());
        QVERIFY(lx::testing::choose(setup->cboParamOptions, QStringLiteral("Edga Plastic Kaolin")));
        QCOMPARE(items(setup->cboBeta), QStringList({"0", "15", "30", "45", "60", "75", "90"}));
        QVERIFY(lx::testing::choose(setup->cboBeta, QStringLiteral("45")));
        QVERIFY(lx::testing::choose(setup->cbo_b_value, QStringLiteral("0.5")));
        QVERIFY(setup->cmdStart->isEnabled());
        QCOMPARE(setup->lblParameter[5]->text(), u"Outer Diameter (mm)");
    }

    // A hollow-cylinder run on the screen a cube run opened, to its export and its report.
    void aHollowCylinderRunOnTheCubesScreen()
    {
        frmScreenDASTTT* screen = replayedScreen(0, QStringLiteral("San Francisco Bay Mud"), QStringLiteral("0"), QStringLiteral("0.25"));
        QVERIFY(screen);
        QCOMPARE(startedScreen(1, QStringLiteral("Edga Plastic Kaolin"), QStringLiteral("45"), QStringLiteral("0.5")), screen);
        QCOMPARE(screen->lblTitle->text(), u"Axial-Torsional Test: Edga Plastic Kaolin");
        QCOMPARE(screen->lvwData->lineCount(), 0);   // a new run starts with an empty list
        QCOMPARE(screen->lvwData->columnCount(), 6);
        QCOMPARE(screen->picFrame1->lblTitle->text(), u"Axial Stress - Axial Strain");
        QCOMPARE(screen->picFrame1->lblXAxisName->text(), u"Strain (%)");
        QCOMPARE(screen->picFrame2->lblTitle2->text(), u"Pore Pressure - Shear Strain");
        QVERIFY(screen->picFrame2->lblTitle2->isVisibleTo(screen) && screen->picFrame2->marks[1]->isVisibleTo(screen));
        replayAll(screen);
        exportsTheRun(screen, HCTConnection,
                      QStringLiteral("Axial Strain (%)\tShear Strain (%)\tChange in Vertical Stress (kPa)\t"
                                     "Rotational Shear Stress (kPa)\tExcess Pore Pressure (kPa)\t"),
                      5);
        QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
        const frmTTTReport* report = lastReport();
        QVERIFY(report);
        QCOMPARE(report->lblParameter[4]->text(), u"Outer Diameter (mm):");
        QCOMPARE(report->failures.values[0][1]->text(), u"45");
    }

    // Back to a cube on the open screen: the cube's captions again.
    void aCubeAfterAHollowCylinderTakesItsCaptionsAgain()
    {
        frmScreenDASTTT* screen = replayedScreen(1, QStringLiteral("Edga Plastic Kaolin"), QStringLiteral("45"), QStringLiteral("0.5"));
        QVERIFY(screen);
        QCOMPARE(startedScreen(0, QStringLiteral("San Francisco Bay Mud"), QStringLiteral("90"), QStringLiteral("0.3")), screen);
        QCOMPARE(screen->picFrame1->lblTitle->text(), u"Major Principal Stress");
        QCOMPARE(screen->picFrame1->lblXAxisName->text(), u"Major Principal Strain (%)");
        QVERIFY(!screen->picFrame1->lblTitle2->isVisibleTo(screen) && !screen->picFrame1->marks[1]->isVisibleTo(screen));
        QVERIFY2(!screen->cmdReport->isEnabled(), "mid-replay");
    }

    void studiesOfBothKindsAndTheCredits()
    {
        const lx::testing::QuizFiles quizzes;
        QuizFileConnection = quizzes.fresh();
        const auto attempts = [&](int id) { return int(lx::testing::QuizFiles::attempts(QuizFileConnection, id)); };

        // The cube's study.
        dlgTTT_HCT* cubeEntry = lx::testing::roads::trueTriaxialEntry(*main, 0);
        QVERIFY(cubeEntry);
        QTest::mouseClick(cubeEntry->cmdParamStudy, Qt::LeftButton);
        pressed.clear();
        dlgTTT_HCT_param* study = form<dlgTTT_HCT_param>();
        QVERIFY(study && study->isVisible());
        QCOMPARE(study->windowTitle(), u"Parametric Study - TTT Test on Cubical Specimen");
        QVERIFY(study->opt_b_value->isChecked() && !study->optBetaAngle->isEnabled());
        QCOMPARE(study->lblParameterVar->text(), u"b-value:");
        QVERIFY(!study->CboParOption->isEditable());
        QVERIFY(lx::testing::choose(study->CboParOption, QStringLiteral("San Francisco Bay Mud")));
        QCOMPARE(study->txtParameterVal->text(), u"122");
        QStringList values;
        for (QLineEdit* v : study->txtValues)
            values << v->text();
        QCOMPARE(values, QStringList({"0", "0.1", "0.25", "0.4", "0.5", "0.75", "1"}));
        QCOMPARE(study->StudyTitles().value(0), u"True Triaxial Test Parametric Study:  San Francisco Bay Mud");
        frmTTTReport* report = study->cmdCreate_Click();
        QVERIFY(report);
        QCOMPARE(report->data().tests.size(), size_t(7));
        QCOMPARE(report->failures.values[6][0]->text(), u"1");
        QVERIFY(report->failures.lines[6]->isVisible());
        QCOMPARE(report->failures.lines[6]->color(), lx::QBColor(8));   // not the light grey of the grid
        QTest::mouseClick(study->cmdCancel, Qt::LeftButton);
        settle();
        QCOMPARE(attempts(512), 1);
        QCOMPARE(pressed, QList<int>({502}));

        // The hollow cylinder's study, closed without a report: no credit.
        form<dlgTTT_HCT>()->close();
        settle();
        dlgTTT_HCT* hollowEntry = lx::testing::roads::trueTriaxialEntry(*main, 1);
        QVERIFY(hollowEntry);
        QTest::mouseClick(hollowEntry->cmdParamStudy, Qt::LeftButton);
        study = form<dlgTTT_HCT_param>();
        QVERIFY(study);
        QCOMPARE(study->windowTitle(), u"Parametric Study - Axial Torsional Test on Hollow Cylinder");
        QVERIFY(study->optBetaAngle->isChecked() && !study->opt_b_value->isEnabled());
        QVERIFY(lx::testing::choose(study->CboParOption, QStringLiteral("Edgar Plastic Kaolin")));
        QCOMPARE(study->txtValues[6]->text(), u"90");
        QCOMPARE(study->StudyTitles().value(0), u"Axial-Torsional Test Parametric Study:Edgar Plastic Kaolin");
        report = study->cmdCreate_Click();
        QVERIFY(report);
        QCOMPARE(report->lblParameter[4]->text(), u"Outer Diameter (mm):");
        // Every hollow-cylinder test ends at the same octahedral strain.
        const lx::StoredCurve& points = report->data().points;
        for (int t = 0; t < points.tests(); ++t)
            QCOMPARE(points.value(points.testStart(t) + points.testPoints(t) - 1, truetriaxial::OctStrain), 6.364f);
        pressed.clear();
        lx::UnloadNow(study);
        QCOMPARE(attempts(512), 2);

        // The screen's credit goes to the kind of its last run.
        frmTTT* setup = lx::testing::roads::trueTriaxialSetUp(*main, 1);
        QVERIFY(setup);
        QVERIFY(lx::testing::choose(setup->cboParamOptions, QStringLiteral("Kaolin Clay")));
        QVERIFY(lx::testing::choose(setup->cboBeta, QStringLiteral("0")));
        QVERIFY(lx::testing::choose(setup->cbo_b_value, QStringLiteral("0")));
        QTest::mouseClick(setup->cmdStart, Qt::LeftButton);
        QVERIFY(form<frmScreenDASTTT>());
        pressed.clear();
        const int before = attempts(511);
        QTest::mouseClick(form<frmScreenDASTTT>()->cmdClose, Qt::LeftButton);
        settle();
        QVERIFY(!form<frmScreenDASTTT>());
        QCOMPARE(attempts(511), before + 1);
        QCOMPARE(pressed, QList<int>({502}));
    }

    // Windows open with the focus on their first control, not on their frame; Skip Slides,
    // pressed by Enter, hides itself and hands the focus to the soil list it enabled.
    void theFocusOnOpeningAndAfterSkipSlides()
    {
        main->activateWindow();
        if (!QTest::qWaitForWindowActive(main.get()))
            QSKIP("no active window on this platform");
        const auto focusIn = [](QWidget* w) {
            lx::testing::drain();
            QWidget* focus = QApplication::focusWidget();
            return w && focus && w->isAncestorOf(focus) && lx::testing::reachable(w).contains(focus);
        };
        {
            dlgTTT_HCT* opened = lx::testing::roads::trueTriaxialEntry(*main, 0);
            QVERIFY(opened);
            QTest::mouseClick(opened->cmdTesting, Qt::LeftButton);
        }
        frmTTT* setup = form<frmTTT>();
        QVERIFY(focusIn(setup));
        QVERIFY(!setup->cboParamOptions->isEnabled());
        setup->cmdSkip->setFocus(Qt::TabFocusReason);
        QTest::keyClick(setup->cmdSkip, Qt::Key_Return);
        lx::testing::drain();
        QVERIFY(!setup->cmdSkip->isVisible());
        QCOMPARE(QApplication::focusWidget(), setup->cboParamOptions);
        QTest::mouseClick(setup->cmdCancel, Qt::LeftButton);
        lx::testing::drain();

        frmScreenDASTTT* screen = replayedScreen(0, QStringLiteral("San Francisco Bay Mud"), QStringLiteral("0"), QStringLiteral("0.25"));
        QVERIFY(screen);
        QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
        QVERIFY2(focusIn(lastReport()), "the cube's report");
        QTest::mouseClick(screen->cmdClose, Qt::LeftButton);
        lx::testing::drain();

        form<dlgTTT_HCT>()->close();
        lx::testing::drain();
        {
            dlgTTT_HCT* opened = lx::testing::roads::trueTriaxialEntry(*main, 1);
            QVERIFY(opened);
            QTest::mouseClick(opened->cmdParamStudy, Qt::LeftButton);
        }
        dlgTTT_HCT_param* study = form<dlgTTT_HCT_param>();
        QVERIFY2(focusIn(study), "the hollow cylinder's study");
        QVERIFY(lx::testing::choose(study->CboParOption, QStringLiteral("Edgar Plastic Kaolin")));
        QVERIFY2(focusIn(study->cmdCreate_Click()), "the hollow cylinder's report");
    }

    // A study whose report could not be made earns nothing when it closes.
    void aStudyWhoseReportFailedEarnsNoCredit()
    {
        const lx::testing::QuizFiles quizzes;
        QuizFileConnection = quizzes.fresh();
        {
            dlgTTT_HCT* opened = lx::testing::roads::trueTriaxialEntry(*main, 0);
            QVERIFY(opened);
            QTest::mouseClick(opened->cmdParamStudy, Qt::LeftButton);
        }
        dlgTTT_HCT_param* study = form<dlgTTT_HCT_param>();
        QVERIFY(study);
        QVERIFY(lx::testing::choose(study->CboParOption, QStringLiteral("San Francisco Bay Mud")));
        // The stored tests go away between the choice and the report.
        ClayTTTConnection = lx::testing::installedConnection(QStringLiteral("LXClayTTT-missing.lxr"), true);
        pressed.clear();
        s->messages->msgBoxCalls.clear();
        QVERIFY(!study->cmdCreate_Click());
        QCOMPARE(reports(), 0);
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QTest::mouseClick(study->cmdCancel, Qt::LeftButton);
        settle();
        QVERIFY(!form<dlgTTT_HCT_param>());
        QCOMPARE(lx::testing::QuizFiles::attempts(QuizFileConnection, 512), 0);
        QVERIFY(pressed.empty());
    }

    // A run that cannot start leaves no window and earns no credit.
    void aTestWithoutPointsOpensNothing()
    {
        QVERIFY(!frmScreenDASTTT::Start(QStringLiteral("Cube"), QStringLiteral("Soil"), QStringLiteral("T-NONE")));
        settle();
        QVERIFY(!form<frmScreenDASTTT>());
        QVERIFY(s->messages->msgBoxCalls.back().text.contains(u"T-NONE"));
        QVERIFY(!frmScreenDASTTT::Start(QStringLiteral("Sphere"), QString(), QStringLiteral("TSF-B00-b000")));
        QVERIFY(!form<frmScreenDASTTT>());
        QVERIFY(!frmTTTReport::Open(1, {QStringLiteral("True Triaxial Test: x"), QStringLiteral("T-NONE")}));
        QCOMPARE(reports(), 0);
        QVERIFY2(!frmTTTReport::Open(8, QStringList(9, QStringLiteral("TSF-B00-b000"))), "more than seven tests");
        QCOMPARE(reports(), 0);
        // A count of 0: the title and "N/A".
        frmTTTReport* empty = frmTTTReport::Open(0, {QStringLiteral("True Triaxial Test Parametric Study:  ")});
        QVERIFY(empty);
        QCOMPARE(empty->lblParamValue[0]->text(), u"N/A");
        QVERIFY(pressed.empty());
    }
};

QTEST_MAIN(tst_trueTriaxialRoad)
#include "tst_trueTriaxialRoad.moc"
