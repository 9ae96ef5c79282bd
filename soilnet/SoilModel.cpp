#include "SoilModel.h"

#include <algorithm>
#include <charconv>
#include <cmath>

namespace soilnet {

namespace {

constexpr double kPa = 101.325;          // atmospheric pressure, the reference stress
constexpr double kPi = 3.14159265358979323846;
constexpr int kDrainedRows = 301;
constexpr int kUndrainedRows = 1251;     // 0 .. 25 % in steps of 0.02 %
constexpr double kUndrainedEnd = 25.0;
constexpr double kDefaultEnd = 30.0;
// A typical sub-angular quartz sand, for the undrained routine, whose record has no particle data.
constexpr double kUndrainedShape = 14.0;

double clamp(double v, double lo, double hi) { return std::min(hi, std::max(lo, v)); }
double rad(double deg) { return deg * kPi / 180.0; }
// Principal stress ratio s1'/s3' at friction angle phi.
double stressRatio(double phiDeg) { const double s = std::sin(rad(phiDeg)); return (1 + s) / (1 - s); }
// q/p' in triaxial compression at friction angle phi.
double etaOf(double phiDeg) { const double s = std::sin(rad(phiDeg)); return 6 * s / (3 - s); }
bool finite(std::initializer_list<double> values)
{
    return std::all_of(values.begin(), values.end(), [](double v) { return std::isfinite(v); });
}

// What the three drained routines do differently.
struct Constants {
    double strainAtPeak;     // peak axial strain of a dense specimen at p_a (fraction)
    double modulus;          // K_E of a dense specimen
    double crushing;         // weight of the particle-breakage contraction
    double interlocking;     // extra peak angle of very angular particles (degrees)
    double interlockingQ;    // and the rise of Bolton's Q it brings
};

Constants constantsOf(Calibration c)
{
    switch (c) {
    case Calibration::Gravel: return {0.040, 900, 0.3, 2.5, 1.5};
    case Calibration::SandHigh: return {0.025, 800, 0.7, 0.0, 0.0};
    case Calibration::SandLow: return {0.020, 1200, 0.0, 0.0, 0.0};
    }
    return {0.02, 1200, 0, 0, 0};
}

double angularity(double shapeFactor) { return clamp((shapeFactor - 10.0) / 15.0, 0.0, 1.0); }
double criticalAngle(double shapeFactor, double uniformity)
{
    return 29.5 + 0.45 * (clamp(shapeFactor, 5, 30) - 10.0) + std::log(uniformity);
}

// Bolton's relative dilatancy index (unclamped): negative on the contractive side.
double dilatancyIndex(double dr, double q, double meanStressKPa) { return dr * (q - std::log(std::max(meanStressKPa, 1.0))) - 1.0; }

// Hyperbola rising to 1 at x = 1 with initial slope k, then a bell back to `floor`.
double mobilised(double x, double k, double floor, double softening)
{
    if (x <= 1.0)
        return k * x / (1.0 + (k - 2.0) * x + x * x);
    const double t = (x - 1.0) / softening;
    return floor + (1.0 - floor) * std::exp(-t * t);
}

// The strain of the peak grows with looseness and stress.
double peakStrain(double base, double dr, double index, double sigma3, double endFraction)
{
    const double loose = 1.0 - dr;
    const double e = base * std::pow(sigma3 / kPa, 0.15) * (1.0 + 5.0 * loose * loose) * (1.0 + 1.0 * clamp(-index, 0, 2));
    return clamp(e, 0.006, 0.85 * endFraction);
}

void appendNumber(std::string& out, double v, int decimals)
{
    char buf[64];
    if (std::abs(v) < 0.5 * std::pow(10.0, -decimals))
        v = 0;   // no "-0.0000"
    const auto r = std::to_chars(buf, buf + sizeof buf, v, std::chars_format::fixed, decimals);
    out.append(buf, r.ptr);
}

void appendLine(std::string& out, const char* label, double v)
{
    out += label;
    char buf[64];
    const auto r = std::to_chars(buf, buf + sizeof buf, v);
    out.append(buf, r.ptr);
    out += '\n';
}

void appendRows(std::string& out, const Curve& c, int thirdDecimals)
{
    for (const Row& r : c.rows) {
        appendNumber(out, r.axialStrainPercent, 3);
        out += ',';
        appendNumber(out, r.deviatorStressKPa, 2);
        out += ',';
        appendNumber(out, r.third, thirdDecimals);
        out += '\n';
    }
}

} // namespace

std::string check(const GranularSpecimen& s)
{
    if (!finite({s.averageDiameterMm, s.uniformity, s.concavity, s.hardness, s.shapeFactor, s.voidRatio, s.confiningKPa}))
        return "a specimen value is not a number";
    if (!(s.averageDiameterMm > 0.01 && s.averageDiameterMm <= 300))
        return "average diameter outside 0.01-300 mm";
    if (!(s.uniformity >= 1 && s.uniformity <= 100))
        return "coefficient of uniformity outside 1-100";
    if (!(s.concavity > 0.05 && s.concavity <= 20))
        return "coefficient of concavity outside 0.05-20";
    if (!(s.hardness >= 1 && s.hardness <= 10))
        return "hardness outside 1-10";
    if (!(s.shapeFactor > 0 && s.shapeFactor <= 50))
        return "shape factor outside 0-50";
    if (!(s.voidRatio > 0.1 && s.voidRatio < 3))
        return "void ratio outside 0.1-3";
    if (!(s.confiningKPa >= 1 && s.confiningKPa <= 100000))
        return "confining stress outside 1-100000 kPa";
    return {};
}

std::string check(const UndrainedSpecimen& s)
{
    if (!finite({s.relativeDensityPercent, s.uniformity, s.overConsolidation, s.confiningKPa}))
        return "a specimen value is not a number";
    if (!(s.relativeDensityPercent >= 0 && s.relativeDensityPercent <= 100))
        return "relative density outside 0-100 %";
    if (!(s.uniformity >= 1 && s.uniformity <= 100))
        return "coefficient of uniformity outside 1-100";
    if (!(s.overConsolidation >= 1 && s.overConsolidation <= 50))
        return "over-consolidation ratio outside 1-50";
    if (!(s.confiningKPa >= 1 && s.confiningKPa <= 100000))
        return "confining stress outside 1-100000 kPa";
    return {};
}

double relativeDensity(const GranularSpecimen& s)
{
    const double a = angularity(s.shapeFactor);
    const double emax = (0.92 + 0.4 * a) * std::pow(s.uniformity, -0.2) * (1.0 + 0.05 * std::abs(std::log(s.concavity)));
    const double emin = 0.58 * emax;
    return clamp((emax - s.voidRatio) / (emax - emin), 0.0, 1.0);
}

Curve drained(const GranularSpecimen& s, Calibration calibration)
{
    const Constants k = constantsOf(calibration);
    const double endPercent = std::isfinite(s.endStrainPercent) && s.endStrainPercent > 0
                                  ? std::min(s.endStrainPercent, 50.0)
                                  : kDefaultEnd;
    const double endFraction = endPercent / 100.0;
    const double s3 = s.confiningKPa;
    const double dr = relativeDensity(s);
    const double a = angularity(s.shapeFactor);
    const double phiCv = criticalAngle(s.shapeFactor, s.uniformity);
    const double q = 10.0 - 0.8 * (7.0 - s.hardness) - 0.3 * std::log10(s.averageDiameterMm / 0.3) + k.interlockingQ * a;

    // The mean stress at the peak depends on the peak angle: a few fixed-point passes settle it.
    double phiP = phiCv, index = 0;
    for (int pass = 0; pass < 4; ++pass) {
        const double meanAtPeak = s3 * (stressRatio(phiP) + 2.0) / 3.0;
        index = dilatancyIndex(dr, q, meanAtPeak);
        phiP = phiCv + 3.0 * clamp(index, 0, 4) + k.interlocking * a * clamp(index, 0, 1);
    }
    const double iR = clamp(index, 0, 4);
    const double kCv = stressRatio(phiCv), rP = stressRatio(phiP);
    const double qPeak = s3 * (rP - 1.0), qCv = s3 * (kCv - 1.0);

    const double modulus = k.modulus * (0.35 + 0.65 * dr) * std::sqrt(s.hardness / 7.0) * kPa * std::sqrt(s3 / kPa);
    const double epsPeak = peakStrain(k.strainAtPeak, dr, index, s3, endFraction);
    const double shape = std::max(2.2, modulus * epsPeak / qPeak);
    const double softening = 1.0 + 0.25 * iR;

    // Dilatancy: the initial contraction rate grows with looseness, with the distance to the
    // contractive side and, in the high-stress and gravel routines, with particle breakage.
    const double crush = s3 / (1000.0 * std::pow(s.hardness / 7.0, 3));
    const double breakage = k.crushing * crush / (1.0 + 0.3 * crush);
    const double c0 = 0.3 + 0.6 * (1.0 - dr) + 0.8 * clamp(-index, 0, 2) + breakage;
    const double betaC = c0 / (1.0 - 1.0 / kCv);
    // Bolton: phi_p - phi_cv = 3 I and a largest dilation rate of 0.3 I, so 0.1 per degree.
    const double betaD = rP > kCv * 1.0001 ? 0.1 * (phiP - phiCv) / (rP / kCv - 1.0) : 0.0;

    Curve c;
    c.relativeDensity = dr;
    c.phiCvDeg = phiCv;
    c.phiPeakDeg = phiP;
    c.rows.reserve(kDrainedRows);
    auto deviator = [&](double eps) { return qPeak * mobilised(eps / epsPeak, shape, qCv / qPeak, softening); };
    auto rate = [&](double eps) {
        const double r = 1.0 + deviator(eps) / s3;
        return (r < kCv ? betaC : betaD) * (1.0 - r / kCv);
    };
    double ev = 0, eps = 0;
    const int substeps = 20;
    const double h = endFraction / (kDrainedRows - 1) / substeps;
    for (int i = 0; i < kDrainedRows; ++i) {
        if (i > 0)
            for (int j = 0; j < substeps; ++j, eps += h)
                ev += h * (rate(eps) + 4.0 * rate(eps + h / 2) + rate(eps + h)) / 6.0;
        const double at = endFraction * i / (kDrainedRows - 1);
        c.rows.push_back({100.0 * at, deviator(at), 100.0 * ev});
    }
    return c;
}

Curve undrained(const UndrainedSpecimen& s)
{
    const double dr = s.relativeDensityPercent / 100.0;
    const double s3 = s.confiningKPa;
    const double ocr = s.overConsolidation;
    const double phiCv = criticalAngle(kUndrainedShape, s.uniformity);
    const double etaCv = etaOf(phiCv);
    const double q = 10.0;
    const double index0 = dilatancyIndex(dr, q, s3);
    const Constants k = constantsOf(Calibration::SandLow);

    auto modulus = [&](double p) { return k.modulus * (0.35 + 0.65 * dr) * std::pow(ocr, 0.2) * kPa * std::sqrt(p / kPa); };
    const double epsPeak = peakStrain(k.strainAtPeak, dr, index0, s3, kUndrainedEnd / 100.0) / std::pow(ocr, 0.3);
    const double etaPeak0 = etaOf(phiCv + 3.0 * clamp(index0, 0, 4));
    const double shape = std::max(2.2, modulus(s3) * epsPeak / (etaPeak0 * s3));
    const double loose = 1.0 - dr;
    const double c0 = (0.3 + 1.6 * loose * loose * loose + 0.8 * clamp(-index0, 0, 2)) / std::sqrt(ocr);
    // The skeleton's bulk stiffness against the volume change it is denied.
    const double drainedToUndrained = 0.25;

    Curve c;
    c.relativeDensity = dr;
    c.phiCvDeg = phiCv;
    c.phiPeakDeg = phiCv + 3.0 * clamp(index0, 0, 4);
    c.rows.reserve(kUndrainedRows);
    double p = s3, eta = 0;
    const int substeps = 10;
    const double rowStep = kUndrainedEnd / 100.0 / (kUndrainedRows - 1);
    const double h = rowStep / substeps;
    double eps = 0;
    for (int i = 0; i < kUndrainedRows; ++i) {
        if (i > 0)
            for (int j = 0; j < substeps; ++j) {
                eps += h;
                // The state index follows the mean stress: a contracting specimen that loses
                // effective stress becomes dilative in turn (phase transformation).
                const double iR = clamp(dilatancyIndex(dr, q, p), 0, 4);
                const double etaPeak = etaOf(phiCv + 3.0 * iR);
                eta = etaPeak * mobilised(eps / epsPeak, shape, etaCv / etaPeak, 1.2 + 0.4 * iR);
                const double betaD = iR > 0 && etaPeak > etaCv * 1.0001 ? 0.3 * iR / (etaPeak / etaCv - 1.0) : 0.0;
                const double r = (eta < etaCv ? c0 : betaD) * (1.0 - eta / etaCv);
                p = std::max(1.0, p - drainedToUndrained * modulus(p) * r * h);
            }
        const double qv = eta * p;
        c.rows.push_back({100.0 * rowStep * i, qv, s3 + qv / 3.0 - p});
    }
    return c;
}

std::string drainedFile(const GranularSpecimen& s, const Curve& curve, const char* procedure)
{
    std::string out;
    out += "soilnet 1.0 result file\n";
    out += "procedure: ";
    out += procedure;
    out += "\nmodel: empirical hyperbolic stress-strain law with stress-dilatancy (see data/README.md)\n";
    appendLine(out, "average diameter (mm): ", s.averageDiameterMm);
    appendLine(out, "coefficient of uniformity: ", s.uniformity);
    appendLine(out, "coefficient of concavity: ", s.concavity);
    appendLine(out, "hardness: ", s.hardness);
    appendLine(out, "shape factor: ", s.shapeFactor);
    appendLine(out, "void ratio: ", s.voidRatio);
    appendLine(out, "effective confining stress (kPa): ", s.confiningKPa);
    out += "relative density (%): ";
    appendNumber(out, 100.0 * curve.relativeDensity, 1);
    out += "; critical-state friction angle (deg): ";
    appendNumber(out, curve.phiCvDeg, 1);
    out += "; peak friction angle (deg): ";
    appendNumber(out, curve.phiPeakDeg, 1);
    out += "\naxial strain (%), deviator stress (kPa), volumetric strain (%)\n";
    appendRows(out, curve, 4);
    return out;
}

std::string undrainedFile(const UndrainedSpecimen& s, const Curve& curve)
{
    std::string out;
    out += "soilnet 1.0 result file\n";
    out += "procedure: ciucSand_testing\n";
    out += "model: empirical hyperbolic stress-strain law with stress-dilatancy (see data/README.md)\n";
    appendLine(out, "relative density (%): ", s.relativeDensityPercent);
    appendLine(out, "coefficient of uniformity: ", s.uniformity);
    appendLine(out, "over-consolidation ratio: ", s.overConsolidation);
    appendLine(out, "effective confining stress (kPa): ", s.confiningKPa);
    out += "axial strain (%), deviator stress (kPa), excess pore pressure (kPa)\n";
    appendRows(out, curve, 2);
    return out;
}

} // namespace soilnet
