#include "truetriaxial/TrueTriaxialReport.h"

#include "lab/ParamBoxes.h"
#include "lab/StoredTest.h"

#include "platform/Database.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <optional>

namespace truetriaxial {

ReportConditions reportConditions(Kind kind, lx::Recordset& testInfo, lx::Recordset& reference)
{
    const bool cube = kind == Kind::Cube;
    ReportConditions c;
    c.captions = {QStringLiteral("Liquid Limit (%): "),
                  QStringLiteral("Plasticity index (%):"),
                  QStringLiteral("Strain Rate (%/min):"),
                  QStringLiteral("Water Content (%):"),
                  cube ? QStringLiteral("Specimen Length (mm):") : QStringLiteral("Outer Diameter (mm):"),
                  cube ? QStringLiteral("Specimen Width (mm):") : QStringLiteral("Inner Diameter (mm):"),
                  QStringLiteral("Specimen Height (mm):"),
                  QStringLiteral("Specimen Preparation:"),
                  QStringLiteral("Average particle size (D50):"),
                  QStringLiteral("Confining pressure (kPa)::")};
    c.values.fill(lx::NotAvailable);
    const auto field = [](lx::Recordset& rs, int position, int decimals = -1) {
        if (rs.eof() || position >= rs.fieldCount())
            return lx::NotAvailable;
        return lx::ParamText(rs.Fields(position), {}, decimals);
    };
    if (!testInfo.eof())
        c.sand = testInfo.Fields(0).toDouble() >= 2000;
    if (c.sand) {
        c.captions[0] = QStringLiteral("Coef. of uniformity");
        c.captions[1] = QStringLiteral("Coef. of curvature");
        c.values[0] = field(testInfo, 10);
        c.values[1] = field(testInfo, 11);
        c.values[8] = field(testInfo, 9);
    } else {
        c.values[0] = field(testInfo, 2);
        c.values[1] = field(testInfo, 3);
    }
    c.values[2] = field(testInfo, 4);
    c.values[3] = field(testInfo, 5);
    c.values[9] = field(testInfo, 8, 1);
    for (int row = 4; row <= 7; ++row)
        c.values[size_t(row)] = field(reference, row);
    return c;
}

namespace {

double cubeStrain(std::span<const double> v) { return double(cubeOctStrain(v[0], v[1], v[2])); }
double cubeStress(std::span<const double> v) { return double(cubeOctStress(v[0], v[1], v[2])); }
double hollowStrain(std::span<const double> v) { return double(hollowOctStrain(v[0], v[1])); }
double hollowStress(std::span<const double> v) { return double(hollowOctStress(v[0], v[1])); }

} // namespace

lx::ColumnMap reportColumns(Kind kind)
{
    using lx::ColumnRule;
    if (kind == Kind::Cube)
        return {ColumnRule::computed({3, 4, 5}, cubeStrain), ColumnRule::computed({6, 7, 8}, cubeStress),
                ColumnRule::field(9).rounded(1)};
    return {ColumnRule::computed({3, 4}, hollowStrain), ColumnRule::computed({5, 6}, hollowStress), ColumnRule::field(7)};
}

QStringList ReportData::failureTexts(int t) const
{
    const int row = points.peakRow(OctStress, t);
    if (row < 0)
        return {};
    return {lx::SingleText(float(points.value(row, OctStress))), lx::SingleText(float(points.value(row, OctStrain))),
            lx::SingleText(float(points.value(row, PorePressure)))};
}

ReportData readReport(Kind kind, int nTests, const QStringList& titles, lx::Connection& connection)
{
    ReportData data;
    data.kind = kind;
    data.points = lx::StoredCurve(reportColumns(kind));
    lx::Recordset none, noReference;
    data.conditions = reportConditions(kind, none, noReference);
    if (nTests > MaxReportTests) {
        data.error = QStringLiteral("A report shows at most %1 tests.").arg(MaxReportTests);
        return data;
    }
    for (int k = 1; k <= nTests; ++k) {
        const QString id = titles.value(k).trimmed();
        lx::Recordset info;
        info.Open(testInfoByIdSql(), connection, lx::adOpenDynamic, lx::adLockUnspecified, {id});
        if (info.eof()) {
            data.error = QStringLiteral("The test ") + id + QStringLiteral(" is not among the stored tests.");
            return data;
        }
        ReportTest test;
        test.testId = id;
        test.bValue = info.Fields(6).toText();
        test.betaAngle = info.Fields(7).toText();
        if (k == 1) {
            lx::Recordset reference;
            reference.Open(referenceSql(info.Fields(0).toDouble()), connection, lx::adOpenDynamic, lx::adLockUnspecified);
            data.conditions = reportConditions(kind, info, reference);
        }
        const lx::LoadedTest loaded = lx::loadStoredTest(data.points, connection, {QString(), testResultsSql(), {id}, id});
        if (!loaded.ok()) {
            data.error = loaded.message;
            return data;
        }
        data.leftOut.add(data.points.lastAppend());
        data.tests.push_back(std::move(test));
    }
    return data;
}

ReportData readReport(int nTests, const QStringList& titles, const std::function<QString(Kind)>& connectionOf)
{
    const std::optional<Kind> kind = kindOfTitle(titles.value(0));
    ReportData data;
    if (!kind) {
        data.error = QStringLiteral("The report's title names no kind of test.");
        return data;
    }
    if (nTests <= 0) {
        data.kind = *kind;
        data.points = lx::StoredCurve(reportColumns(*kind));
        lx::Recordset none, noReference;
        data.conditions = reportConditions(*kind, none, noReference);
        return data;
    }
    try {
        lx::Connection connection;
        connection.Open(connectionOf(*kind));
        return readReport(*kind, nTests, titles, connection);
    } catch (const lx::DatabaseError& e) {
        data.kind = *kind;
        data.error = QStringLiteral("The stored tests could not be read.\r") + e.message();
        return data;
    }
}

int testColor(int k) { return k == 7 ? 8 : k; }

} // namespace truetriaxial
