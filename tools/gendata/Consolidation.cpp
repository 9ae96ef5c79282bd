// One-dimensional consolidation tests (LX1DConsolidation): incremental loading (IL) with load
// doubling and unloading, and constant rate of strain (CRS) with a continuous curve.
//
// Compression model (data/README.md): the bi-logarithmic law of Butterfield,
// log10(1 + e) falling linearly with log10 sigma'v, with a recompression slope below the
// preconsolidation stress and a virgin slope above it, joined smoothly over a width of w decades.
// Its local compression index Cc = -de/dlog10 sigma'v = (1 + e) ln10 rho falls as the clay
// compresses, as measured curves do. Unloading follows a straight swelling line of index Cs.
#include "OtherFamilies.h"

#include <QDir>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace gendata::other {
namespace {

struct Clay {
    const char* name;           // as the set-up form lists it
    double ref;                 // reference number
    const char* testId;
    bool crs;
    double liquidLimit, plasticityIndex;
    double e0;                  // void ratio at the first (seating) stress
    double cc;                  // virgin compression index just past the preconsolidation stress
    double cr;                  // recompression index
    double cs;                  // swelling index of the unloading branch
    double sigmaP;              // preconsolidation stress, kPa
    double sigmaFirst;          // first (seating) stress, kPa
    double sigmaMax;            // largest stress, kPa
    double width;               // width of the yield rounding, decades
    double strainRate;          // %/min, CRS only
    double height, diameter;    // specimen, mm
    const char* specimenType;
    const char* description;
    double ccLow, ccHigh;       // published range of the compression index of this clay
};

// IL and CRS clays in the order of the set-up form's lists.
const Clay clays[] = {
    {"Singapore Clay", 1001, "IL-SGC-01", false, 82, 52, 2.05, 0.90, 0.12, 0.16, 55, 12.5, 3200, 0.12, 0, 19, 63.5,
     "Undisturbed (piston tube)",
     "Soft upper marine clay of high plasticity (CH), lightly overconsolidated", 0.6, 1.1},
    {"Taipei lacustrine soft clay", 1003, "IL-TPC-01", false, 41, 19, 1.08, 0.36, 0.05, 0.065, 130, 12.5, 3200, 0.12, 0, 19, 63.5,
     "Undisturbed (thin-walled tube)",
     "Soft lacustrine silty clay of low plasticity (CL)", 0.25, 0.45},
    {"Artificially Made Clayey Silt", 1006, "IL-ACS-01", false, 31, 10, 0.84, 0.17, 0.025, 0.03, 40, 12.5, 1600, 0.15, 0, 19, 63.5,
     "Reconstituted from slurry, consolidated at 40 kPa",
     "Clayey silt of low plasticity mixed in the laboratory (CL by its limits), preconsolidated from slurry", 0.10, 0.25},
    {"Silt with 29% Kalinite Clay", 1002, "IL-SKC-01", false, 28, 9, 0.79, 0.14, 0.02, 0.025, 30, 6.25, 800, 0.15, 0, 19, 63.5,
     "Reconstituted from slurry, consolidated at 30 kPa",
     "Silt with 29 % kaolinite clay by mass, of low plasticity (CL by its limits), preconsolidated from slurry", 0.08, 0.22},
    {"Ooty Silt", 1002.2, "IL-OTS-01", false, 47, 16, 1.16, 0.28, 0.04, 0.05, 75, 12.5, 1600, 0.12, 0, 19, 63.5,
     "Undisturbed (block sample)",
     "Residual silt of low plasticity (ML), slightly organic", 0.18, 0.38},
    {"Melleswaram Silt", 1002.3, "IL-MLS-01", false, 36, 11, 0.73, 0.15, 0.025, 0.03, 160, 12.5, 3200, 0.14, 0, 19, 63.5,
     "Undisturbed (block sample)",
     "Residual silt of low plasticity (ML), apparent preconsolidation from weathering bonds", 0.10, 0.22},
    {"Singapore Marine Clay", 2001, "CRS-SMC-01", true, 76, 46, 1.88, 0.82, 0.11, 0.15, 80, 12, 2000, 0.12, 0.01, 20, 63.5,
     "Undisturbed (piston tube)",
     "Soft marine clay of high plasticity (CH), lightly overconsolidated", 0.6, 1.1},
    {"Marine Clay from Osaka Bay", 2002, "CRS-OBC-01", true, 95, 60, 2.45, 1.20, 0.12, 0.19, 90, 12, 2400, 0.07, 0.008, 20, 60,
     "Undisturbed (piston tube)",
     "Holocene marine clay of high plasticity (CH), structured, lightly overconsolidated by ageing", 0.9, 1.6},
    {"Boston Blue Clay", 2003, "CRS-BBC-01", true, 44, 22, 1.12, 0.37, 0.05, 0.07, 180, 15, 4000, 0.12, 0.015, 20, 63.5,
     "Undisturbed (fixed-piston tube)",
     "Glacio-marine illitic clay of low plasticity (CL), overconsolidated crust", 0.25, 0.50},
    {"Kaolin Clay", 2004, "CRS-KAO-01", true, 60, 30, 1.56, 0.50, 0.08, 0.11, 70, 12, 1600, 0.12, 0.05, 20, 63.5,
     "Reconstituted from slurry, consolidated at 70 kPa",
     "Commercial kaolin of high plasticity (CH), preconsolidated from slurry", 0.35, 0.65},
};

// log10(1 + 10^(x/w)) * w: zero well below yield, x well above it.
double softPlus(double x, double w) { return w * std::log10(1.0 + std::pow(10.0, x / w)); }

class CompressionCurve {
public:
    explicit CompressionCurve(const Clay& c) : clay(c)
    {
        // Find the slopes rho of log10(1+e) so that the local Cc and Cr are the soil's.
        double vp = 1.0 + c.e0 - c.cr * std::log10(c.sigmaP / c.sigmaFirst);
        for (int i = 0; i < 20; ++i) {
            const double v0 = 1.0 + c.e0;
            rhoR = c.cr / (0.5 * (v0 + vp) * std::log(10.0));
            rhoC = c.cc / (vp * std::log(10.0));
            const double x0 = std::log10(c.sigmaFirst / c.sigmaP);
            logVp = std::log10(v0) + rhoR * x0 + (rhoC - rhoR) * softPlus(x0, c.width);
            vp = std::pow(10.0, logVp);
        }
        eMax = loading(c.sigmaMax);
    }

