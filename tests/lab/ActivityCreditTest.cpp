// The activity credit against quiz files packed from the installed template.
#include "lab/ActivityCredit.h"

#include "DataPacker.h"
#include "app/basGlobal.h"
#include "platform/Database.h"
#include "tests/common/FrameTest.h"
#include "tests/common/TestHelpers.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace {

const QString QuizPassword = QStringLiteral("tarvinduso");

QString connectionTo(const QString& path, const QString& password = QuizPassword)
{
    return lx::testing::connectionTo(path, password);
}

struct Row {
    long long attempts;
    long long attempted;
    double correct;
    bool operator==(const Row&) const = default;
};

Row rowOf(const QString& connection, int id)
{
    lx::Connection c;
    c.Open(connection);
    auto rs = c.Execute(QStringLiteral("SELECT * FROM QuizInfo WHERE QuizID = ?"), {id});
    if (rs->eof())
        return {-1, -1, -1};
    return {rs->Fields(2).Value.toLongLong(), rs->Fields(6).Value.toLongLong(), rs->Fields(7).toDouble()};
}

class ActivityCreditTest : public lx::testing::FrameTest {
public:
    static inline QTemporaryDir* packed = nullptr;

    // Packing derives keys: done once, and each test works on a copy.
    static void SetUpTestSuite()
    {
        packed = new QTemporaryDir;
        lx::pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/QuizTemplate"), QuizPassword, packed->filePath(QStringLiteral("template.lxq")));
        // Right password, wrong tables: the quiz resource database.
        lx::pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/QuizResource"), QuizPassword, packed->filePath(QStringLiteral("resource.lxq")));
        // A reference database is no quiz file: its password differs.
        lx::pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/sample"), QStringLiteral("mobkel"), packed->filePath(QStringLiteral("reference.lxq")));
    }
    static void TearDownTestSuite()
    {
        delete packed;
        packed = nullptr;
    }

    QTemporaryDir dir;

    // A student's quiz file: a copy of one of the packed files.
    QString quizFile(const QString& packedName = QStringLiteral("template.lxq"))
    {
        const QString path = dir.filePath(QStringLiteral("Quiz_StudentAnna.lxq"));
        QFile::remove(path);
        EXPECT_TRUE(QFile::copy(packed->filePath(packedName), path));
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return path;
    }
    int messagesShown() const { return int(scripted.messages->msgBoxCalls.size()); }
};

TEST_F(ActivityCreditTest, EachCreditAddsOneAttemptAndPressesItsButton)
{
    struct Case {
        const char* what;
        lx::Activity activity;
        double lastCorrect;
        int credits;
        Row row;
        std::vector<int> pressed;
    } const cases[] = {
        {"shear screen", lx::activities::TriaxialShear, 1.0, 1, {1, 1, 1.0}, {202}},
        {"consolidation record with its grade", lx::activities::TriaxialConsolidation, 0.8666, 1, {1, 1, 0.9}, {202}},
        {"a half grade rounds to even", lx::activities::TriaxialConsolidation, 0.25, 1, {1, 1, 0.2}, {202}},
        {"IL screen closed twice", lx::activities::ConsolidationIL, 1.0, 2, {2, 1, 1.0}, {301, 301}},
        {"hollow cylinder on the cube's row", lx::activities::HollowCylinder, 1.0, 1, {1, 1, 1.0}, {502}},
    };
    for (const Case& c : cases) {
        pressed.clear();
        const QString path = quizFile();
        basGlobal::QuizFileConnection = connectionTo(path);
        for (int i = 0; i < c.credits; ++i)
            EXPECT_EQ(lx::ActivityCredit(c.activity, c.lastCorrect), lx::CreditResult::Credited) << c.what;
        EXPECT_EQ(rowOf(basGlobal::QuizFileConnection, c.activity.id), c.row) << c.what;
        EXPECT_EQ(pressed, c.pressed) << c.what;
        // The neighbouring rows stay as they were.
        EXPECT_EQ(rowOf(basGlobal::QuizFileConnection, c.activity.id + 1), (Row{0, 0, 0.0})) << c.what;
    }
    EXPECT_EQ(messagesShown(), 0);
}

TEST_F(ActivityCreditTest, AMissingRowIsSkippedAndTheQuizStillOpens)
{
    const QString path = quizFile();
    basGlobal::QuizFileConnection = connectionTo(path);
    {
        lx::Connection c;
        c.Open(basGlobal::QuizFileConnection);
        c.ExecuteNonQuery(QStringLiteral("DELETE FROM QuizInfo WHERE QuizID = 212"));
    }
    const QByteArray before = lx::testing::readAll(path);
    EXPECT_EQ(lx::ActivityCredit(lx::activities::TriaxialShear), lx::CreditResult::RowMissing);
    EXPECT_EQ(lx::testing::readAll(path), before);
    EXPECT_EQ(pressed, std::vector<int>{202});
    EXPECT_EQ(messagesShown(), 0);
}

