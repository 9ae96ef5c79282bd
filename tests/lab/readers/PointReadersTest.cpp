// One small stored test read by every reader of stored points: the screens' loader, the test
// report, the parametric-study report, the true triaxial report and the direct shear study
// leave out the same rows (a repeated point number, a value beyond single precision) and
// tell the student how many.
#include "controls/paramreport/LXParamReport.h"
#include "controls/reportdata/ReportData.h"
#include "directshear/DirectShearStudy.h"
#include "lab/SetupForm.h"
#include "lab/StoredTest.h"
#include "platform/Database.h"
#include "platform/testing/ScriptedServices.h"
#include "tests/common/FixturePacker.h"
#include "tests/common/TestHelpers.h"
#include "truetriaxial/TrueTriaxialReport.h"

#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>

namespace {

// The points of two tests, "<point number>,<first>,<second>,<third>": CLEAN as stored,
// FAULTY with point 2 stored twice and 1e308 (a double, no single) in its fourth row.
const QStringList clean = {"1,0,0,0", "2,1,10,1", "3,2,20,2", "4,3,30,3"};
const QStringList faulty = {"1,0,0,0", "2,1,10,1", "2,1,10,1", "3,2,1e308,2", "4,3,30,3"};

// The tests' rows in a table whose points are "<ref>,<id>,<point>" then fields, the point's
// second value in the field a reader keeps unchanged (rounded at most).
QStringList results(const QString& head, const QStringList& points, const std::function<QString(const QStringList&)>& fields)
{
    QStringList rows;
    for (const QString& p : points) {
        const QStringList v = p.split(u',');
        rows << head + u',' + v[0] + u',' + fields(v);
    }
    return rows;
}

struct Databases {
    QTemporaryDir dir;
    QString sand, hollow, shear;
    // The two tests under the installed schema of database, their results' rows from fields;
    // refs: the reference numbers of CLEAN and FAULTY.
    QString pack(const QString& database, const QStringList& info, const QStringList& reference, const QStringList& refs,
                 const std::function<QString(const QStringList&)>& fields)
    {
        const QStringList rows = results(refs[0] + QStringLiteral(",CLEAN"), clean, fields)
                                 + results(refs[1] + QStringLiteral(",FAULTY"), faulty, fields);
        return lx::testing::connectionTo(fixture::packDatabase(
            dir.path(), database,
            {{QStringLiteral("TestInfo"), info}, {QStringLiteral("Reference"), reference}, {QStringLiteral("TestResults"), rows}},
            QStringLiteral("mobkel")));
    }
    Databases()
    {
        // The sands of the triaxial reports: strain, deviator stress, volumetric strain, pore pressure.
        sand = pack(QStringLiteral("LXSandCIDC"), {"7,CLEAN,0.4,1.7,1.1,5,15,0.85,100", "7,FAULTY,0.4,1.7,1.1,5,15,0.85,200"},
                    {"7,x,2026,Ottawa sand"}, {"7", "7"},
                    [](const QStringList& v) { return v[1] + u',' + v[2] + u',' + v[3] + QStringLiteral(",0"); });
        // Hollow cylinders: axial and shear strain, vertical stress and shear stress, and the
        // pore pressure, which the report keeps as stored.
        hollow = pack(QStringLiteral("LXClaynSandHCT"), {"1000,CLEAN,58,30,0.05,39,0.25,30,275", "1000,FAULTY,58,30,0.05,39,0.25,30,275"},
                      {"1000,x,2026,Clay,100,60,200,Slurry"}, {"1000", "1000"},
                      [](const QStringList& v) { return v[1] + u',' + v[1] + u',' + v[3] + u',' + v[3] + u',' + v[2]; });
        // Direct shear: horizontal displacement, shear stress, vertical displacement; one sand a test.
        shear = pack(QStringLiteral("LXDirectShear"),
                     {"103,CLEAN,0.3,1.8,0.9,0.58,75,0.66,50,0.5", "104,FAULTY,0.3,1.8,0.9,0.58,75,0.66,50,0.5"},
                     {"103,x,2026,Sand,20,63.5", "104,x,2026,Sand,20,63.5"}, {"103", "104"},
                     [](const QStringList& v) { return v[1] + u',' + v[2] + u',' + v[3]; });
    }
};

// What a reader took of a test and what it told the student.
struct Read {
    int points = 0;
    QString told;   // the information box, or the study's message
};

const QString sql = QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]");

