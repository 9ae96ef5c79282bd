#include "controls/reportdata/ReportData.h"

#include "app/basGlobal.h"
#include "lab/StoredTest.h"
#include "platform/Database.h"
#include "soilnet/SoilNet.h"

namespace lx {

double referenceNumber(const QString& text)
{
    bool ok = false;
    const double v = text.trimmed().toDouble(&ok);
    if (!ok)
        throw ReportError(QStringLiteral("The reference number \"%1\" is not a number.").arg(text));
    return v;
}

QString ReferenceHeader::title() const { return QStringLiteral("Reference: ") + reference + QStringLiteral(", ") + date; }

QString ReferenceHeader::testType() const
{
    return QStringLiteral("Drained Triaxial Test for ") + soilDescription + QStringLiteral(".");
}

ReferenceHeader readReferenceHeader(Connection& connection, double reference, const QString& referenceText)
{
    Recordset head;
    head.Open(QStringLiteral("SELECT DISTINCT [Reference Number], Reference, Date, [Soil Description] from "
                             "Reference WHERE [Reference Number] = ?"),
              connection, adOpenStatic, adLockBatchOptimistic, {reference});
    if (head.eof())
        throw ReportError(QStringLiteral("The reference database holds no reference %1.").arg(referenceText));
    return {head.Fields(QStringLiteral("Reference")).toText(), head.Fields(QStringLiteral("Date")).toText(),
            head.Fields(QStringLiteral("Soil Description")).toText()};
}

ColumnMap referenceTestMap()
{
    return {ColumnRule::field(3).times(100), ColumnRule::field(4).rounded(2), ColumnRule::field(5).times(100)};
}

QString referenceTestSql()
{
    return QStringLiteral("SELECT * from TestResults WHERE ReferenceNumber = ? AND TestID = ?order by [Point Number]");
}

void readReportPoints(Recordset& rs, Connection& connection, DoubleStoredCurve& curve, const QString& sql,
                      const QVariantList& parameters, const ColumnMap& map, int cap)
{
    rs.Open(sql, connection, adOpenStatic, adLockBatchOptimistic, parameters);
    curve = DoubleStoredCurve(map, cap);
    curve.append(rs);
    if (curve.empty())
        throw ReportError(QStringLiteral("The test %1 has no stored points.").arg(parameters.value(parameters.size() - 1).toString()));
    LeftOutRows leftOut;
    leftOut.add(curve.lastAppend());
    tellLeftOut(leftOut);
}

QString runSoilNet(SoilNetProcedure procedure, std::span<const double> values, const QString& resultName)
{
    // The program's private folder once start-up has made it, else one of this process.
    const QString path = SoilNet::resultFileIn(resultName, basGlobal::TempPath);
    if (path.isEmpty())
        throw ReportError(soilNetErrorText(SoilNetError::BadArguments));
    SoilNet net;
    const SoilNetResult r = net.call(procedure, values, path);
    if (!r.ok())
        throw ReportError(r.message);
    return path;
}

void readSoilNetResult(DoubleStoredCurve& curve, const QString& path, int headerLines, bool thinned)
{
    const SoilNetResult r = readSoilNetResultFile(path, headerLines);
    if (!r.ok())
        throw ReportError(r.message);
    if (r.rows.empty())
        throw ReportError(QStringLiteral("The result file %1 holds no points.").arg(path));
    for (size_t i = 0; i < r.rows.size(); ++i) {
        if (thinned && i > 2 && i % 5 != 0)
            continue;
        const SoilNetRow& row = r.rows[i];
        if (!curve.addPoint({row.axialStrain, row.deviatorStress, row.third}))
            break;
    }
}

} // namespace lx
