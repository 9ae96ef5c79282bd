#pragma once
// Direct shear databases for the tests: a small one packed from rows written here under the
// installed schema (so that it cannot drift from the columns the windows read), holding
// the cases the installed data lack, and the installed one itself.
#include "tests/common/FixturePacker.h"
#include "app/basGlobal.h"
#include "platform/Database.h"
#include "tests/common/FrameTest.h"
#include "tests/common/QuizFiles.h"
#include "tests/common/TestHelpers.h"

#include <QFile>
#include <QStringList>
#include <QTemporaryDir>

#include <memory>

namespace dsfixture {

inline QString connectionTo(const QString& path, bool readOnly = false)
{
    return lx::testing::connectionTo(path, QStringLiteral("mobkel"), readOnly);
}

// The installed database, read only.
inline QString installed() { return lx::testing::installedConnection(QStringLiteral("LXDirectShear.lxr"), true); }

struct Test {
    QString ref, id;
    QString info;   // TestInfo columns after the TestID: d50, Cu, emax, emin, Dr, e0, normal stress, rate
    int points;     // rising to a peak at points / 2, then falling
};

// n points: 0.1 mm apart, the shear stress rising to 10 * n / 2 and falling after it.
inline QByteArray results(const Test& t)
{
    QByteArray rows;
    for (int i = 0; i < t.points; ++i) {
        const int up = i <= t.points / 2 ? i : t.points - i;
        rows += QStringLiteral("%1,%2,%3,%4,%5,%6\n").arg(t.ref, t.id).arg(i + 1).arg(0.1 * i).arg(10 * up).arg(-0.001 * up).toUtf8();
    }
    return rows;
}

// Sands of the small database:
// 103: its first stored row (200 kPa) has a void ratio of 0.8125, a null uniformity and
//      the text Null as deformation rate; a 50 kPa test follows.
// 103.51: four tests stored out of order (200, 50, 400, 100 kPa), 20 points each.
// 103.52: a test without normal stress or void ratio (10 points), 50 kPa (140) and
//      100 kPa (152): 302 points together.
// 103.6: a 50 kPa test without points and a 100 kPa test of 5.
// 103.61: tests but no Reference row. 101: a Reference row but no test.
// 101.1: a test without TestID.
inline std::vector<Test> smallTests()
{
    return {
        {"103", "S-200", "0.3,,0.9,0.58,75,0.8125,200,Null", 11},
        {"103", "S-050", "0.3,1.8,0.9,0.58,75,0.66,50,0.5", 7},
        {"103.51", "D-200", "0.25,2.2,1.4,0.82,85,0.907,200,0.5", 20},
        {"103.51", "D-050", "0.25,2.2,1.4,0.82,85,0.911,50,0.5", 20},
        {"103.51", "D-400", "0.25,2.2,1.4,0.82,85,0.9,400,0.5", 20},
        {"103.51", "D-100", "0.25,2.2,1.4,0.82,85,0.909,100,0.5", 20},
        {"103.52", "L-null", "0.25,2.2,1.4,0.82,25,,,0.5", 10},
        {"103.52", "L-050", "0.25,2.2,1.4,0.82,25,1.255,50,0.5", 140},
        {"103.52", "L-100", "0.25,2.2,1.4,0.82,25,1.25,100,0.5", 152},
        {"103.6", "C-050", "0.6,1.8,1.3,0.78,75,0.91,50,0.5", 0},
        {"103.6", "C-100", "0.6,1.8,1.3,0.78,75,0.91,100,0.5", 5},
        {"103.61", "F-050", "0.12,1.6,1.55,0.92,60,1.172,50,0.5", 5},
        {"101.1", "", "0.16,1.7,0.9,0.56,85,0.611,50,0.5", 5},
    };
}

// Packs the tests, with a Reference row of 25.4 x 63.5 mm for every sand but 103.61, into
// dir/name; returns its connection string.
inline QString pack(const QTemporaryDir& dir, const QString& name, const std::vector<Test>& tests)
{
    lx::pack::TableRows info{QStringLiteral("TestInfo"), {}}, points{QStringLiteral("TestResults"), {}},
        reference{QStringLiteral("Reference"), {}};
    for (const Test& t : tests) {
        info.rows << t.ref + u',' + t.id + u',' + t.info;
        points.rows << QString::fromUtf8(results(t)).split(u'\n', Qt::SkipEmptyParts);
    }
    for (const char* ref : {"103", "103.1", "103.3", "103.5", "103.51", "103.52", "103.6", "101", "101.1"})
        reference.rows << QString::fromLatin1(ref) + QStringLiteral(",fixture,2026,a sand,25.4,63.5");
    return connectionTo(fixture::packDatabase(dir.path(), QStringLiteral("LXDirectShear"), {info, points, reference},
                                              QStringLiteral("mobkel"), name));
}

// The small database packed once for a test suite, removed with it.
struct Packed {
    QTemporaryDir dir;
    QString connection;
    explicit Packed(const std::vector<Test>& tests = smallTests()) : connection(pack(dir, QStringLiteral("ds.lxr"), tests)) {}
    QString path(const QString& name) const { return dir.filePath(name); }
};

// The base of the window tests: the frame fresh for every test, the windows reading the
// small database packed once for the suite (a suite that needs other tests packs them in
// its own SetUpTestSuite), and a new student's quiz file on demand.
class WindowTest : public lx::testing::FrameTest {
protected:
    static void SetUpTestSuite() { packForSuite(smallTests()); }
    static void TearDownTestSuite()
    {
        db.reset();
        quizzes.reset();
    }
    static void packForSuite(const std::vector<dsfixture::Test>& tests)
    {
        db = std::make_unique<Packed>(tests);
        quizzes = std::make_unique<lx::testing::QuizFiles>();
    }
    void SetUp() override
    {
        FrameTest::SetUp();
        basGlobal::DirectShearConnection = db->connection;
    }
    static QString quizFile() { return quizzes->fresh(); }

    static inline std::unique_ptr<Packed> db;
    static inline std::unique_ptr<lx::testing::QuizFiles> quizzes;
};

} // namespace dsfixture
