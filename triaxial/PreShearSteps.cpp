#include "PreShearSteps.h"

#include "platform/Numbers.h"
#include "platform/Services.h"

#include <algorithm>
#include <cmath>

namespace preshear {

namespace {

const QString CR = QStringLiteral("\r");

QString movingOnPrompt(const QString& attempts, const QString& percent)
{
    return QStringLiteral("Failed in last ") + attempts + QStringLiteral(" attempts. Do you wish to ...") + CR + CR
        + QStringLiteral("'Continue' entering the value, or") + CR + QStringLiteral("'Move on' to the next step and loose ")
        + percent + QStringLiteral(" grade from this segment");
}

AttemptRule::Outcome askToMoveOn(const QString& title, const QString& prompt, float& score, float penalty)
{
    const int answer = lx::messages().msgs(2, title, prompt, {QStringLiteral("Continue"), QStringLiteral("Move on"), {}, {}});
    if (answer != 2)
        return AttemptRule::Continue;
    score -= penalty;
    return AttemptRule::MoveOn;
}

void tellWrong(const QString& title, const QString& message)
{
    lx::messages().msgs(1, title, message, {QStringLiteral("OK"), {}, {}, {}});
}

} // namespace

double mainScaleLeft(float u, Phase phase)
{
    const double offset = phase == Phase::Height ? -8700 : -2600;
    return lx::Round(u, 2) * 2500 + offset;
}

double scaleReading(double left) { return 90 - left / TwipsPerMm; }

// Entries are decimal texts: a difference of 0.2 as typed is a difference of 0.2, not the
// 0.19999999999998863 that 170.7 - 170.5 comes to in binary.
constexpr double DecimalSlack = 1e-9;

bool readingAccepted(double reading, double entry) { return std::abs(reading - entry) < 0.2 - DecimalSlack; }

double specimenVolume(double heightMm, double diameterMm)
{
    return lx::Round(diameterMm * diameterMm * 0.7854 * heightMm / 1000, 0);
}

QString specimenRangeMessage(double heightMm, double diameterMm)
{
    if (heightMm < 50 || heightMm > 700)
        return QStringLiteral("The range of specimen height commonly used: 50 mm < H < 700 mm. Please check. ");
    if (diameterMm < 50 || diameterMm > 300)
        return QStringLiteral("The range of specimen diameter commonly used: 50 mm < H < 300 mm. Please check. ");
    return {};
}

AttemptRule::Outcome AttemptRule::failOfThree(const QString& title, const QString& message, float& score)
{
    if (nFailures != 2) {
        tellWrong(title, message);
        ++nFailures;
        return TryAgain;
    }
    nFailures = 0;
    return askToMoveOn(title, movingOnPrompt(QStringLiteral("three"), QStringLiteral("10%")), score, 0.1f);
}

AttemptRule::Outcome AttemptRule::failOfFour(const QString& title, const QString& message, float& score)
{
    tellWrong(title, message);
    if (++nFailures != 4)
        return TryAgain;
    nFailures = 0;
    return askToMoveOn(title, movingOnPrompt(QStringLiteral("four"), QStringLiteral("20%")), score, 0.2f);
}

int saturationStressShown(int barValue) { return std::clamp(barValue, SaturationStressMin, SaturationStressMax); }

double BValue(double backPressure, double r)
{
    return 1 - (1 + r) * std::exp(-backPressure / (40 * r + 30) - (1 + r));
}

QString BValueText(double backPressure, double r) { return lx::DoubleText(lx::Round(BValue(backPressure, r), 3)); }

bool saturated(const QString& shownB) { return lx::Val(shownB) >= 0.95; }

double requiredIncrease(double target, double saturationStress) { return target - saturationStress; }

bool increaseAccepted(double target, double saturationStress, double increase)
{
    return std::abs(requiredIncrease(target, saturationStress) - increase) < 2.0 - DecimalSlack;
}

bool targetReachable(double target, double saturationStress) { return saturationStress > 0 && target > saturationStress; }

ConsolidationRecord::ConsolidationRecord(const HandOver& values, float random) : in(values), r(random)
{
    using lx::DoubleText;
    using lx::Round;
    using lx::Val;
    const double A = Val(in.target), B = Val(in.saturationStress);
    if (!targetReachable(A, B))
        return;
    isValid = true;
    const double rr = r;
    E = (rr + 1.5) * std::log(A / B);
    ymax = float(Round(float((E + 2.1) / 4), 0)) * 4.0f;
    if (ymax <= 0)
        ymax = 4;

    rows[0] = {QStringLiteral("0"), in.cellPressure, in.increase, QStringLiteral("0"), QStringLiteral("0"), QStringLiteral("0"),
               QStringLiteral("0")};
    const double P0 = Val(in.increase), V = Val(in.volume), H = Val(in.height);
    for (int i = 1; i < Rows; ++i) {
        const RecordRow& before = rows[std::size_t(i - 1)];
        RecordRow& row = rows[std::size_t(i)];
        row.time = DoubleText(Round(Val(before.time) + 10 * std::pow(i, 1.6 + rr / 10), 0));
        row.cellPressure = before.cellPressure;
        row.porePressure = DoubleText(Round(P0 / (std::pow(i, 4) * (rr / 10 + 0.2) + 1), 0));
        row.volumetricStrain = DoubleText(Round(E / (1 + 1 / std::pow(i, rr / 4 + 1.4)), 2));
        row.expelled = DoubleText(Round(V * Val(row.volumetricStrain) / 100, 1));
        row.axialStrain = DoubleText(Round(Val(row.volumetricStrain) / (rr / 2 + 2.8), 2));
        row.displacement = DoubleText(Round(H * Val(row.axialStrain) / 100, 2));
    }
}

double ConsolidationRecord::expectedEndStress() const
{
    const RecordRow& last = rows[Rows - 1];
    return lx::Val(last.cellPressure) - lx::Val(last.porePressure) - lx::Val(in.backPressure);
}

bool ConsolidationRecord::endStressAccepted(double entry) const
{
    return std::abs(expectedEndStress() - entry) < 2.0 - DecimalSlack;
}

double ConsolidationRecord::heightAfter() const { return lx::Val(in.height) - lx::Val(rows[Rows - 1].displacement); }

double ConsolidationRecord::volumeAfter() const { return lx::Val(in.volume) - lx::Val(rows[Rows - 1].expelled); }

double ConsolidationRecord::diameterAfter() const { return std::sqrt(volumeAfter() * 1000 / heightAfter() / 0.7854); }

bool ConsolidationRecord::dimensionAccepted(double entry, double expected)
{
    return expected != 0 && std::abs(1 - entry / expected) <= 0.005 + DecimalSlack;
}

} // namespace preshear
