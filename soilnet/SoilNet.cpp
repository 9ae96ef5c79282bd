#include "SoilNet.h"

#include "platform/Paths.h"

#include <QFile>
#include <QFileInfo>

#include <charconv>
#include <cmath>

namespace lx {

namespace {

using Procedure = int (*)(const double*, int, const char*, int);

// One number of a result file, in the C locale whatever the program's.
bool parseNumber(const char* begin, const char* end, double& out)
{
    if (begin != end && *begin == '+')
        ++begin;
    const auto r = std::from_chars(begin, end, out);
    return r.ec == std::errc() && r.ptr == end && std::isfinite(out);
}

bool isSeparator(char c) { return c == ',' || c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

SoilNetResult failure(SoilNetError e, const QString& subject, std::vector<SoilNetRow> rows = {}, int status = 0)
{
    SoilNetResult r;
    r.error = e;
    r.status = status;
    r.message = soilNetErrorText(e, subject);
    r.rows = std::move(rows);
    return r;
}

} // namespace

const char* soilNetSymbol(SoilNetProcedure p)
{
    switch (p) {
    case SoilNetProcedure::CidcGravel: return "cidcGravel_testing";
    case SoilNetProcedure::CidcSandHigh: return "cidcSandHigh_testing";
    case SoilNetProcedure::CidcSandLow: return "cidcSandLow_testing";
    case SoilNetProcedure::CiucSand: return "ciucSand_testing";
    }
    return "";
}

int soilNetHeaderLines(SoilNetProcedure p) { return p == SoilNetProcedure::CiucSand ? 8 : 12; }

std::optional<SoilNetProcedure> drainedProcedureForSoil(QChar soilLetter, double confiningKPa)
{
    if (soilLetter == u'G')
        return SoilNetProcedure::CidcGravel;
    if (soilLetter == u'S')
        return confiningKPa >= kSoilNetHighStressKPa ? SoilNetProcedure::CidcSandHigh : SoilNetProcedure::CidcSandLow;
    return std::nullopt;
}

SoilNetProcedure drainedProcedureForDiameter(double averageDiameterMm, double confiningKPa)
{
    if (averageDiameterMm > 1.5)
        return SoilNetProcedure::CidcGravel;
    return *drainedProcedureForSoil(u'S', confiningKPa);
}

std::optional<SoilNetProcedure> undrainedProcedureForSoil(QChar soilLetter)
{
    if (soilLetter == u'S')
        return SoilNetProcedure::CiucSand;
    return std::nullopt;
}

QString soilNetErrorText(SoilNetError e, const QString& subject)
{
    QString text;
    switch (e) {
    case SoilNetError::None: return {};
    case SoilNetError::LibraryMissing: text = QStringLiteral("The simulation library cannot be loaded."); break;
    case SoilNetError::ProcedureMissing: text = QStringLiteral("The simulation library lacks the procedure asked for."); break;
    case SoilNetError::BadArguments: text = QStringLiteral("The simulation was not given a specimen and a result file."); break;
    case SoilNetError::CallFailed: text = QStringLiteral("The simulation could not be run for this specimen."); break;
    case SoilNetError::ResultFileUnwritable: text = QStringLiteral("The simulation's result file could not be written."); break;
    case SoilNetError::ResultFileMissing: text = QStringLiteral("The simulation wrote no result file."); break;
    case SoilNetError::ResultFileMalformed: text = QStringLiteral("The simulation's result file cannot be read."); break;
    case SoilNetError::ResultFileTruncated: text = QStringLiteral("The simulation's result file ends in the middle of a row."); break;
    case SoilNetError::ResultFileTooLong: text = QStringLiteral("The simulation's result file holds too many rows."); break;
    }
    if (!subject.isEmpty())
        text += QStringLiteral("\r(") + subject + u')';
    return text;
}

SoilNetResult readSoilNetResultFile(const QString& path, int headerLines, std::size_t maxRows)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return failure(SoilNetError::ResultFileMissing, path);
    // Lines are read whole: a file far beyond any result (a few hundred kB) is refused first.
    constexpr qint64 kMaxBytes = 64 << 20;
    if (file.size() > kMaxBytes)
        return failure(SoilNetError::ResultFileTooLong, path);
    int line = 0;
    for (; line < headerLines; ++line)
        if (file.readLine().isEmpty() && file.atEnd())
            return failure(SoilNetError::ResultFileMalformed, QStringLiteral("%1: ends inside its header").arg(path));

