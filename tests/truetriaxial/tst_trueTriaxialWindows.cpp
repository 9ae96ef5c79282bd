// The true triaxial windows as a student sees them, on the installed databases: a slide
// with its note, the finished hollow-cylinder sketch, the screen after a run of each kind,
// and a seven-test study report of each kind. Their labels fit, and pictures are saved for
// a look. With LOAMIX_SHOW set the scene named by LOAMIX_SCENE stays up that many seconds
// (for a screenshot of the real display).
#include "truetriaxial/dlgTTT_HCT.h"
#include "truetriaxial/dlgTTT_HCT_param.h"
#include "truetriaxial/frmScreenDASTTT.h"
#include "truetriaxial/frmTTT.h"
#include "truetriaxial/frmTTTReport.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "platform/Database.h"
#include "platform/FormRegistry.h"
#include "platform/Paths.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/RoadTest.h"
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
#include <QTimer>

#include <memory>

using namespace basGlobal;

namespace {

using lx::testing::checkLabelsFit;

} // namespace

class tst_trueTriaxialWindows : public lx::testing::RoadTest {
    Q_OBJECT
public:
    tst_trueTriaxialWindows() : RoadTest({1280, 1000}) {}

private:

    // Shows the scene's window on its own in the main window for a look.
    void look(QWidget* window, const QString& scene)
    {
        lx::testing::saveShot(window, QStringLiteral("ttt_") + scene);
        const int seconds = qEnvironmentVariableIntValue("LOAMIX_SHOW");
        if (seconds > 0 && qEnvironmentVariable("LOAMIX_SCENE") == scene) {
            lx::ShowInFront(window);
            QTest::qWait(seconds * 1000);
        }
    }

    frmTTT& setup(int kind)
    {
        main->mnuSimTTT->trigger();
        dlgTTT_HCT* d = lx::SingleInstance<dlgTTT_HCT>::peek();
        d->optTTT[size_t(kind)]->setChecked(true);
        d->cmdTesting_Click();
        return *lx::SingleInstance<frmTTT>::peek();
    }

    void run(int kind, const QString& soil, const QString& beta, const QString& b)
    {
        frmTTT& f = setup(kind);
        if (kind == 0)
            f.cmdSkip_Click();
        QVERIFY(lx::testing::choose(f.cboParamOptions, soil));
        QVERIFY(lx::testing::choose(f.cboBeta, beta));
        QVERIFY(lx::testing::choose(f.cbo_b_value, b));
        f.cmdStart_Click();
        frmScreenDASTTT* screen = lx::SingleInstance<frmScreenDASTTT>::peek();
        QVERIFY(screen);
        for (int i = 0; i <= screen->curve().points(); ++i)
            screen->Timer1_Timer();
        lx::UnloadNow(&f);
        lx::Unload<dlgTTT_HCT>();
        checkLabelsFit(screen);
    }

    frmTTTReport* study(int kind, const QString& soil)
    {
        main->mnuSimTTT->trigger();
        dlgTTT_HCT* d = lx::SingleInstance<dlgTTT_HCT>::peek();
        d->optTTT[size_t(kind)]->setChecked(true);
        d->cmdParamStudy_Click();
        dlgTTT_HCT_param* p = lx::SingleInstance<dlgTTT_HCT_param>::peek();
        if (!lx::testing::choose(p->CboParOption, soil))
            return nullptr;
        checkLabelsFit(p);
        frmTTTReport* r = p->cmdCreate_Click();
        lx::UnloadNow(p);
        lx::Unload<dlgTTT_HCT>();
        return r;
    }

    void installFamily() override
    {
        lx::testing::installTrueTriaxialFamily();
    }

private slots:
    void slideWithItsNote()
    {
        frmTTT& f = setup(0);
        checkLabelsFit(&f);
        f.lblMask_Click();
        for (int i = 0; i < 3; ++i)
            f.cmdNext_Click();
        QCOMPARE(f.show().note(), 3);
        QVERIFY(!f.Line2->isVisibleTo(&f));   // the separator waits for a soil
        QVERIFY(lx::testing::choose(f.cboParamOptions, QStringLiteral("San Francisco Bay Mud")));
        QVERIFY(f.Line2->isVisibleTo(&f));
        QVERIFY(lx::testing::choose(f.cboBeta, QStringLiteral("0")));
        QVERIFY(lx::testing::choose(f.cbo_b_value, QStringLiteral("0.5")));
        // The specimen type is longer than its box: its beginning in view, the whole as its tip.
        const QLineEdit* type = f.txtParameter[7];
        QVERIFY(type->fontMetrics().horizontalAdvance(type->text()) > type->width());
        QCOMPARE(type->cursorPosition(), 0);
        QCOMPARE(type->toolTip(), type->text());
        checkLabelsFit(&f);
        lx::Unload<dlgTTT_HCT>();
        look(&f, QStringLiteral("slide"));
    }

