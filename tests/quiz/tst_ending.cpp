// A termination request (a logout) ends the program cleanly: while the start-up quiz
// question shows (the program ends from the box's loop), and in the middle of a started run
// of every kind of screen and study, with a quiz score file open and without; so does File >
// Exit in the middle of a run. The program returns 0, opens no window or dialog after the
// request, removes its folder of working copies and, with a score file open, credits the
// started run exactly once.
// The request is for the whole process and cannot be taken back: the question's case runs
// in this program, and each row of the table in a program of its own (this test program
// started again with the row to run), which also shows a crash as the row's failure.
#include "FrameFixture.h"
#include "DialogDriver.h"
#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "app/dlgMesseges.h"
#include "app/frmMDI.h"
#include "platform/Database.h"
#include "platform/FormRegistry.h"
#include "platform/TerminationSignals.h"
#include "platform/testing/ScriptedServices.h"
#include "quiz/QuizFile.h"
#include "tests/common/RoadTest.h"
#include "tests/common/Roads.h"
#include "triaxial/frmScreenDASTriaxial.h"
#include "truetriaxial/dlgTTT_HCT.h"
#include "truetriaxial/dlgTTT_HCT_param.h"
#include "truetriaxial/frmTTT.h"

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QProcess>
#include <QPushButton>
#include <QTest>
#include <QThread>
#include <QTimer>

#include <csignal>
#include <cstdio>

namespace {

// Sends SIGTERM when the quiz question shows, and names every window shown after it.
class Terminator : public QObject {
public:
    int questions = 0;
    QString folder;   // the folder of working copies while the question showed
    QStringList shownAfter;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* w = qobject_cast<QWidget*>(watched);
        if (event->type() == QEvent::Show && w && w->isWindow()) {
            auto* box = qobject_cast<dlgMesseges*>(w);
            if (questions == 0 && box && box->lblTitle->text() == QStringLiteral("Quiz Option")) {
                ++questions;
                folder = basGlobal::TempPath;
                ::raise(SIGTERM);
            } else if (questions > 0) {
                shownAfter << QString::fromLatin1(w->metaObject()->className()) + u' ' + w->windowTitle();
            }
        }
        return QObject::eventFilter(watched, event);
    }
};

// ---- A row of the table, in a program of its own.

// What the row's program is told (environment) and reports (lines "key value" on its output).
constexpr char CaseVariable[] = "LOAMIX_ENDING_CASE";
constexpr char ScoreFileVariable[] = "LOAMIX_ENDING_SCORE_FILE";
constexpr char ByExitVariable[] = "LOAMIX_ENDING_BY_EXIT";   // File > Exit, not SIGTERM

// A run of each kind, started as a student starts it, and the QuizInfo row it credits.
struct Road {
    const char* name;
    int activity;
    // Starts the run in the main window; false when it did not start.
    bool (*start)();
};

using lx::testing::form;

bool startTriaxial()
{
    basGlobal::MainForm->mnuSimTri->trigger();
    // The shear screen as the summary hands it the run: the first stored drained test.
    lx::Connection db;
    db.Open(basGlobal::SandCIDCConnection);
    lx::Recordset rs;
    rs.Open(QStringLiteral("SELECT TestID FROM TestResults"), db, lx::adOpenDynamic, lx::adLockUnspecified);
    const QString id = rs.eof() ? QString() : rs.Fields(0).toText();
    rs.Close();
    db.Close();
    const double init[8] = {};
    auto* screen = new frmScreenDASTriaxial();
    if (!screen->StartTest(QStringLiteral("CIDC Sand"), QStringLiteral("Ottawa sand"), basGlobal::SandCIDCConnection, id, init))
        return false;
    lx::ShowInFront(screen);
    return screen->isVisible();
}

bool startConsolidation()
{
    frm1DConsolidation* setup = lx::testing::roads::consolidationSetUp(*basGlobal::MainForm, 4);
    QTest::mouseClick(setup->cmdStart, Qt::LeftButton);
    return setup->lastScreen() && setup->lastScreen()->isVisible();
}

bool startDirectShear()
{
    frmDirectShear* setup = lx::testing::roads::directShearSetUp(*basGlobal::MainForm);
    const int before = basGlobal::MainForm->mdiArea->subWindowList().size();
    QTest::mouseClick(setup->cmdStart, Qt::LeftButton);
    return basGlobal::MainForm->mdiArea->subWindowList().size() == before + 1;
}

bool startDirectShearStudy() { return lx::testing::roads::directShearStudy(*basGlobal::MainForm)->cmdCreate_Click() != nullptr; }

bool startTrueTriaxial()
{
    frmTTT* setup = lx::testing::roads::trueTriaxialReady(*basGlobal::MainForm, 0, QStringLiteral("San Francisco Bay Mud"),
                                                          QStringLiteral("0"), QStringLiteral("0.25"));
    if (!setup)
        return false;
    const int before = basGlobal::MainForm->mdiArea->subWindowList().size();
    QTest::mouseClick(setup->cmdStart, Qt::LeftButton);
    return basGlobal::MainForm->mdiArea->subWindowList().size() == before + 1;
}

