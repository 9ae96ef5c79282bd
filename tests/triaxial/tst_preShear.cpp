// The window of the steps before shearing and the consolidation record, driven through
// their real widgets offscreen: measurement, saturation, target, hand-over, the record's
// questions and its credit. Pictures of every step are saved for a look.
#include "triaxial/PreShear.h"
#include "triaxial/frmTriaxial1stStage.h"
#include "triaxial/frmTriaxialICStage.h"

#include "DataPacker.h"
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "lab/PictureLayout.h"
#include "platform/Database.h"
#include "platform/FormRegistry.h"
#include "platform/Geometry.h"
#include "platform/Keyboard.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/QuizFiles.h"
#include "tests/common/TestHelpers.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScopeGuard>
#include <QTemporaryDir>
#include <algorithm>
#include <cmath>
#include <QTest>

#include <memory>

using First = lx::SingleInstance<frmTriaxial1stStage>;
using Record = lx::SingleInstance<frmTriaxialICStage>;

namespace {

using lx::testing::settle;

void clickPicture(frmTriaxial1stStage& f)
{
    QTest::mouseClick(f.lblPicAssemblyMask, Qt::LeftButton, {}, QPoint(40, 40));
}

QString rightReading(const frmTriaxial1stStage& f)
{
    return lx::DoubleText(lx::Round(preshear::scaleReading(f.mainScaleLeft()), 1));
}

void typeAndEnter(QLineEdit* box, const QString& text)
{
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, text);
    QTest::keyClick(box, Qt::Key_Return);
}

// Reads the height, slides the pi tape in and reads the diameter, all right first time.
void measure(frmTriaxial1stStage& f)
{
    clickPicture(f);
    typeAndEnter(f.txtSpecimen[0], rightReading(f));
    clickPicture(f);
    for (int i = 0; i < 22; ++i)
        f.Timer2_Timer();
    typeAndEnter(f.txtSpecimen[1], rightReading(f));
}

void upArrow(QScrollBar* bar, int times)
{
    for (int i = 0; i < times; ++i)
        bar->triggerAction(QAbstractSlider::SliderSingleStepSub);
}

// Through all three steps to the hand-over, with the target right.
frmTriaxialICStage* handOver(lx::testing::ScriptedServices& s, const QString& increase = QStringLiteral("190"))
{
    preshear::OpenPreShear(QString());
    frmTriaxial1stStage& f = First::get();
    measure(f);
    QTest::mouseClick(f.cmdNextAssembly, Qt::LeftButton);
    upArrow(f.vscBackPressure, 20);  // 220 kPa: saturated whatever the specimen
    QTest::mouseClick(f.cmdNextSaturation, Qt::LeftButton);
    f.txtIC[1]->setText(increase);
    const size_t before = s.messages->msgsCalls.size();
    QTest::mouseClick(f.cmdNextIC, Qt::LeftButton);
    if (s.messages->msgsCalls.size() != before)
        return nullptr;
    settle();
    return Record::peek();
}

void playRecord(frmTriaxialICStage& r)
{
    for (int i = 0; i < 10; ++i)
        r.TimerRecordData_Timer();
}

} // namespace

class tst_preShear : public QObject {
    Q_OBJECT

    std::unique_ptr<lx::testing::ScriptedServices> s;

private slots:
    void initTestCase()
    {
        basGlobal::InstallFontSubstitutions();
        lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
    }
    void init()
    {
        s = std::make_unique<lx::testing::ScriptedServices>();
        // The specimen's constant, then the places of the scale, in order.
        s->random->values = {0.25f, 0.5f, 0.2f, 0.4f, 0.7f, 0.1f, 0.9f, 0.3f};
    }
    void cleanup()
    {
        First::unload();
        Record::unload();
        settle();
        basGlobal::QuizFileConnection.clear();
        basGlobal::Hooks().pressQuizButton = {};
        s.reset();
    }

