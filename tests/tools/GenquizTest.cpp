// genquiz as the build runs it, on copies of the real sources: it writes the fourteen question
// files when banks, keys and QuizInfo agree, and stops with the place of the problem, writing
// nothing, when a key or a QuizInfo row differs from its bank or a source breaks a rule.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>

namespace {

const QString Data = QStringLiteral(LOAMIX_SOURCE_DIR "/data");

// A temporary copy of the banks' sources, keys and QuizInfo, and genquiz run on it.
class Sandbox {
public:
    Sandbox()
    {
        EXPECT_TRUE(dir.isValid());
        QDir().mkpath(dir.filePath(QStringLiteral("quiz")));
        for (const QString& f : QDir(Data + QStringLiteral("/quiz")).entryList({QStringLiteral("*.txt")}))
            EXPECT_TRUE(QFile::copy(Data + QStringLiteral("/quiz/") + f, dir.filePath(QStringLiteral("quiz/") + f)));
        EXPECT_TRUE(QFile::copy(Data + QStringLiteral("/QuizResource/AnswerKey.csv"), dir.filePath(QStringLiteral("AnswerKey.csv"))));
        EXPECT_TRUE(QFile::copy(Data + QStringLiteral("/QuizTemplate/QuizInfo.csv"), dir.filePath(QStringLiteral("QuizInfo.csv"))));
    }

    // Runs genquiz; the exit code, with everything it printed in output.
    int run(QString* output)
    {
        QProcess p;
        p.setProcessChannelMode(QProcess::MergedChannels);
        p.start(QStringLiteral(GENQUIZ),
                {QStringLiteral("--sources"), dir.filePath(QStringLiteral("quiz")), QStringLiteral("--help-pages"),
                 Data + QStringLiteral("/help/html"), QStringLiteral("--keys"), dir.filePath(QStringLiteral("AnswerKey.csv")),
                 QStringLiteral("--info"), dir.filePath(QStringLiteral("QuizInfo.csv")), QStringLiteral("--out"),
                 dir.filePath(QStringLiteral("out"))});
        EXPECT_TRUE(p.waitForFinished(60000));
        *output = QString::fromUtf8(p.readAll());
        return p.exitCode();
    }

    // Replaces the first occurrence of what in one of the copied files.
    void edit(const QString& file, const QByteArray& what, const QByteArray& with)
    {
        QFile f(dir.filePath(file));
        ASSERT_TRUE(f.open(QIODevice::ReadOnly)) << file.toStdString();
        QByteArray text = f.readAll();
        f.close();
        const qsizetype at = text.indexOf(what);
        ASSERT_GE(at, 0) << what.toStdString();
        text.replace(at, what.size(), with);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly | QIODevice::Truncate));
        f.write(text);
    }

    int writtenFiles() const
    {
        return int(QDir(dir.filePath(QStringLiteral("out"))).entryList({QStringLiteral("Quiz*.rtf")}).size());
    }

private:
    QTemporaryDir dir;
};

TEST(Genquiz, WritesTheFourteenQuestionFilesFromTheCommittedSources)
{
    Sandbox box;
    QString output;
    EXPECT_EQ(box.run(&output), 0) << output.toStdString();
    EXPECT_EQ(box.writtenFiles(), 14);
}

TEST(Genquiz, StopsWithoutWritingWhenTheTablesDifferFromTheBanksOrASourceBreaksARule)
{
    struct Case {
        const char* name;
        const char* file;
        QByteArray what, with;
        const char* expected;
    };
    const Case cases[] = {
        {"a key changed", "AnswerKey.csv", "100,1,2", "100,1,3", "the keys of quiz 100 differ from its bank"},
        {"a key missing", "AnswerKey.csv", "100,2,3\n", "", "the keys of quiz 100 differ from its bank"},
        {"bank size changed", "QuizInfo.csv", "100,Loamix initial warmup quiz,0,3,16,10", "100,Loamix initial warmup quiz,0,3,20,10",
         "the row of quiz 100 differs from its bank"},
        {"a marker in a question", "quiz/Quiz300.txt", "What causes primary consolidation", "What a: causes primary consolidation",
         "Quiz300.txt:"},
        {"a topic that is no help page", "quiz/Quiz401.txt", "Topic: LabTests_TestTypeDS.htm", "Topic: NoSuchPage.htm",
         "no help page NoSuchPage.htm"},
    };
    for (const Case& c : cases) {
        Sandbox box;
        box.edit(QString::fromLatin1(c.file), c.what, c.with);
        QString output;
        EXPECT_EQ(box.run(&output), 1) << c.name;
        EXPECT_TRUE(output.contains(QString::fromLatin1(c.expected))) << c.name << ":\n" << output.toStdString();
        EXPECT_EQ(box.writtenFiles(), 0) << c.name;
    }
}

} // namespace
