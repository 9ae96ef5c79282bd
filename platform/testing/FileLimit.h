#pragma once
// Runs a file write under a small file-size limit, so that it fails part-way for any
// user, root included (a read-only folder stops no root process).
#include <csignal>
#include <sys/resource.h>

namespace lx::testing {

template <class F>
void withSmallFileLimit(F&& f)
{
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    auto previous = std::signal(SIGXFSZ, SIG_IGN);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ::setrlimit(RLIMIT_FSIZE, &small);
    f();
    ::setrlimit(RLIMIT_FSIZE, &old);
    std::signal(SIGXFSZ, previous);
}

} // namespace lx::testing