    // The measuring spot is a Tab stop named by its prompt: Space, or the keypad's Enter,
    // measures as a click does, and the focus goes on to the box the reading is typed in.
    void measurementStepByKeys()
    {
        lx::installKeyboardRules();
        preshear::OpenPreShear(QString());
        frmTriaxial1stStage& f = First::get();
        QWidget* window = f.window();
        window->show();
        QApplication::setActiveWindow(window);
        if (!QTest::qWaitForWindowActive(window))
            QSKIP("no active window on this platform");
        QCOMPARE(f.lblPicAssemblyMask->accessibleName(), u"Click Me to Measure");
        const auto tabToSpot = [&f] {
            for (int k = 0; k < 40 && QApplication::focusWidget() != f.lblPicAssemblyMask; ++k)
                QTest::keyClick(QApplication::focusWidget() ? QApplication::focusWidget() : &f, Qt::Key_Tab);
            return QApplication::focusWidget() == f.lblPicAssemblyMask;
        };
        QVERIFY(tabToSpot());
        QTest::keyClick(f.lblPicAssemblyMask, Qt::Key_Space);
        QVERIFY(f.cmdAssemblyOK->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.txtSpecimen[0]);
        QTest::keyClicks(f.txtSpecimen[0], rightReading(f));
        QTest::keyClick(f.txtSpecimen[0], Qt::Key_Return);
        QVERIFY(f.txtSpecimen[0]->isReadOnly());
        QCOMPARE(QApplication::focusWidget(), f.txtSpecimen[1]);

        QVERIFY(tabToSpot());
        QTest::keyClick(f.lblPicAssemblyMask, Qt::Key_Enter, Qt::KeypadModifier);
        QVERIFY(f.sliding());
        while (f.sliding())
            f.Timer2_Timer();
        QVERIFY(f.cmdAssemblyOK->isEnabled());
        QCOMPARE(QApplication::focusWidget(), f.txtSpecimen[1]);
        QTest::keyClicks(f.txtSpecimen[1], rightReading(f));
        QTest::keyClick(f.txtSpecimen[1], Qt::Key_Return);
        QVERIFY(f.cmdNextAssembly->isEnabled());
    }

    void measurementStepByClicks()
    {
        preshear::OpenPreShear(QString());
        frmTriaxial1stStage& f = First::get();
        QCOMPARE(f.windowTitle(), frmTriaxial1stStage::DesignCaption);
        QCOMPARE(f.randomConstant(), 0.25f);
        QVERIFY(!f.cmdAssemblyOK->isEnabled());
        QVERIFY(f.lblPicAssemblyMask->isVisible());
        lx::testing::saveShot(&f, QStringLiteral("preshear-1-height-waiting"));

        clickPicture(f);
        QCOMPARE(f.mainScaleLeft(), -8700 + 0.5 * 2500);
        QVERIFY(f.cmdAssemblyOK->isEnabled());
        QVERIFY(!f.lblPicAssemblyMask->isVisible());
        lx::testing::saveShot(&f, QStringLiteral("preshear-2-height-reading"));

        // 0.2 mm off fails with the message; within it passes.
        const double reading = preshear::scaleReading(f.mainScaleLeft());
        s->messages->msgsAnswers = {1};
        typeAndEnter(f.txtSpecimen[0], lx::DoubleText(lx::Round(reading + 0.25, 1)));
        QCOMPARE(s->messages->msgsCalls.back().title, QStringLiteral("Specimen Dimensions"));
        QVERIFY(!f.txtSpecimen[1]->isVisible());
        typeAndEnter(f.txtSpecimen[0], rightReading(f));
        QVERIFY(f.txtSpecimen[0]->isReadOnly());
        QVERIFY(f.txtSpecimen[1]->isVisible());
        QCOMPARE(f.phase(), preshear::Phase::Height);  // until the pi tape comes in
        QCOMPARE(f.mainScaleLeft(), preshear::ParkedScaleLeft);
        QVERIFY(!f.cmdAssemblyOK->isEnabled());
        lx::testing::saveShot(&f, QStringLiteral("preshear-3-diameter-waiting"));

        // The slide: clicks, OK and Enter are ignored until the vernier has arrived.
        clickPicture(f);
        QVERIFY(f.sliding());
        QCOMPARE(f.phase(), preshear::Phase::Diameter);
        QVERIFY(!f.cmdAssemblyOK->isEnabled());
        f.txtSpecimen[1]->setText(QStringLiteral("44.8"));
        f.cmdAssemblyOK_Click();
        typeAndEnter(f.txtSpecimen[1], QStringLiteral("44.8"));
        clickPicture(f);
        QVERIFY(s->messages->msgsCalls.size() == 1);
        for (int i = 0; i < 10; ++i)
            f.Timer2_Timer();
        lx::testing::saveShot(&f, QStringLiteral("preshear-4-sliding"));
        for (int i = 0; i < 11; ++i)
            f.Timer2_Timer();
        QVERIFY(f.sliding());  // 21 steps of 200 twips; the 22nd tick ends the slide
        f.Timer2_Timer();
        QVERIFY(!f.sliding());
        QCOMPARE(f.mainScaleLeft(), -2600 + 0.2 * 2500);
        QVERIFY(f.cmdAssemblyOK->isEnabled());
        lx::testing::saveShot(&f, QStringLiteral("preshear-5-diameter-reading"));
        QVERIFY(s->messages->msgsCalls.size() == 1);

        typeAndEnter(f.txtSpecimen[1], rightReading(f));
        QVERIFY(!f.cmdAssemblyOK->isVisible());
        QVERIFY(f.cmdNextAssembly->isEnabled());
        const double H = lx::Val(f.txtSpecimen[0]->text()), D = lx::Val(f.txtSpecimen[1]->text());
        QCOMPARE(f.txtSpecimen[2]->text(), lx::DoubleText(lx::Round(D * D * 0.7854 * H / 1000, 0)));
        QCOMPARE(f.ScorePoint, 1.0f);
        lx::testing::saveShot(&f, QStringLiteral("preshear-6-measured"));
    }

