// The rules of the steps before shearing: readings, the attempt rule, the B-value, the
// consolidation target and the record computed from its formulas.
#include "triaxial/PreShearSteps.h"

#include "platform/testing/ScriptedServices.h"

#include <gtest/gtest.h>

#include <cmath>

using namespace preshear;

namespace {

const QString OneDecimal = QStringLiteral("Please enter the correct value with one digit after the decimal.");
const QString ThreePrompt = QStringLiteral(
    "Failed in last three attempts. Do you wish to ...\r\r'Continue' entering the value, or\r'Move on' to the next step and "
    "loose 10% grade from this segment");

TEST(Measurement, RandomPlaceGivesTheReading)
{
    struct Case {
        float u;
        Phase phase;
        double left;
    } cases[] = {
        {0.0f, Phase::Height, -8700},     {0.999f, Phase::Height, -6200},  // u rounds to 1.00
        {0.125f, Phase::Height, -8400},   // 0.125 rounds to the even 0.12
        {0.5f, Phase::Diameter, -1350},   {0.0f, Phase::Diameter, -2600}, {0.996f, Phase::Diameter, -100},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.u);
        EXPECT_DOUBLE_EQ(mainScaleLeft(c.u, c.phase), c.left);
        EXPECT_DOUBLE_EQ(scaleReading(c.left), 90 - c.left / 88.5);
    }
    // The ends of both ranges.
    EXPECT_NEAR(scaleReading(-8700), 188.31, 0.005);
    EXPECT_NEAR(scaleReading(-6200), 160.06, 0.005);
    EXPECT_NEAR(scaleReading(-2600), 119.38, 0.005);
    EXPECT_NEAR(scaleReading(-100), 91.13, 0.005);
    EXPECT_DOUBLE_EQ(scaleReading(ParkedScaleLeft), 90 - 4000 / 88.5);
}

TEST(Measurement, ThresholdIsStrictlyBelowATenthsPair)
{
    struct Case {
        double reading, entry;
        bool accepted;
    } cases[] = {{170.5, 170.69, true}, {170.5, 170.31, true}, {170.5, 170.7, false}, {170.5, 170.3, false},
                 {184.915, 185.1, true}, {184.915, 184.72, true}, {184.915, 185.2, false}, {170.5, 0, false}};
    for (const Case& c : cases)
        EXPECT_EQ(readingAccepted(c.reading, c.entry), c.accepted) << c.reading << " " << c.entry;
}

TEST(Measurement, VolumeAndRanges)
{
    EXPECT_EQ(specimenVolume(160.1, 100.0), 1257);
    EXPECT_EQ(specimenVolume(160.1, 0), 0);
    EXPECT_TRUE(specimenRangeMessage(50, 50).isEmpty());
    EXPECT_TRUE(specimenRangeMessage(700, 300).isEmpty());
    EXPECT_EQ(specimenRangeMessage(49.9, 100),
              QStringLiteral("The range of specimen height commonly used: 50 mm < H < 700 mm. Please check. "));
    EXPECT_EQ(specimenRangeMessage(700.1, 100), specimenRangeMessage(49.9, 100));
    EXPECT_EQ(specimenRangeMessage(100, 300.1),
              QStringLiteral("The range of specimen diameter commonly used: 50 mm < H < 300 mm. Please check. "));
}

TEST(AttemptRule, TwoMessagesThenThePromptAndItsGrade)
{
    lx::testing::ScriptedServices s;
    AttemptRule rule;
    float score = 1.0f;
    // OK, OK, Continue, OK, OK, Move on.
    s.messages->msgsAnswers = {1, 1, 1, 1, 1, 2};
    const AttemptRule::Outcome expected[] = {AttemptRule::TryAgain, AttemptRule::TryAgain, AttemptRule::Continue,
                                             AttemptRule::TryAgain, AttemptRule::TryAgain, AttemptRule::MoveOn};
    for (AttemptRule::Outcome e : expected)
        EXPECT_EQ(rule.failOfThree(QStringLiteral("Specimen Dimensions"), OneDecimal, score), e);
    ASSERT_EQ(s.messages->msgsCalls.size(), 6u);
    for (int i : {0, 1, 3, 4}) {
        EXPECT_EQ(s.messages->msgsCalls[i].count, 1);
        EXPECT_EQ(s.messages->msgsCalls[i].message, OneDecimal);
        EXPECT_EQ(s.messages->msgsCalls[i].captions.value(0), QStringLiteral("OK"));
    }
    for (int i : {2, 5}) {
        EXPECT_EQ(s.messages->msgsCalls[i].count, 2);
        EXPECT_EQ(s.messages->msgsCalls[i].title, QStringLiteral("Specimen Dimensions"));
        EXPECT_EQ(s.messages->msgsCalls[i].message, ThreePrompt);
        EXPECT_EQ(s.messages->msgsCalls[i].captions.mid(0, 2), (QStringList{QStringLiteral("Continue"), QStringLiteral("Move on")}));
    }
    EXPECT_EQ(rule.failures(), 0);
    EXPECT_FLOAT_EQ(score, 0.9f);

    // A second move on, for the other dimension: 0.8, with no lower limit after it.
    s.messages->msgsAnswers = {1, 1, 2};
    for (int i = 0; i < 3; ++i)
        rule.failOfThree(QStringLiteral("Specimen Dimensions"), OneDecimal, score);
    EXPECT_EQ(score, 1.0f - 0.1f - 0.1f);
}

