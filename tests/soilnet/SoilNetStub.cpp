// A stand-in response library for the client's tests: one procedure missing, one that fails,
// one that writes nothing and one that writes back what it was given.
#include <cstdio>
#include <string>

#define STUB_EXPORT extern "C" __attribute__((visibility("default")))

// Fails as the real library does on an unusable specimen.
STUB_EXPORT int cidcGravel_testing(const double*, int, const char*, int) { return 2; }

// Claims success but writes no file.
STUB_EXPORT int ciucSand_testing(const double*, int, const char*, int) { return 0; }

// Writes a drained result file whose rows echo the call: the value count and the values, then
// the path's length in bytes. cidcSandHigh_testing is left out on purpose.
STUB_EXPORT int cidcSandLow_testing(const double* values, int count, const char* path, int length)
{
    const std::string file(path, size_t(length));
    std::FILE* f = std::fopen(file.c_str(), "wb");
    if (!f)
        return 3;
    for (int i = 0; i < 12; ++i)
        std::fprintf(f, "header %d, not data\n", i + 1);
    for (int i = 0; i < count; ++i)
        std::fprintf(f, "%d,%.17g,%d\n", count, values[i], length);
    std::fclose(f);
    return 0;
}