    void thirdFailureMovesOnAtACost()
    {
        preshear::OpenPreShear(QString());
        frmTriaxial1stStage& f = First::get();
        clickPicture(f);
        s->messages->msgsAnswers = {1, 1, 2};
        for (int i = 0; i < 3; ++i)
            typeAndEnter(f.txtSpecimen[0], QStringLiteral("10"));
        QCOMPARE(s->messages->msgsCalls.size(), size_t(3));
        QCOMPARE(s->messages->msgsCalls[2].captions.value(1), QStringLiteral("Move on"));
        // Filled with the reading and accepted at once.
        QVERIFY(qAbs(lx::Val(f.txtSpecimen[0]->text()) - preshear::scaleReading(-8700 + 0.5 * 2500)) < 0.06);
        QVERIFY(f.txtSpecimen[1]->isVisible());
        QCOMPARE(f.ScorePoint, 0.9f);
    }

    void testTypeIsSetOnEveryOpening()
    {
        preshear::OpenPreShear(QStringLiteral("UUC "));
        frmTriaxial1stStage& f = First::get();
        QCOMPARE(f.windowTitle(), QStringLiteral("Triaxial Compression (UUC)"));
        QCOMPARE(f.simType(), QStringLiteral("UUC "));
        measure(f);
        s->messages->msgsAnswers = {1};
        QTest::mouseClick(f.cmdNextAssembly, Qt::LeftButton);
        QCOMPARE(s->messages->msgsCalls.back().message,
                 QStringLiteral("Finished the measurement of specimen dimensions. \r\rGo to next step of Triaxial Compression."));
        settle();
        QVERIFY(!First::exists());

        // A drained run afterwards is not the unconsolidated test: it goes on to saturation.
        preshear::OpenPreShear(QString());
        frmTriaxial1stStage& g = First::get();
        QCOMPARE(g.windowTitle(), frmTriaxial1stStage::DesignCaption);
        QVERIFY(g.simType().isEmpty());
        measure(g);
        QTest::mouseClick(g.cmdNextAssembly, Qt::LeftButton);
        QVERIFY(First::exists());
        QVERIFY(g.fraSaturation->isEnabled() && g.PicSaturationMsg->isVisible());
    }

