#include "TriaxialModels.h"

#include <algorithm>
#include <cmath>
#include <stdexcept>

namespace gendata::triaxial {

double SandModel::criticalVoidRatio(double p) const { return eG - lambdaC * std::pow(std::max(p, 0.0) / pa, xi); }

double SandModel::consolidated(double e0, double sigma3) const
{
    return e0 - (1 + e0) * cIso * std::pow(sigma3 / pa, xi);
}

Curve SandModel::drained(double e0, double sigma3, double strainMax) const { return shear(e0, sigma3, strainMax, true, 0); }

Curve SandModel::undrained(double e0, double sigma3, double strainMax, double backPressure) const
{
    return shear(e0, sigma3, strainMax, false, cavitationPressure - backPressure);
}

Curve SandModel::shear(double eFormed, double sigma3, double strainMax, bool drained, double uMin) const
{
    const double e0 = consolidated(eFormed, sigma3);
    Curve c;
    c.add(0, 0, 0, 0);
    double p = sigma3, q = 0, e = e0, ea = 0, ev = 0;
    double eBand = e0;           // void ratio that sets psi: the specimen's, then the shear band's
    bool pastPeak = false;
    bool cavitated = false;      // undrained, the pore pressure held at its cavitation limit
    const double pMin = 2.0;     // an undrained path that liquefies stops losing strength here
    for (long step = 0; step < 5000000 && ea < strainMax; ++step) {
        const double eta = std::max(q / p, 1e-4);
        const double psi = eBand - criticalVoidRatio(p);
        const double Mb = M * std::exp(-nb * psi);
        const double Md = std::max(Mmu, M * std::exp(nd * psi));
        const double G = G0 * pa * (2.97 - e) * (2.97 - e) / (1 + e) * std::sqrt(p / pa);
        const double K = G * 2 * (1 + nu) / (3 * (1 - 2 * nu));
        const double h = std::max(h1 - h2 * e, 0.05 * h1);
        const double Kp = kh * h * (G / p) * (Mb / eta - 1);
        const double D = Ad * 9 * (Md - eta) / (9 + 3 * Md - 2 * Md * eta);   // d eps_v^p / d eps_q^p

        double dep = 1e-5;
        if (std::abs(Kp) * dep > 0.002)
            dep = 0.002 / std::abs(Kp);
        const double deta = Kp * dep;
        double dq, dp, dev, deq;
        const bool drainedStep = drained || cavitated;
        if (drainedStep) {
            dq = deta * p / (1 - (eta + deta) / 3);
            dp = dq / 3;
            dev = dp / K + D * dep;
        } else {
            dp = -K * D * dep;
            if (p + dp < pMin)
                dp = pMin - p;
            dq = (eta + deta) * (p + dp) - q;
            dev = 0;
        }
        deq = dq / (3 * G) + dep;
        p += dp;
        q += dq;
        ev += dev;
        e = e0 - (1 + e0) * ev;
        if (drainedStep && deta < 0)
            pastPeak = true;
        eBand -= (1 + e0) * dev * (pastPeak ? localization : 1.0);
        ea += deq + dev / 3;
        // Excess pore pressure: total mean stress rises by q/3 at constant cell pressure.
        double u = drained ? 0.0 : cavitated ? uMin : q / 3 - (p - sigma3);
        if (!drained && u <= uMin) {
            cavitated = true;
            u = uMin;
            p = sigma3 + q / 3 - uMin;
        }
        c.add(ea, q, ev, u);
        if (!drained && !cavitated && p <= pMin + 1e-9) {
            // Liquefied: the specimen flows at its residual strength.
            c.add(strainMax, q, ev, u);
            break;
        }
    }
    return c;
}

double CamClay::specificVolume(double p0, double R) const
{
    // On the swelling line through the normal compression line at p'_c = R p'_0.
    return N - lambda * std::log(R * p0) + kappa * std::log(R);
}

double CamClay::alpha() const { return M * (M - 9) * (M - 3) / (9 * (6 - M) * (1 - kappa / lambda)); }

namespace {

double shearModulus(const CamClay& m, double v, double p)
{
    const double K = v * p / m.kappa;
    return 3 * K * (1 - 2 * m.nu) / (2 * (1 + m.nu));
}

} // namespace

Curve CamClay::drained(double p0, double R, double strainMax) const
{
    Curve c;
    c.add(0, 0, 0, 0);
    const double v = specificVolume(p0, R);
    const double pc0 = R * p0;
    double p = p0, q = 0, pc = pc0, ea = 0, ev = 0;
    // Elastic until the stress path (dq/dp' = 3) meets the yield locus q^2 = M^2 p'(p'_c - p').
    const double dqE = 0.5;
    while (q * q < M * M * p * (pc0 - p)) {
        const double G = shearModulus(*this, v, p);
        const double K = v * p / kappa;
        const double dp = dqE / 3;
        q += dqE;
        p += dp;
        const double dev = dp / K;
        ev += dev;
        ea += dqE / (3 * G) + dev / 3;
        if (q * q < M * M * p * (pc0 - p))
            c.add(ea, q, ev, 0);
    }
    // Plastic, the yield locus passing through the current stress: p'_c = p'(1 + eta^2/M^2).
    double eta = q / p;
    for (int step = 0; step < 2000000 && ea < strainMax && eta < M; ++step) {
        const double deta = std::min(0.002, (M - eta) * 0.002) + 1e-9;
        const double etaN = std::min(eta + deta, M * (1 - 1e-12));
        const double pN = p0 / (1 - etaN / 3);
        const double qN = etaN * pN;
        const double pcN = std::max(pc, pN * (1 + etaN * etaN / (M * M)));
        const double devE = kappa / v * std::log(pN / p);
        const double devP = (lambda - kappa) / v * std::log(pcN / pc);
        const double etaMid = 0.5 * (eta + etaN);
        const double deqP = alpha() * devP * 2 * etaMid / (M * M - etaMid * etaMid);
        const double G = shearModulus(*this, v, 0.5 * (p + pN));
        const double deq = (qN - q) / (3 * G) + deqP;
        ev += devE + devP;
        ea += deq + (devE + devP) / 3;
        p = pN;
        q = qN;
        pc = pcN;
        eta = etaN;
        c.add(ea, q, ev, 0);
    }
    if (ea < strainMax)
        c.add(strainMax, q, ev, 0);   // at the critical state: shearing on, stresses and volume constant
    return c;
}

Curve CamClay::undrained(double p0, double R, double strainMax) const
{
    if (R > 2.0)
        throw std::invalid_argument("undrained modified Cam-clay path is written for R <= 2");
    Curve c;
    c.add(0, 0, 0, 0);
    const double v = specificVolume(p0, R);
    const double pc0 = R * p0;
    // Elastic: no volume change, so p' stays at p'_0 until q reaches the yield locus.
    const double qy = M * p0 * std::sqrt(R - 1);
    const double G0 = shearModulus(*this, v, p0);
    double ea = 0, q = 0, p = p0;
    const int nE = 400;
    for (int i = 1; i <= nE && R > 1; ++i) {
        const double qN = qy * i / nE;
        const double r = (q + qN) / (2 * qy);
        ea += (qN - q) / (3 * G0 * (1 - softening * r * r));
        q = qN;
        c.add(ea, q, 0, q / 3);
    }
    // Plastic, volume constant: kappa ln(p'/p'_0) + (lambda - kappa) ln(p'_c/p'_c0) = 0 with
    // p'_c = p'(1 + eta^2/M^2), so p' = p'_0^(kappa/lambda) p'_c0^L (1 + eta^2/M^2)^-L.
    const double L = (lambda - kappa) / lambda;
    double eta = q / p;
    auto pOf = [&](double et) {
        return std::pow(p0, kappa / lambda) * std::pow(pc0, L) * std::pow(1 + et * et / (M * M), -L);
    };
    for (int step = 0; step < 2000000 && ea < strainMax && eta < M; ++step) {
        const double deta = std::min(0.002, (M - eta) * 0.002) + 1e-9;
        const double etaN = std::min(eta + deta, M * (1 - 1e-12));
        const double pN = std::min(p0, pOf(etaN));
        const double qN = etaN * pN;
        const double devP = -kappa / v * std::log(pN / p);    // equal and opposite to the elastic part
        const double etaMid = 0.5 * (eta + etaN);
        const double deqP = alpha() * devP * 2 * etaMid / (M * M - etaMid * etaMid);
        const double G = shearModulus(*this, v, 0.5 * (p + pN));
        ea += (qN - q) / (3 * G) + deqP;
        p = pN;
        q = qN;
        eta = etaN;
        c.add(ea, q, 0, q / 3 - (p - p0));
    }
    if (ea < strainMax)
        c.add(strainMax, q, 0, q / 3 - (p - p0));
    return c;
}

std::vector<double> studyGrid(double strainMax)
{
    // Whole per-mille steps, so that a strain rounded to 3 decimals is the stored strain.
    std::vector<int> mille;
    for (int k = 0; k <= 10; ++k)
        mille.push_back(k);
    for (int k = 12; k <= 30; k += 2)
        mille.push_back(k);
    for (int k = 35; k <= 100; k += 5)
        mille.push_back(k);
    for (int k = 110; k <= 300; k += 10)
        mille.push_back(k);
    std::vector<double> g;
    for (int k : mille)
        if (k <= std::lround(strainMax * 1000))
            g.push_back(k / 1000.0);
    return g;
}

std::vector<double> uniformGrid(double step, double strainMax)
{
    std::vector<double> g;
    const long n = std::lround(strainMax / step);
    for (long k = 0; k <= n; ++k)
        g.push_back(std::round(k * step * 1e6) / 1e6);
    return g;
}

Curve resample(const Curve& path, const std::vector<double>& grid)
{
    // Keep the path's points of rising axial strain only (elastic unloading in a softening
    // step may give back a little strain).
    std::vector<size_t> idx;
    double top = -1;
    for (size_t i = 0; i < path.size(); ++i)
        if (path.strain[i] > top) {
            top = path.strain[i];
            idx.push_back(i);
        }
    if (top + 1e-12 < grid.back())
        throw std::runtime_error("model path ends before the last recorded strain");
    Curve out;
    size_t j = 0;
    for (double s : grid) {
        while (j + 1 < idx.size() && path.strain[idx[j + 1]] < s)
            ++j;
        const size_t a = idx[j], b = idx[std::min(j + 1, idx.size() - 1)];
        const double sa = path.strain[a], sb = path.strain[b];
        const double t = (sb > sa) ? std::clamp((s - sa) / (sb - sa), 0.0, 1.0) : 0.0;
        auto mix = [&](const std::vector<double>& v) { return v[a] + t * (v[b] - v[a]); };
        out.add(s, mix(path.q), mix(path.ev), mix(path.u));
    }
    out.q.front() = out.ev.front() = out.u.front() = 0;
    return out;
}

} // namespace gendata::triaxial
