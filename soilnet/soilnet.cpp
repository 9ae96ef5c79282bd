// The response library loaded by the report controls: four procedures that simulate a
// triaxial test of the specimen they are given and write its result file.
//
// Every procedure takes
//   values, count   the caller's specimen values (count of them, so nothing past them is read):
//                   drained routines 0 average diameter (mm), 1 coefficient of uniformity,
//                   2 coefficient of concavity, 3 hardness, 4 shape factor, 5 void ratio,
//                   6 effective confining stress (kPa), optionally 7 the last axial strain (%);
//                   the undrained routine 0 relative density (%), 1 coefficient of uniformity,
//                   2 over-consolidation ratio, 3 effective confining stress (kPa)
//   path, length    the result file's path, UTF-8, length bytes (no terminating zero needed;
//                   nothing beyond length is read, nothing is written into it)
// and returns 0 when the file is written, otherwise a SoilNetStatus below. The result file is
// text: 12 header lines (drained) or 8 (undrained), then one row a line of axial strain (%),
// deviator stress (kPa) and volumetric strain (%) or excess pore pressure (kPa), separated
// by commas. The model is told in SoilModel.h.
#include "SoilModel.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

enum SoilNetStatus : int { Written = 0, BadArguments = 1, BadSpecimen = 2, WriteFailed = 3 };

bool pathOf(const char* path, int length, std::string& out)
{
    if (!path || length <= 0 || length > 4096)
        return false;
    out.assign(path, size_t(length));
    return out.find('\0') == std::string::npos;
}

int writeFile(const std::string& path, const std::string& text)
{
    // Written beside the target and renamed over it, so a reader never sees half a file.
    const std::string part = path + ".part";
    std::FILE* f = std::fopen(part.c_str(), "wb");
    if (!f)
        return WriteFailed;
    const bool ok = std::fwrite(text.data(), 1, text.size(), f) == text.size();
    if (std::fclose(f) != 0 || !ok || std::rename(part.c_str(), path.c_str()) != 0) {
        std::remove(part.c_str());
        return WriteFailed;
    }
    return Written;
}

// Checks the arguments, lets `text` build the file's text from the values (false: the
// specimen cannot be simulated) and writes it.
template <class Text>
int routine(const double* values, int count, int needed, const char* path, int length, Text text)
{
    std::string file, out;
    if (!values || count < needed || !pathOf(path, length, file))
        return BadArguments;
    if (!text(out))
        return BadSpecimen;
    return writeFile(file, out);
}

int drainedRoutine(soilnet::Calibration c, const char* name, const double* values, int count, const char* path, int length)
{
    return routine(values, count, 7, path, length, [&](std::string& out) {
        const soilnet::GranularSpecimen s{values[0], values[1], values[2], values[3], values[4], values[5], values[6],
                                          count > 7 ? values[7] : 0.0};
        if (!soilnet::check(s).empty())
            return false;
        out = soilnet::drainedFile(s, soilnet::drained(s, c), name);
        return true;
    });
}

} // namespace

#define SOILNET_EXPORT extern "C" __attribute__((visibility("default")))

SOILNET_EXPORT int cidcGravel_testing(const double* values, int count, const char* path, int length)
{
    return drainedRoutine(soilnet::Calibration::Gravel, "cidcGravel_testing", values, count, path, length);
}

SOILNET_EXPORT int cidcSandHigh_testing(const double* values, int count, const char* path, int length)
{
    return drainedRoutine(soilnet::Calibration::SandHigh, "cidcSandHigh_testing", values, count, path, length);
}

SOILNET_EXPORT int cidcSandLow_testing(const double* values, int count, const char* path, int length)
{
    return drainedRoutine(soilnet::Calibration::SandLow, "cidcSandLow_testing", values, count, path, length);
}

SOILNET_EXPORT int ciucSand_testing(const double* values, int count, const char* path, int length)
{
    return routine(values, count, 4, path, length, [&](std::string& out) {
        const soilnet::UndrainedSpecimen s{values[0], values[1], values[2], values[3]};
        if (!soilnet::check(s).empty())
            return false;
        out = soilnet::undrainedFile(s, soilnet::undrained(s));
        return true;
    });
}
