// Direct shear tests of sands (LXDirectShear): three drained tests per sand at 50, 100 and 200 kPa.
//
// Model (data/README.md): Bolton's relative dilatancy index gives the peak
// friction angle, phi_p = phi_cv + 3 I_R with I_R = D_r (Q - ln sigma_n) - 1 (0 to 4);
// Taylor's energy equation splits the peak stress ratio into friction and dilation,
// tau / sigma_n = tan phi_cv + dv/dh, so the largest dilation rate is tan phi_p - tan phi_cv.
// The vertical displacement is an initial contraction followed by an S-shaped dilation that ends
// at the critical state (dv/dh = 0); the shear stress follows from the dilation rate with an
// elastic-plastic mobilisation 1 - exp(-h/h_m). Loose sands (I_R = 0) only contract and harden.
#include "OtherFamilies.h"

#include <QDir>

#include <algorithm>
#include <cmath>
#include <stdexcept>
#include <vector>

namespace gendata::other {
namespace {

struct Sand {
    const char* name;
    double ref;
    const char* code;           // TestID prefix
    double d50, cu;             // mm, -
    double eMax, eMin;
    double relativeDensity;     // 0 to 1
    double phiCv;               // critical-state friction angle, degrees
    double q;                   // Bolton's crushing parameter Q (10 for quartz, lower for carbonate)
    double rate;                // mm/min
    const char* description;
};

const Sand sands[] = {
    {"Barry's Beach Sand", 103, "DS-BBS", 0.30, 1.8, 0.90, 0.58, 0.75, 33, 10, 0.5,
     "Uniform siliceous beach sand, sub-rounded, dense"},
    {"Bass Strait Sand", 103.1, "DS-BSS", 0.25, 2.0, 1.20, 0.75, 0.70, 37, 8.5, 0.5,
     "Calcareous marine sand, angular shell fragments, dense"},
    {"Sydney Silica Sand", 103.3, "DS-SSS", 0.30, 1.5, 0.86, 0.55, 0.80, 31, 10, 0.5,
     "Uniform quartz sand, sub-rounded, dense"},
    {"Old North Rankin Sand", 103.5, "DS-ONR", 0.22, 2.5, 1.45, 0.85, 0.70, 39, 8, 0.5,
     "Carbonate sand of the continental shelf, angular, dense"},
    {"New North Rankin Dense Sand", 103.51, "DS-NRD", 0.25, 2.2, 1.40, 0.82, 0.85, 38, 8, 0.5,
     "Carbonate sand of the continental shelf, angular, very dense"},
    {"New North Rankin Loose Sand", 103.52, "DS-NRL", 0.25, 2.2, 1.40, 0.82, 0.25, 38, 8, 0.5,
     "Carbonate sand of the continental shelf, angular, loose"},
    {"Coarse New North Rankin Sand", 103.6, "DS-NRC", 0.60, 1.8, 1.30, 0.78, 0.75, 39, 8, 0.5,
     "Coarse fraction of the carbonate shelf sand, angular, dense"},
    {"Fine New North Rankin Sand", 103.61, "DS-NRF", 0.12, 1.6, 1.55, 0.92, 0.60, 37, 8, 0.5,
     "Fine fraction of the carbonate shelf sand, angular, medium dense"},
    {"Reigate Silver Folkstone Sand", 101, "DS-RSF", 0.20, 1.4, 0.88, 0.55, 0.90, 33, 10, 0.5,
     "Uniform fine quartz sand of the Folkestone Beds, interlocked, very dense"},
    {"Reigate Pale Brown Sand", 101.1, "DS-RPB", 0.16, 1.7, 0.90, 0.56, 0.85, 34, 10, 0.5,
     "Fine quartz sand with some silt, pale brown, very dense"},
};

const double normalStresses[] = {50, 100, 200};
const double specimenHeight = 25.4, specimenDiameter = 63.5;   // mm, round shear box
const int pointsPerTest = 91;                                   // 0 to 9 mm every 0.1 mm
const double displacementStep = 0.1;

struct Test {
    double peakAngle;           // degrees, from Bolton's index
    double dilationRate;        // largest dv/dh
    std::vector<double> h, tau, v;
};

double logistic(double z) { return 1.0 / (1.0 + std::exp(-z)); }

Test shear(const Sand& s, double sigma)
{
    Test t;
    const double dr = s.relativeDensity;
    const double ir = std::clamp(dr * (s.q - std::log(sigma)) - 1.0, 0.0, 4.0);
    t.peakAngle = s.phiCv + 3.0 * ir;
    t.dilationRate = std::tan(rad(t.peakAngle)) - std::tan(rad(s.phiCv));

    // Contraction: larger for looser sands and higher normal stresses.
    const double contraction = specimenHeight * (0.002 + 0.02 * (1.0 - dr)) * std::pow(sigma / 100.0, 0.3);
    const double hContraction = 0.35 + 1.2 * (1.0 - dr);             // mm
    // Dilation: an S-curve of rate dilationRate at its steepest, centred past the contraction.
    const double width = 0.6;                                                            // mm
    const double centre = 1.3 + 0.6 * std::log10(sigma / 50.0) / std::log10(4.0);    // mm
    const double hMobilise = 0.15 + 0.5 * (1.0 - dr);                 // mm

    // The dilation rate rises to its largest value at the centre and dies away more slowly after
    // it (the shear band approaches the critical state gradually).
    auto dilationAt = [&](double h) {
        const double l = logistic((h - centre) / (h < centre ? width : 2.0 * width));
        return t.dilationRate * 4.0 * l * (1.0 - l);
    };
    auto rateAt = [&](double h) { return -contraction / hContraction * std::exp(-h / hContraction) + dilationAt(h); };
    // v(h) = integral of the rate from 0 (Simpson's rule on a fine grid).
    auto vAt = [&](double h) {
        const int n = 200;
        double sum = 0;
        for (int k = 0; k <= n; ++k) {
            const double x = h * k / n;
            sum += (k == 0 || k == n ? 1 : (k % 2 ? 4 : 2)) * dilationAt(x);
        }
        return -contraction * (1.0 - std::exp(-h / hContraction)) + sum * h / (3.0 * n);
    };
    for (int i = 0; i < pointsPerTest; ++i) {
        const double h = i * displacementStep;
        const double mobilised = 1.0 - std::exp(-h / hMobilise);
        t.h.push_back(h);
        t.v.push_back(vAt(h));
        t.tau.push_back(sigma * mobilised * (std::tan(rad(s.phiCv)) + rateAt(h)));
    }
    return t;
}

QString referenceText(const Sand& s)
{
    return QStringLiteral("Synthetic drained direct shear tests generated by the Loamix data generator, not published tests. "
                          "Model: Bolton's relative dilatancy index (phi_cv = %1°, Q = %2, Dr = %3 %) for the peak angle, "
                          "Taylor's energy equation tau/sigma_n = tan phi_cv + dv/dh for the dilation.")
        .arg(num(s.phiCv), num(s.q), num(100.0 * s.relativeDensity));
}

void generate(const QString& dataDir)
{
    const QString dir = QDir(dataDir).filePath(QStringLiteral("LXDirectShear"));
    writeText(dir + QStringLiteral("/schema.sql"), QStringLiteral(
        "-- Direct shear tests of sands: synthetic, written by tools/gendata (directshear).\n"
        "CREATE TABLE TestInfo (\n"
        "  ReferenceNumber REAL,\n"
        "  TestID TEXT COLLATE NOCASE,\n"
        "  \"Average Particle Size (mm)\" REAL,\n"
        "  \"Coefficient of Uniformity\" REAL,\n"
        "  \"Maximum Void Ratio\" REAL,\n"
        "  \"Minimum Void Ratio\" REAL,\n"
        "  \"Relative Density (%)\" REAL,\n"
        "  \"Initial Void Ratio\" REAL,\n"
        "  \"Normal Stress (kPa)\" REAL,\n"
        "  \"Deformation Rate (mm/min)\" REAL\n"
        ");\n"
        "CREATE TABLE Reference (\n"
        "  \"Reference Number\" REAL,\n"
        "  Reference TEXT,\n"
        "  Date TEXT,\n"
        "  \"Soil Description\" TEXT,\n"
        "  \"Specimen Height (mm)\" REAL,\n"
        "  \"Specimen Diameter (mm)\" REAL\n"
        ");\n"
        "CREATE TABLE TestResults (\n"
        "  ReferenceNumber REAL,\n"
        "  TestID TEXT COLLATE NOCASE,\n"
        "  \"Point Number\" INTEGER,\n"
        "  \"Horizontal Displacement (mm)\" REAL,\n"
        "  \"Shear Stress (kPa)\" REAL,\n"
        "  \"Vertical Displacement (mm)\" REAL\n"
        ");\n"));

    CsvWriter info(dir + QStringLiteral("/TestInfo.csv"),
                   {"ReferenceNumber", "TestID", "Average Particle Size (mm)", "Coefficient of Uniformity", "Maximum Void Ratio",
                    "Minimum Void Ratio", "Relative Density (%)", "Initial Void Ratio", "Normal Stress (kPa)", "Deformation Rate (mm/min)"});
    CsvWriter reference(dir + QStringLiteral("/Reference.csv"),
                        {"Reference Number", "Reference", "Date", "Soil Description", "Specimen Height (mm)", "Specimen Diameter (mm)"});
    CsvWriter results(dir + QStringLiteral("/TestResults.csv"),
                      {"ReferenceNumber", "TestID", "Point Number", "Horizontal Displacement (mm)", "Shear Stress (kPa)",
                       "Vertical Displacement (mm)"});

    for (const Sand& s : sands) {
        reference.row({num(s.ref), txt(referenceText(s)), txt(generatedDate()),
                       txt(QString::fromUtf8(s.name) + QStringLiteral(": ") + QString::fromUtf8(s.description)),
                       num(specimenHeight), num(specimenDiameter)});
        const double e0 = s.eMax - s.relativeDensity * (s.eMax - s.eMin);
        for (double sigma : normalStresses) {
            const QString id = QStringLiteral("%1-%2").arg(QString::fromLatin1(s.code)).arg(int(sigma), 3, 10, QLatin1Char('0'));
            info.row({num(s.ref), txt(id), num(s.d50), num(s.cu), num(s.eMax), num(s.eMin), num(100.0 * s.relativeDensity),
                      num(e0, 3), num(sigma), num(s.rate)});
            const Test t = shear(s, sigma);
            for (size_t i = 0; i < t.h.size(); ++i) {
                if (std::abs(t.v[i]) > 10.0)
                    throw std::runtime_error(std::string(s.name) + ": vertical displacement beyond 10 mm");
                results.row({num(s.ref), txt(id), num(double(i + 1)), num(t.h[i], 3), num(t.tau[i], 1), num(t.v[i], 3)});
            }
        }
    }
    info.save();
    reference.save();
    results.save();
}

const Register registration{"directshear", generate};

} // namespace
} // namespace gendata::other