TEST_F(ActivityCreditTest, AFailureIsReportedOnceAndChangesNothing)
{
    struct Case {
        const char* what;
        std::function<QString(ActivityCreditTest&)> connection;
        const char* says = nullptr;   // the reason, where it is the program's own
    } const cases[] = {
        {"read-only file", [](ActivityCreditTest& t) { return lx::testing::connectionTo(t.quizFile(), QuizPassword, true); }},
        {"a row with numbers no quiz holds",
         [](ActivityCreditTest& t) {
             const QString connection = connectionTo(t.quizFile());
             lx::Connection c;
             c.Open(connection);
             c.ExecuteNonQuery(QStringLiteral("UPDATE QuizInfo SET AttemptsUsed = 1e300 WHERE QuizID = 212"));
             return connection;
         },
         "(The number of attempts used is 1E+300; a quiz allows whole numbers from 0 to 1000000000.)"},
        {"quiz password, no QuizInfo", [](ActivityCreditTest& t) { return connectionTo(t.quizFile(QStringLiteral("resource.lxq"))); }},
        {"a reference database", [](ActivityCreditTest& t) { return connectionTo(t.quizFile(QStringLiteral("reference.lxq"))); }},
        {"a text file",
         [](ActivityCreditTest& t) {
             const QString path = t.dir.filePath(QStringLiteral("notes.lxq"));
             QFile f(path);
             f.open(QIODevice::WriteOnly);
             f.write("My notes on the triaxial test, not a quiz file at all.\n");
             return connectionTo(path);
         }},
        {"a file that was moved", [](ActivityCreditTest& t) { return connectionTo(t.dir.filePath(QStringLiteral("gone.lxq"))); }},
    };
    for (const Case& c : cases) {
        scripted.messages->msgBoxCalls.clear();
        pressed.clear();
        basGlobal::QuizFileConnection = c.connection(*this);
        const QString path = lx::ConnectionString::parse(basGlobal::QuizFileConnection).path;
        const QByteArray before = lx::testing::readAll(path);
        EXPECT_EQ(lx::ActivityCredit(lx::activities::TriaxialShear), lx::CreditResult::Failed) << c.what;
        EXPECT_EQ(lx::testing::readAll(path), before) << c.what;
        EXPECT_TRUE(pressed.empty()) << c.what;
        ASSERT_EQ(messagesShown(), 1) << c.what;
        const lx::testing::MsgBoxCall& shown = scripted.messages->msgBoxCalls.front();
        EXPECT_EQ(shown.title, basGlobal::AppTitle);
        EXPECT_EQ(shown.style, lx::vbOKOnly | lx::vbExclamation);
        EXPECT_TRUE(shown.text.startsWith(QStringLiteral("Your quiz file could not record this activity:\r") + path + u'\r')) << c.what;
        // A damaged file or one of another kind is no question of the student's password.
        EXPECT_FALSE(shown.text.contains(QStringLiteral("password"))) << shown.text.toStdString();
        if (c.says) {
            EXPECT_TRUE(shown.text.endsWith(QString::fromLatin1(c.says))) << shown.text.toStdString();
        }
    }
}

TEST_F(ActivityCreditTest, NoQuizFileMeansNothingIsDone)
{
    const QString path = quizFile();
    const QByteArray before = lx::testing::readAll(path);
    EXPECT_EQ(lx::ActivityCredit(lx::activities::TriaxialShear), lx::CreditResult::NoQuizFile);
    EXPECT_EQ(lx::testing::readAll(path), before);
    EXPECT_TRUE(pressed.empty());
    EXPECT_EQ(messagesShown(), 0);
}

TEST_F(ActivityCreditTest, WhileShuttingDownTheCreditIsWrittenButNoQuizOpens)
{
    basGlobal::QuizFileConnection = connectionTo(quizFile());
    basGlobal::ShuttingDown = true;
    EXPECT_EQ(lx::ActivityCredit(lx::activities::DirectShear), lx::CreditResult::Credited);
    EXPECT_EQ(rowOf(basGlobal::QuizFileConnection, 411), (Row{1, 1, 1.0}));
    EXPECT_TRUE(pressed.empty());
}

TEST_F(ActivityCreditTest, AQuizThatFailsToOpenDoesNotStopTheClosingWindow)
{
    basGlobal::QuizFileConnection = connectionTo(quizFile());
    basGlobal::Hooks().pressQuizButton = [](int) { throw lx::DatabaseError(QStringLiteral("no such table: QuestionSeq")); };
    EXPECT_EQ(lx::ActivityCredit(lx::activities::TriaxialStudy), lx::CreditResult::Credited);
    EXPECT_EQ(rowOf(basGlobal::QuizFileConnection, 213), (Row{1, 1, 1.0}));
    EXPECT_EQ(messagesShown(), 1);
}

} // namespace
