#include "lab/StoredTest.h"

#include "app/basGlobal.h"
#include "platform/Database.h"
#include "platform/Services.h"

namespace lx {

namespace {

LoadedTest unreadable(const DatabaseError& e)
{
    LoadedTest r;
    r.failure = LoadedTest::Failure::Unreadable;
    r.message = QStringLiteral("The stored test could not be read.\r") + e.message();
    return r;
}

} // namespace

template <typename T>
LoadedTest loadStoredTest(BasicStoredCurve<T>& curve, Connection& connection, const StoredTestQuery& query, TestFit fit)
{
    LoadedTest r;
    try {
        Recordset rs;
        rs.Open(query.sql, connection, adOpenDynamic, adLockUnspecified, query.parameters);
        curve.append(rs, fit);
        rs.Close();
    } catch (const DatabaseError& e) {
        return unreadable(e);
    }
    const Appended& a = curve.lastAppend();
    r.points = a.points;
    r.skipped = a.skipped;
    r.repeated = a.repeated;
    r.notFinite = a.notFinite;
    r.cut = a.cut;
    r.refused = a.refused;
    if (r.points == 0 && !r.refused) {
        r.failure = LoadedTest::Failure::NoPoints;
        r.message = QStringLiteral("The database holds no points for the test ") + query.testName + u'.';
    }
    return r;
}

template <typename T>
LoadedTest loadStoredTest(BasicStoredCurve<T>& curve, const StoredTestQuery& query, TestFit fit)
{
    try {
        Connection connection;
        connection.Open(query.connectionString);
        LoadedTest r = loadStoredTest(curve, connection, query, fit);
        connection.Close();
        return r;
    } catch (const DatabaseError& e) {
        return unreadable(e);
    }
}

QStringList LeftOutRows::notes() const
{
    QStringList notes;
    if (repeated > 0)
        notes << QString::number(repeated) + QStringLiteral(" stored point(s) repeating the number of an earlier point are left out.");
    if (notFinite > 0)
        notes << QString::number(notFinite) + QStringLiteral(" stored point(s) holding a value that is not a finite number are left out.");
    return notes;
}

QStringList LoadedTest::leftOut() const { return LeftOutRows{repeated, notFinite}.notes(); }

void tellLeftOut(const LeftOutRows& rows)
{
    if (const QStringList notes = rows.notes(); !notes.isEmpty())
        messages().msgBox(notes.join(u'\r'), vbOKOnly | vbInformation, basGlobal::AppTitle);
}

void tellLeftOut(const LoadedTest& loaded) { tellLeftOut(LeftOutRows{loaded.repeated, loaded.notFinite}); }

bool reportLoadFailure(const LoadedTest& loaded)
{
    if (loaded.ok())
        return true;
    tellStudent(loaded.message);
    return false;
}

void tellStudent(const QString& text) { messages().msgBox(text, vbOKOnly | vbExclamation, basGlobal::AppTitle); }

bool openOrTell(Connection& connection, const QString& connectionString, const QString& failure)
{
    return queryOrTell(failure, [&] { connection.Open(connectionString); });
}

bool queryOrTell(const QString& failure, const std::function<void()>& query)
{
    try {
        query();
        return true;
    } catch (const DatabaseError& e) {
        tellStudent(failure + e.message());
        return false;
    }
}

template LoadedTest loadStoredTest(StoredCurve&, const StoredTestQuery&, TestFit);
template LoadedTest loadStoredTest(DoubleStoredCurve&, const StoredTestQuery&, TestFit);
template LoadedTest loadStoredTest(StoredCurve&, Connection&, const StoredTestQuery&, TestFit);
template LoadedTest loadStoredTest(DoubleStoredCurve&, Connection&, const StoredTestQuery&, TestFit);

} // namespace lx
