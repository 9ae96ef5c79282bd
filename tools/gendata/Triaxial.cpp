// The three triaxial reference databases: drained sands and gravels (LXSandCIDC), undrained
// sands (LXSandCIUC) and clays of all three test types (LXClayCIUCnCIDCnUUC). Every stored
// test is computed from the soil models of TriaxialModels.h with the constants below; the
// models, the constants and where their ranges come from are written down in data/README.md.
#include "Generator.h"
#include "TriaxialModels.h"

#include <QDir>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <set>
#include <stdexcept>

namespace {

using gendata::CsvWriter;
using namespace gendata::triaxial;

// The Date column: the year this data set was generated (a constant, so that running the
// generator again writes the same files).
const QString kGenerationYear = QStringLiteral("2026");

// The Reference column, which the reports print as their title ("Reference: <it>, <year>"):
// the soil first and short enough for the title line, and plain that the test is generated.
// The models themselves are described in data/README.md and the triaxial help page.
QString referenceText(const QString& soil) { return soil + QStringLiteral(" (synthetic test, Loamix model)"); }

// A number rounded to a number of decimals, written plainly (no exponent, no trailing zeros).
QString num(double v, int decimals)
{
    const double scale = std::pow(10.0, decimals);
    double r = std::round(v * scale) / scale;
    if (r == 0)
        r = 0;   // no "-0"
    char buf[64];
    const auto end = std::to_chars(buf, buf + sizeof buf, r, std::chars_format::fixed, decimals).ptr;
    QString t = QString::fromLatin1(buf, end - buf);
    if (t.contains(u'.')) {
        while (t.endsWith(u'0'))
            t.chop(1);
        if (t.endsWith(u'.'))
            t.chop(1);
    }
    return t;
}

QString refText(double ref) { return CsvWriter::num(ref); }

// ---------------------------------------------------------------- sands and gravels

struct GranularTest {
    double sigma3;
    double e;
};

struct GranularSoil {
    QString name;           // as the lists show it
    QString description;    // the Reference table's soil description
    double ref;
    QString code;           // TestID prefix
    double d50, cu, cc, hardness, shape;
    SandModel model;
    double strainMax;
    std::vector<GranularTest> tests;
    double eMin = 0, eMax = 0;     // limiting void ratios of the grading (every specimen lies between them)
    double backPressure = 0;       // undrained tests: the back pressure they were run with (kPa)