bool startTrueTriaxialStudy()
{
    dlgTTT_HCT* entry = lx::testing::roads::trueTriaxialEntry(*basGlobal::MainForm, 0);
    if (!entry)
        return false;
    QTest::mouseClick(entry->cmdParamStudy, Qt::LeftButton);
    dlgTTT_HCT_param* study = form<dlgTTT_HCT_param>();
    return study && lx::testing::choose(study->CboParOption, QStringLiteral("San Francisco Bay Mud"))
           && study->cmdCreate_Click() != nullptr;
}

constexpr Road roads[] = {
    {"triaxial", 212, startTriaxial},
    {"consolidation", 311, startConsolidation},
    {"direct shear", 411, startDirectShear},
    {"true triaxial", 511, startTrueTriaxial},
    {"direct shear study after its report", 412, startDirectShearStudy},
    {"true triaxial study after its report", 512, startTrueTriaxialStudy},
};

const Road* roadNamed(const QByteArray& name)
{
    for (const Road& r : roads)
        if (name == r.name)
            return &r;
    return nullptr;
}

void report(const char* key, const QString& value)
{
    std::printf("%s %s\n", key, value.toUtf8().constData());
    std::fflush(stdout);
}

// Logs in (a new score file when one is named, else the quiz disabled), starts the road's
// run once the main event loop runs, raises SIGTERM and reports what followed.
int runRoad(const Road& road, const QString& scoreFile, bool byExit)
{
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
    basGlobal::InstallFontSubstitutions();
    basGlobal::InstallQuizHooks();
    basGlobal::InstallTriaxialHooks();
    basGlobal::InstallConsolidationHooks();
    basGlobal::InstallDirectShearHooks();
    basGlobal::InstallTrueTriaxialHooks();
    lx::quitOnTerminationSignals();

    lx::testing::ScriptedServices scripted;
    // The program's own boxes (Run installs them): the quiz question answered Create, or
    // Disable without a score file; the user's details saved; any other box (the
    // guidance) its first button.
    auto* answer = new QTimer(qApp);
    answer->setInterval(5);
    QObject::connect(answer, &QTimer::timeout, [create = !scoreFile.isEmpty()] {
        dlgMesseges* box = dlgMesseges::shown();
        if (!box || !box->isVisible())
            return;
        const QString title = box->lblTitle->text();
        const int button = title == QStringLiteral("Quiz Option") ? (create ? 2 : 3) : title == QStringLiteral("Confirm User Info") ? 2 : 1;
        QTest::mouseClick(box->cmdResponse[size_t(button - 1)], Qt::LeftButton);
    });
    answer->start();
    if (!scoreFile.isEmpty()) {
        scripted.files->answers = {scoreFile};
        quizfixture::onDialog([](dlgAddQuizInfo& d) {
            d.txtLastName->setText(QStringLiteral("Smith"));
            d.txtFirstName->setText(QStringLiteral("Ann"));
            d.txtPassword->setText(QStringLiteral("pw"));
            d.txtPasswordConfirm->setText(QStringLiteral("pw"));
            QTest::mouseClick(d.OKButton, Qt::LeftButton);
        });
    }

    // The run starts from the main event loop, once start-up is over.
    bool raised = false;
    auto* begin = new QTimer(qApp);
    begin->setInterval(5);
    QObject::connect(begin, &QTimer::timeout, [&] {
        if (!basGlobal::MainForm || QThread::currentThread()->loopLevel() != 1 || QApplication::activeModalWidget())
            return;
        begin->stop();
        report("started", road.start() ? QStringLiteral("yes") : QStringLiteral("no"));
        report("folder", basGlobal::TempPath);
        raised = true;
        if (byExit)
            basGlobal::MainForm->mnuFileExit->trigger();
        else
            ::raise(SIGTERM);
    });
    auto realOption = basGlobal::Hooks().quizOption;
    basGlobal::Hooks().quizOption = [&] {
        const bool open = realOption();
        begin->start();
        return open;
    };

    struct Watcher : QObject {
        bool* raised;
        bool eventFilter(QObject* watched, QEvent* event) override
        {
            auto* w = qobject_cast<QWidget*>(watched);
            if (*raised && event->type() == QEvent::Show && w && (w->isWindow() || qobject_cast<QMdiSubWindow*>(w)))
                report("shown", QString::fromLatin1(w->metaObject()->className()) + u' ' + w->windowTitle());
            return false;
        }
    } watcher;
    watcher.raised = &raised;
    qApp->installEventFilter(&watcher);
    const int status = basGlobal::Run();
    qApp->removeEventFilter(&watcher);
    report("status", QString::number(status));
    report("messages", QString::number(scripted.messages->msgBoxCalls.size()));
    return status;
}

