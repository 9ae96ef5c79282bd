#pragma once
// Loading one stored test into a curve: the connection opened from its connection string,
// the query's parameters bound, the points appended through the curve's column map, and
// the two failures a screen reports (the database cannot be read, the test has no points)
// turned into the student's messages. Every data-acquisition screen and study loads its
// tests through here:
//
//   const lx::LoadedTest loaded = lx::loadStoredTest(ReplayCurve, {connection, sql, {testID}, testID});
//   if (!lx::reportLoadFailure(loaded))
//       return false;            // the student has been told; nothing replays
#include "lab/StoredPoints.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

#include <functional>

namespace lx {

class Connection;

struct StoredTestQuery {
    QString connectionString;
    QString sql;               // the test's points, in point order, with '?' for each parameter
    QVariantList parameters;   // bound in order
    QString testName;          // named in the no-points message (the TestID)
};

// The rows a reader of stored points left out (Appended's repeated and notFinite), summed
// over the tests of a report or a study, to be told once.
struct LeftOutRows {
    int repeated = 0;
    int notFinite = 0;
    void add(const Appended& a)
    {
        repeated += a.repeated;
        notFinite += a.notFinite;
    }
    bool any() const { return repeated > 0 || notFinite > 0; }
    // The student's notes, each counted; empty when there were none.
    QStringList notes() const;
};

struct LoadedTest {
    enum class Failure { None, Unreadable, NoPoints };
    Failure failure = Failure::None;
    QString message;           // the student's message for a failure; empty when loaded
    int points = 0;            // points added to the curve
    int skipped = 0;           // rows skipped for a missing value
    int repeated = 0;          // rows left out for repeating an earlier point's number
    int notFinite = 0;         // rows left out for a value that is not a finite number
    bool cut = false;          // a cap left rows of the test out
    bool refused = false;      // TestFit::WholeOnly: the test did not fit and nothing was added
    bool ok() const { return failure == Failure::None; }
    // The student's notes on the repeated and the not finite rows, each counted; empty when
    // there were none.
    QStringList leftOut() const;
};

// Appends the test to the curve (clear it first for a fresh run). Never throws a database
// error: it comes back as Unreadable, with the curve as it was. A test whose rows are all
// missing values, or that has none, is NoPoints; a test refused whole is neither. Rows that
// repeat an earlier point's number (the "Point Number" field, when the query reads it) or
// hold a value that is not finite are left out and counted.
template <typename T>
LoadedTest loadStoredTest(BasicStoredCurve<T>& curve, const StoredTestQuery& query, TestFit fit = TestFit::Cut);
// The same on a connection the caller holds open (a study reading several tests).
template <typename T>
LoadedTest loadStoredTest(BasicStoredCurve<T>& curve, Connection& connection, const StoredTestQuery& query,
                          TestFit fit = TestFit::Cut);

// Tells the student a failure (an exclamation box with the program's title) and returns
// false; returns true, saying nothing, when the test loaded.
bool reportLoadFailure(const LoadedTest& loaded);
// Tells the student the rows a loaded test left out (leftOut), in one information box with
// the program's title; says nothing when there were none.
void tellLeftOut(const LoadedTest& loaded);
void tellLeftOut(const LeftOutRows& rows);

// The student's message about the stored tests: an exclamation box with the program's title.
void tellStudent(const QString& text);
// Opens the connection. When it cannot, tells failure followed by the reason and returns
// false (the connection stays closed); the window goes on.
bool openOrTell(Connection& connection, const QString& connectionString, const QString& failure);
// Runs query, a read on the stored tests. A database error in it is told as failure
// followed by the reason, and the result is false.
bool queryOrTell(const QString& failure, const std::function<void()>& query);

} // namespace lx
