#pragma once
// The report controls' way to the response library DLL/libsoilnet.so: which procedure a
// specimen gets, the call itself (the library loaded by name from the install folder, never
// from the current directory) and the result file read back. Every failure comes back as an
// error value; nothing here throws.
#include <QLibrary>
#include <QString>

#include <optional>
#include <span>
#include <vector>

namespace lx {

enum class SoilNetProcedure { CidcGravel, CidcSandHigh, CidcSandLow, CiucSand };

// A sand specimen at this effective confining stress (kPa) or above gets the high-stress routine.
inline constexpr double kSoilNetHighStressKPa = 700.0;

// The exported name ("cidcGravel_testing", ...).
const char* soilNetSymbol(SoilNetProcedure p);
// Header lines of the procedure's result file: 12 drained, 8 undrained.
int soilNetHeaderLines(SoilNetProcedure p);

// The test report's drained choice by soil letter: 'G' gravel; 'S' sand, high at
// confiningKPa >= 700, else low; any other letter (clay included) calls nothing.
std::optional<SoilNetProcedure> drainedProcedureForSoil(QChar soilLetter, double confiningKPa);
// The database-simulation report's choice by particle size: above 1.5 mm gravel, else sand
// as above.
SoilNetProcedure drainedProcedureForDiameter(double averageDiameterMm, double confiningKPa);
// The undrained choice: 'S' only.
std::optional<SoilNetProcedure> undrainedProcedureForSoil(QChar soilLetter);

enum class SoilNetError {
    None,
    LibraryMissing,       // DLL/libsoilnet.so cannot be loaded
    ProcedureMissing,     // the library lacks the procedure
    BadArguments,         // no values, too few values, or an unusable result-file path
    CallFailed,           // the procedure returned an error (its status in SoilNetResult::status)
    ResultFileUnwritable, // the procedure could not write its result file (status 3)
    ResultFileMissing,    // no result file at the path after the call
    ResultFileMalformed,  // a field is not a number, or the file ends inside its header
    ResultFileTruncated,  // the file ends in the middle of a row
    ResultFileTooLong,    // more rows than the reader accepts
};

// A message for the student: what failed, and the file or library it concerns.
QString soilNetErrorText(SoilNetError e, const QString& subject = {});

struct SoilNetRow {
    double axialStrain;        // %
    double deviatorStress;     // kPa
    double third;              // volumetric strain (%) or excess pore pressure (kPa)
};

struct SoilNetResult {
    SoilNetError error = SoilNetError::None;
    int status = 0;                 // the procedure's own return value
    QString message;                // soilNetErrorText of error, empty when None
    std::vector<SoilNetRow> rows;   // every complete row read (also those before an error)
    bool ok() const { return error == SoilNetError::None; }
};

// Reads a result file: skips headerLines lines, then takes the numbers to the end of the file
// (separated by commas, blanks or line ends) three at a time. A file that ends inside a row
// keeps the complete rows and reports ResultFileTruncated; beyond maxRows rows it stops with
// ResultFileTooLong. The caller thins and caps the rows to its table.
SoilNetResult readSoilNetResultFile(const QString& path, int headerLines, std::size_t maxRows = 100000);

class SoilNet {
public:
    // dllFolder: where libsoilnet.so lives; empty: the install folder's DLL folder.
    explicit SoilNet(const QString& dllFolder = {});

    // A private folder of this process (made on first use, removed at exit), for callers
    // that have no folder of their own (tools, tests). Empty when none can be had.
    static QString defaultResultFolder();
    // The file name of `name` (any folders dropped) inside `folder`, the private folder the
    // caller hands (empty: defaultResultFolder()).
    static QString resultFileIn(const QString& name, const QString& folder);

    // Runs the procedure on the caller's values, writing resultFile. Loads the library on
    // first use. The values are read only, and no further than values.size().
    SoilNetResult call(SoilNetProcedure p, std::span<const double> values, const QString& resultFile);
    // call(), then the result file read back.
    SoilNetResult simulate(SoilNetProcedure p, std::span<const double> values, const QString& resultFile);

    QString libraryFile() const { return library.fileName(); }

private:
    QLibrary library;
};

} // namespace lx
