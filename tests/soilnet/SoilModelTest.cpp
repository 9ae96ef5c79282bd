// The model on the edges of what the library accepts: every value a finite number, the
// stresses non-negative, the effective stress positive, whatever the specimen.
#include "soilnet/SoilModel.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

TEST(SoilModel, EveryCornerOfTheAcceptedRangeGivesFiniteCurves)
{
    // Low and high end of each value that check() accepts, all 2^8 combinations.
    const double lo[8] = {0.011, 1, 0.051, 1, 0.01, 0.11, 1, 0.01};
    const double hi[8] = {300, 100, 20, 10, 50, 2.99, 100000, 50};
    for (int corner = 0; corner < 256; ++corner) {
        double v[8];
        for (int i = 0; i < 8; ++i)
            v[i] = (corner >> i) & 1 ? hi[i] : lo[i];
        const soilnet::GranularSpecimen s{v[0], v[1], v[2], v[3], v[4], v[5], v[6], v[7]};
        ASSERT_EQ(soilnet::check(s), "") << corner;
        for (auto c : {soilnet::Calibration::Gravel, soilnet::Calibration::SandHigh, soilnet::Calibration::SandLow}) {
            const soilnet::Curve curve = soilnet::drained(s, c);
            ASSERT_EQ(curve.rows.size(), 301u);
            for (const soilnet::Row& r : curve.rows) {
                ASSERT_TRUE(std::isfinite(r.axialStrainPercent) && std::isfinite(r.deviatorStressKPa) && std::isfinite(r.third))
                    << "corner " << corner;
                ASSERT_GE(r.deviatorStressKPa, 0.0) << "corner " << corner;
                ASSERT_LT(std::abs(r.third), 100.0) << "corner " << corner;
            }
        }
    }
    for (int corner = 0; corner < 16; ++corner) {
        const double dr = corner & 1 ? 100 : 0, cu = corner & 2 ? 100 : 1, ocr = corner & 4 ? 50 : 1,
                     s3 = corner & 8 ? 100000 : 1;
        const soilnet::UndrainedSpecimen s{dr, cu, ocr, s3};
        ASSERT_EQ(soilnet::check(s), "");
        for (const soilnet::Row& r : soilnet::undrained(s).rows) {
            ASSERT_TRUE(std::isfinite(r.deviatorStressKPa) && std::isfinite(r.third)) << "corner " << corner;
            ASSERT_GE(r.deviatorStressKPa, 0.0);
            ASSERT_GT(s3 + r.deviatorStressKPa / 3 - r.third, 0.0) << "corner " << corner << " at " << r.axialStrainPercent;
        }
    }
}

} // namespace
