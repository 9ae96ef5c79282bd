#pragma once
// The parametric study without its window: which soils a study offers, each soil's
// reference number and window around its fixed parameter, the query of a soil's tests and
// the walk that lists up to five distinct varied values with their tests, and the two
// arrays the study report reads (StudyData and StudyText).
#include <QString>
#include <QStringList>

#include <array>
#include <optional>

namespace lx {
class Connection;
}

namespace triaxial {
enum class TriaxialFile;
}

namespace paramstudy {

// Which parameter varies from test to test.
enum class Varies { ConfiningPressure, VoidRatio };

// The most tests one study report sets side by side.
inline constexpr int MaxValues = 5;

// The test code of a study type ("CIDC", "CIUC" or "UUC "): its first four characters.
inline QString testCode(const QString& simType) { return simType.left(4); }

// The soils of a study, in list order; empty for a combination no study offers (a clay
// never varies its void ratio).
QStringList soils(const QString& code, const QString& specimen, Varies varies);

// The title of a study's report.
QString reportTitle(Varies varies, const QString& soil);

// A soil's place in its database and the window of its fixed parameter: c - d to c + d
// (single precision). When the void ratio varies, c is the confining pressure and d is 1.
struct SoilWindow {
    double referenceNumber;
    float c;
    float d;
};
std::optional<SoilWindow> soilWindow(const QString& soil, const QString& code, Varies varies);

// "SELECT * FROM TestInfo WHERE ReferenceNumber = 7 And e BETWEEN 0.84 And 0.86": the
// reference number in its shortest form, the bounds computed and written in single precision.
QString studySql(const SoilWindow& window, bool clay, Varies varies);

// The study as the dialog holds it between the student's choices.
class ParamStudy {
public:
    // StudyData: 0 the kind (0 pressure varies, 1 void ratio varies); 1 to 5 the first
    // listed test's TestInfo positions 2 to 6 (0 where missing); 6 the fixed value c; 7 to
    // 11 the varied values of the five boxes (0 for an empty box).
    using Data = std::array<double, 12>;
    // StudyText: 0 the title; 1 to 5 the TestID of the test in box 0 to 4 (empty with the box).
    using Text = std::array<QString, 6>;

    ParamStudy(QString specimen, QString simType);

    const QString& specimen() const { return specimen_; }
    QString code() const { return testCode(simType_); }
    bool clay() const { return specimen_ == QLatin1String("Clay"); }
    // The connection string of the study's database.
    QString connectionString() const;

    // Another varied parameter: the soil, the boxes, the test identifiers and the fixed
    // value are emptied; the soils to offer are returned.
    QStringList chooseVaries(Varies varies);
    Varies varies() const { return varies_; }

    // Runs the soil's query on the connection and lists its values. Every study position
    // that belongs to a soil (specimen values, fixed value, boxes, identifiers) is set
    // afresh, so nothing of an earlier soil is left. False for a soil the study does not
    // offer (nothing is queried then). Throws lx::DatabaseError from the database.
    bool chooseSoil(const QString& soil, lx::Connection& connection);

    const QString& soil() const { return soil_; }
    const QString& sql() const { return sql_; }
    // The fixed-value box: c in its shortest form, "N/A" for a c of 0; empty before a soil.
    const QString& fixedText() const { return fixed_; }
    // The five value boxes, ascending from left to right; empty boxes at the end.
    const std::array<QString, MaxValues>& values() const { return boxes_; }
    int valueCount() const;

    // Whether a report has something to show: at least one test listed.
    bool canReport() const { return !text_[1].isEmpty(); }
    // StudyData with positions 7 to 11 taken from the boxes, as Create Report hands it on.
    Data reportData() const;
    const Data& data() const { return data_; }
    const Text& text() const { return text_; }
    // "Get CIDC Sand", "Get UUC  Clay": the report's test name.
    QString testName() const;

private:
    QString specimen_;
    QString simType_;
    Varies varies_ = Varies::ConfiningPressure;
    QString soil_;
    QString sql_;
    QString fixed_;
    std::array<QString, MaxValues> boxes_{};
    Data data_{};
    Text text_{};

    void clearSoil();
};

} // namespace paramstudy