    void saturationBarsAndBValue()
    {
        preshear::OpenPreShear(QString());
        frmTriaxial1stStage& f = First::get();
        measure(f);
        QTest::mouseClick(f.cmdNextAssembly, Qt::LeftButton);
        QCOMPARE(f.txtSaturation[0]->text(), QStringLiteral("10"));
        QCOMPARE(f.txtSaturation[1]->text(), QStringLiteral("20"));
        QCOMPARE(f.txtSaturation[2]->text(), preshear::BValueText(20, 0.25));
        QCOMPARE(f.txtSaturation[3]->text(), QStringLiteral("30"));
        QVERIFY(!f.fraAssembly->isEnabled());
        lx::testing::saveShot(&f, QStringLiteral("preshear-7-saturation"));

        // The stress box follows the bar both ways, and the bar stops at 40 and at 1.
        upArrow(f.vscEffectiveConfSat, 35);
        QCOMPARE(f.txtSaturation[0]->text(), QStringLiteral("40"));
        QCOMPARE(preshear::BarMaximum - f.vscEffectiveConfSat->value(), 40);
        f.vscEffectiveConfSat->triggerAction(QAbstractSlider::SliderSingleStepAdd);
        QCOMPARE(f.txtSaturation[0]->text(), QStringLiteral("39"));
        f.vscEffectiveConfSat->setValue(preshear::BarMaximum);
        QCOMPARE(f.txtSaturation[0]->text(), QStringLiteral("1"));
        QCOMPARE(f.txtSaturation[3]->text(), QStringLiteral("21"));
        f.vscEffectiveConfSat->setValue(preshear::BarMaximum - 10);
        QCOMPARE(f.txtSaturation[2]->text(), preshear::BValueText(20, 0.25));  // B does not see it

        // Low B is refused with the reminder; 10 kPa an arrow brings it up.
        s->messages->msgsAnswers = {1};
        QTest::mouseClick(f.cmdNextSaturation, Qt::LeftButton);
        QCOMPARE(s->messages->msgsCalls.back().title, QStringLiteral("Specimen Saturation"));
        QCOMPARE(f.height(), lx::clientSizeForOuter(8400, 4400).height());
        upArrow(f.vscBackPressure, 10);
        QCOMPARE(f.txtSaturation[1]->text(), QStringLiteral("120"));
        QCOMPARE(f.txtSaturation[3]->text(), QStringLiteral("130"));
        QVERIFY(preshear::saturated(f.txtSaturation[2]->text()));
        QTest::mouseClick(f.cmdNextSaturation, Qt::LeftButton);
        QCOMPARE(f.txtIC[0]->text(), QStringLiteral("200"));
        QCOMPARE(f.txtIC[2]->text(), QStringLiteral("130"));
        QVERIFY(!f.fraSaturation->isEnabled());
        lx::testing::saveShot(&f, QStringLiteral("preshear-8-target"));
    }

    void targetCheckAndRefusal()
    {
        preshear::OpenPreShear(QString());
        frmTriaxial1stStage& f = First::get();
        measure(f);
        QTest::mouseClick(f.cmdNextAssembly, Qt::LeftButton);
        upArrow(f.vscBackPressure, 4);  // 60 kPa
        f.txtSaturation[2]->setText(QStringLiteral("0.99"));  // whatever this specimen's B
        QTest::mouseClick(f.cmdNextSaturation, Qt::LeftButton);
        f.txtIC[1]->setText(QStringLiteral("190"));
        QCOMPARE(f.txtIC[2]->text(), QStringLiteral("260"));

        // A target at or below the saturation stress is refused, and counts no attempt.
        f.vscEffectiveConfIC->setValue(preshear::BarMaximum - 10);
        s->messages->msgsAnswers = {1};
        QTest::mouseClick(f.cmdNextIC, Qt::LeftButton);
        QVERIFY(s->messages->msgsCalls.back().message.startsWith(QStringLiteral("The final effective confining stress must be")));
        QVERIFY(First::exists() && !Record::exists());
        f.vscEffectiveConfIC->setValue(preshear::BarMaximum - 200);

        // 188 is 2 kPa short: two messages, then the prompt; Move on fills 190 and passes next time.
        f.txtIC[1]->setText(QStringLiteral("188"));
        s->messages->msgsAnswers = {1, 1, 2};
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(f.cmdNextIC, Qt::LeftButton);
        QCOMPARE(s->messages->msgsCalls.back().title, QStringLiteral("Isotropic Consolidation"));
        QCOMPARE(f.txtIC[1]->text(), QStringLiteral("190"));
        QCOMPARE(f.ScorePoint, 0.9f);
        QVERIFY(!Record::exists());
        QTest::mouseClick(f.cmdNextIC, Qt::LeftButton);
        settle();
        QVERIFY(!First::exists());
        QVERIFY(Record::exists());
        frmTriaxialICStage& r = *Record::peek();
        QCOMPARE(r.score(), 0.9f);
        QCOMPARE(r.txtBeforeIC[0]->text().isEmpty(), false);
        QCOMPARE(r.txtICdataCellP[0]->text(), QStringLiteral("260"));
        QCOMPARE(r.txtICdataPoreP[0]->text(), QStringLiteral("190"));
        QCOMPARE(r.txtBackPressure->text(), QStringLiteral("60"));
    }