TEST(AttemptRule, DimensionsPromptAfterTheFourthWithItsMessage)
{
    lx::testing::ScriptedServices s;
    AttemptRule rule;
    float score = 0.9f;
    s.messages->msgsAnswers = {1, 1, 1, 1, 2};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(rule.failOfFour(QStringLiteral("Isotropic Consolidation"), QStringLiteral("wrong"), score), AttemptRule::TryAgain);
    EXPECT_EQ(rule.failOfFour(QStringLiteral("Isotropic Consolidation"), QStringLiteral("wrong"), score), AttemptRule::MoveOn);
    ASSERT_EQ(s.messages->msgsCalls.size(), 5u);
    EXPECT_EQ(s.messages->msgsCalls[3].message, QStringLiteral("wrong"));
    EXPECT_EQ(s.messages->msgsCalls[4].message,
              QStringLiteral("Failed in last four attempts. Do you wish to ...\r\r'Continue' entering the value, or\r'Move on' to "
                             "the next step and loose 20% grade from this segment"));
    EXPECT_FLOAT_EQ(score, 0.7f);
}

TEST(Saturation, BValueFormula)
{
    struct Case {
        double r, bp;
        const char* shown;
        bool passes;
    } cases[] = {{0, 20, "0.811", false}, {0, 50, "0.931", false}, {0, 60, "0.95", true},  {0, 70, "0.964", true},
                 {0.5, 90, "0.945", false}, {0.5, 100, "0.955", true}, {0.5, 0, "0.665", false}};
    for (const Case& c : cases) {
        SCOPED_TRACE(c.bp);
        const double B = 1 - (1 + c.r) * std::exp(-c.bp / (40 * c.r + 30) - (1 + c.r));
        EXPECT_DOUBLE_EQ(BValue(c.bp, c.r), B);
        EXPECT_EQ(BValueText(c.bp, c.r), QString::fromLatin1(c.shown));
        EXPECT_EQ(saturated(BValueText(c.bp, c.r)), c.passes);
    }
}

TEST(Saturation, StressShownStaysWithinItsLimits)
{
    const std::pair<int, int> cases[] = {{0, 1}, {1, 1}, {10, 10}, {39, 39}, {40, 40}, {41, 40}, {1000, 40}};
    for (auto [bar, shown] : cases)
        EXPECT_EQ(saturationStressShown(bar), shown) << bar;
}

TEST(ConsolidationTarget, IncreaseCheck)
{
    struct Case {
        double target, saturation, increase;
        bool accepted;
    } cases[] = {{200, 10, 188.1, true}, {200, 10, 191.9, true}, {200, 10, 188, false}, {200, 10, 192, false},
                 {200, 40, 160, true},   {300, 10, 290, true},   {300, 10, 190, false}};
    for (const Case& c : cases)
        EXPECT_EQ(increaseAccepted(c.target, c.saturation, c.increase), c.accepted) << c.target << " " << c.increase;
    EXPECT_EQ(requiredIncrease(200, 10), 190);
    EXPECT_TRUE(targetReachable(11, 10));
    EXPECT_FALSE(targetReachable(10, 10));
    EXPECT_FALSE(targetReachable(5, 10));
    EXPECT_FALSE(targetReachable(200, 0));
}

// ---- the record, computed again here from its formulas ------------------------------

double roundEven(double x, int n)
{
    const double k = std::pow(10.0, n);
    return std::nearbyint(x * k) / k;
}
QString text(double x) { return QString::number(x, 'g', 15); }

