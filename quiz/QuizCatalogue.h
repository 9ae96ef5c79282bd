#pragma once
// Every quiz and activity of a quiz file, in ascending QuizID order, with the description the
// master file stores and the score sheet shows. Header-only, so that the data generator that
// writes the master file reads the same rows.
#include <array>

namespace quiz {

struct CatalogueEntry {
    int quizId;
    const char* description;
};

inline constexpr std::array<CatalogueEntry, 23> Catalogue{{
    {100, "Loamix initial warmup quiz"},
    {200, "warmup quiz for Triaxial Compression Test"},
    {201, "quiz on Isotropic Consolidation during triaxial test"},
    {202, "quiz on Shearing Stage of Triaxial test"},
    {203, "quiz on parametric study for Triaxial test"},
    {211, "Simulating IC stage of Triaxial test"},
    {212, "Simulating Shearing stage of Triaxial test"},
    {213, "Parametric study for Triaxial test"},
    {300, "warmup quiz for 1-D ConsolidationTest"},
    {301, "quiz on Incremental Load Test"},
    {302, "quiz on Constant Rate of Strain Test"},
    {311, "Simulating IL Test"},
    {312, "Simulating CRS Test"},
    {400, "warmup quiz for Direct Shear"},
    {401, "quiz on Direct Shear Test"},
    {402, "quiz on parametric study of Direct Shear Test"},
    {411, "Simulating Direct Shear Test"},
    {412, "Parametric study for Direct Shear Test"},
    {500, "warmup quiz for True Triaxial Test"},
    {501, "quiz on Cubical True Triaxial Testing"},
    {502, "quiz on combined Axial-torsional Test"},
    {511, "Simulating True Triaxial Test"},
    {512, "Parametric study for True Triaxial Test"},
}};

} // namespace quiz