Read screen(const Databases& db, const QString& id, lx::testing::ScriptedServices& s)
{
    lx::StoredCurve curve({lx::ColumnRule::field(3), lx::ColumnRule::field(4), lx::ColumnRule::field(5)}, lx::ScreenCap);
    const lx::LoadedTest loaded = lx::loadStoredTest(curve, {db.sand, sql, {id}, id});
    EXPECT_TRUE(loaded.ok()) << loaded.message.toStdString();
    lx::tellLeftOut(loaded);
    return {curve.points(), s.messages->msgBoxCalls.empty() ? QString() : s.messages->msgBoxCalls.back().text};
}

Read testReport(const Databases& db, const QString& id, lx::testing::ScriptedServices& s)
{
    lx::Connection connection;
    connection.Open(db.sand);
    lx::Recordset rs;
    lx::DoubleStoredCurve curve;
    lx::readReportPoints(rs, connection, curve, sql, {id}, lx::referenceTestMap(), lx::DoubleStoredCurve::Unlimited);
    return {curve.points(), s.messages->msgBoxCalls.empty() ? QString() : s.messages->msgBoxCalls.back().text};
}

Read studyReport(const Databases& db, const QString& id, lx::testing::ScriptedServices& s)
{
    lx::LXParamReport report;
    report.strConnectionString = db.sand;
    report.CreateReport(QStringLiteral("Get CIDC Sand"), {QStringLiteral("Study"), id}, {0, 0.4, 1.7, 0, 5, 15, 0.85, 100, 0, 0, 0, 0});
    return {report.data().points(), s.messages->msgBoxCalls.empty() ? QString() : s.messages->msgBoxCalls.back().text};
}

// The report window tells what the data left out (tellLeftOut(data.leftOut)).
Read trueTriaxialReport(const Databases& db, const QString& id, lx::testing::ScriptedServices&)
{
    lx::Connection connection;
    connection.Open(db.hollow);
    const truetriaxial::ReportData data =
        truetriaxial::readReport(truetriaxial::Kind::HollowCylinder, 1, {QStringLiteral("Axial-Torsional Test: x"), id}, connection);
    EXPECT_TRUE(data.error.isEmpty()) << data.error.toStdString();
    return {data.points.points(), data.leftOut.notes().join(u'\r')};
}

Read directShearStudy(const Databases& db, const QString& id, lx::testing::ScriptedServices&)
{
    lx::Connection connection;
    connection.Open(db.shear);
    directshear::ParamStudy study;
    study.chooseSand(connection, {QStringLiteral("Test sand"), id == QLatin1String("CLEAN") ? 103.0f : 104.0f});
    return {study.points().points(), study.message()};
}

TEST(PointReaders, EveryReaderLeavesOutTheSameRowsAndSaysHowMany)
{
    Databases db;
    const QString repeated = QStringLiteral("1 stored point(s) repeating the number of an earlier point are left out.");
    const QString notFinite = QStringLiteral("1 stored point(s) holding a value that is not a finite number are left out.");
    const struct {
        const char* reader;
        std::function<Read(const Databases&, const QString&, lx::testing::ScriptedServices&)> read;
    } readers[] = {
        {"the screens' loader", screen},
        {"the test report", testReport},
        {"the parametric-study report", studyReport},
        {"the true triaxial report", trueTriaxialReport},
        {"the direct shear study", directShearStudy},
    };
    for (const auto& r : readers) {
        {
            lx::testing::ScriptedServices services;
            const Read read = r.read(db, QStringLiteral("CLEAN"), services);
            EXPECT_EQ(read.points, 4) << r.reader;
            EXPECT_TRUE(read.told.isEmpty()) << r.reader << ": " << read.told.toStdString();
        }
        lx::testing::ScriptedServices services;
        const Read read = r.read(db, QStringLiteral("FAULTY"), services);
        EXPECT_EQ(read.points, 3) << r.reader;
        EXPECT_TRUE(read.told.contains(repeated)) << r.reader << ": " << read.told.toStdString();
        EXPECT_TRUE(read.told.contains(notFinite)) << r.reader << ": " << read.told.toStdString();
    }
}

} // namespace