    GranularSoil& limits(double lo, double hi)
    {
        eMin = lo;
        eMax = hi;
        return *this;
    }
    GranularSoil& backPressured(double kPa)
    {
        backPressure = kPa;
        return *this;
    }
    // Tests at several confining stresses around one void ratio (the study window's centre;
    // specimens never hit the target exactly, so each sits a few thousandths off it).
    GranularSoil& stresses(std::initializer_list<double> sigma3, double e)
    {
        static const double off[] = {0, 0.002, -0.002, 0.001, -0.001, 0.003, -0.003};
        int i = 0;
        for (double s : sigma3)
            add(s, e + off[i++ % 7]);
        return *this;
    }
    // Tests at one confining stress with several void ratios.
    GranularSoil& voids(double sigma3, std::initializer_list<double> es)
    {
        for (double e : es)
            add(sigma3, e);
        return *this;
    }
    void add(double s, double e)
    {
        for (const GranularTest& t : tests)
            if (t.sigma3 == s && std::abs(t.e - e) < 0.0005)
                return;   // already there: one test serves both studies
        tests.push_back({s, std::round(e * 1000) / 1000});
    }
};

SandModel sand(double G0, double nu, double M, double eG, double lambdaC, double xi, double nb, double nd, double h1,
               double h2, double kh)
{
    SandModel m;
    m.G0 = G0;
    m.nu = nu;
    m.M = M;
    m.eG = eG;
    m.lambdaC = lambdaC;
    m.xi = xi;
    m.nb = nb;
    m.nd = nd;
    m.h1 = h1;
    m.h2 = h2;
    m.kh = kh;
    // Rowe's lowest friction angle phi_mu, a few degrees below the critical state angle.
    m.Mmu = M * 0.82;
    return m;
}

std::vector<GranularSoil> drainedSoils()
{
    std::vector<GranularSoil> s;
    // Gravels: crushed rockfill in large triaxial cells, tested to several MPa. A steep,
    // strongly curved critical state line stands for particle crushing.
    s.push_back({QStringLiteral("Napa Basalt # 1"), QStringLiteral("Napa basalt rockfill, crushed angular basalt gravel (grading 1)"),
                 1, QStringLiteral("NB1"), 6.5, 5.8, 1.3, 6.0, 23, sand(55, 0.15, 1.55, 0.92, 0.042, 0.5, 1.3, 3.0, 3.0, 2.6, 1.0),
                 0.20, {}});
    s.back().limits(0.45, 0.85).stresses({700, 1500, 3334, 4500}, 0.66).voids(3334, {0.56, 0.61, 0.71});
    s.push_back({QStringLiteral("Napa Basalt # 2"), QStringLiteral("Napa basalt rockfill, crushed angular basalt gravel (grading 2)"),
                 26, QStringLiteral("NB2"), 18, 8.5, 1.6, 6.0, 23, sand(50, 0.15, 1.55, 0.93, 0.045, 0.5, 1.3, 3.0, 3.0, 2.6, 1.0),
                 0.20, {}});
    s.back().limits(0.45, 0.85).stresses({833, 1666, 3000, 4500}, 0.66).voids(833, {0.56, 0.61, 0.72});
    s.push_back({QStringLiteral("New Hogan metavolcanic"), QStringLiteral("New Hogan metavolcanic rockfill, well-graded angular gravel"),
                 26.1, QStringLiteral("NHM"), 12, 10.5, 1.4, 5.5, 24, sand(60, 0.15, 1.5, 0.74, 0.032, 0.5, 1.3, 3.0, 3.0, 2.6, 1.0),
                 0.20, {}});
    s.back().limits(0.35, 0.70).stresses({700, 1400, 2000, 4500}, 0.48).voids(2000, {0.42, 0.45, 0.53});
    s.push_back({QStringLiteral("Cougar basalt"), QStringLiteral("Cougar basalt rockfill, crushed angular basalt gravel"), 26.3,
                 QStringLiteral("CGB"), 9, 6.5, 1.2, 6.0, 22, sand(55, 0.15, 1.55, 0.77, 0.035, 0.5, 1.3, 3.0, 3.0, 2.6, 1.0),
                 0.20, {}});
    s.back().limits(0.38, 0.75).stresses({400, 1000, 2000, 4000}, 0.50).voids(400, {0.44, 0.47, 0.56});
    // Sands. Ottawa sand is the fine F-65 grading, whose loosest packing lies above 0.85: the
    // study's loose series sits just inside it.
    s.push_back({QStringLiteral("Ottawa sand"), QStringLiteral("Ottawa sand (F-65 grading), fine uniform rounded quartz sand"), 7,
                 QStringLiteral("OTT"), 0.20, 1.6, 1.0, 7.0, 11, sand(60, 0.15, 1.2, 0.87, 0.028, 0.7, 1.1, 3.5, 3.15, 3.05, 1.0), 0.25, {}});
    s.back().limits(0.51, 0.86).stresses({50, 100, 233, 400, 600}, 0.85).voids(233, {0.55, 0.62, 0.70, 0.78});
    s.push_back({QStringLiteral("Chattahoochee river sand"), QStringLiteral("Chattahoochee river sand, subangular quartz and feldspar sand"),
                 7.1, QStringLiteral("CHR"), 0.45, 2.2, 1.1, 6.5, 17, sand(60, 0.15, 1.33, 0.945, 0.025, 0.6, 1.1, 3.5, 3.15, 3.05, 1.0),
                 0.25, {}});
    s.back().limits(0.61, 1.10).stresses({100, 400, 1000, 3000, 6000, 10000}, 0.64).voids(100, {0.70, 0.78, 0.86});
    s.push_back({QStringLiteral("Sacramento river sand"), QStringLiteral("Sacramento river sand, uniform subrounded to subangular sand"),
                 20, QStringLiteral("SAC"), 0.22, 1.5, 0.9, 6.5, 15, sand(60, 0.15, 1.36, 0.94, 0.032, 0.6, 1.1, 3.5, 3.15, 3.05, 1.0),
                 0.25, {}});
    s.back().limits(0.61, 1.03).stresses({95, 400, 1000, 2000, 3805, 6000}, 0.87).voids(3805, {0.61, 0.71, 0.78}).voids(95, {0.61, 0.68, 0.76});
    s.push_back({QStringLiteral("Toyoura sand"), QStringLiteral("Toyoura sand, uniform subangular quartz sand"), 30, QStringLiteral("TOY"),
                 0.19, 1.4, 1.0, 7.0, 16, sand(60, 0.15, 1.25, 0.934, 0.019, 0.7, 1.3, 3.5, 3.15, 3.05, 1.0), 0.25, {}});
    s.back().limits(0.597, 0.977).stresses({50, 100, 200, 400}, 0.61);
    return s;
}

std::vector<GranularSoil> undrainedSoils()
{
    std::vector<GranularSoil> s;
    s.push_back({QStringLiteral("Dune sand"), QStringLiteral("Dune sand, fine uniform rounded quartz sand"), 10, QStringLiteral("DUN"),
                 0.25, 1.5, 1.0, 6.5, 13, sand(60, 0.15, 1.25, 0.90, 0.03, 0.6, 1.1, 3.5, 3.15, 3.05, 1.0), 0.25, {}});
    s.back().limits(0.60, 0.92).backPressured(300).stresses({50, 100, 200, 400, 800, 1500, 2800}, 0.765).voids(2800, {0.70, 0.72, 0.81});
    s.push_back({QStringLiteral("Sydney Sand"), QStringLiteral("Sydney sand, uniform subrounded quartz sand"), 11, QStringLiteral("SYD"),
                 0.30, 1.6, 1.1, 7.0, 14, sand(60, 0.15, 1.22, 0.86, 0.04, 0.7, 1.1, 3.5, 3.15, 3.05, 1.0), 0.25, {}});
    s.back().limits(0.57, 0.91).backPressured(200).stresses({100, 200, 300, 500}, 0.86);
    s.push_back({QStringLiteral("Quebec Sand"), QStringLiteral("Quebec sand, subangular quartz sand"), 12.1, QStringLiteral("QUE"),
                 0.32, 1.8, 1.1, 7.0, 16, sand(60, 0.15, 1.28, 0.87, 0.03, 0.7, 1.1, 3.5, 3.15, 3.05, 1.0), 0.25, {}});
    s.back().limits(0.58, 0.90).backPressured(200).stresses({100, 200, 400, 600}, 0.715);
    s.push_back({QStringLiteral("Hostun RF sand"), QStringLiteral("Hostun RF sand, angular quartz sand"), 13, QStringLiteral("HRF"),
                 0.32, 1.7, 1.1, 7.0, 20, sand(60, 0.15, 1.3, 0.98, 0.03, 0.7, 1.1, 3.5, 3.15, 3.05, 1.0), 0.25, {}});
    s.back().limits(0.648, 1.041).backPressured(300).stresses({50, 100, 200, 300, 400}, 0.92);
    return s;
}

// The Reference and TestResults tables, alike in the three triaxial files.
QString referenceAndResultsSchema()
{
    return QStringLiteral(
        "CREATE TABLE Reference (\n"
        "  \"Reference Number\" REAL,\n"
        "  Reference TEXT,\n"
        "  Date TEXT,\n"
        "  \"Soil Description\" TEXT\n"
        ");\n"
        "-- Strains are fractions (0.01 = 1 %). A drained test has no excess pore pressure (0);\n"
        "-- an undrained test keeps its volume (volumetric strain 0).\n"
        "CREATE TABLE TestResults (\n"
        "  ReferenceNumber REAL,\n"
        "  TestID TEXT COLLATE NOCASE,\n"
        "  \"Point Number\" INTEGER,\n"
        "  \"Axial Strain\" REAL,\n"
        "  \"Deviator Stress (kPa)\" REAL,\n"
        "  \"Volumetric Strain\" REAL,\n"
        "  \"Pore Pressure (kPa)\" REAL\n"
        ");\n");
}

void writeGranular(const QString& dir, const std::vector<GranularSoil>& soils, bool drained)
{
    gendata::writeText(dir + QStringLiteral("/schema.sql"), QStringLiteral(
        "-- %1 triaxial compression tests of %2. Synthetic tests computed by tools/gendata from the\n"
        "-- soil models described in data/README.md; every Reference row says so.\n"
        "CREATE TABLE TestInfo (\n"
        "  ReferenceNumber REAL,\n"
        "  TestID TEXT COLLATE NOCASE,\n"
        "  \"Average Diameter (mm)\" REAL,\n"
        "  \"Coefficient of Uniformity\" REAL,\n"
        "  \"Coefficient of Concavity\" REAL,\n"
        "  Hardness REAL,\n"
        "  \"Shape Factor\" REAL,\n"
        "  e REAL,\n"
        "  \"Sigma3 (kPa)\" REAL\n"
        ");\n")
        .arg(drained ? QStringLiteral("Isotropically consolidated drained (CIDC)")
                     : QStringLiteral("Isotropically consolidated undrained (CIUC)"),
             drained ? QStringLiteral("sands and gravels") : QStringLiteral("sands"))
        + referenceAndResultsSchema());

    CsvWriter info(dir + QStringLiteral("/TestInfo.csv"),
                   {QStringLiteral("ReferenceNumber"), QStringLiteral("TestID"), QStringLiteral("Average Diameter (mm)"),
                    QStringLiteral("Coefficient of Uniformity"), QStringLiteral("Coefficient of Concavity"),
                    QStringLiteral("Hardness"), QStringLiteral("Shape Factor"), QStringLiteral("e"),
                    QStringLiteral("Sigma3 (kPa)")});
    CsvWriter ref(dir + QStringLiteral("/Reference.csv"), {QStringLiteral("Reference Number"), QStringLiteral("Reference"),
                                                          QStringLiteral("Date"), QStringLiteral("Soil Description")});
    CsvWriter res(dir + QStringLiteral("/TestResults.csv"),
                  {QStringLiteral("ReferenceNumber"), QStringLiteral("TestID"), QStringLiteral("Point Number"),
                   QStringLiteral("Axial Strain"), QStringLiteral("Deviator Stress (kPa)"),
                   QStringLiteral("Volumetric Strain"), QStringLiteral("Pore Pressure (kPa)")});
    std::set<QString> ids;
    for (const GranularSoil& soil : soils) {
        ref.row({refText(soil.ref), CsvWriter::text(referenceText(soil.name)),
                 kGenerationYear, CsvWriter::text(soil.description)});
        for (const GranularTest& t : soil.tests) {
            const QString id = QStringLiteral("%1-%2-%3").arg(soil.code).arg(std::lround(t.sigma3)).arg(std::lround(t.e * 1000), 3, 10,
                                                                                          QLatin1Char('0'));
            if (!ids.insert(id.toUpper()).second)
                throw std::logic_error("duplicate TestID " + id.toStdString());
            if (t.e < soil.eMin || t.e > soil.eMax)
                throw std::logic_error("void ratio outside the sand's limits: " + id.toStdString());
            info.row({refText(soil.ref), id, num(soil.d50, 3), num(soil.cu, 2), num(soil.cc, 2), num(soil.hardness, 1),
                      num(soil.shape, 1), num(t.e, 3), num(t.sigma3, 0)});
            const Curve path = drained ? soil.model.drained(t.e, t.sigma3, soil.strainMax)
                                       : soil.model.undrained(t.e, t.sigma3, soil.strainMax, soil.backPressure);
            const Curve c = resample(path, studyGrid(soil.strainMax));
            for (size_t i = 0; i < c.size(); ++i)
                res.row({refText(soil.ref), id, QString::number(i + 1), num(c.strain[i], 5), num(c.q[i], 2),
                         num(drained ? c.ev[i] : 0.0, 5), num(drained ? 0.0 : c.u[i], 2)});
        }
    }
    info.save();
    ref.save();
    res.save();
}

// ---------------------------------------------------------------- clays

enum class ClayTest { CIDC, CIUC, UUC };

struct ClaySpecimen {
    double sigma3;      // effective confining stress; for UUC the cell pressure
    double w;           // water content at preparation (%); 0 where the soil's record has none
    double p0;          // mean effective stress at the start of shear
};

struct ClaySoil {
    QString name;
    QString description;
    double ref;
    QString code;
    ClayTest type;
    double LL, PI, rate;
    CamClay model;
    double R;           // overconsolidation ratio at the start of shear
    double strainMax;
    double gridStep;    // 0: the study grid; else uniform steps
    std::vector<ClaySpecimen> tests;
    double gs = 0;      // specific gravity of the solids

