#include "directshear/DirectShearSoils.h"

#include <algorithm>

namespace directshear {

namespace {

const lx::SoilEntry setupSands[] = {
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

} // namespace

std::span<const lx::SoilEntry> SetupSands() { return setupSands; }

std::span<const lx::SoilEntry> StudySands() { return std::span<const lx::SoilEntry>(setupSands).subspan(4, 4); }

std::optional<lx::SoilEntry> FindSand(std::span<const lx::SoilEntry> sands, const QString& name)
{
    const auto it = std::find_if(sands.begin(), sands.end(), [&](const lx::SoilEntry& s) { return s.name == name; });
    if (it == sands.end())
        return std::nullopt;
    return *it;
}

lx::SoilParameterTable ParameterTable()
{
    lx::SoilParameterTable t;
    t.testInfoSql = QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =");
    t.testInfoSlots = {{0, 2}, {1, 3}, {2, 9}, {6, 7, 3}, {5, 8}};
    t.referenceSql = QStringLiteral("SELECT * FROM Reference WHERE [Reference Number] =");
    t.referenceSlots = {{3, 4}, {4, 5}};
    t.boxCount = ParamCount;
    t.testIdPosition = 1;
    t.referenceRequired = true;
    return t;
}

QStringList ParamCaptions()
{
    return {QStringLiteral("Average Particle Size (mm): "), QStringLiteral("Coefficient of Uniformity:"),
            QStringLiteral("Deformation Rate (mm/min):"),   QStringLiteral("Specimen Height (mm):"),
            QStringLiteral("Specimen Diameter (mm):"),      QStringLiteral("Normal Stress (kPa):"),
            QStringLiteral("Initial Void Ratio:")};
}

QString StudyTestInfoSql(float referenceNumber)
{
    return lx::TestInfoQuery(ParameterTable(), referenceNumber) + QStringLiteral(" order by [Normal Stress (kPa)]");
}

QString ReferenceSql(float referenceNumber) { return lx::ReferenceQuery(ParameterTable(), referenceNumber); }

QString TestResultsSql() { return QStringLiteral("SELECT * from TestResults WHERE TestID = ? order by [Point Number]"); }

} // namespace directshear
