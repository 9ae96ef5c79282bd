#include "consolidation/ConsolidationRun.h"

#include "app/ExportText.h"
#include "lab/ChartAxis.h"

namespace consolidation {

QString KindText(Kind kind)
{
    switch (kind) {
    case Kind::IL: return QStringLiteral("IL");
    case Kind::CRS: return QStringLiteral("CRS");
    case Kind::None: break;
    }
    return QString();
}

Kind KindOfReference(float referenceNumber)
{
    if (referenceNumber >= 1000.0f && referenceNumber < 2000.0f)
        return Kind::IL;
    if (referenceNumber >= 2000.0f)
        return Kind::CRS;
    return Kind::None;
}

const std::vector<lx::SoilEntry>& Soils(Kind kind)
{
    static const std::vector<lx::SoilEntry> il = {
        {QStringLiteral("Singapore Clay"), 1001.0f},
        {QStringLiteral("Taipei lacustrine soft clay"), 1003.0f},
        {QStringLiteral("Artificially Made Clayey Silt"), 1006.0f},
        {QStringLiteral("Silt with 29% Kalinite Clay"), 1002.0f},
        {QStringLiteral("Ooty Silt"), 1002.2f},
        {QStringLiteral("Melleswaram Silt"), 1002.3f},
    };
    static const std::vector<lx::SoilEntry> crs = {
        {QStringLiteral("Singapore Marine Clay"), 2001.0f},
        {QStringLiteral("Marine Clay from Osaka Bay"), 2002.0f},
        {QStringLiteral("Boston Blue Clay"), 2003.0f},
        {QStringLiteral("Kaolin Clay"), 2004.0f},
    };
    static const std::vector<lx::SoilEntry> none;
    return kind == Kind::IL ? il : kind == Kind::CRS ? crs : none;
}

const lx::SoilParameterTable& ParameterTable()
{
    static const lx::SoilParameterTable table = [] {
        lx::SoilParameterTable t;
        t.testInfoSql = QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =");
        t.testInfoSlots = {{0, 2}, {1, 3}, {2, 4, 2}, {StrainRateBox, 5}};
        t.referenceSql = QStringLiteral("SELECT * FROM Reference WHERE ReferenceNumber =");
        t.referenceSlots = {{4, 4}, {5, 5}, {6, 6}};
        return t;
    }();
    return table;
}

const QStringList& ParameterCaptions()
{
    static const QStringList captions = {
        QStringLiteral("Liquid Limit (%):"),     QStringLiteral("Plasticity Index (%):"),
        QStringLiteral("Initial Void Ratio:"),   QStringLiteral("Strain Rate (%/min):"),
        QStringLiteral("Specimen Height (mm):"), QStringLiteral("Specimen Width (mm):"),
        QStringLiteral("Specimen Type:"),
    };
    return captions;
}

QString TestResultsSql() { return QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]"); }

lx::ColumnMap ScreenColumns()
{
    using lx::ColumnRule;
    return {ColumnRule::field(3).rounded(3), ColumnRule::field(4).rounded(4), ColumnRule::log10Of(0).rounded(4)};
}

bool IsListed(Kind kind, int i, int count, float stress, float maxStress)
{
    return kind == Kind::CRS || i % 2 == 0 || stress == maxStress || i == count - 1;
}

std::vector<int> ListedRows(Kind kind, std::span<const float> stress)
{
    const float top = lx::dataMax({stress});
    std::vector<int> rows;
    const int n = int(stress.size());
    for (int i = 0; i < n; ++i)
        if (IsListed(kind, i, n, stress[size_t(i)], top))
            rows.push_back(i);
    return rows;
}

LoadWeights::Change LoadWeights::next(int k, bool loading)
{
    Change c;
    const auto inRange = [](int w) { return w >= 0 && w < Count; };
    if (k <= 1)
        return c;
    if (loading) {
        if (inRange(k - 2))
            c.show.push_back(k - 2);
        return c;
    }
    const int m = k - 2 - offset_;
    if (m <= 0)
        return c;
    for (int w : {m, m - 1})
        if (inRange(w))
            c.hide.push_back(w);
    offset_ += 3;
    return c;
}

bool IncrementSteps::previous()
{
    if (!canPrevious())
        return false;
    --k_;
    return true;
}

bool IncrementSteps::next()
{
    if (!canNext())
        return false;
    ++k_;
    return true;
}

const std::array<TimeRow, TimeRows>& TimeTable()
{
    static const std::array<TimeRow, TimeRows> table = {{
        {0.0f, 0.0f}, {0.6f, 0.264f}, {1.5f, 0.336f}, {3.0f, 0.416f}, {6.0f, 0.504f}, {12.0f, 0.608f},
        {24.0f, 0.728f}, {45.0f, 0.832f}, {90.0f, 0.912f}, {180.0f, 0.96f}, {360.0f, 0.984f}, {720.0f, 0.992f},
        {1440.0f, 1.0f},
    }};
    return table;
}

float CurveVoidRatio(float e1, float e2, int j)
{
    const float change = e2 - e1;
    const float part = TimeTable()[size_t(j)].U * change;
    return e1 + part;
}

QString IncrementExportText(const QString& title, float e1, float e2)
{
    ExportText text;
    text.begin(title, {QStringLiteral("No."), QStringLiteral("Time (min)"), QStringLiteral("Void ratio - e")});
    for (int j = 0; j < TimeRows; ++j)
        text.addPoint({TimeTable()[size_t(j)].t, CurveVoidRatio(e1, e2, j)}, ExportText::LineEnd::NoTab);
    return text.text();
}

} // namespace consolidation
