#pragma once
// The sands of the direct shear windows, where their parameter boxes come from, and the
// SQL texts run on the direct shear database.
#include "lab/SetupForm.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace directshear {

// The set-up form's ten sands, in list order.
std::span<const lx::SoilEntry> SetupSands();
// The parametric study's four sands, in list order (the same numbers as in the set-up list).
std::span<const lx::SoilEntry> StudySands();
// The listed sand of that name; nothing for a text that is not listed.
std::optional<lx::SoilEntry> FindSand(std::span<const lx::SoilEntry> sands, const QString& name);

// The seven ParamTexts of a sand: 0 average particle size, 1 coefficient of uniformity,
// 2 deformation rate (TestInfo positions 2, 3, 9), 3 specimen height and 4 diameter
// (Reference positions 4, 5), 5 normal stress (TestInfo 8) and 6 initial void ratio
// (TestInfo 7, to three decimals). A sand needs both rows to run.
inline constexpr int ParamCount = 7;
inline constexpr int NormalStressIndex = 5;
lx::SoilParameterTable ParameterTable();
// The captions of the boxes by ParamTexts index ("Average Particle Size (mm): " keeps its blank).
QStringList ParamCaptions();

// "SELECT * FROM TestInfo WHERE ReferenceNumber =103.51 order by [Normal Stress (kPa)]"
QString StudyTestInfoSql(float referenceNumber);
// "SELECT * FROM Reference WHERE [Reference Number] =103.51"
QString ReferenceSql(float referenceNumber);
// The points of one test in order; its TestID binds to the '?'.
QString TestResultsSql();

} // namespace directshear
