#pragma once
// The sands of the direct shear windows, the SQL texts run on the direct shear database and
// the parameter boxes of one stored test.
#include <QString>
#include <QStringList>

#include "lab/ParamBoxes.h"

#include <optional>
#include <span>
#include <vector>

namespace directshear {

struct Sand {
    QString name;
    float referenceNumber;   // single precision: its text is the key in the queries
};
// The set-up form's ten sands, in list order.
std::span<const Sand> SetupSands();
// The parametric study's four sands, in list order (the same numbers as in the set-up list).
std::span<const Sand> StudySands();
// The listed sand of that name; nothing for a text that is not listed.
std::optional<Sand> FindSand(std::span<const Sand> sands, const QString& name);

// "SELECT * FROM TestInfo WHERE ReferenceNumber =103.51"
QString TestInfoSql(float referenceNumber);
// The study's: the same, " order by [Normal Stress (kPa)]".
QString StudyTestInfoSql(float referenceNumber);
// "SELECT * FROM Reference WHERE [Reference Number] =103.51"
QString ReferenceSql(float referenceNumber);
// The points of one test in order; its TestID binds to the '?'.
QString TestResultsSql();

// The boxes of the set-up form, top-down: ParamTexts indices 5, 6, 0, 1, 2, 3, 4.
inline constexpr int ParamCount = 7;
inline constexpr int NormalStressIndex = 5;
inline constexpr int VoidRatioIndex = 6;
inline constexpr int BoxOrder[ParamCount] = {5, 6, 0, 1, 2, 3, 4};
// The captions of the boxes by ParamTexts index ("Average Particle Size (mm): " keeps its blank).
QStringList ParamCaptions();

// Which field fills which ParamTexts index: TestInfo positions 2, 3, 9, 7 (the void ratio
// to three decimals) and 8; Reference positions 4 and 5.
std::vector<lx::ParamSlot> TestInfoSlots();
std::vector<lx::ParamSlot> ReferenceSlots();

} // namespace directshear
