#pragma once
// A second instance for tests: a forked copy of the test process that runs a body, reports
// one line to the test and then waits until the test releases it (or kills it). Nothing
// waits on a clock: each side blocks on a pipe.
#include <QByteArray>

#include <csignal>
#include <functional>
#include <sys/wait.h>
#include <unistd.h>

namespace lx::testing {

class ForkedChild {
public:
    // body runs in the child and returns the line to report; once released the child
    // returns from atEnd() (its own clean-up, as a program that ends) and exits with 0.
    ForkedChild(const std::function<QByteArray()>& body, const std::function<void()>& atEnd = {})
    {
        int up[2], down[2];
        if (::pipe(up) != 0 || ::pipe(down) != 0)
            return;
        pid = ::fork();
        if (pid == 0) {
            ::close(up[0]);
            ::close(down[1]);
            const QByteArray line = body() + '\n';
            (void)!::write(up[1], line.constData(), size_t(line.size()));
            char c;
            while (::read(down[0], &c, 1) > 0) {
            }
            if (atEnd)
                atEnd();
            ::_exit(0);
        }
        ::close(up[1]);
        ::close(down[0]);
        fromChild = up[0];
        toChild = down[1];
    }
    ~ForkedChild()
    {
        release();
        wait();
        if (fromChild >= 0)
            ::close(fromChild);
    }
    ForkedChild(const ForkedChild&) = delete;
    ForkedChild& operator=(const ForkedChild&) = delete;

    // The line the body reported (without its end).
    QByteArray line()
    {
        QByteArray text;
        char c;
        while (fromChild >= 0 && ::read(fromChild, &c, 1) == 1 && c != '\n')
            text += c;
        return text;
    }
    // Lets the child end as a program ends.
    void release()
    {
        if (toChild >= 0)
            ::close(toChild);
        toChild = -1;
    }
    // Ends the child as a crash would: nothing of its own runs.
    void kill()
    {
        if (pid > 0)
            ::kill(pid, SIGKILL);
    }
    // Waits for the child to end; its exit status, or -1.
    int wait()
    {
        if (pid <= 0)
            return -1;
        int status = 0;
        ::waitpid(pid, &status, 0);
        pid = -1;
        return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }

private:
    pid_t pid = -1;
    int fromChild = -1;
    int toChild = -1;
};

} // namespace lx::testing
