// The direct shear road through the real windows, offscreen, on the installed database:
// Simulation, Direct Shear; the dialog; the set-up form assembled and a sand chosen; Start;
// the replay tick by tick; the export; the report; then the study, a sand, Create Report
// and Close.
#include "directshear/dlgDSParamStudy.h"
#include "directshear/dlgDirectShear.h"
#include "directshear/frmDirectShear.h"
#include "directshear/frmDirectShearReport.h"
#include "directshear/frmScreenDAS_DS.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "lab/AssemblyView.h"
#include "lab/LegendMark.h"
#include "platform/FormRegistry.h"
#include "platform/ListView.h"
#include "platform/Paths.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/RoadTest.h"
#include "tests/common/TestHelpers.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

#include <memory>

using namespace basGlobal;
using lx::SingleInstance;

namespace {

using lx::testing::settle;

using lx::testing::form;

} // namespace

class tst_directShearRoad : public lx::testing::RoadTest {
    Q_OBJECT
public:
    tst_directShearRoad() : RoadTest({1200, 900}) {}

private:
    void installFamily() override
    {
        lx::testing::installDirectShearFamily();
    }

private slots:

    void assemblyReplayExportAndReport()
    {
        main->mnuSimDS->trigger();
        dlgDirectShear* dialog = form<dlgDirectShear>();
        QVERIFY(dialog && dialog->isVisible());
        QCOMPARE(dialog->windowTitle(), u"Direct Shear Test");
        main->ToolbarButton(QStringLiteral("DS"))->trigger();   // the toolbar brings the same one
        QCOMPARE(form<dlgDirectShear>(), dialog);

        QTest::mouseClick(dialog->cmdTesting, Qt::LeftButton);
        frmDirectShear* setup = form<frmDirectShear>();
        QVERIFY(setup && setup->isVisible());
        QVERIFY(!(lx::ChildFrame(setup)->windowFlags() & Qt::WindowMaximizeButtonHint));
        QTest::mouseClick(setup->lblMask, Qt::LeftButton);
        QVERIFY(setup->Timer1->isActive());
        QVERIFY(setup->cboParamOptions->isEnabled());
        while (setup->Timer1->isActive())
            setup->Timer1_Timer();
        QVERIFY(!setup->cmdStart->isEnabled());
        setup->cboParamOptions->setCurrentIndex(0);
        QCOMPARE(setup->txtParameter[5]->text(), u"50");   // the first stored test of Barry's Beach Sand
        QCOMPARE(setup->txtParameter[6]->text(), u"0.66");
        QVERIFY(setup->cmdStart->isEnabled());

        QTest::mouseClick(setup->cmdStart, Qt::LeftButton);
        QCOMPARE(children<frmScreenDAS_DS>().size(), 1);
        frmScreenDAS_DS* screen = children<frmScreenDAS_DS>().front();
        QVERIFY(screen->isVisible());
        QCOMPARE(screen->lblTitle->text(), u"Direct Shear Test: Barry's Beach Sand");
        QCOMPARE(screen->lblNormalStressVal->text(), u"50 kPa");
        QVERIFY(screen->Timer1->isActive());
        for (int k = 1; k <= 91; ++k) {
            screen->Timer1_Timer();
            QCOMPARE(screen->lvwData->lineCount(), k);
        }
        QVERIFY(!screen->cmdReport->isEnabled());
        screen->Timer1_Timer();
        QVERIFY(!screen->Timer1->isActive());
        QVERIFY(screen->cmdReport->isEnabled());

        QTemporaryDir dir;
        const QString file = dir.filePath(QStringLiteral("bbs.txt"));
        s->files->answers.push_back(file);
        QTest::mouseClick(screen->cmdExportData, Qt::LeftButton);
        const QByteArray exported = lx::testing::readAll(file);
        QVERIFY(exported.startsWith("Direct Shear Test: Barry's Beach Sand\n\nNo.\tHorizontal Displacement (mm)\t"));
        QVERIFY(exported.endsWith("\n91\t9\t32.6\t0.88\t\r\n"));

        QTest::mouseClick(screen->cmdReport, Qt::LeftButton);
        QCOMPARE(children<frmDirectShearReport>().size(), 1);
        frmDirectShearReport* report = children<frmDirectShearReport>().front();
        QVERIFY(report->isVisible());
        QCOMPARE(report->lblTitle->text(), u"Shear Strength Behavior of Barry's Beach Sand");
        // 46.5 kPa at 1.6 and 1.7 mm: the first.
        QCOMPARE(report->legend.values[0][3]->text(), u"46.5");
        QCOMPARE(report->legend.values[0][4]->text(), u"1.6");
        QVERIFY(report->legend.lines[1]->isHidden());

        QTest::mouseClick(screen->cmdClose, Qt::LeftButton);
        settle();
        QCOMPARE(children<frmScreenDAS_DS>().size(), 0);
        QVERIFY(pressed.empty());   // no quiz file: no credit
        QTest::mouseClick(setup->cmdHelp, Qt::LeftButton);
        QCOMPARE(s->help->shown.back().topic, u"html/Simulations/SimDirectShear.htm");
        QTest::mouseClick(dialog->CancelButton, Qt::LeftButton);
        settle();
        QVERIFY(!form<dlgDirectShear>());
        QVERIFY(form<frmDirectShear>());   // the set-up form stays
    }

    void studyReportAndClose()
    {
        main->mnuSimDS->trigger();
        QTest::mouseClick(form<dlgDirectShear>()->cmdParamStudy, Qt::LeftButton);
        dlgDSParamStudy* study = form<dlgDSParamStudy>();
        QVERIFY(study && study->isVisible());
        QVERIFY(!study->cmdCreate->isEnabled());
        study->CboParOption->setCurrentIndex(1);
        emit study->CboParOption->activated(1);
        QCOMPARE(study->txtNormalStressValues[0]->text(), u"50");
        QCOMPARE(study->txt_e_Values[2]->text(), u"1.255");
        QTest::mouseClick(study->cmdCreate, Qt::LeftButton);
        QCOMPARE(children<frmDirectShearReport>().size(), 1);
        frmDirectShearReport* report = children<frmDirectShearReport>().front();
        QCOMPARE(report->lblTitle->text(), u"Shear Strength Behavior of New North Rankin Loose Sand");
        for (size_t k = 0; k < 3; ++k)
            QVERIFY(!report->legend.lines[k]->isHidden());
        QVERIFY(s->messages->msgBoxCalls.empty());
        QTest::mouseClick(study->cmdCancel, Qt::LeftButton);
        settle();
        QVERIFY(!form<dlgDSParamStudy>());
        QVERIFY(pressed.empty());
    }
};

QTEST_MAIN(tst_directShearRoad)
#include "tst_directShearRoad.moc"
