#pragma once
// Scripted stand-ins for the modal services, for tests: answers are queued in advance and
// every call is recorded. An unexpected call (an empty queue) fails loudly rather than
// blocking on a dialog nobody will close.
#include "platform/Services.h"

#include <QPrinter>
#include <QStringList>
#include <deque>
#include <functional>
#include <map>
#include <set>
#include <stdexcept>
#include <vector>

namespace lx::testing {

struct MsgBoxCall { QString text; int style; QString title; };
struct MsgsCall { int count; QString title; QString message; QStringList captions; };

class ScriptedMessages final : public MessageService {
public:
    std::deque<int> msgBoxAnswers;    // empty: vbOK
    std::deque<int> msgsAnswers;      // empty: throws
    std::vector<MsgBoxCall> msgBoxCalls;
    std::vector<MsgsCall> msgsCalls;

    int msgBox(const QString& text, int style, const QString& title) override
    {
        msgBoxCalls.push_back({text, style, title});
        if (msgBoxAnswers.empty())
            return vbOK;
        const int a = msgBoxAnswers.front();
        msgBoxAnswers.pop_front();
        return a;
    }
    int msgs(int count, const QString& title, const QString& message, const QStringList& captions) override
    {
        msgsCalls.push_back({count, title, message, captions});
        if (msgsAnswers.empty())
            throw std::logic_error("unexpected msgs: " + title.toStdString());
        const int a = msgsAnswers.front();
        msgsAnswers.pop_front();
        return a;
    }
};

class ScriptedFileDialogs final : public FileDialogService {
public:
    std::deque<QString> answers;      // "" means cancel; empty queue throws
    std::vector<FileDialogRequest> openCalls, saveCalls;
    // Runs while the dialog is up, as a real dialog's own event loop would.
    std::function<void()> whileOpen;

    QString openFile(const FileDialogRequest& r) override { openCalls.push_back(r); return next(); }
    QString saveFile(const FileDialogRequest& r) override { saveCalls.push_back(r); return next(); }

private:
    QString next()
    {
        if (whileOpen)
            whileOpen();
        if (answers.empty())
            throw std::logic_error("unexpected file dialog");
        QString a = answers.front();
        answers.pop_front();
        return a;
    }
};

// Accepts with a PDF printer writing to pdfPath, or cancels.
class ScriptedPrinters final : public PrinterService {
public:
    bool accept = true;
    QString pdfPath;
    QPrinter::PrintRange range = QPrinter::AllPages;
    // Pages the student types in (0: the range the dialog opened with stays).
    int fromPage = 0;
    int toPage = 0;
    int calls = 0;
    // What the last dialog was shown with: its request (offeredSelection repeats whether
    // it offered "Selection"), and the range the printer held when it opened.
    PrintDialogRequest lastRequest;
    bool offeredSelection = false;
    QPrinter::PrintRange rangeShown = QPrinter::AllPages;
    int fromShown = 0;
    int toShown = 0;
    using PrinterService::choosePrinter;
    bool choosePrinter(QPrinter& printer, const PrintDialogRequest& request) override
    {
        ++calls;
        lastRequest = request;
        offeredSelection = request.allowSelection;
        rangeShown = printer.printRange();
        fromShown = printer.fromPage();
        toShown = printer.toPage();
        if (!accept)
            return false;
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(pdfPath);
        printer.setPrintRange(range);
        if (fromPage > 0)
            printer.setFromTo(fromPage, toPage);
        return true;
    }
};

class RecordingHelp final : public HelpViewer {
public:
    struct Shown { QString folder; QString topic; };
    std::vector<Shown> shown;
    int closed = 0;
    void showTopic(const QString& folder, const QString& topic) override { shown.push_back({folder, topic}); }
    void closeAll() override { ++closed; }
};

class FixedClock final : public Clock {
public:
    QDateTime current = QDateTime(QDate(2026, 3, 14), QTime(9, 26, 53));
    qint64 ms = 0;
    QDateTime now() const override { return current; }
    qint64 monotonicMs() const override { return ms; }
};

// A repeatable sequence (a fixed list when given, else a seeded linear generator).
class FixedRandom final : public RandomSource {
public:
    std::deque<float> values;
    uint32_t state = 12345;
    float Rnd() override
    {
        if (!values.empty()) {
            const float v = values.front();
            values.pop_front();
            return v;
        }
        state = state * 1664525u + 1013904223u;
        return float(state >> 8) / float(1u << 24);
    }
    void Randomize(double seed) override { state = uint32_t(seed); }
};

class RecordingLauncher final : public ProgramLauncher {
public:
    struct Started { QString program; QStringList arguments; };
    std::vector<Started> started;
    bool succeed = true;
    QStringList onPath;   // names that findOnPath finds, as "/usr/bin/<name>"
    std::set<qint64> ended;   // ids (1 for the first started) of programs that have ended
    bool start(const QString& program, const QStringList& arguments, qint64* pid) override
    {
        started.push_back({program, arguments});
        if (pid)
            *pid = succeed ? qint64(started.size()) : 0;
        return succeed;
    }
    bool running(qint64 pid) const override { return pid > 0 && pid <= qint64(started.size()) && !ended.count(pid); }
    QString findOnPath(const QStringList& candidates) const override
    {
        for (const QString& c : candidates)
            if (onPath.contains(c))
                return QStringLiteral("/usr/bin/") + c;
        return {};
    }
};

class MapLookup final : public SystemLookup {
public:
    std::map<std::pair<QString, QString>, QString> values;
    std::optional<QString> value(const QString& key, const QString& name) const override
    {
        auto it = values.find({key, name});
        if (it == values.end())
            return std::nullopt;
        return it->second;
    }
};

// Installs fresh doubles for every service and hands out typed references to them.
struct ScriptedServices {
    ScriptedMessages* messages;
    ScriptedFileDialogs* files;
    ScriptedPrinters* printers;
    RecordingHelp* help;
    FixedClock* clock;
    FixedRandom* random;
    RecordingLauncher* launcher;
    MapLookup* lookup;

    ScriptedServices()
    {
        Services& s = services();
        s.messages = std::make_unique<ScriptedMessages>();
        s.fileDialogs = std::make_unique<ScriptedFileDialogs>();
        s.printers = std::make_unique<ScriptedPrinters>();
        s.help = std::make_unique<RecordingHelp>();
        s.clock = std::make_unique<FixedClock>();
        s.random = std::make_unique<FixedRandom>();
        s.launcher = std::make_unique<RecordingLauncher>();
        s.systemLookup = std::make_unique<MapLookup>();
        messages = static_cast<ScriptedMessages*>(s.messages.get());
        files = static_cast<ScriptedFileDialogs*>(s.fileDialogs.get());
        printers = static_cast<ScriptedPrinters*>(s.printers.get());
        help = static_cast<RecordingHelp*>(s.help.get());
        clock = static_cast<FixedClock*>(s.clock.get());
        random = static_cast<FixedRandom*>(s.random.get());
        launcher = static_cast<RecordingLauncher*>(s.launcher.get());
        lookup = static_cast<MapLookup*>(s.systemLookup.get());
    }
    ~ScriptedServices() { resetServices(); }
    ScriptedServices(const ScriptedServices&) = delete;
    ScriptedServices& operator=(const ScriptedServices&) = delete;
};

} // namespace lx::testing
