#pragma once
// Runs a file write under a small file-size limit, so that it fails part-way for any
// user, root included (a read-only folder stops no root process). The signal the limit
// raises is left as the program sets it: the write must fail, not end the test.
#include <sys/resource.h>

namespace lx::testing {

template <class F>
void withSmallFileLimit(F&& f)
{
    struct rlimit old {};
    ::getrlimit(RLIMIT_FSIZE, &old);
    struct rlimit small = old;
    small.rlim_cur = 64;
    ::setrlimit(RLIMIT_FSIZE, &small);
    f();
    ::setrlimit(RLIMIT_FSIZE, &old);
}

} // namespace lx::testing
