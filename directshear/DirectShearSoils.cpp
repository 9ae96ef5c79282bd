#include "directshear/DirectShearSoils.h"

#include "platform/Numbers.h"

#include <algorithm>
#include <iterator>

namespace directshear {

namespace {

const Sand setupSands[] = {
    {QStringLiteral("Barry's Beach Sand"), 103.0f},
    {QStringLiteral("Bass Strait Sand"), 103.1f},
    {QStringLiteral("Sydney Silica Sand"), 103.3f},
    {QStringLiteral("Old North Rankin Sand"), 103.5f},
    {QStringLiteral("New North Rankin Dense Sand"), 103.51f},
    {QStringLiteral("New North Rankin Loose Sand"), 103.52f},
    {QStringLiteral("Coarse New North Rankin Sand"), 103.6f},
    {QStringLiteral("Fine New North Rankin Sand"), 103.61f},
    {QStringLiteral("Reigate Silver Folkstone Sand"), 101.0f},
    {QStringLiteral("Reigate Pale Brown Sand"), 101.1f},
};

// TestInfo positions into ParamTexts: particle size, uniformity, deformation rate, the
// initial void ratio to three decimals and the normal stress.
const lx::ParamSlot testInfoSlots[] = {{0, 2}, {1, 3}, {2, 9}, {6, 7, 3}, {5, 8}};
// Reference positions: specimen height and diameter.
const lx::ParamSlot referenceSlots[] = {{3, 4}, {4, 5}};

} // namespace

std::span<const Sand> SetupSands() { return setupSands; }

std::span<const Sand> StudySands() { return std::span<const Sand>(setupSands).subspan(4, 4); }

std::optional<Sand> FindSand(std::span<const Sand> sands, const QString& name)
{
    const auto it = std::find_if(sands.begin(), sands.end(), [&](const Sand& s) { return s.name == name; });
    if (it == sands.end())
        return std::nullopt;
    return *it;
}

QString TestInfoSql(float referenceNumber)
{
    return QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + lx::SingleText(referenceNumber);
}

QString StudyTestInfoSql(float referenceNumber)
{
    return TestInfoSql(referenceNumber) + QStringLiteral(" order by [Normal Stress (kPa)]");
}

QString ReferenceSql(float referenceNumber)
{
    return QStringLiteral("SELECT * FROM Reference WHERE [Reference Number] =") + lx::SingleText(referenceNumber);
}

QString TestResultsSql() { return QStringLiteral("SELECT * from TestResults WHERE TestID = ? order by [Point Number]"); }

QStringList ParamCaptions()
{
    return {QStringLiteral("Average Particle Size (mm): "), QStringLiteral("Coefficient of Uniformity:"),
            QStringLiteral("Deformation Rate (mm/min):"),   QStringLiteral("Specimen Height (mm):"),
            QStringLiteral("Specimen Diameter (mm):"),      QStringLiteral("Normal Stress (kPa):"),
            QStringLiteral("Initial Void Ratio:")};
}

std::vector<lx::ParamSlot> TestInfoSlots() { return {std::begin(testInfoSlots), std::end(testInfoSlots)}; }

std::vector<lx::ParamSlot> ReferenceSlots() { return {std::begin(referenceSlots), std::end(referenceSlots)}; }

} // namespace directshear