    void everyHandOverOpensANewRecord()
    {
        frmTriaxialICStage* first = handOver(*s);
        QVERIFY(first);
        const QString height = first->txtBeforeIC[0]->text();
        QPointer<frmTriaxialICStage> old(first);
        s->random->values = {0.75f, 0.9f, 0.9f, 0.3f};
        frmTriaxialICStage* second = handOver(*s, QStringLiteral("191"));
        QVERIFY(second);
        QVERIFY(old.isNull());
        QCOMPARE(second->txtICdataPoreP[0]->text(), QStringLiteral("191"));
        QVERIFY(second->txtBeforeIC[0]->text() != height);
        QCOMPARE(second->nextRow(), 1);
    }

    void recordRowsCurveAndQuestions()
    {
        frmTriaxialICStage* r = handOver(*s);
        QVERIFY(r);
        QVERIFY(!r->cmdOK->isEnabled());
        lx::testing::saveShot(r, QStringLiteral("preshear-9-record-start"));
        playRecord(*r);
        QVERIFY(r->cmdOK->isEnabled());
        for (int i = 0; i < 10; ++i) {
            const preshear::RecordRow& row = r->record().row(i);
            QCOMPARE(r->txtICdataTime[i]->text(), row.time);
            QCOMPARE(r->txtICdataPoreP[i]->text(), row.porePressure);
            QCOMPARE(r->txtICdataVolStrain[i]->text(), row.volumetricStrain);
            QCOMPARE(r->txtICdataDisp[i]->text(), row.displacement);
        }
        // Eight red segments and eight markers: row 9 is listed, not drawn.
        int red = 0, markers = 0;
        for (const lx::DrawOp& op : r->PicDraw->displayList()) {
            red += op.kind == lx::DrawOp::Line && op.color == QColor(255, 0, 0);
            markers += op.kind == lx::DrawOp::Text && op.text == QStringLiteral("o");
        }
        QCOMPARE(red, 8);
        QCOMPARE(markers, 8);
        lx::testing::saveShot(r, QStringLiteral("preshear-10-record"));

        // End stress: two messages, then the prompt; Move on fills it and passes.
        r->txtEffectiveConf->setText(QStringLiteral("1"));
        s->messages->msgsAnswers = {1, 1, 2};
        for (int i = 0; i < 3; ++i)
            QTest::mouseClick(r->cmdOK, Qt::LeftButton);
        QCOMPARE(lx::Val(r->txtEffectiveConf->text()), r->record().expectedEndStress());
        QVERIFY(!r->cmdOK->isVisible());
        QCOMPARE(r->score(), 0.9f);
        QCOMPARE(r->height(), lx::clientSizeForOuter(11400, 6000).height());
        lx::testing::saveShot(r, QStringLiteral("preshear-11-record-after"));

        // A wrong height stops at the height; the right three finish without a quiz file.
        r->txtAfterIC[0]->setText(QStringLiteral("1"));
        s->messages->msgsAnswers = {1};
        QTest::mouseClick(r->cmdDone, Qt::LeftButton);
        QCOMPARE(s->messages->msgsCalls.back().message,
                 QStringLiteral("Specimen Height after isotropic consolidation is incorrect. Please Check"));
        r->txtAfterIC[0]->setText(lx::DoubleText(r->record().heightAfter()));
        r->txtAfterIC[1]->setText(lx::DoubleText(r->record().volumeAfter()));
        r->txtAfterIC[2]->setText(lx::DoubleText(r->record().diameterAfter() * 1.004));
        s->messages->msgsAnswers = {1};
        QTest::mouseClick(r->cmdDone, Qt::LeftButton);
        QVERIFY(s->messages->msgsCalls.back().message.startsWith(QStringLiteral("You have successfully completed")));
        settle();
        QVERIFY(!Record::exists());
    }

