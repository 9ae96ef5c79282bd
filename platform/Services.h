#pragma once
// Everything modal or outside the program goes through these small interfaces: message
// boxes, file and printer dialogs, help, the clock, random numbers, other programs and the
// system-information lookup. The program installs the real Qt implementations; tests
// install scripted ones (see platform/testing/ScriptedServices.h).
#include <QAbstractPrintDialog>
#include <QDateTime>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QPrinter;
class QWidget;

namespace lx {

// Styles and answers of the platform's message box, with their classic values.
enum MsgBoxStyle : int {
    vbOKOnly = 0, vbOKCancel = 1, vbAbortRetryIgnore = 2, vbYesNoCancel = 3, vbYesNo = 4, vbRetryCancel = 5,
    vbCritical = 16, vbQuestion = 32, vbExclamation = 48, vbInformation = 64,
};
enum MsgBoxResult : int { vbOK = 1, vbCancel = 2, vbAbort = 3, vbRetry = 4, vbIgnore = 5, vbYes = 6, vbNo = 7 };

// The real services show nothing once the program is ending (lx::terminationRequested):
// a box gives its declining answer, a file dialog no file, a printer dialog a cancel.
class MessageService {
public:
    virtual ~MessageService() = default;
    // The platform's message box: style is buttons + icon; returns an MsgBoxResult.
    // A lone CR in the text is a line break.
    virtual int msgBox(const QString& text, int style, const QString& title) = 0;
    // The system's own box with count captioned buttons (a count outside 1..4 shows three;
    // the buttons past it are not shown, whatever their captions); returns the 1-based
    // number of the button pressed, never more than the buttons shown. Ending, it answers
    // with the last button shown, the one that declines (Disable, Close, New File).
    virtual int msgs(int count, const QString& title, const QString& message, const QStringList& captions) = 0;
};

// The buttons a msgs box of count buttons shows (1 to 4).
int msgsButtons(int count);
// The answer of a message box of this style closed without a button: Cancel where it
// has one, else its last button (No, Ignore, OK).
int msgBoxEscapeAnswer(int style);

struct FileDialogRequest {
    QString title;
    QString filter;        // "Desc|*.x|Desc2|*.y;*.z"
    QString fileName;      // initial file name or path
    int filterIndex = 1;   // 1-based
};

class FileDialogService {
public:
    virtual ~FileDialogService() = default;
    // The chosen path, or empty when the student cancelled.
    virtual QString openFile(const FileDialogRequest& request) = 0;
    virtual QString saveFile(const FileDialogRequest& request) = 0;
};

// The folder a file dialog starts in: that of the file last chosen in this run (in a file
// dialog or as a printer's file) while it still exists, else the home folder; never the
// program's own folder, which students cannot write where it is installed for a class.
QString fileDialogFolder();
// Remembers the folder of a file the student chose; an empty path changes nothing.
void rememberFileDialogFolder(const QString& chosenFile);

// "Desc|*.x|Desc2|*.y" in the form Qt's file dialog takes ("Desc (*.x);;Desc2 (*.y)").
QString toQtFilter(const QString& pipeFilter);

// What the printer dialog shows, set in full for every dialog.
struct PrintDialogRequest {
    QString title;                // the dialog's caption; empty: the dialog's own
    bool allowSelection = false;  // offers "Selection"; printRange() then tells the choice
    bool allowPageRange = true;   // offers a range of pages
    // The file the dialog proposes when the student prints to a file; empty: the dialog's own.
    QString outputFile;
};

// A writable file for printing docName (a window's caption) to PDF: for a document of a
// file, its own folder and base name with ".pdf", or the file dialogs' folder and that name
// when the folder cannot be written; for any other caption, the file dialogs' folder and the
// caption. The home folder stands in for a file dialogs' folder that cannot be written.
QString printFileProposal(const QString& docName);

class PrinterService {
public:
    virtual ~PrinterService() = default;
    // Lets the student choose and configure a printer; false when cancelled.
    virtual bool choosePrinter(QPrinter& printer, const PrintDialogRequest& request) = 0;
    // The dialog with its own caption and a page range.
    bool choosePrinter(QPrinter& printer, bool allowSelection)
    {
        PrintDialogRequest request;
        request.allowSelection = allowSelection;
        return choosePrinter(printer, request);
    }
};

class HelpViewer {
public:
    virtual ~HelpViewer() = default;
    // Shows a topic path of the help folder ("html/Simulations/SimTTT.htm#part", '\' or
    // '/', a leading '/' ignored, names matched without regard to case). A topic that is
    // not there, or an empty folder, shows a "not found" page. Never changes directory.
    virtual void showTopic(const QString& helpFolder, const QString& topic) = 0;
    virtual void closeAll() = 0;
};

class Clock {
public:
    virtual ~Clock() = default;
    virtual QDateTime now() const = 0;
    // Milliseconds from a fixed point; never wraps or jumps back.
    virtual qint64 monotonicMs() const = 0;
};

class RandomSource {
public:
    virtual ~RandomSource() = default;
    // The next value in [0, 1), as the classic Rnd.
    virtual float Rnd() = 0;
    // Reseeds: from the clock in the program, a fixed seed in tests.
    virtual void Randomize(double seed) = 0;
};

class ProgramLauncher {
public:
    virtual ~ProgramLauncher() = default;
    // Starts a program without waiting; false when it could not be started. pid, when given,
    // receives the started process's id.
    virtual bool start(const QString& program, const QStringList& arguments = {}, qint64* pid = nullptr) = 0;
    // Whether the process this launcher started with that id still runs.
    virtual bool running(qint64 pid) const = 0;
    // The first of the candidate program names found on PATH, or empty.
    virtual QString findOnPath(const QStringList& candidates) const = 0;
};

// Stands in for the registry values the program looks up (the system-information program).
class SystemLookup {
public:
    virtual ~SystemLookup() = default;
    virtual std::optional<QString> value(const QString& key, const QString& name) const = 0;
};

struct Services {
    std::unique_ptr<MessageService> messages;
    std::unique_ptr<FileDialogService> fileDialogs;
    std::unique_ptr<PrinterService> printers;
    std::unique_ptr<HelpViewer> help;
    std::unique_ptr<Clock> clock;
    std::unique_ptr<RandomSource> random;
    std::unique_ptr<ProgramLauncher> launcher;
    std::unique_ptr<SystemLookup> systemLookup;
};

// The process's services; each starts as the real implementation and can be replaced.
Services& services();
inline MessageService& messages() { return *services().messages; }
inline FileDialogService& fileDialogs() { return *services().fileDialogs; }
inline PrinterService& printers() { return *services().printers; }
inline HelpViewer& help() { return *services().help; }
inline Clock& clock() { return *services().clock; }
inline RandomSource& random() { return *services().random; }
inline ProgramLauncher& launcher() { return *services().launcher; }
inline SystemLookup& systemLookup() { return *services().systemLookup; }

// Restores every service to its real implementation.
void resetServices();

// A lone CR (as message texts use) to the newline a Qt label shows.
QString displayText(const QString& text);

} // namespace lx