HandOver sample()
{
    HandOver h;
    h.target = QStringLiteral("200");
    h.increase = QStringLiteral("190");
    h.cellPressure = QStringLiteral("260");
    h.saturationStress = QStringLiteral("10");
    h.backPressure = QStringLiteral("60");
    h.height = QStringLiteral("170.3");
    h.volume = QStringLiteral("1341");
    h.diameter = QStringLiteral("100.1");
    h.score = 0.9f;
    return h;
}

TEST(ConsolidationRecord, RowsFollowTheFormulasForAFixedConstant)
{
    for (const float r : {0.0f, 0.3125f, 0.9f}) {
        SCOPED_TRACE(r);
        const ConsolidationRecord record(sample(), r);
        ASSERT_TRUE(record.valid());
        const double rr = r;
        const double E = (rr + 1.5) * std::log(200.0 / 10.0);
        EXPECT_DOUBLE_EQ(record.endVolumetricStrain(), E);
        EXPECT_EQ(record.strainAxisMax(), float(std::nearbyint(float((E + 2.1) / 4))) * 4);

        const RecordRow& first = record.row(0);
        EXPECT_EQ(first.time, QStringLiteral("0"));
        EXPECT_EQ(first.cellPressure, QStringLiteral("260"));
        EXPECT_EQ(first.porePressure, QStringLiteral("190"));
        double time = 0, vol = 0, disp = 0, expelled = 0, pore = 0;
        for (int i = 1; i <= 9; ++i) {
            SCOPED_TRACE(i);
            time = roundEven(time + 10 * std::pow(i, 1.6 + rr / 10), 0);
            pore = roundEven(190 / (std::pow(i, 4) * (rr / 10 + 0.2) + 1), 0);
            vol = roundEven(E / (1 + 1 / std::pow(i, rr / 4 + 1.4)), 2);
            expelled = roundEven(1341 * vol / 100, 1);
            const double axial = roundEven(vol / (rr / 2 + 2.8), 2);
            disp = roundEven(170.3 * axial / 100, 2);
            const RecordRow& row = record.row(i);
            EXPECT_EQ(row.time, text(time));
            EXPECT_EQ(row.cellPressure, QStringLiteral("260"));
            EXPECT_EQ(row.porePressure, text(pore));
            EXPECT_EQ(row.volumetricStrain, text(vol));
            EXPECT_EQ(row.expelled, text(expelled));
            EXPECT_EQ(row.axialStrain, text(axial));
            EXPECT_EQ(row.displacement, text(disp));
        }
        EXPECT_DOUBLE_EQ(record.expectedEndStress(), 260 - pore - 60);
        EXPECT_DOUBLE_EQ(record.heightAfter(), 170.3 - disp);
        EXPECT_DOUBLE_EQ(record.volumeAfter(), 1341 - expelled);
        EXPECT_DOUBLE_EQ(record.diameterAfter(), std::sqrt((1341 - expelled) * 1000 / (170.3 - disp) / 0.7854));
    }
}

TEST(ConsolidationRecord, ChecksOfTheAnswers)
{
    const ConsolidationRecord record(sample(), 0.5f);
    const double stress = record.expectedEndStress();
    EXPECT_TRUE(record.endStressAccepted(stress + 1.9));
    EXPECT_FALSE(record.endStressAccepted(stress + 2.0));
    EXPECT_FALSE(record.endStressAccepted(stress - 2.0));
    EXPECT_TRUE(ConsolidationRecord::dimensionAccepted(201, 200));
    EXPECT_TRUE(ConsolidationRecord::dimensionAccepted(199, 200));
    EXPECT_FALSE(ConsolidationRecord::dimensionAccepted(201.1, 200));
    EXPECT_FALSE(ConsolidationRecord::dimensionAccepted(0, 0));
}

TEST(ConsolidationRecord, NoRecordWhereTheFormulasAreUndefined)
{
    for (const auto& [target, saturation] : {std::pair{"200", "0"}, {"10", "10"}, {"5", "10"}, {"", ""}}) {
        HandOver h = sample();
        h.target = QString::fromLatin1(target);
        h.saturationStress = QString::fromLatin1(saturation);
        const ConsolidationRecord record(h, 0.5f);
        EXPECT_FALSE(record.valid()) << target << " " << saturation;
        EXPECT_GT(record.strainAxisMax(), 0);
    }
}

} // namespace