// The QuizInfo row's attempts in a score file; -1 when it cannot be read.
int attemptsUsed(const QString& file, int quizId)
{
    try {
        lx::Connection db;
        db.Open(quiz::QuizConnectionString(file));
        lx::Recordset rs;
        rs.Open(quiz::QuizInfoSql(quizId), db, lx::adOpenDynamic, lx::adLockUnspecified);
        return rs.eof() ? -1 : int(rs.Fields(quiz::info::AttemptsUsed).toDouble());
    } catch (...) {
        return -1;
    }
}

} // namespace

class tst_ending : public QObject {
    Q_OBJECT

private slots:
    void sigtermDuringTheQuizQuestionEndsTheProgram()
    {
        fixture::InstallTree tree;
        lx::testing::ScriptedServices scripted;
        basGlobal::ResetFrameState();
        basGlobal::InstallQuizHooks();
        lx::quitOnTerminationSignals();
        Terminator terminator;
        qApp->installEventFilter(&terminator);

        QCOMPARE(basGlobal::Run(), 0);
        qApp->removeEventFilter(&terminator);

        QCOMPARE(terminator.questions, 1);
        QVERIFY(lx::terminationRequested());
        QVERIFY2(terminator.shownAfter.isEmpty(), qPrintable(terminator.shownAfter.join(u'\n')));
        // Not read as "Open": no file dialog, no further question, no quiz, no guidance.
        QVERIFY(scripted.files->openCalls.empty());
        QVERIFY(scripted.files->saveCalls.empty());
        QVERIFY(scripted.messages->msgBoxCalls.empty());
        QVERIFY(!basGlobal::MainForm);
        QVERIFY(basGlobal::QuizFileConnection.isEmpty());
        QVERIFY(terminator.folder.startsWith(tree.tmp.path()));
        QVERIFY(!QFileInfo::exists(terminator.folder));
        QVERIFY(QDir(tree.tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot).isEmpty());
    }

    void endingDuringAStartedRunEndsTheProgram_data()
    {
        QTest::addColumn<QString>("road");
        QTest::addColumn<bool>("scoreFile");
        QTest::addColumn<bool>("byExit");
        for (const Road& r : roads) {
            QTest::addRow("%s, score file open", r.name) << QString::fromLatin1(r.name) << true << false;
            QTest::addRow("%s, no score file", r.name) << QString::fromLatin1(r.name) << false << false;
            QTest::addRow("%s, score file open, File > Exit", r.name) << QString::fromLatin1(r.name) << true << true;
        }
    }
    void endingDuringAStartedRunEndsTheProgram()
    {
        QFETCH(QString, road);
        QFETCH(bool, scoreFile);
        QFETCH(bool, byExit);
        QTemporaryDir tmp, student;
        const QString mine = student.filePath(QStringLiteral("Quiz_SmithAnn.lxq"));

        QProcess program;
        QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
        env.insert(QString::fromLatin1(CaseVariable), road);
        env.insert(QString::fromLatin1(ScoreFileVariable), scoreFile ? mine : QString());
        if (byExit)
            env.insert(QString::fromLatin1(ByExitVariable), QStringLiteral("1"));
        // The folder of working copies then goes under tmp, whatever session runs the tests.
        env.insert(QStringLiteral("TMPDIR"), tmp.path());
        env.insert(QStringLiteral("XDG_RUNTIME_DIR"), tmp.path());
        program.setProcessEnvironment(env);
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(), {});
        QVERIFY(program.waitForFinished(120000));
        const QString output = QString::fromUtf8(program.readAllStandardOutput());
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QVERIFY2(program.exitCode() == 0, qPrintable(output));

        QMap<QString, QStringList> said;
        for (const QString& line : output.split(u'\n', Qt::SkipEmptyParts))
            said[line.section(u' ', 0, 0)] << line.section(u' ', 1);
        QCOMPARE(said.value(QStringLiteral("started")), QStringList{QStringLiteral("yes")});
        QCOMPARE(said.value(QStringLiteral("status")), QStringList{QStringLiteral("0")});
        QVERIFY2(!said.contains(QStringLiteral("shown")), qPrintable(said.value(QStringLiteral("shown")).join(u'\n')));
        QCOMPARE(said.value(QStringLiteral("messages")), QStringList{QStringLiteral("0")});
        const QString folder = said.value(QStringLiteral("folder")).value(0);
        QVERIFY(folder.startsWith(tmp.path()));
        QVERIFY(!QFileInfo::exists(folder));
        const QStringList left = QDir(tmp.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot);
        QVERIFY2(left.isEmpty(), qPrintable(left.join(u' ')));
        if (scoreFile)
            QCOMPARE(attemptsUsed(mine, roadNamed(road.toLatin1())->activity), 1);
        else
            QVERIFY(!QFileInfo::exists(mine));
    }
};

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    if (const QByteArray name = qgetenv(CaseVariable); !name.isEmpty()) {
        const Road* road = roadNamed(name);
        return road ? runRoad(*road, QString::fromLocal8Bit(qgetenv(ScoreFileVariable)), qEnvironmentVariableIsSet(ByExitVariable)) : 2;
    }
    tst_ending test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_ending.moc"
