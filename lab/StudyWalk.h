#pragma once
// The walk every parametric study makes over its query's rows: the first `cap` distinct
// values of the varied column in stored order, each rounded to the decimals its box shows
// and kept with the TestID of the first row that gave it, then set in ascending order.
#include <QString>

#include <vector>

namespace lx {

class Recordset;

struct StudyValue {
    QString text;     // the rounded value as its box shows it
    QString testId;   // TestInfo position 1 of its first row
};

// Walks from the first row. A row without the varied value has no place among the values.
std::vector<StudyValue> studyWalk(Recordset& rs, int cap, int column, int decimals);

} // namespace lx
