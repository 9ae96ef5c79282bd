// A stand-in response library that tells which procedure ran: each writes a result file of
// the real layout whose rows carry the procedure's number in the stress column (100 + n)
// and the number of values it was given in the third. Given a first value of 0 it writes the
// header alone (a result file without rows).
#include <cstdio>
#include <string>

namespace {

int write(int procedure, int headerLines, const double* values, int count, const char* path, int length)
{
    const std::string file(path, size_t(length));
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f)
        return 3;
    for (int i = 0; i < headerLines; ++i)
        std::fprintf(f, "recorder header %d\n", i + 1);
    const int rows = values && count > 0 && values[0] == 0 ? 0 : 4;
    for (int i = 0; i < rows; ++i)
        std::fprintf(f, "%d, %d, %d\n", i, i == 0 ? 0 : 100 + procedure, count);
    std::fclose(f);
    return 0;
}

} // namespace

#define RECORDER_EXPORT extern "C" __attribute__((visibility("default")))
RECORDER_EXPORT int cidcGravel_testing(const double* v, int n, const char* p, int l) { return write(1, 12, v, n, p, l); }
RECORDER_EXPORT int cidcSandHigh_testing(const double* v, int n, const char* p, int l) { return write(2, 12, v, n, p, l); }
RECORDER_EXPORT int cidcSandLow_testing(const double* v, int n, const char* p, int l) { return write(3, 12, v, n, p, l); }
RECORDER_EXPORT int ciucSand_testing(const double* v, int n, const char* p, int l) { return write(4, 8, v, n, p, l); }