    void creditAfterTheRecordWithAQuizFile()
    {
        const lx::testing::QuizFiles quizzes;
        const QString connection = quizzes.fresh();
        std::vector<int> pressed;
        basGlobal::Hooks().pressQuizButton = [&](int n) { pressed.push_back(n); };

        frmTriaxialICStage* r = handOver(*s);
        QVERIFY(r);
        basGlobal::QuizFileConnection = connection;
        playRecord(*r);
        r->txtEffectiveConf->setText(lx::DoubleText(r->record().expectedEndStress()));
        QTest::mouseClick(r->cmdOK, Qt::LeftButton);
        // Four wrong dimensions, then Move on: 0.2 off the grade, and Done once more finishes.
        s->messages->msgsAnswers = {1, 1, 1, 1, 2, 1};
        for (int i = 0; i < 4; ++i)
            QTest::mouseClick(r->cmdDone, Qt::LeftButton);
        QVERIFY(pressed.empty());
        QCOMPARE(r->score(), 0.8f);
        QTest::mouseClick(r->cmdDone, Qt::LeftButton);
        QCOMPARE(pressed, std::vector<int>{202});

        lx::Connection c;
        c.Open(connection);
        auto rs = c.Execute(QStringLiteral("SELECT * FROM QuizInfo WHERE QuizID = 211"));
        QVERIFY(!rs->eof());
        QCOMPARE(rs->Fields(2).Value.toLongLong(), 1LL);
        QCOMPARE(rs->Fields(6).Value.toLongLong(), 1LL);
        QCOMPARE(rs->Fields(7).toDouble(), 0.8);
        c.Close();
    }

    // A window of this road sits in a child window of fixed size around it, without a
    // minimise or maximise button.
    static void fixedBorderAroundItsForm(const QMdiSubWindow* sub)
    {
        QVERIFY(sub->isVisible());
        QVERIFY(!(sub->windowFlags() & (Qt::WindowMinimizeButtonHint | Qt::WindowMaximizeButtonHint)));
        QCOMPARE(sub->minimumSize(), sub->maximumSize());
        QCOMPARE(sub->size(), sub->widget()->size().grownBy(sub->contentsMargins()));
    }

    void childWindowsOfTheMainWindow()
    {
        auto main = std::make_unique<frmMDI>();
        basGlobal::MainForm = main.get();
        const auto forget = qScopeGuard([] { basGlobal::MainForm = nullptr; });
        main->resize(1000, 760);
        main->show();
        preshear::OpenPreShear(QString());
        QVERIFY(qobject_cast<QMdiSubWindow*>(First::get().parentWidget()));
        QCOMPARE(main->mdiArea->subWindowList().size(), 1);
        fixedBorderAroundItsForm(main->mdiArea->subWindowList().front());
        // Opening again brings the same window, with the type given now.
        preshear::OpenPreShear(QStringLiteral("UUC "));
        QCOMPARE(main->mdiArea->subWindowList().size(), 1);
        QCOMPARE(First::get().parentWidget()->windowTitle(), QStringLiteral("Triaxial Compression (UUC)"));
        preshear::OpenPreShear(QString());
        QCOMPARE(First::get().parentWidget()->windowTitle(), frmTriaxial1stStage::DesignCaption);

        QVERIFY(handOver(*s));
        playRecord(*Record::peek());
        QCOMPARE(main->mdiArea->subWindowList().size(), 1);
        QCOMPARE(main->mdiArea->subWindowList().front()->widget(), Record::peek());
        fixedBorderAroundItsForm(main->mdiArea->subWindowList().front());
        lx::testing::saveShot(main.get(), QStringLiteral("preshear-12-in-main-window"));
        // Through the steps again: still one record, the new one.
        s->random->values = {0.6f, 0.3f, 0.8f, 0.2f};
        QPointer<frmTriaxialICStage> old(Record::peek());
        QVERIFY(handOver(*s));
        settle();
        QVERIFY(old.isNull());
        QCOMPARE(main->mdiArea->subWindowList().size(), 1);
        Record::unload();
        settle();
    }

