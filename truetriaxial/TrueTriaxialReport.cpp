#include "truetriaxial/TrueTriaxialReport.h"

#include "lab/ParamBoxes.h"

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

int ReportTest::peakIndex() const
{
    if (stress.empty())
        return -1;
    // max_element finds the first of equal largest values.
    return int(std::max_element(stress.begin(), stress.end()) - stress.begin());
}

QString ReportTest::peakStressText() const
{
    const int i = peakIndex();
    return i < 0 ? QString() : lx::SingleText(stress[size_t(i)]);
}

QString ReportTest::peakStrainText() const
{
    const int i = peakIndex();
    return i < 0 ? QString() : lx::SingleText(strain[size_t(i)]);
}

QString ReportTest::peakPoreText() const
{
    const int i = peakIndex();
    return i < 0 ? QString() : lx::SingleText(pore[size_t(i)]);
}

namespace {

struct OctPoint {
    float strain, stress, pore;
};

// The octahedral point of a TestResults row; none when a value it needs is missing.
std::optional<OctPoint> octPoint(Kind kind, lx::Recordset& row)
{
    const int last = kind == Kind::Cube ? 9 : 7;
    if (row.fieldCount() <= last)
        throw lx::DatabaseError(QStringLiteral("The stored test has too few columns."));
    for (int p = 3; p <= last; ++p)
        if (row.Fields(p).isMissing())
            return std::nullopt;
    const auto v = [&](int p) { return row.Fields(p).toDouble(); };
    if (kind == Kind::Cube)
        return OctPoint{cubeOctStrain(v(3), v(4), v(5)), cubeOctStress(v(6), v(7), v(8)), float(lx::Round(v(9), 1))};
    return OctPoint{hollowOctStrain(v(3), v(4)), hollowOctStress(v(5), v(6)), float(v(7))};
}

} // namespace

ReportData readReport(Kind kind, int nTests, const QStringList& titles, lx::Connection& connection)
{
    ReportData data;
    data.kind = kind;
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
        lx::Recordset points;
        points.Open(testResultsSql(), connection, lx::adOpenDynamic, lx::adLockUnspecified, {id});
        for (points.MoveFirst(); !points.eof(); points.MoveNext())
            if (const std::optional<OctPoint> p = octPoint(kind, points)) {
                test.strain.push_back(p->strain);
                test.stress.push_back(p->stress);
                test.pore.push_back(p->pore);
            }
        if (test.stress.empty()) {
            data.error = QStringLiteral("The database holds no points for the test ") + id + u'.';
            return data;
        }
        data.tests.push_back(std::move(test));
    }
    return data;
}

ReportData readReport(int nTests, const QStringList& titles)
{
    const std::optional<Kind> kind = kindOfTitle(titles.value(0));
    ReportData data;
    if (!kind) {
        data.error = QStringLiteral("The report's title names no kind of test.");
        return data;
    }
    if (nTests <= 0) {
        data.kind = *kind;
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
