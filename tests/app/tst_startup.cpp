// Start-up as a whole: its order, its texts, its failures, and Pause.
#include "FrameFixture.h"
#include "basGlobal.h"
#include "basHTMLHelp.h"
#include "frmMDI.h"
#include "frmSplash.h"

#include "platform/FormRegistry.h"
#include "platform/testing/ScriptedServices.h"

#include <QFileInfo>
#include <QTest>
#include <QTimer>

#include <unistd.h>

using namespace basGlobal;

namespace {

// A clock that moves on by a fixed step each time it is read.
class SteppingClock final : public lx::Clock {
public:
    explicit SteppingClock(qint64 startMs, qint64 stepMs) : ms(startMs), step(stepMs) {}
    QDateTime now() const override { return QDateTime(QDate(2026, 3, 14), QTime(9, 0)); }
    qint64 monotonicMs() const override
    {
        ++reads;
        return ms += step;
    }
    mutable qint64 ms;
    qint64 step;
    mutable int reads = 0;
};

const QString guidance = QStringLiteral(
    "You may proceed to Simulations by selecting the relevent module from Simulation Menu at the top.\r\r"
    "Alternatively, you may use the Short Cuts for various Simulation Modules. (Icons below the Menu Bar)");

} // namespace

class tst_startup : public QObject {
    Q_OBJECT

private slots:
    void init() { ResetFrameState(); }
    void cleanup() { ResetFrameState(); }

    void withoutQuizFileTheQuizItemsAreOffAndOneGuidanceBoxIsShown()
    {
        fixture::InstallTree tree;
        lx::testing::ScriptedServices s;
        s.messages->msgsAnswers = {1};
        QCOMPARE(StartUp(), 0);

        QVERIFY(MainForm);
        QVERIFY(MainForm->isVisible());
        QVERIFY(!lx::SingleInstance<frmSplash>::exists());
        QVERIFY(TempPath.startsWith(tree.tmp.path()));
        QVERIFY(TempPath.endsWith(u'/'));
        QCOMPARE(fixture::readAll(TempPath + "LXSandCIDC.lxr"), fixture::contentOf(QStringLiteral("LXSandCIDC.lxr")));
        QCOMPARE(SandCIDCConnection,
                 QStringLiteral("DBQ={") + TempPath + "LXSandCIDC.lxr};Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;");

        QCOMPARE(s.messages->msgsCalls.size(), size_t(1));
        const auto& box = s.messages->msgsCalls[0];
        QCOMPARE(box.count, 1);
        QCOMPARE(box.title, QStringLiteral("Loa-mix"));
        QCOMPARE(box.message, guidance);
        QCOMPARE(box.captions, (QStringList{QStringLiteral("OK"), QString(), QString(), QString()}));
        QVERIFY(s.messages->msgBoxCalls.empty());

        QVERIFY(MainForm->mnuQuizOpen->isEnabled());
        QVERIFY(!MainForm->mnuQuizBrowser->isEnabled());
        QVERIFY(!MainForm->mnuScore->isEnabled());
        QVERIFY(!fixture::enabledFlag(MainForm->mnuQuizManager));
        QVERIFY(!MainForm->mnuQuizManager->isVisible());
        QVERIFY(!StartupQuizPending);
        QVERIFY(QuizFileConnection.isEmpty());
    }

    void theQuizIsAskedLastAndAnOpenQuizFileOpensQuiz100()
    {
        fixture::InstallTree tree;
        lx::testing::ScriptedServices s;
        std::vector<int> pressed;
        bool mainShown = false, splashGone = false, pending = false;
        QString connection;
        Hooks().quizOption = [&] {
            mainShown = MainForm && MainForm->isVisible();
            splashGone = !lx::SingleInstance<frmSplash>::exists();
            pending = StartupQuizPending;
            connection = QuizResourceConnection;
            QuizFileConnection = QStringLiteral("DBQ=") + TempPath + "QuizTemplate.lxq;";
            return true;
        };
        Hooks().pressQuizButton = [&](int n) { pressed.push_back(n); };
        QCOMPARE(StartUp(), 0);

        QVERIFY(mainShown);
        QVERIFY(splashGone);
        QVERIFY(pending);
        QCOMPARE(connection, QStringLiteral("DBQ={") + TempPath + "QuizResource.lxr};Driver={Microsoft Access Driver (*.mdb)};Pwd=mobkel;");
        QCOMPARE(pressed, std::vector<int>{100});
        QVERIFY(s.messages->msgsCalls.empty());
        QVERIFY(!MainForm->mnuQuizOpen->isEnabled());
        QVERIFY(MainForm->mnuQuizBrowser->isEnabled());
        QVERIFY(MainForm->mnuScore->isEnabled());
        QVERIFY(StartupQuizPending);
    }

