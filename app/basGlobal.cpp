#include "basGlobal.h"

#include "ChildWindows.h"
#include "basHTMLHelp.h"
#include "dlgMesseges.h"
#include "frmMDI.h"
#include "frmSplash.h"
#include "frmSplashMessege.h"

#include "platform/Database.h"
#include "platform/FormRegistry.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/SafeFile.h"
#include "platform/Services.h"
#include "platform/TerminationSignals.h"

#include <QApplication>
#include <QFile>
#include <QFileInfo>
#include <QFont>
#include <QElapsedTimer>
#include <QThread>

#include <algorithm>
#include <filesystem>
#include <memory>

namespace basGlobal {

FrameState& State()
{
    static FrameState state;
    return state;
}

SubsystemHooks& Hooks() { return State().hooks; }

void ResetFrameState()
{
    // The frame is ending: a window that credits its run as it goes opens no quiz.
    ShuttingDown = true;
    // The windows go first, while what they read as they close is still there: the child
    // windows newest first, inside a whole main window, then the main window, which is no
    // longer the main window by then.
    if (QPointer<frmMDI> main = MainForm) {
        lx::UnloadChildWindows(main->mdiArea);
        MainForm = nullptr;
        delete main.data();
    }
    lx::SingleInstance<frmSplashMessege>::unload();
    lx::SingleInstance<frmSplash>::unload();
    RemoveWorkingCopies();
    State() = FrameState{};
}

void InstallFontSubstitutions()
{
    // Liberation Sans has Arial's metrics, so texts fit the boxes they were laid out in.
    const QStringList faces{QStringLiteral("Liberation Sans"), QStringLiteral("DejaVu Sans")};
    for (const char* face : {"MS Sans Serif", "Tahoma", "Arial"})
        QFont::insertSubstitutions(QString::fromLatin1(face), faces);
    // The script face of the cube's assembly notes.
    QFont::insertSubstitutions(QStringLiteral("Lucida Handwriting"), {QStringLiteral("Z003"), QStringLiteral("URW Chancery L")});
    // The forms' default face and size.
    QApplication::setFont(QFont(QStringLiteral("MS Sans Serif"), 8));
}

const std::vector<DataFile>& DataFiles()
{
    static const std::vector<DataFile> files{
        {QStringLiteral("\\Database\\LXClayCIUCnCIDCnUUC.lxr"), QStringLiteral("LXClayCIUCnCIDCnUUC.lxr")},
        {QStringLiteral("\\Database\\LXSandCIDC.lxr"), QStringLiteral("LXSandCIDC.lxr")},
        {QStringLiteral("\\Database\\LXSandCIUC.lxr"), QStringLiteral("LXSandCIUC.lxr")},
        {QStringLiteral("\\Database\\LX1DConsolidation.lxr"), QStringLiteral("LX1DConsolidation.lxr")},
        {QStringLiteral("\\Database\\LXDirectShear.lxr"), QStringLiteral("LXDirectShear.lxr")},
        {QStringLiteral("\\Database\\LXClayTTT.lxr"), QStringLiteral("LXClayTTT.lxr")},
        {QStringLiteral("\\Database\\LXClaynSandHCT.lxr"), QStringLiteral("LXClaynSandHCT.lxr")},
        {QStringLiteral("\\Resources\\QuizResource.lxr"), QStringLiteral("QuizResource.lxr")},
        {QStringLiteral("\\QuizTemplate.lxq"), QStringLiteral("QuizTemplate.lxq")},
    };
    return files;
}

bool MakeWorkingCopies(QString* error)
{
    auto fail = [&](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    // A copy cut short by the file-size limit fails like any full disk.
    lx::ignoreFileSizeSignal();
    // The folder starts empty: nothing of an earlier run survives, and above all no stale
    // "-journal" that SQLite would replay onto a fresh copy.
    QString why;
    if (!lx::emptyFolder(TempPath, &why))
        return fail(why);
    for (const DataFile& f : DataFiles()) {
        const QString copy = TempPath + f.name;
        const QString source = lx::installPath(f.source);
        if (!QFileInfo(source).isFile())
            return fail(QStringLiteral("The data file %1 is missing.").arg(source));
        // A plain kernel copy: no temporary file and no sync, the copies are scratch files.
        // A copy that fails part-way leaves nothing behind.
        std::error_code ec;
        if (!std::filesystem::copy_file(QFile::encodeName(source).toStdString(), QFile::encodeName(copy).toStdString(), ec)) {
            QFile::remove(copy);
            return fail(QStringLiteral("The data file %1 cannot be copied to %2.").arg(source, copy));
        }
        // Installed files may be read-only; the working copies are written to.
        if (!QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner))
            return fail(QStringLiteral("The working copy %1 cannot be made writable.").arg(copy));
    }
    return true;
}

namespace {
// This instance's folder of working copies; TempPath names it while it lives.
std::unique_ptr<lx::InstanceFolder>& instanceFolder()
{
    static std::unique_ptr<lx::InstanceFolder> folder;
    return folder;
}
} // namespace

bool PrepareWorkingCopies(QString* error)
{
    RemoveWorkingCopies();
    QString why;
    instanceFolder() = lx::InstanceFolder::create(&why);
    if (!instanceFolder()) {
        if (error)
            *error = QStringLiteral("The folder for the working copies cannot be prepared: ") + why;
        return false;
    }
    TempPath = instanceFolder()->path();
    if (!MakeWorkingCopies(error)) {
        RemoveWorkingCopies();
        return false;
    }
    return true;
}

void RemoveWorkingCopies()
{
    instanceFolder().reset();
    TempPath.clear();
}

void BuildConnectionStrings()
{
    auto make = [](const char* file) {
        return lx::ConnectionString::format(TempPath + QString::fromLatin1(file), QStringLiteral("mobkel"));
    };
    ClayTriaxialConnection = make("LXClayCIUCnCIDCnUUC.lxr");
    SandCIDCConnection = make("LXSandCIDC.lxr");
    SandCIUCConnection = make("LXSandCIUC.lxr");
    Consolidation1DConnection = make("LX1DConsolidation.lxr");
    DirectShearConnection = make("LXDirectShear.lxr");
    ClayTTTConnection = make("LXClayTTT.lxr");
    HCTConnection = make("LXClaynSandHCT.lxr");
    QuizResourceConnection = make("QuizResource.lxr");
}

void Pause(int s)
{
    // The monotonic clock never wraps, so a long-running program waits as long as a fresh one.
    auto seconds = [] { return double(lx::clock().monotonicMs()) / 1000.0; };
    const double target = lx::Round(seconds() + s, 0);
    // However the clock behaves (a stopped test clock), the wait ends within s + 1 seconds.
    QElapsedTimer bound;
    bound.start();
    for (;;) {
        QCoreApplication::processEvents();
        const double now = seconds();
        if (now > target || bound.elapsed() > (qint64(s) + 1) * 1000)
            return;
        // Sleep a little between passes rather than spin.
        const auto rest = qint64((target - now) * 1000.0) + 1;
        QThread::msleep(static_cast<unsigned long>(std::clamp<qint64>(rest, 1, 10)));
    }
}

bool QuizOption()
{
    const bool open = Hooks().quizOption && Hooks().quizOption();
    if (!open)
        QuizFileConnection.clear();
    return open;
}

void PressQuizButton(int n)
{
    if (ShuttingDown || !Hooks().pressQuizButton)
        return;
    Hooks().pressQuizButton(n);
}

namespace {
int failStartUp(const QString& why)
{
    lx::messages().msgBox(why + QStringLiteral("\rLoa-mix cannot start."), lx::vbOKOnly | lx::vbCritical, AppTitle);
    return 1;
}
} // namespace

int StartUp()
{
    ShuttingDown = false;
    HelpFile = GetHelpFile(1);

    if (QString why; !PrepareWorkingCopies(&why))
        return failStartUp(why);

    frmSplash::ShowSplash();
    // Owned by the frame state; a main window of an earlier start goes first.
    delete MainForm.data();
    MainForm = new frmMDI;
    lx::SingleInstance<frmSplash>::unload();
    InitHelp();
    MainForm->show();
    BuildConnectionStrings();

    StartupQuizPending = true;
    const bool quizOpen = QuizOption();
    // A termination request during the question ends start-up here: no quiz, no guidance.
    if (lx::terminationRequested()) {
        StartupQuizPending = false;
        return 0;
    }
    if (quizOpen) {
        PressQuizButton(100);
        MainForm->mnuQuizOpen->setEnabled(false);
    } else {
        MainForm->mnuQuizBrowser->setEnabled(false);
        MainForm->mnuScore->setEnabled(false);
        MainForm->mnuQuizManager->setEnabled(false);
        lx::messages().msgs(1, AppTitle,
                            QStringLiteral("You may proceed to Simulations by selecting the relevent module from Simulation Menu at the top.")
                                + QStringLiteral("\r\r")
                                + QStringLiteral("Alternatively, you may use the Short Cuts for various Simulation Modules. (Icons below the Menu Bar)"),
                            {QStringLiteral("OK"), QString(), QString(), QString()});
        StartupQuizPending = false;
    }
    return 0;
}

int Main()
{
    // A write past the file-size limit fails and is reported; it does not end the program.
    lx::ignoreFileSizeSignal();
    installMessageBox();
    return StartUp();
}

int Run()
{
    // A logout ends the program as closing its window does, marked as ending at once.
    lx::onTerminationRequest([] { ShuttingDown = true; });
    // A start-up that failed has said why and removed its folder; its status is the program's.
    if (const int status = Main(); status != 0)
        return status;
    // A termination request during start-up ends the program before the event loop runs.
    const int status = lx::terminationRequested() ? 0 : QApplication::exec();
    ResetFrameState();
    return status;
}

} // namespace basGlobal