    ClaySoil& solids(double specificGravity)
    {
        gs = specificGravity;
        return *this;
    }
    // Consolidated tests: sheared from the consolidation stress. The specimens are trimmed
    // from one sample, normally consolidated at the lowest stress of the series, whose
    // water content w they keep until consolidation.
    ClaySoil& consolidated(std::initializer_list<double> sigma3, double w)
    {
        static const double off[] = {0, 0.3, -0.3, 0.2, -0.2, 0.4, -0.4};
        int i = 0;
        for (double s : sigma3)
            tests.push_back({s, w == 0 ? 0.0 : w + off[i++ % 7], s});
        return saturatedAt(std::min(sigma3), w);
    }
    // Unconsolidated tests: every specimen keeps the effective stress it had after sampling,
    // whatever the cell pressure, with a few per cent of specimen-to-specimen scatter.
    ClaySoil& unconsolidated(std::initializer_list<double> cell, double w, double p0)
    {
        static const double off[] = {0, 0.4, -0.4, 0.6, -0.6, 0.2};
        static const double scatter[] = {1.0, 0.975, 1.02, 0.985, 1.01, 0.995};
        int i = 0;
        for (double s : cell) {
            tests.push_back({s, w == 0 ? 0.0 : w + off[i % 6], p0 * scatter[i % 6]});
            ++i;
        }
        return saturatedAt(p0, w);
    }

private:
    // A saturated sample at p' (with the soil's R) has e = Gs w: the normal compression line
    // is placed to pass through that state. A soil whose record keeps no water content
    // (w = 0) keeps its N.
    ClaySoil& saturatedAt(double p, double w)
    {
        if (w == 0)
            return *this;
        if (gs <= 0)
            throw std::logic_error("a clay with a water content needs its specific gravity");
        model.N += 1 + gs * w / 100 - model.specificVolume(p, R);
        return *this;
    }
};

CamClay camClay(double lambda, double kappa, double M, double N)
{
    CamClay m;
    m.lambda = lambda;
    m.kappa = kappa;
    m.M = M;
    m.N = N;
    m.nu = 0.3;
    return m;
}

// N given as 0 follows from the stored water content (ClaySoil::saturatedAt).
std::vector<ClaySoil> claySoils()
{
    using T = ClayTest;
    std::vector<ClaySoil> s;
    s.push_back({QStringLiteral("Clayey soil from Japan"), QStringLiteral("Clayey soil from Japan, normally consolidated, high plasticity (CH)"),
                 4, QStringLiteral("JPD"), T::CIDC, 55, 28, 0.005, camClay(0.18, 0.03, 1.2, 0), 1.0, 0.30, 0.001, {}});
    s.back().solids(2.68).consolidated({100, 200, 300, 400}, 45);
    s.push_back({QStringLiteral("Soft Bangkok Clay"), QStringLiteral("Bangkok clay, normally consolidated, high plasticity (CH)"), 5,
                 QStringLiteral("BKD"), T::CIDC, 118, 80, 0.002, camClay(0.43, 0.06, 0.95, 0), 1.0, 0.25, 0, {}});
    s.back().solids(2.70).consolidated({100, 200, 300, 400}, 112);
    s.push_back({QStringLiteral("Kaolin Clay"), QStringLiteral("Kaolin clay, normally consolidated from slurry, high plasticity (CH)"), 15,
                 QStringLiteral("KAO"), T::CIDC, 62, 32, 0.004, camClay(0.25, 0.05, 0.9, 3.40), 1.0, 0.25, 0, {}});
    s.back().solids(2.62).consolidated({100, 150, 200, 300, 400, 500, 600}, 0);
    s.push_back({QStringLiteral("Soft Bangkok Clay"), QStringLiteral("Bangkok clay, normally consolidated, high plasticity (CH)"), 5.1,
                 QStringLiteral("BKU"), T::CIUC, 118, 80, 0.01, camClay(0.43, 0.06, 0.95, 0), 1.0, 0.20, 0, {}});
    s.back().solids(2.70).consolidated({100, 200, 300, 400}, 112);
    s.push_back({QStringLiteral("Vicksburg Buckshot Clay"), QStringLiteral("Vicksburg buckshot clay, normally consolidated, high plasticity (CH)"),
                 8, QStringLiteral("VBC"), T::CIUC, 62, 39, 0.05, camClay(0.15, 0.03, 0.85, 0), 1.0, 0.20, 0, {}});
    s.back().solids(2.72).consolidated({100, 200, 400, 600}, 32);
    s.push_back({QStringLiteral("East Atchafalaya Clay"), QStringLiteral("East Atchafalaya clay, normally consolidated, high plasticity (CH)"),
                 8.1, QStringLiteral("EAC"), T::CIUC, 95, 70, 0.05, camClay(0.30, 0.06, 0.80, 0), 1.0, 0.20, 0, {}});
    s.back().solids(2.75).consolidated({100, 200, 400}, 48);
    s.push_back({QStringLiteral("Black Clay"), QStringLiteral("Black clay, stiff, high plasticity (CH)"), 117, QStringLiteral("BLK"), T::UUC,
                 78, 48, 1.0, camClay(0.22, 0.05, 0.9, 0), 1.3, 0.30, 0.002, {}});
    s.back().solids(2.72).unconsolidated({100, 200, 400}, 32, 248);
    s.push_back({QStringLiteral("Soft Bothkennar Clay"), QStringLiteral("Soft Bothkennar clay, lightly overconsolidated, high plasticity (CH)"),
                 118, QStringLiteral("BOT"), T::UUC, 70, 42, 1.0, camClay(0.30, 0.04, 1.35, 4.0), 1.3, 0.15, 0, {}});
    s.back().solids(2.65).unconsolidated({50, 100, 150, 200}, 0, 50);
    s.push_back({QStringLiteral("Lagunillas Clay"), QStringLiteral("Lagunillas clay, firm, high plasticity (CH)"), 119, QStringLiteral("LAG"),
                 T::UUC, 85, 55, 1.0, camClay(0.30, 0.05, 1.0, 0), 1.25, 0.20, 0, {}});
    s.back().solids(2.70).unconsolidated({100, 200, 300, 400}, 61, 104);
    s.push_back({QStringLiteral("Kawasaki Clay"), QStringLiteral("Kawasaki clay, marine clay, high plasticity (CH)"), 119.1,
                 QStringLiteral("KAW"), T::UUC, 65, 38, 1.0, camClay(0.22, 0.04, 1.1, 0), 1.3, 0.20, 0.002, {}});
    s.back().solids(2.68).unconsolidated({100, 200, 300}, 50, 129);
    return s;
}

void writeClays(const QString& dir)
{
    gendata::writeText(dir + QStringLiteral("/schema.sql"), QStringLiteral(
        "-- Triaxial compression tests of clays: isotropically consolidated drained (CIDC) and\n"
        "-- undrained (CIUC), and unconsolidated undrained (UUC). Synthetic tests computed by\n"
        "-- tools/gendata from the soil models described in data/README.md; every Reference row says so.\n"
        "CREATE TABLE TestInfo (\n"
        "  ReferenceNumber REAL,\n"
        "  TestID TEXT COLLATE NOCASE,\n"
        "  \"Liquid Limit (%)\" REAL,\n"
        "  \"Plasticity Index (%)\" REAL,\n"
        "  \"Strain Rate (%/min)\" REAL,\n"
        "  \"WaterContent(%)\" REAL,\n"
        "  \"Sigma3 (kPa)\" REAL\n"
        ");\n") + referenceAndResultsSchema());
    CsvWriter info(dir + QStringLiteral("/TestInfo.csv"),
                   {QStringLiteral("ReferenceNumber"), QStringLiteral("TestID"), QStringLiteral("Liquid Limit (%)"),
                    QStringLiteral("Plasticity Index (%)"), QStringLiteral("Strain Rate (%/min)"),
                    QStringLiteral("WaterContent(%)"), QStringLiteral("Sigma3 (kPa)")});
    CsvWriter ref(dir + QStringLiteral("/Reference.csv"), {QStringLiteral("Reference Number"), QStringLiteral("Reference"),
                                                          QStringLiteral("Date"), QStringLiteral("Soil Description")});
    CsvWriter res(dir + QStringLiteral("/TestResults.csv"),
                  {QStringLiteral("ReferenceNumber"), QStringLiteral("TestID"), QStringLiteral("Point Number"),
                   QStringLiteral("Axial Strain"), QStringLiteral("Deviator Stress (kPa)"),
                   QStringLiteral("Volumetric Strain"), QStringLiteral("Pore Pressure (kPa)")});
    std::set<QString> ids;
    for (const ClaySoil& soil : claySoils()) {
        const bool drained = soil.type == ClayTest::CIDC;
        ref.row({refText(soil.ref), CsvWriter::text(referenceText(soil.name)),
                 kGenerationYear, CsvWriter::text(soil.description)});
        for (const ClaySpecimen& t : soil.tests) {
            const QString id = QStringLiteral("%1-%2").arg(soil.code).arg(std::lround(t.sigma3), 3, 10, QLatin1Char('0'));
            if (!ids.insert(id.toUpper()).second)
                throw std::logic_error("duplicate TestID " + id.toStdString());
            info.row({refText(soil.ref), id, num(soil.LL, 1), num(soil.PI, 1), num(soil.rate, 4), num(t.w, 1),
                      num(t.sigma3, 0)});
            const Curve path = drained ? soil.model.drained(t.p0, soil.R, soil.strainMax)
                                       : soil.model.undrained(t.p0, soil.R, soil.strainMax);
            const Curve c = resample(path, soil.gridStep > 0 ? uniformGrid(soil.gridStep, soil.strainMax)
                                                             : studyGrid(soil.strainMax));
            for (size_t i = 0; i < c.size(); ++i)
                res.row({refText(soil.ref), id, QString::number(i + 1), num(c.strain[i], 5), num(c.q[i], 2),
                         num(drained ? c.ev[i] : 0.0, 5), num(drained ? 0.0 : c.u[i], 2)});
        }
    }
    info.save();
    ref.save();
    res.save();
}

void generate(const QString& dataDir)
{
    writeGranular(dataDir + QStringLiteral("/LXSandCIDC"), drainedSoils(), true);
    writeGranular(dataDir + QStringLiteral("/LXSandCIUC"), undrainedSoils(), false);
    writeClays(dataDir + QStringLiteral("/LXClayCIUCnCIDCnUUC"));
}

const gendata::Register reg{"triaxial", generate};

} // namespace
