// Checks over the three installed triaxial databases as built: every soil and stress the
// specimen dialog offers and every study window the parametric study queries finds its
// tests through the very SQL texts those windows run, the stored points keep the layout the
// replay screen and the reports read, and the curves behave as the soil models in
// data/README.md say (friction angles, dilation, pore pressures).
#include "DataTestSupport.h"
#include "controls/reportdata/ReportData.h"
#include "lab/ReportPage.h"
#include "controls/reportdata/TriaxialReportPage.h"
#include "platform/Database.h"
#include "platform/Numbers.h"

#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSet>

#include <algorithm>
#include <cmath>
#include <map>
#include <memory>
#include <vector>

using namespace lx;

namespace {

enum class File { Clay, SandCIDC, SandCIUC };

QString fileName(File f)
{
    switch (f) {
    case File::Clay: return QStringLiteral("LXClayCIUCnCIDCnUUC.lxr");
    case File::SandCIDC: return QStringLiteral("LXSandCIDC.lxr");
    case File::SandCIUC: return QStringLiteral("LXSandCIUC.lxr");
    }
    return {};
}

Connection& db(File f)
{
    static std::map<File, std::unique_ptr<Connection>> open;
    auto& c = open[f];
    if (!c) {
        c = std::make_unique<Connection>();
        c->Open(lx::ConnectionString::format(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/") + fileName(f), QStringLiteral("mobkel")));
    }
    return *c;
}

QString refText(double ref) { return DoubleText(ref); }

struct Point {
    long number;
    double strain, q, ev, u;
};

// The replay screen's query (no blank between the closing quote and "order").
std::vector<Point> points(File f, const QString& id)
{
    Recordset rs;
    rs.Open(QStringLiteral("SELECT * from TestResults WHERE TestID = ") + u'\'' + id + u'\'' + QStringLiteral("order by [Point Number]"),
            db(f), adOpenDynamic, adLockUnspecified);
    std::vector<Point> pts;
    for (; !rs.eof(); rs.MoveNext()) {
        for (int i = 0; i <= 6; ++i)
            EXPECT_FALSE(rs.Fields(i).isMissing()) << id.toStdString() << " field " << i;
        pts.push_back({long(rs.Fields(2).toDouble()), rs.Fields(3).toDouble(), rs.Fields(4).toDouble(),
                       rs.Fields(5).toDouble(), rs.Fields(6).toDouble()});
    }
    return pts;
}

struct InfoRow {
    QString id;
    std::vector<Field> fields;
};

std::vector<InfoRow> infoRows(File f, const QString& sql)
{
    Recordset rs;
    rs.Open(sql, db(f), adOpenDynamic, adLockUnspecified);
    std::vector<InfoRow> rows;
    for (; !rs.eof(); rs.MoveNext()) {
        InfoRow r{rs.Fields(1).toText(), {}};
        for (int i = 0; i < rs.fieldCount(); ++i)
            r.fields.push_back(rs.Fields(i));
        rows.push_back(r);
    }
    return rows;
}

// ------------------------------------------------------------------ the soil lists

struct SpecimenList {
    const char* specimen;
    const char* simType;
    std::vector<const char*> soils;
    File file;
    int stressPosition;
};

const std::vector<SpecimenList>& specimenLists()
{
    static const std::vector<SpecimenList> lists = {
        {"Clay", "CIDC", {"Clayey soil from Japan", "Soft Bangkok Clay", "Kaolin Clay"}, File::Clay, 6},
        {"Clay", "CIUC", {"Vicksburg Buckshot Clay", "Soft Bangkok Clay", "East Atchafalaya Clay"}, File::Clay, 6},
        {"Clay", "UUC ", {"Black Clay", "Soft Bothkennar Clay", "Lagunillas Clay", "Kawasaki Clay"}, File::Clay, 6},
        {"Gravel", "CIDC", {"Napa Basalt # 1", "Napa Basalt # 2", "New Hogan metavolcanic", "Cougar basalt"}, File::SandCIDC, 8},
        {"Sand", "CIDC", {"Ottawa sand", "Chattahoochee river sand", "Sacramento river sand", "Toyoura sand"}, File::SandCIDC, 8},
        {"Sand", "CIUC", {"Dune sand", "Sydney Sand", "Quebec Sand", "Hostun RF sand"}, File::SandCIUC, 8},
    };
    return lists;
}

double refNumber(const QString& soil, const QString& simType)
{
    static const std::map<QString, double> table = {
        {QStringLiteral("Clayey soil from Japan"), 4}, {QStringLiteral("Soft Bangkok Clay"), 5},
        {QStringLiteral("Kaolin Clay"), 15},          {QStringLiteral("Vicksburg Buckshot Clay"), 8},
        {QStringLiteral("East Atchafalaya Clay"), 8.1}, {QStringLiteral("Black Clay"), 117},
        {QStringLiteral("Soft Bothkennar Clay"), 118}, {QStringLiteral("Lagunillas Clay"), 119},
        {QStringLiteral("Kawasaki Clay"), 119.1},      {QStringLiteral("Napa Basalt # 1"), 1},
        {QStringLiteral("Napa Basalt # 2"), 26},       {QStringLiteral("New Hogan metavolcanic"), 26.1},
        {QStringLiteral("Cougar basalt"), 26.3},       {QStringLiteral("Ottawa sand"), 7},
        {QStringLiteral("Chattahoochee river sand"), 7.1}, {QStringLiteral("Sacramento river sand"), 20},
        {QStringLiteral("Sacramento river sand."), 20}, {QStringLiteral("Toyoura sand"), 30},
        {QStringLiteral("Dune sand"), 10},             {QStringLiteral("Dune Sand"), 10},
        {QStringLiteral("Sydney Sand"), 11},           {QStringLiteral("Quebec Sand"), 12.1},
        {QStringLiteral("Hostun RF sand"), 13},
    };
    if (soil == u"Soft Bangkok Clay" && simType.startsWith(u"CIUC"))
        return 5.1;
    return table.at(soil);
}

// Test type of each clay reference number (the clay file holds all three).
enum class ClayType { CIDC, CIUC, UUC };
ClayType clayType(double ref)
{
    if (ref == 4 || ref == 5 || ref == 15)
        return ClayType::CIDC;
    if (ref == 5.1 || ref == 8 || ref == 8.1)
        return ClayType::CIUC;
    return ClayType::UUC;
}

bool drainedTest(File f, double ref) { return f == File::SandCIDC || (f == File::Clay && clayType(ref) == ClayType::CIDC); }

// Every TestInfo row of a file with its reference number.
std::vector<InfoRow> allTests(File f) { return infoRows(f, QStringLiteral("SELECT * FROM TestInfo")); }

// ------------------------------------------------------------------ layout

class EveryFile : public ::testing::TestWithParam<File> {};

TEST_P(EveryFile, TestIdsAreUniqueAndEveryTestHasItsPointsInOrderFromTheUnloadedState)
{
    const File f = GetParam();
    const auto tests = allTests(f);
    ASSERT_FALSE(tests.empty());
    QSet<QString> ids;
    long rowsOfTests = 0;
    for (const InfoRow& t : tests) {
        SCOPED_TRACE(t.id.toStdString());
        EXPECT_TRUE(!t.id.isEmpty() && !t.id.contains(u'\''));
        EXPECT_FALSE(ids.contains(t.id.toUpper())) << "TestID used twice";
        ids.insert(t.id.toUpper());
        for (const Field& v : t.fields)
            EXPECT_FALSE(v.isMissing());

        const auto pts = points(f, t.id);
        rowsOfTests += long(pts.size());
        ASSERT_GE(pts.size(), 2u);
        ASSERT_LE(pts.size(), 301u);
        EXPECT_EQ(pts.front().strain, 0.0);
        EXPECT_EQ(pts.front().q, 0.0);
        EXPECT_EQ(pts.front().ev, 0.0);
        EXPECT_EQ(pts.front().u, 0.0);
        const bool drained = drainedTest(f, t.fields[0].toDouble());
        for (size_t i = 0; i < pts.size(); ++i) {
            if (i > 0) {
                EXPECT_GT(pts[i].number, pts[i - 1].number);
                // The replay rounds strains to 3 decimals: distinct points stay distinct.
                EXPECT_GE(Round(pts[i].strain, 3), Round(pts[i - 1].strain, 3) + 0.001 - 1e-12);
            }
            EXPECT_LE(pts[i].strain, 0.30 + 1e-12);   // fractions, up to 30 %
            EXPECT_GE(pts[i].q, 0.0);
            // The column a family does not read holds 0: no excess pore pressure when drained,
            // no volume change when undrained.
            if (drained)
                EXPECT_EQ(pts[i].u, 0.0);
            else
                EXPECT_EQ(pts[i].ev, 0.0);
            EXPECT_LT(std::abs(pts[i].ev), 0.25);
        }
        EXPECT_GE(pts.back().strain, 0.15) << "a test runs well past failure";
    }

    // No orphan points: every stored point belongs to a listed test, under its reference number.
    Recordset all;
    all.Open(QStringLiteral("SELECT COUNT(*) FROM TestResults"), db(f));
    EXPECT_EQ(long(all.Fields(0).toDouble()), rowsOfTests);
    Recordset mismatched;
    mismatched.Open(QStringLiteral("SELECT COUNT(*) FROM TestResults r JOIN TestInfo i ON r.TestID = i.TestID "
                                   "WHERE r.ReferenceNumber <> i.ReferenceNumber"),
                    db(f));
    EXPECT_EQ(mismatched.Fields(0).toDouble(), 0.0);
}

TEST_P(EveryFile, EveryReferenceNumberHasOneHonestReferenceRowReadByName)
{
    const File f = GetParam();
    QSet<double> refs;
    for (const InfoRow& t : allTests(f))
        refs.insert(t.fields[0].toDouble());
    for (double ref : refs) {
        SCOPED_TRACE(ref);
        Recordset rs;
        rs.Open(QStringLiteral("SELECT DISTINCT [Reference Number], Reference, Date, [Soil Description] from Reference WHERE "
                               "[Reference Number] = ") + refText(ref),
                db(f), adOpenStatic, adLockBatchOptimistic);
        ASSERT_EQ(rs.RecordCount(), 1);
        const QString text = rs.Fields(QStringLiteral("Reference")).toText();
        EXPECT_TRUE(text.endsWith(u" (synthetic test, Loamix model)")) << text.toStdString();
        EXPECT_FALSE(rs.Fields(QStringLiteral("Date")).toText().isEmpty());
        EXPECT_FALSE(rs.Fields(QStringLiteral("Soil Description")).toText().isEmpty());
    }
}

// The reports print "Reference: <reference>, <date>" in their title box: it names the soil
// first and fits the box whole (the box widens and its font shrinks, but only so far).
TEST_P(EveryFile, EveryReportTitleNamesItsSoilFirstAndFitsTheTitleLine)
{
    const File f = GetParam();
    std::map<double, QStringList> soilsOf;
    for (const SpecimenList& list : specimenLists())
        if (list.file == f)
            for (const char* soil : list.soils)
                soilsOf[refNumber(QString::fromLatin1(soil), QString::fromLatin1(list.simType))] << QString::fromLatin1(soil);
    ReportPage page(8000, 8500);
    const TriaxialReportPage report = addTriaxialReportPage(page);
    QSet<double> refs;
    for (const InfoRow& t : allTests(f))
        refs.insert(t.fields[0].toDouble());
    for (double ref : refs) {
        SCOPED_TRACE(ref);
        const ReferenceHeader head = readReferenceHeader(db(f), ref, refText(ref));
        const QStringList& soils = soilsOf[ref];
        ASSERT_FALSE(soils.isEmpty()) << "every stored soil is on a list";
        EXPECT_TRUE(std::any_of(soils.begin(), soils.end(), [&](const QString& soil) {
            return head.reference.startsWith(soil + QStringLiteral(" ("));
        })) << head.reference.toStdString();
        report.showTitle(head.title());
        const QLineEdit* box = report.txtTitle;
        // The line edit keeps 2 pixels free on either side of its text and one for the cursor.
        const int room = box->contentsRect().marginsRemoved(box->textMargins()).width() - 2 * 2 - 1;
        EXPECT_LE(QFontMetrics(box->font()).horizontalAdvance(head.title()), room) << head.title().toStdString();
    }
}

INSTANTIATE_TEST_SUITE_P(Triaxial, EveryFile, ::testing::Values(File::Clay, File::SandCIDC, File::SandCIUC),
                         [](const auto& info) { return fileName(info.param).section(u'.', 0, 0).toStdString(); });

TEST(TriaxialLayout, TheDatabaseReportReadsItsPointsInStoredOrderWithoutAnOrderingClause)
{
    for (const InfoRow& t : allTests(File::SandCIDC)) {
        Recordset rs;
        rs.Open(QStringLiteral("SELECT * from TestResults WHERE ReferenceNumber = ") + refText(t.fields[0].toDouble()) +
                    QStringLiteral(" AND TestID = ") + u'\'' + t.id + u'\'',
                db(File::SandCIDC), adOpenStatic, adLockBatchOptimistic);
        const auto ordered = points(File::SandCIDC, t.id);
        ASSERT_EQ(size_t(rs.RecordCount()), ordered.size());
        for (size_t i = 0; !rs.eof(); rs.MoveNext(), ++i)
            EXPECT_EQ(long(rs.Fields(2).toDouble()), ordered[i].number) << t.id.toStdString();
    }
}

// ------------------------------------------------------------------ specimen choice

TEST(SpecimenChoice, EverySoilOfEveryListOffersStressesAndEachStressFindsItsTest)
{
    for (const SpecimenList& list : specimenLists()) {
        for (const char* soil : list.soils) {
            SCOPED_TRACE(std::string(list.specimen) + " " + list.simType + " " + soil);
            const double ref = refNumber(QString::fromUtf8(soil), QString::fromLatin1(list.simType));
            // The dialog's query: no blank after "=".
            const auto rows = infoRows(list.file, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref));
            ASSERT_FALSE(rows.empty());
            QStringList stresses;
            for (const InfoRow& r : rows) {
                const QString s = DoubleText(Round(r.fields[size_t(list.stressPosition)].toDouble(), 0));
                if (!stresses.contains(s))
                    stresses << s;
            }
            for (const QString& s : stresses) {
                // The first test in stored order with that rounded stress is the one replayed.
                auto it = std::find_if(rows.begin(), rows.end(), [&](const InfoRow& r) {
                    return DoubleText(Round(r.fields[size_t(list.stressPosition)].toDouble(), 0)) == s;
                });
                ASSERT_NE(it, rows.end());
                EXPECT_GE(points(list.file, it->id).size(), 2u) << s.toStdString();
                EXPECT_GT(Val(s), 0.0);
            }
            if (list.file == File::Clay) {
                // Liquid limit, plasticity index and strain rate are shown; water content may be 0 (N/A).
                for (const InfoRow& r : rows) {
                    EXPECT_GT(r.fields[2].toDouble(), r.fields[3].toDouble());
                    EXPECT_GT(r.fields[3].toDouble(), 0.0);
                    EXPECT_GT(r.fields[4].toDouble(), 0.0);
                    EXPECT_GE(r.fields[5].toDouble(), 0.0);
                }
            } else {
                // The initialization summary's ranges for the particle parameters.
                const bool gravel = QByteArray(list.specimen) == "Gravel";
                for (const InfoRow& r : rows) {
                    SCOPED_TRACE(r.id.toStdString());
                    const double d = r.fields[2].toDouble();
                    EXPECT_TRUE(gravel ? d > 1.5 && d <= 45 : d >= 0.075 && d <= 1.5) << d;
                    EXPECT_TRUE(r.fields[3].toDouble() >= 1 && r.fields[3].toDouble() <= 65);
                    EXPECT_TRUE(r.fields[4].toDouble() >= 0.3 && r.fields[4].toDouble() <= 5);
                    EXPECT_TRUE(r.fields[5].toDouble() >= 3 && r.fields[5].toDouble() <= 7);
                    EXPECT_TRUE(r.fields[6].toDouble() >= 10 && r.fields[6].toDouble() <= 25);
                    EXPECT_TRUE(r.fields[7].toDouble() >= 0.2 && r.fields[7].toDouble() <= 1.2);
                }
            }
        }
    }
}

// ------------------------------------------------------------------ parametric study

struct Study {
    File file;
    const char* soil;
    const char* simType;
    bool voidRatioVaries;
    bool clay;
    float c, d;
};

const std::vector<Study>& studies()
{
    static const std::vector<Study> s = {
        {File::Clay, "Soft Bangkok Clay", "CIDC", false, true, 112, 1},
        {File::Clay, "Kaolin Clay", "CIDC", false, true, 0, 1},
        {File::Clay, "Soft Bangkok Clay", "CIUC", false, true, 112, 1},
        {File::Clay, "Vicksburg Buckshot Clay", "CIUC", false, true, 32, 1},
        {File::Clay, "East Atchafalaya Clay", "CIUC", false, true, 48, 1},
        {File::Clay, "Soft Bothkennar Clay", "UUC ", false, true, 0, 1},
        {File::Clay, "Lagunillas Clay", "UUC ", false, true, 61, 2},
        {File::SandCIDC, "Napa Basalt # 1", "CIDC", false, false, 0.66f, 0.01f},
        {File::SandCIDC, "Napa Basalt # 2", "CIDC", false, false, 0.66f, 0.02f},
        {File::SandCIDC, "New Hogan metavolcanic", "CIDC", false, false, 0.48f, 0.01f},
        {File::SandCIDC, "Cougar basalt", "CIDC", false, false, 0.5f, 0.01f},
        {File::SandCIDC, "Ottawa sand", "CIDC", false, false, 0.85f, 0.01f},
        {File::SandCIDC, "Chattahoochee river sand", "CIDC", false, false, 0.64f, 0.01f},
        {File::SandCIDC, "Sacramento river sand", "CIDC", false, false, 0.87f, 0.01f},
        {File::SandCIDC, "Toyoura sand", "CIDC", false, false, 0.61f, 0.01f},
        {File::SandCIUC, "Dune Sand", "CIUC", false, false, 0.765f, 0.03f},
        {File::SandCIUC, "Hostun RF sand", "CIUC", false, false, 0.92f, 0.01f},
        {File::SandCIUC, "Quebec Sand", "CIUC", false, false, 0.715f, 0.02f},
        {File::SandCIUC, "Sydney Sand", "CIUC", false, false, 0.86f, 0.02f},
        {File::SandCIDC, "Napa Basalt # 1", "CIDC", true, false, 3334, 1},
        {File::SandCIDC, "Napa Basalt # 2", "CIDC", true, false, 833, 1},
        {File::SandCIDC, "New Hogan metavolcanic", "CIDC", true, false, 2000, 1},
        {File::SandCIDC, "Cougar basalt", "CIDC", true, false, 400, 1},
        {File::SandCIDC, "Ottawa sand", "CIDC", true, false, 233, 1},
        {File::SandCIDC, "Chattahoochee river sand", "CIDC", true, false, 100, 1},
        {File::SandCIDC, "Sacramento river sand", "CIDC", true, false, 3805, 1},
        {File::SandCIDC, "Sacramento river sand.", "CIDC", true, false, 95, 1},
        {File::SandCIUC, "Dune Sand", "CIUC", true, false, 2800, 1},
    };
    return s;
}

TEST(ParametricStudy, EveryWindowListsAtLeastTwoDistinctValuesWhoseTestsFitOneReport)
{
    int capped = 0;
    for (const Study& st : studies()) {
        SCOPED_TRACE(std::string(st.simType) + " " + st.soil + (st.voidRatioVaries ? " (void ratio)" : " (pressure)"));
        const double ref = refNumber(QString::fromUtf8(st.soil), QString::fromLatin1(st.simType));
        const QString column = st.voidRatioVaries ? QStringLiteral(" And [Sigma3 (kPa)] BETWEEN ")
                               : st.clay          ? QStringLiteral(" And [WaterContent(%)] BETWEEN ")
                                                  : QStringLiteral(" And e BETWEEN ");
        const QString sql = QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = ") + refText(ref) + column +
                            SingleText(st.c - st.d) + QStringLiteral(" And ") + SingleText(st.c + st.d);
        const auto rows = infoRows(st.file, sql);
        ASSERT_FALSE(rows.empty()) << sql.toStdString();
        const int fixedPos = st.voidRatioVaries ? 8 : st.clay ? 5 : 7;
        const int variedPos = st.voidRatioVaries ? 7 : st.clay ? 6 : 8;
        QStringList values, listedIds, allValues;
        for (const InfoRow& r : rows) {
            // Values sit well inside the window, and a centre of 0 is stored as 0.
            const double fixed = r.fields[size_t(fixedPos)].toDouble();
            EXPECT_LE(std::abs(fixed - st.c), 0.5 * st.d + 1e-9) << r.id.toStdString();
            if (st.c == 0) {
                EXPECT_EQ(fixed, 0.0);
            }
            const QString v = DoubleText(Round(r.fields[size_t(variedPos)].toDouble(), st.voidRatioVaries ? 2 : 0));
            if (!allValues.contains(v))
                allValues << v;
            if (values.size() < 5 && !values.contains(v)) {
                values << v;
                listedIds << r.id;
            }
        }
        EXPECT_GE(values.size(), 2);
        if (allValues.size() > 5)
            ++capped;
        size_t total = 0;
        for (const QString& id : listedIds)
            total += points(st.file, id).size();
        EXPECT_LE(total, 301u) << "the study report holds 301 rows for all its tests";
    }
    EXPECT_GE(capped, 1) << "some window offers more than five values, so the cap of five shows";
}

TEST(ParametricStudy, SoilsWithoutAWaterContentStoreZeroForEveryTest)
{
    for (double ref : {15.0, 118.0})
        for (const InfoRow& r : infoRows(File::Clay, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref)))
            EXPECT_EQ(r.fields[5].toDouble(), 0.0) << r.id.toStdString();
}

// ------------------------------------------------------------------ physics

// Critical state lines, limiting void ratios, documented peak friction angles and the back
// pressure of the undrained tests (data/README.md).
struct Granular {
    double ref;
    File file;
    double eG, lambdaC, xi;
    double phiMin, phiMax;   // documented range of the peak friction angle, drained
    double eMin, eMax;
    double backPressure;     // kPa, undrained tests
};

const std::vector<Granular>& granular()
{
    static const std::vector<Granular> g = {
        {1, File::SandCIDC, 0.92, 0.042, 0.5, 36, 50, 0.45, 0.85, 0},     {26, File::SandCIDC, 0.93, 0.045, 0.5, 36, 50, 0.45, 0.85, 0},
        {26.1, File::SandCIDC, 0.74, 0.032, 0.5, 36, 50, 0.35, 0.70, 0},  {26.3, File::SandCIDC, 0.77, 0.035, 0.5, 36, 50, 0.38, 0.75, 0},
        {7, File::SandCIDC, 0.87, 0.028, 0.7, 29, 41, 0.51, 0.86, 0},     {7.1, File::SandCIDC, 0.945, 0.025, 0.6, 30, 45, 0.61, 1.10, 0},
        {20, File::SandCIDC, 0.94, 0.032, 0.6, 30, 45, 0.61, 1.03, 0},    {30, File::SandCIDC, 0.934, 0.019, 0.7, 38, 47, 0.597, 0.977, 0},
        {10, File::SandCIUC, 0.90, 0.03, 0.6, 0, 0, 0.60, 0.92, 300},     {11, File::SandCIUC, 0.86, 0.04, 0.7, 0, 0, 0.57, 0.91, 200},
        {12.1, File::SandCIUC, 0.87, 0.03, 0.7, 0, 0, 0.58, 0.90, 200},   {13, File::SandCIUC, 0.98, 0.03, 0.7, 0, 0, 0.648, 1.041, 300},
    };
    return g;
}

// Pore water cavitates near zero absolute pressure, a gauge pressure of about -100 kPa: the
// excess pore pressure of a test run at back pressure u_b cannot fall below -(u_b + 100).
double cavitationLimit(double backPressure) { return -(backPressure + 100); }

double stateParameter(const Granular& g, double e, double p) { return e - (g.eG - g.lambdaC * std::pow(p / 101.325, g.xi)); }

double peakFrictionAngle(const std::vector<Point>& pts, double sigma3)
{
    double qp = 0;
    for (const Point& p : pts)
        qp = std::max(qp, p.q);
    return std::asin(qp / (qp + 2 * sigma3)) * 180 / M_PI;
}

TEST(Physics, DrainedSandsAndGravelsPeakInTheirRangeDenseOnesDilateAndSoftenAndPhiFallsWithStress)
{
    for (const Granular& g : granular()) {
        if (g.file != File::SandCIDC)
            continue;
        SCOPED_TRACE(g.ref);
        const auto rows = infoRows(File::SandCIDC, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(g.ref));
        std::map<double, double> phiByStressAtFirstVoidRatio;
        std::map<double, bool> denseAtFirstVoidRatio;
        const double e0 = rows.front().fields[7].toDouble();
        int dense = 0;
        for (const InfoRow& r : rows) {
            SCOPED_TRACE(r.id.toStdString());
            const double e = r.fields[7].toDouble(), s3 = r.fields[8].toDouble();
            const auto pts = points(File::SandCIDC, r.id);
            const double phi = peakFrictionAngle(pts, s3);
            EXPECT_GE(phi, g.phiMin);
            EXPECT_LE(phi, g.phiMax);
            if (std::abs(e - e0) < 0.005)
                phiByStressAtFirstVoidRatio[s3] = phi;
            double evMax = 0, qMax = 0;
            size_t iq = 0;
            for (size_t i = 0; i < pts.size(); ++i) {
                evMax = std::max(evMax, pts[i].ev);
                if (pts[i].q > qMax) {
                    qMax = pts[i].q;
                    iq = i;
                }
            }
            EXPECT_GT(evMax, 0.0) << "every specimen first contracts";
            const double psi = stateParameter(g, e, s3);
            if (psi < -0.05) {
                ++dense;
                EXPECT_LT(pts.back().ev, evMax - 0.005) << "a dense specimen dilates";
                EXPECT_LT(iq + 1, pts.size()) << "and peaks before the end";
            }
            if (psi < -0.1) {
                EXPECT_LT(pts.back().q, 0.97 * qMax) << "then softens towards the critical state";
            }
            if (std::abs(e - e0) < 0.005)
                denseAtFirstVoidRatio[s3] = psi < -0.05;
            if (stateParameter(g, e, s3) > 0.05) {
                EXPECT_GT(pts.back().ev, 0.0) << "a loose specimen ends contracted";
            }
        }
        EXPECT_GE(dense, 1) << "each drained soil has a dense specimen";
        // The friction angle falls as the confining stress rises: markedly where the specimen
        // is dense at the lowest stress, hardly where it is loose throughout.
        ASSERT_GE(phiByStressAtFirstVoidRatio.size(), 2u);
        const double fall = phiByStressAtFirstVoidRatio.begin()->second - phiByStressAtFirstVoidRatio.rbegin()->second;
        EXPECT_GT(fall, denseAtFirstVoidRatio.begin()->second ? 2.0 : 0.2);
    }
}

TEST(Physics, UndrainedDenseSandsLosePorePressureAndGainStrengthWhileLooseOnesContract)
{
    int dense = 0, flowing = 0;
    for (const Granular& g : granular()) {
        if (g.file != File::SandCIUC)
            continue;
        for (const InfoRow& r : infoRows(File::SandCIUC, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(g.ref))) {
            SCOPED_TRACE(r.id.toStdString());
            const double e = r.fields[7].toDouble(), s3 = r.fields[8].toDouble();
            const auto pts = points(File::SandCIUC, r.id);
            double uMax = 0, qMax = 0;
            size_t iu = 0;
            for (size_t i = 0; i < pts.size(); ++i) {
                if (pts[i].u > uMax) {
                    uMax = pts[i].u;
                    iu = i;
                }
                qMax = std::max(qMax, pts[i].q);
            }
            EXPECT_GT(uMax, 0.0) << "pore pressure first rises";
            EXPECT_LT(pts.back().u, s3) << "effective stress never vanishes below zero";
            const double psi = stateParameter(g, e, s3);
            if (psi < -0.05) {
                ++dense;
                EXPECT_LT(pts.back().u, uMax - 0.2 * s3) << "a dilative specimen's pore pressure falls";
                EXPECT_GT(pts.back().q, 2 * pts[iu].q) << "and its strength keeps rising";
            }
            if (psi > 0.02) {
                EXPECT_GT(uMax, 0.5 * s3) << "a loose specimen builds pore pressure";
                EXPECT_GT(pts.back().u, 0.0);
                if (pts.back().q < 0.5 * qMax)
                    ++flowing;   // flow liquefaction: the strength drops after its peak
            }
        }
    }
    EXPECT_GE(dense, 3);
    EXPECT_GE(flowing, 2);
}

TEST(Physics, EverySandAndGravelSpecimenLiesBetweenItsLimitingVoidRatios)
{
    for (const Granular& g : granular()) {
        SCOPED_TRACE(g.ref);
        const auto rows = infoRows(g.file, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(g.ref));
        ASSERT_FALSE(rows.empty());
        for (const InfoRow& r : rows) {
            EXPECT_GE(r.fields[7].toDouble(), g.eMin) << r.id.toStdString();
            EXPECT_LE(r.fields[7].toDouble(), g.eMax) << r.id.toStdString();
        }
    }
}

TEST(Physics, UndrainedSandsCavitateAtTheirBackPressureAndThenShearAtConstantPorePressure)
{
    int cavitated = 0;
    for (const Granular& g : granular()) {
        if (g.file != File::SandCIUC)
            continue;
        const double limit = cavitationLimit(g.backPressure);
        for (const InfoRow& r : infoRows(File::SandCIUC, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(g.ref))) {
            SCOPED_TRACE(r.id.toStdString());
            const double s3 = r.fields[8].toDouble();
            const auto pts = points(File::SandCIUC, r.id);
            size_t first = pts.size();   // first point at the limit
            for (size_t i = 0; i < pts.size(); ++i) {
                EXPECT_GE(pts[i].u, limit) << "point " << pts[i].number;
                // Effective stresses: sigma3' = sigma3 - u; no mobilised friction angle beyond 45 degrees.
                const double s3eff = s3 - pts[i].u;
                ASSERT_GT(s3eff, 0.0);
                EXPECT_LE(std::asin(pts[i].q / (pts[i].q + 2 * s3eff)) * 180 / M_PI, 45.0) << "point " << pts[i].number;
                if (first == pts.size() && pts[i].u <= limit + 0.005)
                    first = i;
            }
            if (first == pts.size())
                continue;
            ++cavitated;
            // Once cavitated, the pore pressure stays at the limit, and the deviator stress stays
            // within the drained strength at sigma3' = sigma3 - limit (friction angle below 45 degrees,
            // checked above) while the specimen goes on shearing.
            for (size_t i = first; i < pts.size(); ++i)
                EXPECT_NEAR(pts[i].u, limit, 0.005) << "point " << pts[i].number;
            EXPECT_LT(first + 5, pts.size()) << "the curves go on after cavitation";
        }
    }
    EXPECT_GE(cavitated, 3) << "the dense sands reach the cavitation limit";
}

// Saturated clays: the stored water content is the void ratio of the sample over Gs
// (data/README.md: N placed so that it holds; p'0 = 0 means the series' lowest consolidation
// stress, normally consolidated).
struct ClayState {
    double ref;
    double gs, lambda, kappa, N, R, p0;
};

TEST(Physics, SaturatedClayWaterContentsMatchTheirVoidRatios)
{
    const ClayState clays[] = {
        {4, 2.68, 0.18, 0.03, 3.035, 1, 0},     {5, 2.70, 0.43, 0.06, 6.004, 1, 0},     {5.1, 2.70, 0.43, 0.06, 6.004, 1, 0},
        {8, 2.72, 0.15, 0.03, 2.561, 1, 0},     {8.1, 2.75, 0.30, 0.06, 3.702, 1, 0},   {117, 2.72, 0.22, 0.05, 3.128, 1.3, 248},
        {119, 2.70, 0.30, 0.05, 4.096, 1.25, 104}, {119.1, 2.68, 0.22, 0.04, 3.456, 1.3, 129},
    };
    for (const ClayState& c : clays) {
        SCOPED_TRACE(c.ref);
        const auto rows = infoRows(File::Clay, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(c.ref));
        ASSERT_FALSE(rows.empty());
        double p = c.p0;
        if (p == 0) {
            p = 1e9;
            for (const InfoRow& r : rows)
                p = std::min(p, r.fields[6].toDouble());
        }
        const double e = c.N - c.lambda * std::log(c.R * p) + c.kappa * std::log(c.R) - 1;
        for (const InfoRow& r : rows)
            EXPECT_NEAR(r.fields[5].toDouble(), 100 * e / c.gs, 1.0) << r.id.toStdString();
    }
}

TEST(Physics, ClaysFollowCamClay)
{
    std::map<double, std::vector<double>> uuStrength;
    for (const InfoRow& r : allTests(File::Clay)) {
        SCOPED_TRACE(r.id.toStdString());
        const double ref = r.fields[0].toDouble(), s3 = r.fields[6].toDouble();
        const auto pts = points(File::Clay, r.id);
        double qMax = 0;
        for (const Point& p : pts) {
            qMax = std::max(qMax, p.q);
            EXPECT_GE(p.u, cavitationLimit(0)) << "above the cavitation limit even without a back pressure";
        }
        switch (clayType(ref)) {
        case ClayType::CIDC: {
            // Normally consolidated, drained: contraction throughout, friction angle of a clay.
            for (size_t i = 1; i < pts.size(); ++i)
                EXPECT_GE(pts[i].ev, pts[i - 1].ev);
            const double phi = peakFrictionAngle(pts, s3);
            EXPECT_GE(phi, 18.0);
            EXPECT_LE(phi, 34.0);
            break;
        }
        case ClayType::CIUC:
            // Normally consolidated, undrained: positive pore pressure, Skempton's A at failure near 1.
            EXPECT_GT(pts.back().u, 0.0);
            EXPECT_GT(pts.back().u / pts.back().q, 0.7);
            EXPECT_LT(pts.back().u / pts.back().q, 1.6);
            EXPECT_GT(qMax / (2 * s3), 0.18);   // s_u / sigma3' of a normally consolidated clay
            EXPECT_LT(qMax / (2 * s3), 0.40);
            break;
        case ClayType::UUC:
            EXPECT_GT(pts.back().u, 0.0);
            uuStrength[ref].push_back(qMax);
            break;
        }
    }
    ASSERT_EQ(uuStrength.size(), 4u);
    for (const auto& [ref, q] : uuStrength) {
        // phi_u = 0: the same undrained strength whatever the cell pressure.
        const auto [lo, hi] = std::minmax_element(q.begin(), q.end());
        EXPECT_LT(*hi / *lo, 1.06) << ref;
    }
}

// Skempton's A at failure and s_u/sigma'3c of the normally consolidated CIUC clays, at the peak
// deviator stress, agree in every test with the table the CU/UU page gives of them (friction
// angle, Lambda, A_f, s_u/sigma'3c): above the 0.5 to 1.0 of normally consolidated clays and
// within the 0.75 to 1.5 of sensitive ones, s_u/sigma'3c at the low end of 0.25 to 0.35 or
// below it; and modified Cam-clay's A_f = 1/3 + (2^Lambda - 1)/M explains the page's A_f.
TEST(Physics, NormallyConsolidatedClaysGiveTheSkemptonAAndStrengthRatioTheirPageTabulates)
{
    const auto page = datatest::pageTable("LabTests_TestTypeTriaxial_CUnUU.htm", "stored-clays-af");
    const std::pair<const char*, double> clays[] = {
        {"Soft Bangkok Clay", 5.1}, {"Vicksburg Buckshot Clay", 8}, {"East Atchafalaya Clay", 8.1}};
    ASSERT_EQ(page.size(), std::size(clays)) << "the page's table has a row per stored CIUC clay";
    for (const auto& [soil, ref] : clays) {
        SCOPED_TRACE(soil);
        ASSERT_TRUE(page.count(QString::fromLatin1(soil)));
        const std::vector<double>& says = page.at(QString::fromLatin1(soil));
        ASSERT_EQ(says.size(), 4u);
        const double phi = says[0], lambdaRatio = says[1], af = says[2], strengthRatio = says[3];
        const double sine = std::sin(phi * M_PI / 180), M = 6 * sine / (3 - sine);
        EXPECT_NEAR(1.0 / 3 + (std::pow(2, lambdaRatio) - 1) / M, af, 0.01) << "the model's A_f";
        EXPECT_NEAR(M / 2 * std::pow(2, -lambdaRatio), strengthRatio, 0.006) << "the model's s_u/sigma'3c";
        EXPECT_GT(af, 1.0);
        EXPECT_LE(af, 1.5);
        EXPECT_LE(strengthRatio, 0.27);
        const auto tests = infoRows(File::Clay, QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + refText(ref));
        ASSERT_GE(tests.size(), 3u);
        for (const InfoRow& t : tests) {
            SCOPED_TRACE(t.id.toStdString());
            const double s3 = t.fields[6].toDouble();
            const auto pts = points(File::Clay, t.id);
            const Point& f = *std::max_element(pts.begin(), pts.end(), [](const Point& a, const Point& b) { return a.q < b.q; });
            const double s3f = s3 - f.u;
            EXPECT_NEAR(std::asin(f.q / (f.q + 2 * s3f)) * 180 / M_PI, phi, 0.06);
            // The page's two decimals, and the thousandths the tests of a clay scatter by.
            EXPECT_NEAR(f.u / f.q, af, 0.006);
            EXPECT_NEAR(f.q / 2 / s3, strengthRatio, 0.006);
        }
    }
}

// The consistency words of the clays agree with the undrained strengths of the CU/UU page's
// table: a UUC clay's name and description name the band every one of its tests falls in (its
// strength is that of the sample, whatever the cell pressure); a consolidated clay's strength
// grows with its consolidation stress, so its description names none (its name may: the clay
// in the ground).
TEST(Physics, ClayConsistencyWordsAgreeWithTheUndrainedStrengthsOfTheirTests)
{
    struct Band {
        const char* word;
        double from, below;   // s_u, kPa
    };
    const Band bands[] = {{"very soft", 0, 12}, {"soft", 12, 25}, {"firm", 25, 50}, {"stiff", 50, 100}, {"very stiff", 100, 200}};
    static const QRegularExpression word(QStringLiteral("\\b(very soft|soft|firm|very stiff|stiff|hard)\\b"),
                                         QRegularExpression::CaseInsensitiveOption);
    std::map<double, std::vector<double>> strengths;
    for (const InfoRow& r : allTests(File::Clay)) {
        double qMax = 0;
        for (const Point& p : points(File::Clay, r.id))
            qMax = std::max(qMax, p.q);
        strengths[r.fields[0].toDouble()].push_back(qMax / 2);
    }
    int named = 0;
    for (const auto& [ref, su] : strengths) {
        SCOPED_TRACE(ref);
        const auto rows = infoRows(File::Clay, QStringLiteral("SELECT * FROM Reference WHERE [Reference Number] = ") + refText(ref));
        ASSERT_EQ(rows.size(), 1u);
        const QString name = rows[0].fields[1].toText(), description = rows[0].fields[3].toText();
        SCOPED_TRACE(description.toStdString());
        if (clayType(ref) != ClayType::UUC) {
            EXPECT_FALSE(word.match(description).hasMatch()) << "a consolidated series has no one consistency";
            continue;
        }
        for (const QRegularExpressionMatch& m : word.globalMatch(name + u' ' + description)) {
            const QString w = m.captured(1).toLower();
            const Band* band = std::find_if(std::begin(bands), std::end(bands), [&](const Band& b) { return w == QLatin1String(b.word); });
            ASSERT_NE(band, std::end(bands)) << w.toStdString() << " is not in the page's table";
            for (double s : su) {
                EXPECT_GE(s, band->from) << w.toStdString();
                EXPECT_LT(s, band->below) << w.toStdString();
            }
            ++named;
        }
    }
    EXPECT_GE(named, 3) << "the UUC clays with a clear consistency name it";
}

} // namespace
