#pragma once
// Soil models behind the stored triaxial tests (data/README.md, "Triaxial tests").
//
// Sands and gravels: a critical-state model with the state parameter psi = e - e_c(p'),
// a curved critical state line e_c = e_G - lambda_c (p'/p_a)^xi, a peak stress ratio
// M_b = M exp(-n_b psi), Rowe's stress-dilatancy with a state-dependent phase-transformation
// ratio M_d = max(M_mu, M exp(n_d psi)), and pressure-dependent elasticity. After the
// peak, deformation localizes: the state parameter of the shear band approaches zero
// faster than the specimen's mean void ratio would say. One set of constants gives
// both the drained and the undrained tests of a soil. Undrained, the pore water cavitates
// at its limit under the test's back pressure, and the test goes on at that pore pressure.
//
// Clays: modified Cam-clay (elliptical yield locus, hardening by plastic volume change),
// drained and undrained triaxial compression from an isotropic state with a given
// overconsolidation ratio R = p'_c / p'_0. The plastic shear strain of the associated flow
// rule is scaled by the factor alpha that makes one-dimensional compression give Jaky's
// K0 = 1 - sin(phi'); the critical state and the volumetric response stay those of the
// associated model.
//
// All paths start at zero axial strain and zero deviator stress. Stresses are effective
// stresses in kPa, strains are fractions, compression positive.
#include <cstddef>
#include <vector>

namespace gendata::triaxial {

// A loading path: axial strain, deviator stress, volumetric strain, excess pore pressure.
struct Curve {
    std::vector<double> strain, q, ev, u;
    void add(double ea, double dq, double dev, double du)
    {
        strain.push_back(ea);
        q.push_back(dq);
        ev.push_back(dev);
        u.push_back(du);
    }
    std::size_t size() const { return strain.size(); }
};

struct SandModel {
    double G0 = 125;        // shear modulus constant: G = G0 p_a (2.97 - e)^2 / (1 + e) sqrt(p'/p_a)
    double nu = 0.25;       // Poisson's ratio
    double M = 1.25;        // critical stress ratio in compression
    double eG = 0.934;      // e_c at p' = 0
    double lambdaC = 0.019; // slope of the critical state line against (p'/p_a)^xi
    double xi = 0.7;
    double nb = 1.1;        // peak stress ratio M exp(-nb psi)
    double nd = 3.5;        // phase transformation ratio M exp(nd psi)
    double h1 = 3.15, h2 = 3.05; // plastic hardening h = h1 - h2 e
    double kh = 1.0;        // scale of the plastic modulus
    double Ad = 1.0;        // scale of Rowe's dilatancy
    double Mmu = 1.03;      // lowest phase transformation ratio (Rowe's phi_f = phi_mu, ~26 deg)
    double localization = 3.0; // after the peak the shear band's state parameter moves this much faster
    double cIso = 0.003;    // isotropic consolidation: eps_v = cIso (sigma3'/p_a)^xi

    static constexpr double pa = 101.325;
    // Gauge pressure at which pore water cavitates (about zero absolute pressure): an undrained
    // test's excess pore pressure cannot fall below -(back pressure + 100 kPa).
    static constexpr double cavitationPressure = -100;

    double criticalVoidRatio(double p) const;
    // Void ratio after isotropic consolidation of a specimen formed at e0 to sigma3'.
    double consolidated(double e0, double sigma3) const;
    double stateParameter(double e, double p) const { return e - criticalVoidRatio(p); }

    // Consolidation to sigma3', then triaxial compression at constant cell pressure. e0 is
    // the void ratio of the specimen as formed; strains count from the start of shear.
    Curve drained(double e0, double sigma3, double strainMax) const;
    // Undrained, run with the given back pressure (kPa gauge). Once the pore water cavitates
    // the pore pressure stays at its limit and the effective stresses rise with the total
    // stresses: the specimen shears as a drained one would, dilating into the vapour cavities.
    Curve undrained(double e0, double sigma3, double strainMax, double backPressure) const;

private:
    Curve shear(double e0, double sigma3, double strainMax, bool drained, double uMin) const;
};

struct CamClay {
    double lambda = 0.2;    // slope of the normal compression line, e against ln p'
    double kappa = 0.04;    // slope of the swelling lines
    double M = 0.9;         // critical stress ratio
    double N = 3.0;         // specific volume on the normal compression line at p' = 1 kPa
    double nu = 0.3;        // Poisson's ratio of the elastic part (G from K = v p'/kappa)
    double softening = 0.6; // inside the yield locus G falls as G (1 - a (q/q_y)^2): the smooth
                            // approach to yield of natural, lightly overconsolidated clays

    double specificVolume(double p0, double R) const; // v of a specimen at p'_0 with OCR R
    double alpha() const;   // M (M - 9)(M - 3) / (9 (6 - M)(1 - kappa/lambda))

    // Drained compression at constant cell pressure (stress path dq/dp' = 3), R <= ~2.5.
    Curve drained(double p0, double R, double strainMax) const;
    // Undrained compression, R <= 2 (the wet side: yielding builds positive pore pressure).
    Curve undrained(double p0, double R, double strainMax) const;
};

// Axial strains at which a stored test is recorded. The study grid is fine where the
// curves turn (1 per mille to 1 %), coarser later: at most 55 points to 0.30, so that five
// tests fit together into one study report of 301 points.
std::vector<double> studyGrid(double strainMax);
std::vector<double> uniformGrid(double step, double strainMax);

// The path read at the given axial strains (linear between computed states; the path is
// computed in steps far smaller than the grid).
Curve resample(const Curve& path, const std::vector<double>& grid);

} // namespace gendata::triaxial
