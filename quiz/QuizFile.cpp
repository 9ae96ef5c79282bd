#include "QuizFile.h"

#include "app/basGlobal.h"
#include "platform/Database.h"
#include "platform/Paths.h"
#include "platform/SafeFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryFile>
#include <cmath>
#include <memory>

namespace quiz {

namespace {

// The password every quiz score file shares; it only ever goes into a connection string.
QString quizPassword() { return QStringLiteral("tarvinduso"); }

// A small whole number as stored; -1 (never a slot, an option or a key) for anything no
// quiz holds, so a wild value is refused where it is checked instead of wrapping.
int intOf(lx::Field& f)
{
    const double v = f.toDouble();
    return v >= -1e6 && v <= 1e6 ? int(std::lround(v)) : -1;
}

} // namespace

QString QuizConnectionString(const QString& path)
{
    return lx::ConnectionString::format(path, quizPassword());
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
        // Every read and save takes a quiz's first row: a second row of one number would
        // show one score and keep another.
        auto twice = c.Execute(QStringLiteral("SELECT QuizID FROM QuizInfo GROUP BY QuizID HAVING count(*) > 1"));
        if (!twice->eof())
            return false;
        auto seqRows = c.Execute(QStringLiteral("SELECT * FROM QuestionSeq WHERE QuizID = 0 ORDER BY Slot"));
        return seqRows->fieldCount() > seq::ChosenOption;
    } catch (...) {
        return false;
    }
}

bool CanSaveToQuizFile(const QString& connection, QString* why)
{
    try {
        lx::Connection c;
        c.Open(connection);
        // A change that SQLite really writes (its journal beside the file first), taken back
        // at once: the file ends as it was. A failure leaves the transaction open, and
        // closing the connection rolls it back.
        c.ExecuteNonQuery(QStringLiteral("BEGIN IMMEDIATE"));
        c.ExecuteNonQuery(QStringLiteral("UPDATE UserInfo SET rowid = rowid"));
        c.ExecuteNonQuery(QStringLiteral("ROLLBACK"));
        return true;
    } catch (const lx::DatabaseError& e) {
        if (why)
            *why = QuizFileErrorText(e, connection);
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
    QFile master(masterPath);
    if (!master.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("The empty quiz file could not be read: ") + QDir::toNativeSeparators(masterPath));
    // Filled in where nothing of it can stay behind: the instance folder, which the program
    // removes when it ends and the next start removes after a kill. Without one (a tool), a
    // private folder of the same kind.
    std::unique_ptr<lx::InstanceFolder> own;
    QString folder = basGlobal::TempPath;
    if (folder.isEmpty()) {
        QString why;
        own = lx::InstanceFolder::create(&why);
        if (!own)
            return fail(why);
        folder = own->path();
    }
    QTemporaryFile copy(QDir(folder).filePath(QStringLiteral("newquiz-XXXXXX.lxq")));   // 0600, removed when done
    if (!copy.open())
        return fail(QStringLiteral("No working copy can be made in %1 (%2).").arg(QDir::toNativeSeparators(folder), copy.errorString()));
    const QByteArray empty = master.readAll();
    if (copy.write(empty) != empty.size() || !copy.flush())
        return fail(QStringLiteral("The working copy could not be written (%1).").arg(copy.errorString()));
    try {
        lx::Connection c;
        c.Open(QuizConnectionString(copy.fileName()));
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
    QFile filled(copy.fileName());
    if (!filled.open(QIODevice::ReadOnly))
        return fail(filled.errorString());
    return lx::writeFileSafely(target, filled.readAll(), error, lx::FileAccess::Private);
}

RowRead ReadQuizRow(lx::Connection& score, int quizId, QuizRow& row, QString* why)
{
    lx::Recordset rs;
    rs.Open(QuizInfoSql(quizId), score, lx::adOpenDynamic, lx::adLockOptimistic);
    if (rs.eof())
        return RowRead::Missing;
    return QuizRowFrom(rs, row, why) ? RowRead::Read : RowRead::Refused;
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
    // The write lock comes first: the row is checked as it is now, not as it was when the
    // quiz was opened, so two windows or two instances cannot pass the limit together.
    score.ExecuteNonQuery(QStringLiteral("BEGIN IMMEDIATE"));
    try {
        lx::Recordset row;
        row.Open(QuizInfoSql(quizId), score, lx::adOpenDynamic, lx::adLockOptimistic);
        QuizRow now;
        QString why;
        if (row.eof())
            throw lx::DatabaseError(QStringLiteral("The quiz file has no row for quiz %1.").arg(quizId));
        if (!QuizRowFrom(row, now, &why))
            throw lx::DatabaseError(why);
        if (now.attemptsUsed >= now.maxAttempts)
            throw AttemptLimitReached(now.maxAttempts);
        lx::Recordset seqRows;
        seqRows.Open(QuestionSeqSql(quizId), score, lx::adOpenDynamic, lx::adLockOptimistic);
        for (size_t i = 0; i < n; ++i) {
            if (seqRows.eof())
                throw lx::DatabaseError(QStringLiteral("The quiz file has too few question slots for quiz %1.").arg(quizId));
            seqRows.Fields(seq::DisplayOrder).Value = qlonglong(attempt.order[i]);
            seqRows.Fields(seq::CorrectOption).Value = qlonglong(attempt.keys[i]);
            seqRows.Fields(seq::ChosenOption).Value = qlonglong(attempt.chosen[i]);
            seqRows.Update();
            seqRows.MoveNext();
        }
        row.Fields(info::AttemptsUsed).Value = qlonglong(now.attemptsUsed) + 1;
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
