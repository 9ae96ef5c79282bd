#include "triaxial/ParamStudy.h"

#include "triaxial/TriaxialSoils.h"

#include "lab/StudyWalk.h"
#include "platform/Database.h"
#include "platform/Numbers.h"

#include <algorithm>

namespace paramstudy {

namespace {

struct SoilList {
    const char* code;
    const char* specimen;
    Varies varies;
    QStringList soils;
};

const std::vector<SoilList>& soilLists()
{
    using V = Varies;
    static const std::vector<SoilList> lists = {
        {"CIDC", "Clay", V::ConfiningPressure, {"Soft Bangkok Clay", "Kaolin Clay"}},
        // The gravels and the CIDC sands as the specimen dialog lists them.
        {"CIDC", "Gravel", V::ConfiningPressure, triaxial::SpecimenSoils(u"Gravel", u"CIDC")},
        {"CIDC", "Sand", V::ConfiningPressure, triaxial::SpecimenSoils(u"Sand", u"CIDC")},
        {"CIUC", "Clay", V::ConfiningPressure, {"Soft Bangkok Clay", "Vicksburg Buckshot Clay", "East Atchafalaya Clay"}},
        {"CIUC", "Sand", V::ConfiningPressure, {"Dune Sand", "Hostun RF sand", "Quebec Sand", "Sydney Sand"}},
        {"UUC ", "Clay", V::ConfiningPressure, {"Soft Bothkennar Clay", "Lagunillas Clay"}},
        {"CIDC", "Gravel", V::VoidRatio, triaxial::SpecimenSoils(u"Gravel", u"CIDC")},
        {"CIDC", "Sand", V::VoidRatio, {"Ottawa sand", "Chattahoochee river sand", "Sacramento river sand", "Sacramento river sand."}},
        {"CIUC", "Sand", V::VoidRatio, {"Dune Sand"}},
    };
    return lists;
}

// A soil's two windows; a window of d = 0 is not offered. Its reference number and database
// are the soil table's.
struct SoilConstants {
    const char* soil;
    float pressureC, pressureD;    // the fixed void ratio or water content when the pressure varies
    float voidRatioC;              // the fixed confining pressure (kPa) when the void ratio varies
};

const std::vector<SoilConstants>& constants()
{
    static const std::vector<SoilConstants> table = {
        {"Soft Bangkok Clay", 112, 1, -1},
        {"Kaolin Clay", 0, 1, -1},
        {"Vicksburg Buckshot Clay", 32, 1, -1},
        {"East Atchafalaya Clay", 48, 1, -1},
        {"Soft Bothkennar Clay", 0, 1, -1},
        {"Lagunillas Clay", 61, 2, -1},
        {"Napa Basalt # 1", 0.66f, 0.01f, 3334},
        {"Napa Basalt # 2", 0.66f, 0.02f, 833},
        {"New Hogan metavolcanic", 0.48f, 0.01f, 2000},
        {"Cougar basalt", 0.5f, 0.01f, 400},
        {"Ottawa sand", 0.85f, 0.01f, 233},
        {"Chattahoochee river sand", 0.64f, 0.01f, 100},
        {"Sacramento river sand", 0.87f, 0.01f, 3805},
        {"Sacramento river sand.", 0, 0, 95},
        {"Toyoura sand", 0.61f, 0.01f, -1},
        {"Dune Sand", 0.765f, 0.03f, 2800},
        {"Hostun RF sand", 0.92f, 0.01f, -1},
        {"Quebec Sand", 0.715f, 0.02f, -1},
        {"Sydney Sand", 0.86f, 0.02f, -1},
    };
    return table;
}

// TestInfo positions by kind (the clay file has no particle columns).
constexpr int VoidRatioPosition = 7;
int confiningPosition(bool clay) { return clay ? 6 : 8; }

} // namespace

QString reportTitle(Varies varies, const QString& soil)
{
    return (varies == Varies::ConfiningPressure ? QStringLiteral("Effect of Confining Pressure on Shear Behavior of ")
                                                : QStringLiteral("Effect of Void Ratio on Shear Behavior of "))
           + soil;
}

QStringList soils(const QString& code, const QString& specimen, Varies varies)
{
    for (const SoilList& l : soilLists())
        if (code == QLatin1String(l.code) && specimen == QLatin1String(l.specimen) && varies == l.varies)
            return l.soils;
    return {};
}

std::optional<SoilWindow> soilWindow(const QString& soil, const QString& code, Varies varies)
{
    for (const SoilConstants& s : constants()) {
        if (soil != QLatin1String(s.soil))
            continue;
        // The table tells the CIUC tests of the Bangkok clay by their own number.
        const std::optional<double> number = triaxial::ReferenceNumber(soil, code);
        if (!number)
            return std::nullopt;
        const double ref = *number;
        if (varies == Varies::ConfiningPressure) {
            if (s.pressureD == 0)
                return std::nullopt;
            return SoilWindow{ref, s.pressureC, s.pressureD};
        }
        if (s.voidRatioC < 0)
            return std::nullopt;
        return SoilWindow{ref, s.voidRatioC, 1};
    }
    return std::nullopt;
}

QString studySql(const SoilWindow& w, bool clay, Varies varies)
{
    const QString column = varies == Varies::VoidRatio ? QStringLiteral(" And [Sigma3 (kPa)] BETWEEN ")
                           : clay                     ? QStringLiteral(" And [WaterContent(%)] BETWEEN ")
                                                      : QStringLiteral(" And e BETWEEN ");
    return QStringLiteral("SELECT * FROM TestInfo WHERE ReferenceNumber = ") + lx::DoubleText(w.referenceNumber) + column
           + lx::SingleText(w.c - w.d) + QStringLiteral(" And ") + lx::SingleText(w.c + w.d);
}

ParamStudy::ParamStudy(QString specimen, QString simType) : specimen_(std::move(specimen)), simType_(std::move(simType)) {}

void ParamStudy::clearSoil()
{
    soil_.clear();
    sql_.clear();
    fixed_.clear();
    boxes_ = {};
    for (int i = 1; i < int(text_.size()); ++i)
        text_[size_t(i)].clear();
    // Nothing of an earlier soil may reach the next report.
    for (int i = 1; i <= 6; ++i)
        data_[size_t(i)] = 0;
}

QStringList ParamStudy::chooseVaries(Varies varies)
{
    varies_ = varies;
    clearSoil();
    return soils(code(), specimen_, varies);
}

bool ParamStudy::chooseSoil(const QString& soil, lx::Connection& connection)
{
    clearSoil();
    if (!soils(code(), specimen_, varies_).contains(soil))
        return false;
    const std::optional<SoilWindow> window = soilWindow(soil, code(), varies_);
    if (!window)
        return false;
    soil_ = soil;
    const bool pressure = varies_ == Varies::ConfiningPressure;
    fixed_ = pressure && window->c == 0 ? QStringLiteral("N/A") : lx::SingleText(window->c);
    data_[0] = pressure ? 0 : 1;
    text_[0] = reportTitle(varies_, soil);
    sql_ = studySql(*window, clay(), varies_);
    data_[6] = double(window->c);

    lx::Recordset rs;
    rs.Open(sql_, connection, lx::adOpenDynamic, lx::adLockUnspecified);
    if (rs.eof())
        return true;   // no stored test in the window: the boxes stay empty
    rs.MoveFirst();
    for (int k = 1; k <= 5 && k + 1 < rs.fieldCount(); ++k)
        if (!rs.Fields(k + 1).isMissing())
            data_[size_t(k)] = rs.Fields(k + 1).toDouble();

    const int variedPosition = pressure ? confiningPosition(clay()) : VoidRatioPosition;
    const std::vector<lx::StudyValue> values = lx::studyWalk(rs, MaxValues, variedPosition, pressure ? 0 : 2);
    for (size_t i = 0; i < values.size(); ++i) {
        boxes_[i] = values[i].text;
        text_[i + 1] = values[i].testId;
    }
    return true;
}

int ParamStudy::valueCount() const
{
    return int(std::count_if(boxes_.begin(), boxes_.end(), [](const QString& v) { return !v.isEmpty(); }));
}

ParamStudy::Data ParamStudy::reportData() const
{
    Data d = data_;
    for (int i = 0; i < MaxValues; ++i)
        d[size_t(7 + i)] = lx::Val(boxes_[size_t(i)]);
    return d;
}

// Every kind and code the study lists soils for has its tests in one file (the chooser offers
// no other study); for any other the dialog has nothing to open.
QString ParamStudy::connectionString() const { return triaxial::TestsConnection(specimen_, code()); }

QString ParamStudy::testName() const { return QStringLiteral("Get ") + code() + u' ' + specimen_; }

} // namespace paramstudy
