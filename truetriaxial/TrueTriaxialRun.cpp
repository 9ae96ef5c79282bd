#include "truetriaxial/TrueTriaxialRun.h"

#include "lab/ParamBoxes.h"

#include "platform/Database.h"
#include "platform/Numbers.h"

#include <algorithm>
#include <cmath>

namespace truetriaxial {

QString kindText(Kind kind) { return kind == Kind::Cube ? QStringLiteral("Cube") : QStringLiteral("HC"); }

std::optional<Kind> kindFromText(const QString& text)
{
    if (text == u"Cube")
        return Kind::Cube;
    if (text == u"HC")
        return Kind::HollowCylinder;
    return std::nullopt;
}

std::optional<Kind> kindOfTitle(const QString& title)
{
    if (title.startsWith(u'T'))
        return Kind::Cube;
    if (title.startsWith(u'A'))
        return Kind::HollowCylinder;
    return std::nullopt;
}

const std::vector<Soil>& setupSoils(Kind kind)
{
    static const std::vector<Soil> cube = {{QStringLiteral("San Francisco Bay Mud"), 1000}};
    static const std::vector<Soil> hollow = {{QStringLiteral("Kaolin Clay"), 1000},
                                             {QStringLiteral("McGill Clay (Hydrite 121)"), 1001},
                                             {QStringLiteral("Edga Plastic Kaolin"), 1005}};
    return kind == Kind::Cube ? cube : hollow;
}

const std::vector<StudySoil>& studySoils(Kind kind)
{
    static const QString cubePrefix = QStringLiteral("True Triaxial Test Parametric Study:  ");
    static const QString hollowPrefix = QStringLiteral("Axial-Torsional Test Parametric Study:");
    static const std::vector<StudySoil> cube = {{QStringLiteral("San Francisco Bay Mud"), 1000, 122, 2, 6, 2, cubePrefix}};
    static const std::vector<StudySoil> hollow = {
        {QStringLiteral("Kaolin Clay"), 1000, 275, 1, 7, 0, hollowPrefix},
        {QStringLiteral("McGill Clay (Hydrite 121)"), 1001, 70, 1, 7, 0, hollowPrefix},
        {QStringLiteral("Edgar Plastic Kaolin"), 1005, 70, 1, 7, 0, hollowPrefix},
    };
    return kind == Kind::Cube ? cube : hollow;
}

const StudySoil* studySoil(Kind kind, const QString& name)
{
    for (const StudySoil& s : studySoils(kind))
        if (s.name == name)
            return &s;
    return nullptr;
}

QString studySql(const StudySoil& soil)
{
    return QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = ") + lx::DoubleText(soil.referenceNumber)
           + QStringLiteral(" And [Sigma_c (kPa)] BETWEEN ") + lx::SingleText(soil.centre - soil.tolerance) + QStringLiteral(" And ")
           + lx::SingleText(soil.centre + soil.tolerance);
}

QString betaListSql(double referenceNumber)
{
    return QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + lx::DoubleText(referenceNumber)
           + QStringLiteral(" order by [Beta angle]");
}

QString bValueListSql(double referenceNumber, double beta)
{
    return QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + lx::DoubleText(referenceNumber)
           + QStringLiteral(" AND [Beta angle] =") + lx::DoubleText(beta) + QStringLiteral(" order by [b-value]");
}

QString testSql(Kind kind, double referenceNumber, double beta, double bValue)
{
    QString sql = QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber =") + lx::DoubleText(referenceNumber)
                  + QStringLiteral(" AND [Beta angle] =") + lx::DoubleText(beta);
    if (kind == Kind::Cube)
        sql += QStringLiteral(" AND [b-value] =") + lx::DoubleText(bValue);
    return sql;
}

QString referenceSql(double referenceNumber)
{
    return QStringLiteral("SELECT * FROM Reference WHERE [Reference Number] =") + lx::DoubleText(referenceNumber);
}

QString testInfoByIdSql() { return QStringLiteral("SELECT * FROM TestInfo WHERE [TestID] = ?"); }

QString testResultsSql() { return QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]"); }

std::vector<ListedValue> listDistinct(std::span<const double> stored, int decimals)
{
    std::vector<ListedValue> list;
    for (const double value : stored) {
        // Rounded against rounded: 22 and 22.5 are one listed "22", asked for as the first row's 22.
        const QString text = lx::DoubleText(lx::Round(value, decimals));
        if (std::none_of(list.begin(), list.end(), [&](const ListedValue& v) { return v.text == text; }))
            list.push_back({text, value});
    }
    return list;
}

std::vector<double> columnValues(lx::Recordset& rs, int position)
{
    std::vector<double> values;
    for (rs.MoveFirst(); !rs.eof(); rs.MoveNext())
        if (const lx::Field& f = rs.Fields(position); !f.isMissing())
            values.push_back(f.toDouble());
    return values;
}

std::optional<double> storedValueOf(const std::vector<ListedValue>& list, const QString& text)
{
    for (const ListedValue& v : list)
        if (v.text == text)
            return v.stored;
    return std::nullopt;
}

QStringList setupBoxes(lx::Recordset& testInfo, lx::Recordset& reference)
{
    static const lx::ParamSlot infoSlots[] = {{0, 2}, {1, 3}, {2, 5}, {3, 4}, {8, 8}};
    static const lx::ParamSlot referenceSlots[] = {{4, 6}, {5, 4}, {6, 5}, {7, 7}};
    const QStringList info = lx::ParamTexts(testInfo, infoSlots, BoxCount);
    const QStringList ref = lx::ParamTexts(reference, referenceSlots, BoxCount);
    QStringList boxes = info;
    for (const lx::ParamSlot& s : referenceSlots)
        boxes[s.box] = ref[s.box];
    return boxes;
}

QStringList paramTexts(const QStringList& boxes, const QString& beta, const QString& bValue)
{
    QStringList texts = boxes.mid(0, 7);
    texts << beta << bValue << boxes.value(9, lx::NotAvailable);
    return texts;
}

namespace {

float rounded(double value, int decimals) { return float(lx::Round(value, decimals)); }

double principalSpread(double a, double b, double c)
{
    return std::sqrt(1.0 / 9.0 * ((a - b) * (a - b) + (b - c) * (b - c) + (c - a) * (c - a)));
}

} // namespace

float cubeOctStress(double s1, double s2, double s3) { return rounded(principalSpread(s1, s2, s3), 1); }
float cubeOctStrain(double e1, double e2, double e3) { return rounded(principalSpread(e1, e2, e3), 3); }
float hollowOctStress(double deltaSa, double tau) { return rounded(std::sqrt(2.0 / 9.0 * deltaSa * deltaSa + 2.0 / 3.0 * tau * tau), 1); }
float hollowOctStrain(double ea, double gamma) { return rounded(std::sqrt(ea * ea / 2.0 + gamma * gamma / 6.0), 3); }

} // namespace truetriaxial
