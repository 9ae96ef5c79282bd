#include "triaxial/TriaxialSoils.h"

#include "app/basGlobal.h"
#include "platform/Numbers.h"

namespace triaxial {

namespace {

const QString CIDC = QStringLiteral("CIDC");
const QString CIUC = QStringLiteral("CIUC");
const QString UUC = QStringLiteral("UUC ");
const QString Study = QStringLiteral("Study");

QString number(double v) { return lx::DoubleText(v); }

} // namespace

std::span<const Soil> SoilTable()
{
    // In the order of the specimen dialog's lists.
    static const std::vector<Soil> soils = {
        {QStringLiteral("Clayey soil from Japan"), QStringLiteral("Clay"), {CIDC}, TriaxialFile::Clay, 4},
        {QStringLiteral("Soft Bangkok Clay"), QStringLiteral("Clay"), {CIDC}, TriaxialFile::Clay, 5},
        {QStringLiteral("Kaolin Clay"), QStringLiteral("Clay"), {CIDC}, TriaxialFile::Clay, 15},
        {QStringLiteral("Vicksburg Buckshot Clay"), QStringLiteral("Clay"), {CIUC}, TriaxialFile::Clay, 8},
        {QStringLiteral("Soft Bangkok Clay"), QStringLiteral("Clay"), {CIUC}, TriaxialFile::Clay, 5.1},
        {QStringLiteral("East Atchafalaya Clay"), QStringLiteral("Clay"), {CIUC}, TriaxialFile::Clay, 8.1},
        {QStringLiteral("Black Clay"), QStringLiteral("Clay"), {UUC}, TriaxialFile::Clay, 117},
        {QStringLiteral("Soft Bothkennar Clay"), QStringLiteral("Clay"), {UUC}, TriaxialFile::Clay, 118},
        {QStringLiteral("Lagunillas Clay"), QStringLiteral("Clay"), {UUC}, TriaxialFile::Clay, 119},
        {QStringLiteral("Kawasaki Clay"), QStringLiteral("Clay"), {UUC}, TriaxialFile::Clay, 119.1},
        {QStringLiteral("Napa Basalt # 1"), QStringLiteral("Gravel"), {CIDC}, TriaxialFile::SandCIDC, 1},
        {QStringLiteral("Napa Basalt # 2"), QStringLiteral("Gravel"), {CIDC}, TriaxialFile::SandCIDC, 26},
        {QStringLiteral("New Hogan metavolcanic"), QStringLiteral("Gravel"), {CIDC}, TriaxialFile::SandCIDC, 26.1},
        {QStringLiteral("Cougar basalt"), QStringLiteral("Gravel"), {CIDC}, TriaxialFile::SandCIDC, 26.3},
        {QStringLiteral("Ottawa sand"), QStringLiteral("Sand"), {CIDC}, TriaxialFile::SandCIDC, 7},
        {QStringLiteral("Chattahoochee river sand"), QStringLiteral("Sand"), {CIDC}, TriaxialFile::SandCIDC, 7.1},
        {QStringLiteral("Sacramento river sand"), QStringLiteral("Sand"), {CIDC}, TriaxialFile::SandCIDC, 20},
        // The CIDC sand's second name, listed only by the study with a varying void ratio.
        {QStringLiteral("Sacramento river sand."), QStringLiteral("Sand"), {Study}, TriaxialFile::SandCIDC, 20},
        {QStringLiteral("Toyoura sand"), QStringLiteral("Sand"), {CIDC}, TriaxialFile::SandCIDC, 30},
        {QStringLiteral("Dune sand"), QStringLiteral("Sand"), {CIUC}, TriaxialFile::SandCIUC, 10},
        // The same soil as the study lists it.
        {QStringLiteral("Dune Sand"), QStringLiteral("Sand"), {Study}, TriaxialFile::SandCIUC, 10},
        {QStringLiteral("Sydney Sand"), QStringLiteral("Sand"), {CIUC}, TriaxialFile::SandCIUC, 11},
        {QStringLiteral("Quebec Sand"), QStringLiteral("Sand"), {CIUC}, TriaxialFile::SandCIUC, 12.1},
        {QStringLiteral("Hostun RF sand"), QStringLiteral("Sand"), {CIUC}, TriaxialFile::SandCIUC, 13},
    };
    return soils;
}

namespace {

// The rows the specimen dialog lists for a kind and test type; the gravels whatever the type.
std::vector<const Soil*> SpecimenRows(QStringView specimen, QStringView simType)
{
    std::vector<const Soil*> rows;
    for (const Soil& s : SoilTable())
        if (s.kind == specimen && (specimen == u"Gravel" || s.offeredFor.contains(simType.toString())))
            rows.push_back(&s);
    return rows;
}

} // namespace

QStringList SpecimenSoils(QStringView specimen, QStringView simType)
{
    QStringList names;
    for (const Soil* s : SpecimenRows(specimen, simType))
        names << s->name;
    return names;
}

std::optional<double> ReferenceNumber(QStringView soil, QStringView simType)
{
    const Soil* named = nullptr;
    for (const Soil& s : SoilTable()) {
        if (s.name != soil)
            continue;
        if (s.offeredFor.contains(simType.toString()))
            return s.referenceNumber;
        if (!named)
            named = &s;
    }
    if (named)
        return named->referenceNumber;
    return std::nullopt;
}

QString FileConnection(TriaxialFile file)
{
    switch (file) {
    case TriaxialFile::Clay:
        return basGlobal::ClayTriaxialConnection;
    case TriaxialFile::SandCIDC:
        return basGlobal::SandCIDCConnection;
    case TriaxialFile::SandCIUC:
        return basGlobal::SandCIUCConnection;
    }
    return {};
}

std::optional<TriaxialFile> TestsFile(QStringView specimen, QStringView simType)
{
    for (const Soil& s : SoilTable())
        if (s.kind == specimen && s.offeredFor.contains(simType.toString()))
            return s.file;
    return std::nullopt;
}

QString TestsConnection(QStringView specimen, QStringView simType)
{
    const std::optional<TriaxialFile> file = TestsFile(specimen, simType);
    return file ? FileConnection(*file) : QString();
}

QString SpecimenConnection(QStringView specimen, QStringView simType)
{
    // SpecimenRows lists the gravels whatever the type.
    return TestsConnection(specimen, specimen == u"Gravel" ? QStringView(CIDC) : simType);
}

int StressPosition(QStringView specimen) { return specimen == u"Clay" ? 6 : 8; }

// ---- SQL

QString TestInfoSql(double referenceNumber)
{
    return QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + number(referenceNumber);
}

QString TestInfoRangeSql(double referenceNumber, const QString& column, double low, double high)
{
    return QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = ") + number(referenceNumber) +
           QStringLiteral(" And ") + column + QStringLiteral(" BETWEEN ") + number(low) + QStringLiteral(" And ") +
           number(high);
}

QString TestResultsSql() { return QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]"); }

QString TestResultsByReferenceSql(double referenceNumber, bool ordered)
{
    return QStringLiteral("SELECT * from TestResults WHERE ReferenceNumber = ") + number(referenceNumber) +
           QStringLiteral(" AND TestID = ?") + (ordered ? QStringLiteral("order by [Point Number]") : QString());
}

QString ReferenceSql(double referenceNumber)
{
    return QStringLiteral("SELECT DISTINCT [Reference Number], Reference, Date, [Soil Description] from Reference "
                          "WHERE [Reference Number] = ") +
           number(referenceNumber);
}

// ---- Specimen dialog

QString StressText(double stress) { return lx::DoubleText(lx::Round(stress, 0)); }

QStringList StressList(std::span<const double> stresses)
{
    QStringList list;
    for (double s : stresses) {
        const QString text = StressText(s);
        if (!list.contains(text))
            list << text;
    }
    return list;
}

int MatchingRecord(std::span<const double> stresses, QStringView text)
{
    for (size_t i = 0; i < stresses.size(); ++i)
        if (StressText(stresses[i]) == text)
            return int(i);
    return -1;
}

std::span<const lx::ParamSlot> SpecimenSlots(QStringView specimen)
{
    static constexpr lx::ParamSlot granular[] = {{0, 2}, {1, 3}, {2, 4}, {3, 5}, {4, 6}, {5, 7}};
    static constexpr lx::ParamSlot clay[] = {{0, 2}, {1, 3}, {5, 4}, {6, 5}};
    if (specimen == u"Clay")
        return clay;
    return granular;
}

lx::ParamFormat SpecimenFormat(QStringView specimen) { return {.zeroIsMissing = specimen == u"Clay"}; }

QStringList SpecimenLabels(QStringView specimen)
{
    if (specimen == u"Clay")
        return {QStringLiteral("Liquid Limit (%)"), QStringLiteral("Plasticity Index (%)"), QStringLiteral("Coefficient of Concavity:"),
                QStringLiteral("Hardness:"), QStringLiteral("Shape Factor:"), QStringLiteral("Strain Rate (%/min)"),
                QStringLiteral("Water Content (%):")};
    return {QStringLiteral("Average Diameter (mm):"), QStringLiteral("Coefficient of Uniformity:"),
            QStringLiteral("Coefficient of Concavity:"), QStringLiteral("Hardness:"), QStringLiteral("Shape Factor:"),
            QStringLiteral("Void Ratio:"), QStringLiteral("Water Content (%):")};
}

std::array<double, 7> InitFromBoxes(QStringView specimen, const QStringList& boxes)
{
    auto box = [&](int i) { return i < boxes.size() ? lx::ParamValue(boxes[i]) : 0.0; };
    std::array<double, 7> init{};
    if (specimen == u"Clay") {
        init[0] = box(0);
        init[1] = box(1);
        init[2] = box(5);
        init[3] = box(6);
    } else {
        for (int i = 0; i < 7; ++i)
            init[size_t(i)] = box(i);
    }
    return init;
}

double StartingBackPressure(QStringView specimen) { return specimen == u"Gravel" ? 700 : 70; }

} // namespace triaxial
