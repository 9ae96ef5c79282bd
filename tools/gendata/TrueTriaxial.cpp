// Undrained true triaxial tests on clay cubes (LXClayTTT) and axial-torsional tests on clay
// hollow cylinders (LXClaynSandHCT), all isotropically consolidated and normally consolidated.
//
// Model (data/README.md):
// - failure: the Lade-Duncan criterion I1^3 / I3 = eta1, fitted to the soil's friction angle in
//   triaxial compression, gives the failure stress ratio M(b) = q/p' for each b-value; a fabric
//   anisotropy lowers it by the factor 1 - A sin^2(beta) as sigma1 turns away from the vertical;
// - shear stress: q rises to its failure value qf = M p'0 2^-Lambda (Modified Cam clay, undrained)
//   at a peak strain eps_p, as q/qf = 1 - (1 - x)^2 with x = eps_q / eps_p, and softens after it
//   by a few per cent, q/qf = 1 - s (1 - exp(-(x - 1))), as normally consolidated clays do; eps_p
//   falls with b and grows as sigma1 turns from the vertical, so that the failure strains vary
//   smoothly from test to test;
// - effective stress path: before the peak Modified Cam clay undrained, p'/p'0 = (M^2 / (M^2 +
//   eta^2))^Lambda with eta = q/p'; after it the path slides down the failure line (eta = M), the
//   pore pressure still rising;
// - strains: constant volume, the strain deviator parallel to the stress deviator;
// - total stresses: cube with sigma3 held at the cell pressure and sigma2 = sigma3 + b (sigma1 - sigma3);
//   hollow cylinder with equal inner and outer pressures, so sigma_r = sigma_theta = sigma_c and
//   b = sin^2(alpha) (alpha = Beta angle), loaded by an axial stress change and a torque in the
//   ratio tan 2 alpha = 2 tau / Delta sigma_a.
// Excess pore pressure is the total mean stress less p'.
#include "OtherFamilies.h"

#include <QDir>

#include <cmath>
#include <stdexcept>
#include <vector>

