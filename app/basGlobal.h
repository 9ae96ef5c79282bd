#pragma once
// The frame's shared globals, set at start-up and read by every subsystem, and the
// start-up procedure itself.
#include <QPointer>
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <vector>

class frmMDI;

namespace basGlobal {

// The application title of captions and message boxes.
inline const QString AppTitle = QStringLiteral("Loa-mix");

// What the frame calls in the subsystems built apart from it (they link the frame, so the
// frame cannot call them directly). Each subsystem fills its entries before start-up, in a
// function of its own that program/main.cpp calls (InstallQuizHooks() and so on below). An
// empty entry (a test that installs some subsystems only) leaves the command behind it
// doing nothing.
struct SubsystemHooks {
    // Quiz. quizOption: the start-up question of the quiz file (see QuizOption).
    std::function<bool()> quizOption;
    // Presses button cmdQuizN of the quiz browser (N = 100, 200, 202, 203, 300, 400, 500).
    std::function<void(int)> pressQuizButton;
    std::function<void()> showQuizBrowser;     // frmQuizGoThrough, modeless
    std::function<void()> showScoreSummary;    // frmQuizScoreSummary, modeless
    std::function<void()> showQuizManager;     // frmQuizDatabaseManager, modeless
    // The entry dialog of each test, shown modeless (brought to the front when open).
    std::function<void()> showTriaxialSel;     // dlgTriaxialSel
    std::function<void()> show1DConsolidation; // dlg1DConsolidation
    std::function<void()> showDirectShear;     // dlgDirectShear
    std::function<void()> showTTT_HCT;         // dlgTTT_HCT
};

// The frame's shared state, with one owner: start-up fills it and makes the main window in
// it; ResetFrameState (the program's end, and the test fixtures between tests) deletes the
// main window and gives everything else its start value again. The names below are the
// globals every subsystem reads and writes; they are references into this one state.
struct FrameState {
    // The main window: made by StartUp, deleted by ResetFrameState.
    QPointer<frmMDI> MainForm;
    QString HelpFile;
    QString TempPath;
    QString ClayTriaxialConnection;
    QString SandCIDCConnection;
    QString SandCIUCConnection;
    QString Consolidation1DConnection;
    QString DirectShearConnection;
    QString ClayTTTConnection;
    QString HCTConnection;
    QString QuizResourceConnection;
    QString QuizFileConnection;
    bool StartupQuizPending = false;
    double ConfiningStressKPa = 0.0;
    double BackPressureKPa = 0.0;
    QString CurrentUserName;
    bool ShuttingDown = false;
    SubsystemHooks hooks;
    // Non-zero between InitHelp and CloseHelp (basHTMLHelp).
    int32_t HelpCookie = 0;
};
FrameState& State();
// Deletes the main window (and the wait box and splash, when up), then sets every part of
// the state, the hooks included, back to its start value.
void ResetFrameState();

// Null before start-up has made the main window and again once it is destroyed.
inline QPointer<frmMDI>& MainForm = State().MainForm;
// The application's help file (the topics live in the Help folder beside it).
inline QString& HelpFile = State().HelpFile;
// The private folder of the working copies, ending with '/'.
inline QString& TempPath = State().TempPath;

inline QString& ClayTriaxialConnection = State().ClayTriaxialConnection;
inline QString& SandCIDCConnection = State().SandCIDCConnection;
inline QString& SandCIUCConnection = State().SandCIUCConnection;
inline QString& Consolidation1DConnection = State().Consolidation1DConnection;
inline QString& DirectShearConnection = State().DirectShearConnection;
inline QString& ClayTTTConnection = State().ClayTTTConnection;
inline QString& HCTConnection = State().HCTConnection;
inline QString& QuizResourceConnection = State().QuizResourceConnection;
// Empty while no quiz file is open.
inline QString& QuizFileConnection = State().QuizFileConnection;
inline bool& StartupQuizPending = State().StartupQuizPending;

inline double& ConfiningStressKPa = State().ConfiningStressKPa;
inline double& BackPressureKPa = State().BackPressureKPa;
inline QString& CurrentUserName = State().CurrentUserName;

// True from the moment the program starts ending, whatever ends it: the main window closing
// (File > Exit too), a termination request, the end of Run (ResetFrameState). Windows that
// close with it still write their quiz credits, but press no quiz button and open no window
// (the child-window helpers show nothing).
inline bool& ShuttingDown = State().ShuttingDown;

SubsystemHooks& Hooks();

// Defined by each subsystem library (not by the frame); program/main.cpp calls every one,
// before Main.
void InstallQuizHooks();
void InstallTriaxialHooks();
void InstallConsolidationHooks();
void InstallDirectShearHooks();
void InstallTrueTriaxialHooks();

// Maps the faces the windows name to installed ones; the program calls it once, first.
void InstallFontSubstitutions();

// The program's entry: installs the system's own message box, then runs StartUp.
int Main();
// The whole run of the program: Main, the event loop (skipped when a termination request
// came during start-up) and the clean-up that removes the folder of working copies.
// Returns the program's exit status.
int Run();
// The start-up in its fixed order, with the services as installed (tests script them).
// Returns 0 once the main window is up; otherwise the reason has been shown and the
// result is the program's exit status.
int StartUp();

// The nine installed data files in their copy order: install-relative source and the
// name of the working copy.
struct DataFile {
    QString source;
    QString name;
};
const std::vector<DataFile>& DataFiles();
// Empties TempPath and fills it with fresh, writable copies of the installed files.
// False with a message naming the file when one cannot be made.
bool MakeWorkingCopies(QString* error);
// Makes this instance's own folder (see lx::InstanceFolder), sets TempPath to it and makes
// the working copies there; on failure nothing is left and the message says why.
bool PrepareWorkingCopies(QString* error);
// Removes this instance's folder of working copies (TempPath) with all it holds; the
// program calls it when it ends.
void RemoveWorkingCopies();
// Sets the eight connection-string globals from TempPath.
void BuildConnectionStrings();

// Waits about s seconds (rounded to whole seconds of the monotonic clock) while letting
// window events run; events run at least once.
void Pause(int s);

// The quiz's start-up question: True when a quiz file is open for a logged-in quiz user.
// Until the quiz subsystem installs Hooks().quizOption the answer is False. On False
// QuizFileConnection is emptied.
bool QuizOption();
// Presses quiz-browser button cmdQuizN when the quiz has installed its hook and the program
// is not shutting down.
void PressQuizButton(int n);

} // namespace basGlobal
