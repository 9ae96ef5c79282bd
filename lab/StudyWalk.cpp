#include "lab/StudyWalk.h"

#include "platform/Database.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace lx {

std::vector<StudyValue> studyWalk(Recordset& rs, int cap, int column, int decimals)
{
    std::vector<StudyValue> values;
    for (rs.MoveFirst(); !rs.eof() && int(values.size()) < cap; rs.MoveNext()) {
        const Field& varied = rs.Fields(column);
        if (varied.isMissing())
            continue;
        const QString text = DoubleText(Round(varied.toDouble(), decimals));
        if (std::any_of(values.begin(), values.end(), [&](const StudyValue& v) { return v.text == text; }))
            continue;   // a later duplicate: the first row's test stays
        values.push_back({text, rs.Fields(1).toText()});
    }
    std::stable_sort(values.begin(), values.end(),
                     [](const StudyValue& a, const StudyValue& b) { return Val(a.text) < Val(b.text); });
    return values;
}

} // namespace lx