    SoilNetResult result;
    double row[3];
    int filled = 0;
    while (!file.atEnd()) {
        const QByteArray text = file.readLine();
        ++line;
        const char* p = text.constData();
        const char* end = p + text.size();
        while (p != end) {
            while (p != end && isSeparator(*p))
                ++p;
            const char* start = p;
            while (p != end && !isSeparator(*p))
                ++p;
            if (start == p)
                continue;
            if (!parseNumber(start, p, row[filled]))
                return failure(SoilNetError::ResultFileMalformed, QStringLiteral("%1, line %2").arg(path).arg(line),
                               std::move(result.rows));
            if (++filled == 3) {
                if (result.rows.size() == maxRows)
                    return failure(SoilNetError::ResultFileTooLong, path, std::move(result.rows));
                result.rows.push_back({row[0], row[1], row[2]});
                filled = 0;
            }
        }
    }
    if (filled != 0)
        return failure(SoilNetError::ResultFileTruncated, QStringLiteral("%1, line %2").arg(path).arg(line),
                       std::move(result.rows));
    return result;
}

SoilNet::SoilNet(const QString& dllFolder)
{
    const QString folder = dllFolder.isEmpty() ? installPath(QStringLiteral("DLL")) : dllFolder;
    // An absolute name: QLibrary adds "lib" and ".so" and searches nowhere else.
    library.setFileName(QFileInfo(folder).absoluteFilePath() + QStringLiteral("/soilnet"));
}

QString SoilNet::defaultResultFolder()
{
    static const std::unique_ptr<InstanceFolder> own = InstanceFolder::create();
    return own ? own->path() : QString();
}

QString SoilNet::resultFileIn(const QString& name, const QString& folder)
{
    QString dir = folder.isEmpty() ? defaultResultFolder() : folder;
    const QString base = QFileInfo(QString(name).replace(u'\\', u'/')).fileName();
    if (dir.isEmpty() || base.isEmpty())
        return {};
    if (!dir.endsWith(u'/'))
        dir += u'/';
    return dir + base;
}

SoilNetResult SoilNet::call(SoilNetProcedure p, std::span<const double> values, const QString& resultFile)
{
    const QByteArray path = resultFile.toUtf8();
    if (values.empty() || path.isEmpty() || path.contains('\0'))
        return failure(SoilNetError::BadArguments, resultFile);
    if (!library.isLoaded() && !library.load())
        return failure(SoilNetError::LibraryMissing, library.errorString());
    auto procedure = reinterpret_cast<Procedure>(library.resolve(soilNetSymbol(p)));
    if (!procedure)
        return failure(SoilNetError::ProcedureMissing, QString::fromLatin1(soilNetSymbol(p)));
    // An old file must not pass for this call's result.
    QFile::remove(resultFile);
    const int status = procedure(values.data(), int(values.size()), path.constData(), int(path.size()));
    // The library's own status for a result file it could not write: the specimen was fine.
    constexpr int resultFileNotWritten = 3;
    if (status == resultFileNotWritten)
        return failure(SoilNetError::ResultFileUnwritable, resultFile, {}, status);
    if (status != 0)
        return failure(SoilNetError::CallFailed, QStringLiteral("%1 returned %2").arg(soilNetSymbol(p)).arg(status), {},
                       status);
    if (!QFileInfo::exists(resultFile))
        return failure(SoilNetError::ResultFileMissing, resultFile);
    return {};
}

SoilNetResult SoilNet::simulate(SoilNetProcedure p, std::span<const double> values, const QString& resultFile)
{
    SoilNetResult r = call(p, values, resultFile);
    if (!r.ok())
        return r;
    return readSoilNetResultFile(resultFile, soilNetHeaderLines(p));
}

} // namespace lx