    // The pictures read as the formula says: at a known place of the main scale, the
    // vernier line that meets a main-scale line gives the tenths, and the main-scale line
    // before the vernier's zero the whole millimetres.
    void vernierPictureReadsTheFormula()
    {
        namespace M = lx::pictures::measurement;
        const QImage scale(lx::installPath(QStringLiteral("\\pictures\\Vernier1.jpg")));
        const QImage vernier(lx::installPath(QStringLiteral("\\pictures\\Vernier2.jpg")));
        QVERIFY(!scale.isNull() && !vernier.isNull());
        // Tick centres along a row, in pixels from the left edge: runs of pixels clearly
        // darker than the row's background, weighted by how much darker.
        auto ticks = [](const QImage& img, int y) {
            std::vector<int> grey;
            for (int x = 0; x < img.width(); ++x)
                grey.push_back(qGray(img.pixel(x, y)));
            std::vector<int> sorted = grey;
            std::sort(sorted.begin(), sorted.end());
            const int background = sorted[sorted.size() / 2];
            std::vector<double> at;
            double sum = 0, weighted = 0;
            // The image's border columns are no ticks.
            for (int x = 2; x <= img.width() - 2; ++x) {
                const double d = x < img.width() - 2 ? background - grey[std::size_t(x)] : 0;
                if (d > 40) {
                    sum += d;
                    weighted += d * (x + 0.5);
                } else if (sum > 0) {
                    at.push_back(weighted / sum);
                    sum = weighted = 0;
                }
            }
            return at;
        };
        const std::vector<double> mainTicks = ticks(scale, scale.height() - 3);
        const std::vector<double> vernierTicks = ticks(vernier, 3);
        QCOMPARE(int(vernierTicks.size()), 11);
        // Long ticks (every 10 mm) reach higher up the scale.
        const std::vector<double> longTicks = ticks(scale, scale.height() - 15);

        for (const double reading : {163.4, 175.0, 107.7, 188.3, 91.2}) {
            const double L = (90 - reading) * M::twipsPerMm;
            auto mainAt = [&](double px) { return L + px * 15; };
            auto vernierAt = [&](double px) { return M::imgVernier2.left + px * 15; };
            const double zero = vernierAt(vernierTicks[0]);
            // Whole millimetres: the main lines up to the zero, counted from the last long line.
            int lastLong = -1, before = -1;
            for (int i = 0; i < int(mainTicks.size()); ++i) {
                if (mainAt(mainTicks[i]) > zero + 2)
                    break;
                before = i;
                for (double l : longTicks)
                    if (std::abs(l - mainTicks[i]) < 1)
                        lastLong = i;
            }
            QVERIFY(before >= 0 && lastLong >= 0);
            const int units = before - lastLong;
            // Tenths: the vernier line nearest to any main line.
            int best = 0;
            double bestGap = 1e9;
            for (int k = 0; k < 11; ++k)
                for (double m : mainTicks) {
                    const double gap = std::abs(vernierAt(vernierTicks[k]) - mainAt(m));
                    if (gap < bestGap) {
                        bestGap = gap;
                        best = k;
                    }
                }
            const int tenths = best % 10;
            const int wholeMm = int(std::floor(reading + 1e-9));
            QCOMPARE(units, wholeMm % 10);
            QCOMPARE(tenths, int(std::lround((reading - wholeMm) * 10)) % 10);
        }
    }

    void shotsOfTheVernierAtRandomPlaces()
    {
        // A close look at three random places, enlarged: the reading the formula gives is
        // in each file's name, to compare by eye.
        for (const float u : {0.13f, 0.58f, 0.91f}) {
            s->random->values = {0.5f, u};
            preshear::OpenPreShear(QString());
            frmTriaxial1stStage& f = First::get();
            clickPicture(f);
            const QImage panel = f.picAssembly->grab().toImage();
            const QImage zoom = panel.copy(0, 40, panel.width(), 80).scaled(panel.width() * 4, 320, Qt::KeepAspectRatio,
                                                                           Qt::SmoothTransformation);
            lx::testing::saveShot(zoom, QStringLiteral("preshear-vernier-%1").arg(lx::DoubleText(
                                                               lx::Round(preshear::scaleReading(f.mainScaleLeft()), 2))));
            First::unload();
        }
    }
};

QTEST_MAIN(tst_preShear)
#include "tst_preShear.moc"