    // A student without a mouse: Tab reaches the picture first, and Space or Enter there starts
    // the cube's slides or the hollow cylinder's sketch as the click does; other keys do not.
    void theKeyboardStartsTheAssembly_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<int>("key");
        QTest::addColumn<bool>("starts");
        QTest::newRow("cube, Space") << 0 << int(Qt::Key_Space) << true;
        QTest::newRow("cube, Enter") << 0 << int(Qt::Key_Return) << true;
        QTest::newRow("cube, A") << 0 << int(Qt::Key_A) << false;
        QTest::newRow("hollow cylinder, keypad Enter") << 1 << int(Qt::Key_Enter) << true;
        QTest::newRow("hollow cylinder, Escape") << 1 << int(Qt::Key_Escape) << false;
    }
    void theKeyboardStartsTheAssembly()
    {
        QFETCH(int, kind);
        QFETCH(int, key);
        QFETCH(bool, starts);
        frmTTT& f = setup(kind);
        QCOMPARE(f.lblMask->accessibleName(), f.lblAssembly->text());
        QWidget* first = &f;
        do
            first = first->nextInFocusChain();
        while (first != &f && !(first->focusPolicy() & Qt::TabFocus && first->isVisibleTo(&f)));
        QCOMPARE(first, f.lblMask);
        QTest::keyClick(f.lblMask, Qt::Key(key));
        QCOMPARE(f.cboParamOptions->isEnabled(), starts);
        QCOMPARE(f.lblAssembly->isVisibleTo(&f), !starts);
        QCOMPARE((kind == 0 ? f.Timer1 : f.Timer2)->isActive(), starts);
        lx::UnloadNow(&f);
        lx::Unload<dlgTTT_HCT>();
    }

    void finishedSketch()
    {
        frmTTT& f = setup(1);
        f.lblMask_Click();
        while (f.Timer2->isActive())
            f.Timer2_Timer();
        QVERIFY(lx::testing::choose(f.cboParamOptions, QStringLiteral("McGill Clay (Hydrite 121)")));
        checkLabelsFit(&f);
        lx::Unload<dlgTTT_HCT>();
        look(&f, QStringLiteral("sketch"));
    }

    // A copy of the cube database without San Francisco Bay Mud's tests, or without the
    // table of tests: choosing the soil says why nothing can be chosen after it.
    void aSoilWithoutTestsSaysWhyItsListsStayEmpty_data()
    {
        QTest::addColumn<QString>("change");
        QTest::addColumn<QString>("says");
        QTest::newRow("no rows") << QStringLiteral("DELETE FROM TestInfo WHERE ReferenceNumber = 1000")
                                 << QStringLiteral("The database holds no stored tests of San Francisco Bay Mud (no TestInfo rows for it), "
                                                   "so its lists stay empty.");
        QTest::newRow("no table") << QStringLiteral("DROP TABLE TestInfo")
                                  << QStringLiteral("The stored tests could not be read.\rThe database file '%1' has no table TestInfo.");
    }
    void aSoilWithoutTestsSaysWhyItsListsStayEmpty()
    {
        QFETCH(QString, change);
        QFETCH(QString, says);
        QTemporaryDir dir;
        const QString copy = dir.filePath(QStringLiteral("LXClayTTT.lxr"));
        QVERIFY(QFile::copy(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/LXClayTTT.lxr"), copy));
        QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        {
            lx::Connection db;
            db.Open(lx::testing::connectionTo(copy));
            db.ExecuteNonQuery(change);
        }
        ClayTTTConnection = lx::testing::connectionTo(copy, QStringLiteral("mobkel"), true);
        frmTTT& f = setup(0);
        f.cmdSkip_Click();
        QVERIFY(lx::testing::choose(f.cboParamOptions, QStringLiteral("San Francisco Bay Mud")));
        QCOMPARE(f.cboBeta->count(), 0);
        QCOMPARE(s->messages->msgBoxCalls.size(), size_t(1));
        QCOMPARE(s->messages->msgBoxCalls[0].text, says.arg(copy));
        lx::UnloadNow(&f);
        lx::Unload<dlgTTT_HCT>();
    }

    void screenAfterARun_data()
    {
        QTest::addColumn<int>("kind");
        QTest::addColumn<QString>("soil");
        QTest::addColumn<QString>("beta");
        QTest::addColumn<QString>("b");
        QTest::addColumn<QString>("scene");
        QTest::newRow("cube") << 0 << "San Francisco Bay Mud" << "0" << "0.5" << "cube-screen";
        QTest::newRow("hollow cylinder") << 1 << "Kaolin Clay" << "30" << "0.25" << "hc-screen";
    }
    void screenAfterARun()
    {
        QFETCH(int, kind);
        QFETCH(QString, soil);
        QFETCH(QString, beta);
        QFETCH(QString, b);
        QFETCH(QString, scene);
        run(kind, soil, beta, b);
        look(lx::SingleInstance<frmScreenDASTTT>::peek(), scene);
    }

    void sevenTestReports()
    {
        frmTTTReport* cube = study(0, QStringLiteral("San Francisco Bay Mud"));
        QVERIFY(cube);
        QCOMPARE(cube->data().tests.size(), size_t(7));
        checkLabelsFit(cube);
        look(cube, QStringLiteral("cube-report"));
        frmTTTReport* hollow = study(1, QStringLiteral("Kaolin Clay"));
        QVERIFY(hollow);
        QCOMPARE(hollow->data().tests.size(), size_t(7));
        checkLabelsFit(hollow);
        look(hollow, QStringLiteral("hc-report"));
        // The longest specimen preparation of the stored soils fits the page.
        frmTTTReport* mcgill = study(1, QStringLiteral("McGill Clay (Hydrite 121)"));
        QVERIFY(mcgill);
        checkLabelsFit(mcgill);
        look(mcgill, QStringLiteral("mcgill-report"));
    }
};

QTEST_MAIN(tst_trueTriaxialWindows)
#include "tst_trueTriaxialWindows.moc"
