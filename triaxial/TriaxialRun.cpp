#include "triaxial/TriaxialRun.h"

#include "lab/ParamBoxes.h"

#include "platform/Numbers.h"

#include <algorithm>

namespace triaxial {

namespace {
constexpr QStringView StudySuffix = u"Parametric Study";
} // namespace

std::optional<TestKind> SelectedTest(bool drained, bool undrained, bool isotropic, bool unconsolidated)
{
    if (drained && isotropic)
        return TestKind::CIDC;
    if (undrained && isotropic)
        return TestKind::CIUC;
    if (undrained && unconsolidated)
        return TestKind::UUC;
    return std::nullopt;
}

QString TestLabel(TestKind kind) { return CodeOf(TestCode(kind)).trimmed() + QStringLiteral(" Test"); }

QString TestCode(TestKind kind)
{
    switch (kind) {
    case TestKind::CIDC: return QStringLiteral("CIDC");
    case TestKind::CIUC: return QStringLiteral("CIUC");
    case TestKind::UUC: return QStringLiteral("UUC ");
    }
    return {};
}

Road ShearRoad(TestKind kind)
{
    const QString code = TestCode(kind);
    return {code, QStringLiteral("Triaxial Compression (%1)").arg(code.trimmed()), kind != TestKind::UUC,
            kind == TestKind::CIDC};
}

Road StudyRoad(TestKind kind)
{
    Road road = ShearRoad(kind);
    road.simType += u' ' + StudySuffix.toString();
    road.caption = QStringLiteral("Triaxial Compression (%1 Parametric Study)").arg(TestCode(kind).trimmed());
    return road;
}

bool IsStudy(QStringView simType) { return simType.endsWith(StudySuffix); }
QString CodeOf(QStringView simType) { return simType.left(4).toString(); }

// ---- Run state

void CellState::LetInitialData(std::span<const double> init, int num)
{
    const size_t n = std::min({size_t(std::clamp(num, 0, 8)), init.size(), InitData.size()});
    std::copy_n(init.begin(), n, InitData.begin());
}

RunState& State()
{
    static RunState state;
    return state;
}

void ResetState() { State() = RunState{}; }

// ---- Cell picture

CellSpot HotSpot(double x, double y)
{
    if (500 < x && x < 750 && 5400 < y && y < 5700)
        return CellSpot::CellPressure;
    if (4750 < x && x < 5000 && 5370 < y && y < 5600)
        return CellSpot::BackPressure;
    if (2150 < x && x < 3350 && 3210 < y && y < 5120)
        return CellSpot::Specimen;
    return CellSpot::None;
}

QString CellHint(double x, double y, bool specimenShown, bool cellShown, bool backShown)
{
    const CellSpot spot = HotSpot(x, y);
    if (spot == CellSpot::CellPressure && cellShown)
        return QStringLiteral("Click Here to enter Cell Pressure");
    if (spot == CellSpot::BackPressure && backShown)
        return QStringLiteral("Click Here To Enter Back Pressure");
    if (spot == CellSpot::Specimen && specimenShown)
        return QStringLiteral("Click Here To Select Specimen Type");
    if (specimenShown && backShown)
        return QStringLiteral("Click on Highlighted area to change selection or Click OK to go ahead");
    return QStringLiteral("Move to Highlighted area");
}

CellSpot ClickTarget(double x, double y, double nSpecimen)
{
    const CellSpot spot = HotSpot(x, y);
    if ((spot == CellSpot::CellPressure || spot == CellSpot::BackPressure) && nSpecimen == 0)
        return CellSpot::None;
    return spot;
}

// ---- Pressures

double BackFromCellText(QStringView cellText, double sigma3) { return lx::Val(cellText) - sigma3; }

QString BackPressureLine(double back)
{
    return QStringLiteral("Current Back Pressure = ") + lx::DoubleText(back) + QStringLiteral(" kPa");
}

QString CellPressureLine(double sigma3, double back)
{
    return QStringLiteral("Current Cell Pressure = ") + lx::DoubleText(CellPressureKPa(sigma3, back)) +
           QStringLiteral(" kPa");
}

// ---- Initialization summary

QString SummaryCaption(QStringView simType)
{
    return simType == u"CIUC" || simType == u"UUC " ? QStringLiteral("Initialization Summary (Undrained)")
                                                     : QStringLiteral("Initialization Summary (Drained)");
}

QStringList SummaryLabels(QStringView specimen)
{
    QStringList labels = {QStringLiteral("Average Diameter (mm):"), QStringLiteral("Coefficient of Uniformity:"),
                          QStringLiteral("Confining Pressure (kPa):"), QStringLiteral("Hardness:"),
                          QStringLiteral("Shape Factor:"), QStringLiteral("Void Ratio:"),
                          QStringLiteral("Confining Pressure (kPa):"), QString(),
                          QStringLiteral("Coefficient of Concavity:")};
    if (specimen == u"Clay") {
        labels[0] = QStringLiteral("Liquid Limit (%)");
        labels[1] = QStringLiteral("Plasticity Index (%)");
        labels[5] = QStringLiteral("Strain Rate (%/min)");
        labels[6] = QStringLiteral("Water Content (%)");
    }
    return labels;
}

QStringList SummaryBoxTexts(QStringView specimen, std::span<const double, 8> init)
{
    static constexpr lx::ParamSlot granular[] = {{0, 0}, {1, 1}, {2, 2}, {3, 3}, {4, 4}, {5, 5}, {6, 6}};
    // Clay: the basic rows show liquid limit, plasticity index, strain rate and water
    // content, the fifth row the confining pressure; the particle rows stay "N/A".
    static constexpr lx::ParamSlot clay[] = {{0, 0}, {1, 1}, {5, 2}, {6, 3}, {7, 6}};
    const lx::ParamFormat format{.classic = true, .zeroIsMissing = true};
    QStringList texts = specimen == u"Clay" ? lx::ParamTexts(init, clay, 8, format)
                                            : lx::ParamTexts(init, granular, 8, format);
    if (specimen != u"Clay")
        texts[7].clear();   // the row below the frame's edge shows nothing
    return texts;
}

std::optional<QString> RangeMessage(QStringView specimen, int index, double value)
{
    struct Rule { double low, high; const char* message; };
    static constexpr Rule sand[] = {
        {0.075, 1.5, "Average Diameter must be 0.075 to 1.5 mm!"},
        {1, 65, "Coefficient of uniformity must be 1 to 65!"},
        {0.3, 5, "Coefficient of concavity must be 0.3 to 5!"},
        {3, 7, "Hardness must be 3 to 7!"},
        {10, 25, "Shape factor must be 10 to 25!"},
        {0.2, 1.2, "Void ratio must be 0.2 to 1.2!"},
        {35, 700, "Confining pressure must be 35 to 700!"},
    };
    static constexpr Rule gravelDiameter{1.5, 45, "Average Diameter must be 1.5 to 45 mm!"};
    static constexpr Rule gravelPressure{700, 70000, "Confining pressure must be 700 to 70000 kPa!"};
    if (specimen == u"Clay" || index < 0 || index > 6)
        return std::nullopt;
    Rule rule = sand[index];
    if (specimen == u"Gravel" && index == 0)
        rule = gravelDiameter;
    else if (specimen == u"Gravel" && index == 6)
        rule = gravelPressure;
    if (value >= rule.low && value <= rule.high)
        return std::nullopt;
    return QString::fromLatin1(rule.message);
}

QString RunTitle(QStringView simType, QStringView specimen)
{
    return simType.toString() + u' ' + specimen.toString();
}

QString ReportRunTitle(QStringView simType, QStringView specimen, QStringView testName)
{
    return RunTitle(simType, specimen) + u':' + testName.trimmed().toString();
}

} // namespace triaxial
