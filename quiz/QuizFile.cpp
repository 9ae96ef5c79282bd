#include "QuizFile.h"

#include "platform/Database.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cmath>

namespace quiz {

namespace {

// The password every quiz score file shares; it only ever goes into a connection string.
QString passwordEntry() { return QStringLiteral("Pwd=tarvinduso;"); }

int intOf(lx::Field& f) { return int(std::lround(f.toDouble())); }

} // namespace

QString QuizConnectionString(const QString& path)
{
    // The path in braces, so that a ';' in a folder's name stays part of it.
    return QStringLiteral("DBQ=") + lx::ConnectionString::braced(path) + QStringLiteral(";")
           + QStringLiteral("Driver={Microsoft Access Driver (*.mdb)};")
           + passwordEntry();
}

QString QuizInfoSql(int quizId) { return QStringLiteral("SELECT * FROM QuizInfo WHERE QuizID = ") + QString::number(quizId); }
QString QuestionSeqSql(int quizId)
{
    return QStringLiteral("SELECT * FROM QuestionSeq WHERE QuizID = ") + QString::number(quizId) + QStringLiteral(" ORDER BY Slot");
}
QString AnswerKeySql(int quizId)
{
    return QStringLiteral("SELECT * FROM AnswerKey WHERE QuizID = ") + QString::number(quizId)
           + QStringLiteral(" ORDER BY QuestionNumber");
}

bool IsQuizFile(const QString& connection)
{
    try {
        lx::Connection c;
        c.Open(connection);
        auto users = c.Execute(QStringLiteral("SELECT * FROM UserInfo"));
        if (users->RecordCount() != 1 || users->fieldCount() <= user::TotalMaxScore)
            return false;
        auto quizzes = c.Execute(QStringLiteral("SELECT * FROM QuizInfo order by QuizID"));
        if (quizzes->RecordCount() == 0 || quizzes->fieldCount() <= info::MarksPerQuestion)
            return false;
        auto seqRows = c.Execute(QStringLiteral("SELECT * FROM QuestionSeq WHERE QuizID = 0 ORDER BY Slot"));
        return seqRows->fieldCount() > seq::ChosenOption;
    } catch (...) {
        return false;
    }
}

QString DefaultQuizFileName(const QString& lastName, const QString& firstName)
{
    QString name = (lastName + firstName).trimmed();
    static const QString unsafe = QStringLiteral("/\\:*?\"<>|");
    name.removeIf([](QChar c) { return c.unicode() < 32 || c.unicode() == 127 || unsafe.contains(c); });
    // A name of dots alone would name a folder.
    if (!name.isEmpty() && name.count(u'.') == name.size())
        name.clear();
    return QStringLiteral("Quiz_") + name + QStringLiteral(".lxq");
}

bool CreateQuizFile(const QString& masterPath, const QString& target, const QString& lastName,
                    const QString& firstName, const QString& password, QString* error)
{
    auto fail = [error](const QString& why) {
        if (error)
            *error = why;
        return false;
    };
    QTemporaryDir aside;
    if (!aside.isValid())
        return fail(QStringLiteral("No temporary folder could be made."));
    const QString copy = aside.filePath(QStringLiteral("new.lxq"));
    if (!QFile::copy(masterPath, copy))
        return fail(QStringLiteral("The empty quiz file could not be read: ") + QDir::toNativeSeparators(masterPath));
    QFile::setPermissions(copy, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    try {
        lx::Connection c;
        c.Open(QuizConnectionString(copy));
        lx::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM UserInfo"), c, lx::adOpenDynamic, lx::adLockOptimistic);
        if (rs.eof())
            return fail(QStringLiteral("The empty quiz file has no user row."));
        rs.Fields(user::LastName).Value = lastName;
        rs.Fields(user::FirstName).Value = firstName;
        rs.Fields(user::Password).Value = password;
        rs.Update();
        rs.Close();
        c.Close();
    } catch (const lx::DatabaseError& e) {
        return fail(e.message());
    }
    QFile f(copy);
    if (!f.open(QIODevice::ReadOnly))
        return fail(f.errorString());
    return lx::writeFileSafely(target, f.readAll(), error);
}

bool ReadQuizRow(lx::Connection& score, int quizId, QuizRow& row)
{
    lx::Recordset rs;
    rs.Open(QuizInfoSql(quizId), score, lx::adOpenDynamic, lx::adLockOptimistic);
    if (rs.eof() || rs.fieldCount() <= info::MarksPerQuestion)
        return false;
    row.quizId = quizId;
    row.attemptsUsed = intOf(rs.Fields(info::AttemptsUsed));
    row.maxAttempts = intOf(rs.Fields(info::MaxAttempts));
    row.bankSize = intOf(rs.Fields(info::BankSize));
    row.questionsAsked = intOf(rs.Fields(info::QuestionsAsked));
    row.lastAttempted = intOf(rs.Fields(info::LastAttempted));
    row.lastCorrect = rs.Fields(info::LastCorrect).toDouble();
    row.lastStart = intOf(rs.Fields(info::LastStart));
    row.marksPerQuestion = rs.Fields(info::MarksPerQuestion).toDouble();
    return true;
}

std::vector<SavedSlot> ReadQuestionSeq(lx::Connection& score, int quizId)
{
    std::vector<SavedSlot> seqRows;
    lx::Recordset rs;
    rs.Open(QuestionSeqSql(quizId), score, lx::adOpenDynamic, lx::adLockOptimistic);
    for (; !rs.eof(); rs.MoveNext())
        seqRows.push_back({intOf(rs.Fields(seq::DisplayOrder)), intOf(rs.Fields(seq::ChosenOption))});
    return seqRows;
}

std::vector<int> ReadAnswerKeys(lx::Connection& resource, int quizId)
{
    std::vector<int> keys;
    lx::Recordset rs;
    rs.Open(AnswerKeySql(quizId), resource, lx::adOpenDynamic, lx::adLockReadOnly);
    for (; !rs.eof(); rs.MoveNext())
        keys.push_back(intOf(rs.Fields(AnswerKeyCorrectOption)));
    return keys;
}

AttemptScore Score(const Attempt& attempt)
{
    AttemptScore s;
    for (size_t i = 0; i < attempt.chosen.size(); ++i) {
        if (attempt.chosen[i] > 0) {
            ++s.attempted;
            if (i < attempt.keys.size() && attempt.chosen[i] == attempt.keys[i])
                ++s.correct;
        }
    }
    return s;
}

AttemptScore SaveAttempt(lx::Connection& score, int quizId, const Attempt& attempt)
{
    const AttemptScore s = Score(attempt);
    const size_t n = attempt.chosen.size();
    score.ExecuteNonQuery(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        lx::Recordset seqRows;
        seqRows.Open(QuestionSeqSql(quizId), score, lx::adOpenDynamic, lx::adLockOptimistic);
        for (size_t i = 0; i < n; ++i) {
            if (seqRows.eof())
                throw lx::DatabaseError(QStringLiteral("The quiz file has too few question seqRows for quiz %1.").arg(quizId));
            seqRows.Fields(seq::DisplayOrder).Value = qlonglong(attempt.order[i]);
            seqRows.Fields(seq::CorrectOption).Value = qlonglong(attempt.keys[i]);
            seqRows.Fields(seq::ChosenOption).Value = qlonglong(attempt.chosen[i]);
            seqRows.Update();
            seqRows.MoveNext();
        }
        lx::Recordset row;
        row.Open(QuizInfoSql(quizId), score, lx::adOpenDynamic, lx::adLockOptimistic);
        if (row.eof())
            throw lx::DatabaseError(QStringLiteral("The quiz file has no row for quiz %1.").arg(quizId));
        row.Fields(info::AttemptsUsed).Value = qlonglong(intOf(row.Fields(info::AttemptsUsed)) + 1);
        row.Fields(info::LastStart).Value = qlonglong(attempt.start);
        row.Fields(info::LastAttempted).Value = qlonglong(s.attempted);
        row.Fields(info::LastCorrect).Value = qlonglong(s.correct);
        row.Update();
        score.ExecuteNonQuery(QStringLiteral("COMMIT"));
    } catch (...) {
        try {
            score.ExecuteNonQuery(QStringLiteral("ROLLBACK"));
        } catch (...) {
            // Closing the connection rolls back what is left.
        }
        throw;
    }
    return s;
}

} // namespace quiz
