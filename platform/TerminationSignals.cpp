#include "TerminationSignals.h"

#include <QCoreApplication>
#include <QSocketNotifier>

#include <cerrno>
#include <csignal>
#include <utility>
#include <fcntl.h>
#include <sys/socket.h>
#include <unistd.h>

namespace lx {

namespace {

int signalPipe[2] = {-1, -1};
bool requested = false;
std::function<void()>& markEnding()
{
    static std::function<void()> mark;
    return mark;
}

// Only a write is safe in a signal handler: the event loop does the rest. The code the
// signal interrupted may be about to read errno, which a failed write would change.
void onSignal(int)
{
    const int saved = errno;
    const char c = 1;
    (void)!::write(signalPipe[0], &c, 1);
    errno = saved;
}

} // namespace

void quitOnTerminationSignals()
{
    if (signalPipe[0] >= 0 || ::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC | SOCK_NONBLOCK, 0, signalPipe) != 0)
        return;
    auto* notifier = new QSocketNotifier(signalPipe[1], QSocketNotifier::Read, QCoreApplication::instance());
    QObject::connect(notifier, &QSocketNotifier::activated, [] {
        char buffer[16];
        while (::read(signalPipe[1], buffer, sizeof buffer) > 0) {
        }
        requested = true;
        if (markEnding())
            markEnding()();
        // exit, not quit: quit does nothing while only a modal box's loop runs (start-up).
        QCoreApplication::exit(0);
    });
    struct sigaction action {};
    action.sa_handler = onSignal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = SA_RESTART;
    for (const int s : {SIGTERM, SIGHUP, SIGINT})
        ::sigaction(s, &action, nullptr);
}

bool terminationRequested() { return requested; }

void onTerminationRequest(std::function<void()> mark) { markEnding() = std::move(mark); }

} // namespace lx