    void resetDeletesTheMainWindowAndRestoresEveryGlobal()
    {
        fixture::InstallTree tree;
        lx::testing::ScriptedServices s;
        s.messages->msgsAnswers = {1};
        Hooks().showTriaxialSel = [] {};
        QCOMPARE(StartUp(), 0);
        QPointer<frmMDI> main = MainForm.data();
        QuizFileConnection = QStringLiteral("DBQ=quiz.lxq;");
        ConfiningStressKPa = 100;
        ShuttingDown = true;
        QVERIFY(HelpCookie != 0 && !TempPath.isEmpty() && !SandCIDCConnection.isEmpty());

        ResetFrameState();
        QVERIFY(!main && !MainForm);
        QVERIFY(TempPath.isEmpty() && HelpFile.isEmpty() && SandCIDCConnection.isEmpty() && QuizFileConnection.isEmpty());
        QCOMPARE(ConfiningStressKPa, 0.0);
        QVERIFY(!ShuttingDown && !StartupQuizPending);
        QCOMPARE(HelpCookie, 0);
        QVERIFY(!Hooks().showTriaxialSel);
        // The names every subsystem uses still reach the one state.
        TempPath = QStringLiteral("/x/");
        QCOMPARE(State().TempPath, QStringLiteral("/x/"));
    }

    void aMissingDataFileIsNamedAndStartUpFails()
    {
        fixture::InstallTree tree;
        tree.remove(QStringLiteral("LXDirectShear.lxr"));
        lx::testing::ScriptedServices s;
        QVERIFY(StartUp() != 0);
        QVERIFY(!MainForm);
        QVERIFY(!lx::SingleInstance<frmSplash>::exists());
        QCOMPARE(s.messages->msgBoxCalls.size(), size_t(1));
        const auto& box = s.messages->msgBoxCalls[0];
        QVERIFY2(box.text.contains(tree.sourceOf(QStringLiteral("LXDirectShear.lxr"))), qPrintable(box.text));
        QCOMPARE(box.style & 0xF0, int(lx::vbCritical));
        QCOMPARE(box.title, QStringLiteral("Loa-mix"));
        QVERIFY(s.messages->msgsCalls.empty());
    }

    void aMissingTempFolderStopsStartUpAndIsNamed()
    {
        fixture::InstallTree tree;
        const QString missing = tree.tmp.filePath(QStringLiteral("no such folder"));
        qputenv("TMPDIR", QFile::encodeName(missing));
        lx::testing::ScriptedServices s;
        QVERIFY(StartUp() != 0);
        QVERIFY(!MainForm);
        QCOMPARE(s.messages->msgBoxCalls.size(), size_t(1));
        QVERIFY2(s.messages->msgBoxCalls[0].text.contains(missing), qPrintable(s.messages->msgBoxCalls[0].text));
        QVERIFY(!QFileInfo::exists(missing));
    }

    void thingsPlantedInTheTempFolderDoNotStopStartUp()
    {
        fixture::InstallTree tree;
        // The old fixed name of the folder as a file, and a link by an instance folder's name.
        const QString old = tree.tmp.filePath(QStringLiteral("loamix-") + QString::number(::getuid()));
        QFile planted(old);
        QVERIFY(planted.open(QIODevice::WriteOnly));
        planted.close();
        QVERIFY(QFile::link(QStringLiteral("/"), tree.tmp.filePath(QStringLiteral("loamix-link00"))));
        lx::testing::ScriptedServices s;
        s.messages->msgsAnswers = {1};
        QCOMPARE(StartUp(), 0);
        QVERIFY(s.messages->msgBoxCalls.empty());
        QVERIFY(TempPath.startsWith(tree.tmp.path() + u'/'));
        QCOMPARE(fixture::readAll(TempPath + "LXClayTTT.lxr"), fixture::contentOf(QStringLiteral("LXClayTTT.lxr")));
        QVERIFY(planted.exists());
        QVERIFY(QFileInfo(tree.tmp.filePath(QStringLiteral("loamix-link00"))).isSymLink());
        // The program's end takes its folder along.
        const QString folder = TempPath;
        RemoveWorkingCopies();
        QVERIFY(!QFileInfo::exists(folder));
        QVERIFY(TempPath.isEmpty());
    }

    void aFailedStartLeavesNoFolderBehind()
    {
        fixture::InstallTree tree;
        tree.remove(QStringLiteral("QuizTemplate.lxq"));
        lx::testing::ScriptedServices s;
        QVERIFY(StartUp() != 0);
        QVERIFY(QDir(tree.tmp.path()).entryList(QDir::AllEntries | QDir::NoDotAndDotDot).isEmpty());
    }

    void pauseLetsEventsRunAndEndsAtTheFirstCheckPastTheTarget()
    {
        auto& services = lx::services();
        // First read 0.4 s: the target 0.4 + 0 rounds to 0, so one pass ends the wait.
        services.clock = std::make_unique<SteppingClock>(300, 100);
        bool ran = false;
        QTimer::singleShot(0, [&] { ran = true; });
        Pause(0);
        QVERIFY(ran);
        // First read 1.3 s: 1.3 + 2 rounds to 3; the wait goes on while the clock reads 3.0 s or less.
        auto* stepping = new SteppingClock(1200, 100);
        services.clock.reset(stepping);
        Pause(2);
        QCOMPARE(stepping->ms, qint64(3100));
        // First read 2.5 s: halves go to the even neighbour, so the target is 2 and one pass ends it.
        stepping = new SteppingClock(2400, 100);
        services.clock.reset(stepping);
        Pause(0);
        QCOMPARE(stepping->ms, qint64(2600));
        lx::resetServices();
    }
};

QTEST_MAIN(tst_startup)
#include "tst_startup.moc"