    double loading(double sigma) const
    {
        const double x = std::log10(sigma / clay.sigmaP);
        return std::pow(10.0, logVp - rhoR * x - (rhoC - rhoR) * softPlus(x, clay.width)) - 1.0;
    }
    double unloading(double sigma) const { return eMax + clay.cs * std::log10(clay.sigmaMax / sigma); }

    // The stress at which the loading branch reaches the void ratio e.
    double loadingStress(double e) const
    {
        double lo = std::log10(clay.sigmaFirst) - 1.0, hi = std::log10(clay.sigmaMax) + 1.0;
        for (int i = 0; i < 200; ++i) {
            const double mid = 0.5 * (lo + hi);
            (loading(std::pow(10.0, mid)) > e ? lo : hi) = mid;
        }
        return std::pow(10.0, 0.5 * (lo + hi));
    }

    const Clay& clay;
    double rhoR = 0, rhoC = 0, logVp = 0, eMax = 0;
};

struct Point {
    double stress, e;
};

// IL: the load steps (doubling up to the largest stress, then unloading to a quarter at a time)
// on the even rows; on each odd row the curve at the geometric mean of its two neighbouring
// steps, so that the chart line follows the curve between steps. The screen lists the even rows.
std::vector<Point> incrementalLoading(const CompressionCurve& curve)
{
    const Clay& c = curve.clay;
    std::vector<double> steps;
    for (double s = c.sigmaFirst; s <= c.sigmaMax * 1.0001; s *= 2)
        steps.push_back(s);
    const int loadingSteps = int(steps.size()) - 1;
    if (loadingSteps > 14 || std::abs(steps.back() - c.sigmaMax) > 1e-6)
        throw std::runtime_error(std::string(c.name) + ": loads must double from the first to the largest stress, 14 steps at most");
    for (double s = c.sigmaMax / 4; s >= c.sigmaFirst * 0.9999; s /= 4)
        steps.push_back(s);

    std::vector<Point> rows;
    auto eAt = [&](double s, bool unloadingBranch) { return unloadingBranch ? curve.unloading(s) : curve.loading(s); };
    for (size_t i = 0; i < steps.size(); ++i) {
        const bool unloadingBranch = int(i) > loadingSteps;
        rows.push_back({steps[i], eAt(steps[i], unloadingBranch)});
        if (i + 1 < steps.size()) {
            const double mid = std::sqrt(steps[i] * steps[i + 1]);
            rows.push_back({mid, eAt(mid, int(i + 1) > loadingSteps)});
        }
    }
    return rows;
}

// CRS: equal strain increments (a constant strain rate logged at a fixed interval) up to the
// largest stress, then unloading at the same rate to a sixteenth of it.
std::vector<Point> constantRateOfStrain(const CompressionCurve& curve)
{
    const Clay& c = curve.clay;
    const int loadingPoints = 120, unloadingPoints = 24;
    const double de = (c.e0 - curve.eMax) / loadingPoints;
    std::vector<Point> rows;
    rows.push_back({c.sigmaFirst, c.e0});
    for (int i = 1; i <= loadingPoints; ++i) {
        const double e = c.e0 - i * de;
        rows.push_back({i == loadingPoints ? c.sigmaMax : curve.loadingStress(e), e});
    }
    const double sigmaEnd = c.sigmaMax / 16;
    const double eEnd = curve.unloading(sigmaEnd);
    for (int i = 1; i <= unloadingPoints; ++i) {
        const double e = curve.eMax + i * (eEnd - curve.eMax) / unloadingPoints;
        rows.push_back({c.sigmaMax * std::pow(10.0, -(e - curve.eMax) / c.cs), e});
    }
    return rows;
}

QString referenceText(const Clay& c)
{
    return QStringLiteral("Synthetic %1 test generated by the Loamix data generator, not a published test. "
                          "Model: bi-logarithmic compression, log10(1+e) linear in log10 σ'v, with a rounded "
                          "preconsolidation (σ'p = %2 kPa, width %3 decades), Cc = %4 at yield, Cr = %5, unloading Cs = %6.")
        .arg(c.crs ? QStringLiteral("constant-rate-of-strain") : QStringLiteral("incremental-loading oedometer"),
             num(c.sigmaP), num(c.width), num(c.cc), num(c.cr), num(c.cs));
}

void generate(const QString& dataDir)
{
    const QString dir = QDir(dataDir).filePath(QStringLiteral("LX1DConsolidation"));
    writeText(dir + QStringLiteral("/schema.sql"), QStringLiteral(
        "-- One-dimensional consolidation tests: synthetic, written by tools/gendata (consolidation).\n"
        "-- Reference numbers 1000 to 1999 are incremental-loading tests, 2000 and above constant rate of strain.\n"
        "CREATE TABLE TestInfo (\n"
        "  ReferenceNumber REAL,\n"
        "  TestID TEXT COLLATE NOCASE,\n"
        "  \"Liquid Limit (%)\" REAL,\n"
        "  \"Plasticity Index (%)\" REAL,\n"
        "  \"Initial Void Ratio\" REAL,\n"
        "  \"Strain Rate (%/min)\" REAL\n"
        ");\n"
        "CREATE TABLE Reference (\n"
        "  ReferenceNumber REAL,\n"
        "  Reference TEXT,\n"
        "  Date TEXT,\n"
        "  \"Soil Description\" TEXT,\n"
        "  \"Specimen Height (mm)\" REAL,\n"
        "  \"Specimen Width (mm)\" REAL,\n"
        "  \"Specimen Type\" TEXT\n"
        ");\n"
        "CREATE TABLE TestResults (\n"
        "  ReferenceNumber REAL,\n"
        "  TestID TEXT COLLATE NOCASE,\n"
        "  \"Point Number\" INTEGER,\n"
        "  \"Vertical Effective Stress (kPa)\" REAL,\n"
        "  e REAL,\n"
        "  \"Vertical Strain (%)\" REAL\n"
        ");\n"));

    CsvWriter info(dir + QStringLiteral("/TestInfo.csv"),
                   {"ReferenceNumber", "TestID", "Liquid Limit (%)", "Plasticity Index (%)", "Initial Void Ratio", "Strain Rate (%/min)"});
    CsvWriter reference(dir + QStringLiteral("/Reference.csv"),
                        {"ReferenceNumber", "Reference", "Date", "Soil Description", "Specimen Height (mm)", "Specimen Width (mm)", "Specimen Type"});
    CsvWriter results(dir + QStringLiteral("/TestResults.csv"),
                      {"ReferenceNumber", "TestID", "Point Number", "Vertical Effective Stress (kPa)", "e", "Vertical Strain (%)"});

    for (const Clay& c : clays) {
        const CompressionCurve curve(c);
        info.row({num(c.ref), txt(c.testId), num(c.liquidLimit), num(c.plasticityIndex), num(c.e0, 4),
                  c.crs ? num(c.strainRate) : QString()});
        reference.row({num(c.ref), txt(referenceText(c)), txt(generatedDate()),
                       txt(QString::fromUtf8(c.name) + QStringLiteral(": ") + QString::fromUtf8(c.description)),
                       num(c.height), num(c.diameter), txt(c.specimenType)});
        const std::vector<Point> rows = c.crs ? constantRateOfStrain(curve) : incrementalLoading(curve);
        if (rows.size() < 2 || rows.size() > 301)
            throw std::runtime_error(std::string(c.name) + ": 2 to 301 points");
        int number = 1;
        for (const Point& p : rows)
            results.row({num(c.ref), txt(c.testId), num(number++), num(p.stress, 3), num(p.e, 4),
                         num(100.0 * (c.e0 - p.e) / (1.0 + c.e0), 3)});
    }
    info.save();
    reference.save();
    results.save();
}

const Register registration{"consolidation", generate};

} // namespace
} // namespace gendata::other