namespace gendata::other {
namespace {

struct Clay {
    const char* name;
    double ref;
    const char* code;           // TestID body (after the "T" or "A" of the kind)
    double liquidLimit, plasticityIndex, waterContent;
    double strainRate;          // %/min
    double sigmaC;              // isotropic consolidation pressure, kPa
    double phiTc;               // friction angle in triaxial compression, degrees
    double lambdaRatio;         // Lambda = 1 - kappa/lambda
    double epsPeak;             // generalised shear strain at the peak in compression (b = 0, beta = 0), %
    double anisotropy;          // A: strength loss with sigma1 horizontal
    double length, width, height;   // cube: L, W, H; hollow cylinder: outer and inner diameter, H (mm)
    const char* specimenType;
    const char* description;
};

const Clay cubeClay = {"San Francisco Bay Mud", 1000, "SF", 88, 46, 62, 0.03, 122, 31, 0.9, 3.0, 0.15, 100, 100, 100,
                       "Cube trimmed from a block K0-consolidated from slurry",
                       "Marine clay of high plasticity (MH), normally consolidated"};

const Clay hollowClays[] = {
    {"Kaolin Clay", 1000, "KC", 58, 28, 39, 0.05, 275, 23.5, 0.78, 3.2, 0.08, 100, 60, 200,
     "Reconstituted from slurry, isotropically consolidated",
     "Commercial kaolin of high plasticity (CH), normally consolidated, with the anisotropic fabric of its deposition from slurry"},
    {"McGill Clay (Hydrite 121)", 1001, "MC", 52, 22, 52, 0.05, 70, 26, 0.77, 3.6, 0.12, 71.1, 38.1, 142.2,
     "Reconstituted from slurry, K0-preconsolidated, then isotropically consolidated",
     "Kaolin Hydrite 121 of high plasticity (MH), normally consolidated"},
    {"Edgar Plastic Kaolin", 1005, "EPK", 60, 29, 55, 0.05, 70, 28, 0.76, 3.4, 0.15, 71.1, 38.1, 142.2,
     "Reconstituted from slurry, K0-preconsolidated, then isotropically consolidated",
     "Plastic kaolin of high plasticity (MH), normally consolidated"},
};

// Cube tests: (Beta angle, b-value), the Beta 0 series first (the study takes the first seven
// b-values it meets in stored order).
const double cubeTests[][2] = {{0, 0}, {0, 0.1}, {0, 0.25}, {0, 0.4}, {0, 0.5}, {0, 0.75}, {0, 1},
                               {90, 0}, {90, 0.3}, {90, 0.5}, {90, 1}};
const double hollowAngles[] = {0, 15, 30, 45, 60, 75, 90};
const int pointsPerTest = 61;

// q/p' at failure for a b-value under the Lade-Duncan criterion fitted to phi in compression.
double ladeDuncanRatio(double phiDeg, double b)
{
    const double n = (1 + std::sin(rad(phiDeg))) / (1 - std::sin(rad(phiDeg)));
    const double eta1 = std::pow(n + 2, 3) / n;
    // Unit p': sigma3 = 1 - d(1+b)/3, sigma1 = sigma3 + d, sigma2 = sigma3 + b d.
    double lo = 0, hi = 3.0 / (1 + b) * 0.999999;
    for (int i = 0; i < 200; ++i) {
        const double d = 0.5 * (lo + hi);
        const double s3 = 1 - d * (1 + b) / 3, s1 = s3 + d, s2 = s3 + b * d;
        (27.0 / (s1 * s2 * s3) < eta1 ? lo : hi) = d;
    }
    const double d = 0.5 * (lo + hi);
    return d * std::sqrt(1 - b + b * b);
}

struct Path {
    std::vector<double> epsQ, q, pEff;   // %, kPa, kPa
};

// The post-peak softening: the fraction of qf lost at large strains.
const double softening = 0.06;

// eta = q/p' on the Modified Cam clay undrained path for a q below its failure value.
double stressRatioOf(double q, double m, double p0, double lambdaRatio)
{
    double lo = 0, hi = m;
    for (int i = 0; i < 100; ++i) {
        const double mid = 0.5 * (lo + hi);
        (mid * p0 * std::pow(m * m / (m * m + mid * mid), lambdaRatio) < q ? lo : hi) = mid;
    }
    return 0.5 * (lo + hi);
}

Path undrainedPath(const Clay& c, double b, double beta, double epsQMax)
{
    const double s2 = std::pow(std::sin(rad(beta)), 2);
    const double m = ladeDuncanRatio(c.phiTc, b) * (1 - c.anisotropy * s2);
    const double epsPeak = c.epsPeak * (1 - 0.35 * b) * (1 + 0.4 * s2);
    const double qf = m * c.sigmaC * std::pow(2.0, -c.lambdaRatio);
    Path p;
    for (int i = 0; i < pointsPerTest; ++i) {
        const double eq = epsQMax * i / (pointsPerTest - 1), x = eq / epsPeak;
        double q, pe;
        if (x <= 1) {
            q = qf * (1 - (1 - x) * (1 - x));
            const double eta = stressRatioOf(q, m, c.sigmaC, c.lambdaRatio);
            pe = q > 0 ? q / eta : c.sigmaC;
        } else {
            q = qf * (1 - softening * (1 - std::exp(-(x - 1))));
            pe = q / m;
        }
        p.epsQ.push_back(eq);
        p.q.push_back(q);
        p.pEff.push_back(pe);
    }
    return p;
}

QString referenceText(const Clay& c, const QString& kind)
{
    return QStringLiteral("Synthetic undrained %1 tests generated by the Loamix data generator, not published tests. "
                          "Model: Lade-Duncan failure (phi'tc = %2°) with fabric anisotropy A = %3, Modified Cam clay "
                          "undrained path (Lambda = %4) to a peak at %5 % shear strain in compression and a post-peak "
                          "softening of %6 %, isotropically consolidated to %7 kPa.")
        .arg(kind, num(c.phiTc), num(c.anisotropy), num(c.lambdaRatio), num(c.epsPeak), num(softening * 100), num(c.sigmaC));
}

QString testInfoSchema()
{
    return QStringLiteral(
        "CREATE TABLE TestInfo (\n"
        "  ReferenceNumber REAL,\n"
        "  TestID TEXT COLLATE NOCASE,\n"
        "  \"Liquid Limit (%)\" REAL,\n"
        "  \"Plasticity Index (%)\" REAL,\n"
        "  \"Strain Rate (%/min)\" REAL,\n"
        "  \"Initial Water Content (%)\" REAL,\n"
        "  \"b-value\" REAL,\n"
        "  \"Beta angle\" REAL,\n"
        "  \"Sigma_c (kPa)\" REAL\n"
        ");\n");
}

const QStringList testInfoHeader = {"ReferenceNumber", "TestID", "Liquid Limit (%)", "Plasticity Index (%)", "Strain Rate (%/min)",
                                    "Initial Water Content (%)", "b-value", "Beta angle", "Sigma_c (kPa)"};

QStringList testInfoRow(const Clay& c, const QString& id, double b, double beta)
{
    return {num(c.ref), txt(id), num(c.liquidLimit), num(c.plasticityIndex), num(c.strainRate), num(c.waterContent),
            num(b, 2), num(beta, 0), num(c.sigmaC)};
}

QString schemaFor(const QString& title, const QStringList& referenceColumns, const QStringList& resultColumns)
{
    QString s = QStringLiteral("-- %1: synthetic, written by tools/gendata (truetriaxial).\n").arg(title) + testInfoSchema();
    s += QStringLiteral("CREATE TABLE Reference (\n  \"Reference Number\" REAL,\n  Reference TEXT,\n  Date TEXT,\n  \"Soil Description\" TEXT");
    for (const QString& col : referenceColumns)
        s += QStringLiteral(",\n  \"%1\" %2").arg(col, col == u"Specimen Type" ? QStringLiteral("TEXT") : QStringLiteral("REAL"));
    s += QStringLiteral("\n);\nCREATE TABLE TestResults (\n  ReferenceNumber REAL,\n  TestID TEXT COLLATE NOCASE,\n  \"Point Number\" INTEGER");
    for (const QString& col : resultColumns)
        s += QStringLiteral(",\n  \"%1\" REAL").arg(col);
    return s + QStringLiteral("\n);\n");
}

void writeCube(const QString& dataDir)
{
    const QString dir = QDir(dataDir).filePath(QStringLiteral("LXClayTTT"));
    const QStringList refCols = {"Specimen Length (mm)", "Specimen Width (mm)", "Specimen Height (mm)", "Specimen Type"};
    const QStringList resCols = {"Major Principal Strain (%)", "Intermediate Principal Strain (%)", "Minor Principal Strain (%)",
                                 "Major Principal Stress (kPa)", "Intermediate Principal Stress (kPa)", "Minor Principal Stress (kPa)",
                                 "Excess Pore Pressure (kPa)"};
    writeText(dir + QStringLiteral("/schema.sql"), schemaFor(QStringLiteral("Undrained true triaxial tests on clay cubes"), refCols, resCols));

    const Clay& c = cubeClay;
    CsvWriter info(dir + QStringLiteral("/TestInfo.csv"), testInfoHeader);
    CsvWriter reference(dir + QStringLiteral("/Reference.csv"), QStringList{"Reference Number", "Reference", "Date", "Soil Description"} + refCols);
    CsvWriter results(dir + QStringLiteral("/TestResults.csv"), QStringList{"ReferenceNumber", "TestID", "Point Number"} + resCols);
    reference.row({num(c.ref), txt(referenceText(c, QStringLiteral("true triaxial (cubical specimen)"))), txt(generatedDate()),
                   txt(QString::fromUtf8(c.name) + QStringLiteral(": ") + QString::fromUtf8(c.description)),
                   num(c.length), num(c.width), num(c.height), txt(c.specimenType)});

    for (const auto& t : cubeTests) {
        const double beta = t[0], b = t[1];
        const QString id = QStringLiteral("T%1-B%2-b%3").arg(QString::fromLatin1(c.code)).arg(int(beta), 2, 10, QLatin1Char('0'))
                               .arg(int(std::lround(b * 100)), 3, 10, QLatin1Char('0'));
        info.row(testInfoRow(c, id, b, beta));
        const double root = std::sqrt(1 - b + b * b);
        const Path p = undrainedPath(c, b, beta, 12.0);
        for (int i = 0; i < pointsPerTest; ++i) {
            const double eq = p.epsQ[i], d = p.q[i] / root;                 // d = sigma1 - sigma3
            const double e1 = eq * (2 - b) / (2 * root), e2 = eq * (2 * b - 1) / (2 * root), e3 = -eq * (1 + b) / (2 * root);
            const double s3 = c.sigmaC, s1 = s3 + d, s2 = s3 + b * d;
            const double u = (s1 + s2 + s3) / 3 - p.pEff[i];
            results.row({num(c.ref), txt(id), num(double(i + 1)), num(e1, 3), num(e2, 3), num(e3, 3),
                         num(s1, 1), num(s2, 1), num(s3, 1), num(u, 1)});
        }
    }
    info.save();
    reference.save();
    results.save();
}

void writeHollowCylinder(const QString& dataDir)
{
    const QString dir = QDir(dataDir).filePath(QStringLiteral("LXClaynSandHCT"));
    const QStringList refCols = {"Outer Diameter (mm)", "Inner Diameter (mm)", "Specimen Height (mm)", "Specimen Type"};
    const QStringList resCols = {"Axial Strain (%)", "Shear Strain (%)", "Change in Vertical Stress (kPa)", "Rotational Shear Stress (kPa)",
                                 "Excess Pore Pressure (kPa)"};
    writeText(dir + QStringLiteral("/schema.sql"),
              schemaFor(QStringLiteral("Undrained axial-torsional tests on clay hollow cylinders"), refCols, resCols));

    CsvWriter info(dir + QStringLiteral("/TestInfo.csv"), testInfoHeader);
    CsvWriter reference(dir + QStringLiteral("/Reference.csv"), QStringList{"Reference Number", "Reference", "Date", "Soil Description"} + refCols);
    CsvWriter results(dir + QStringLiteral("/TestResults.csv"), QStringList{"ReferenceNumber", "TestID", "Point Number"} + resCols);

    for (const Clay& c : hollowClays) {
        reference.row({num(c.ref), txt(referenceText(c, QStringLiteral("axial-torsional (hollow cylinder)"))), txt(generatedDate()),
                       txt(QString::fromUtf8(c.name) + QStringLiteral(": ") + QString::fromUtf8(c.description)),
                       num(c.length), num(c.width), num(c.height), txt(c.specimenType)});
        for (double alpha : hollowAngles) {
            const double b = std::pow(std::sin(rad(alpha)), 2);
            const QString id = QStringLiteral("A%1-B%2").arg(QString::fromLatin1(c.code)).arg(int(alpha), 2, 10, QLatin1Char('0'));
            info.row(testInfoRow(c, id, b, alpha));
            const double root = std::sqrt(1 - b + b * b);
            const Path p = undrainedPath(c, b, alpha, 9.0);
            for (int i = 0; i < pointsPerTest; ++i) {
                const double q = p.q[i], eq = p.epsQ[i];
                const double r = q / (2 * root);                            // (sigma1 - sigma3) / 2
                const double dSa = 2 * r * std::cos(rad(2 * alpha)), tau = r * std::sin(rad(2 * alpha));
                const double ea = q > 0 ? eq * dSa / q : eq * std::cos(rad(2 * alpha)) / root;
                const double gamma = q > 0 ? 3 * eq * tau / q : 1.5 * eq * std::sin(rad(2 * alpha)) / root;
                const double u = c.sigmaC + dSa / 3 - p.pEff[i];
                results.row({num(c.ref), txt(id), num(double(i + 1)), num(ea, 3), num(gamma, 3), num(dSa, 1), num(tau, 1), num(u, 1)});
            }
        }
    }
    info.save();
    reference.save();
    results.save();
}

void generate(const QString& dataDir)
{
    writeCube(dataDir);
    writeHollowCylinder(dataDir);
}

const Register registration{"truetriaxial", generate};

} // namespace

} // namespace gendata::other
