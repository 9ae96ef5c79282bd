#pragma once
// The data the triaxial report controls read: the published drained test of a reference
// database ("DB CIDC "), named by its reference number and TestID, and the response
// library's simulation, written into the private folder and read back from its result file.
// Every failure comes back as a ReportError (or a DatabaseError from the database itself),
// which the report window turns into its message.
#include "lab/StoredPoints.h"

#include <QString>
#include <QVariantList>

#include <span>
#include <stdexcept>

namespace lx {

class Connection;
class Recordset;
enum class SoilNetProcedure;

class ReportError : public std::runtime_error {
public:
    explicit ReportError(const QString& message) : std::runtime_error(message.toStdString()) {}
    QString message() const { return QString::fromStdString(what()); }
};

// A reference number given as text; anything but a number is refused before it reaches
// the database.
double referenceNumber(const QString& text);

// The Reference row of a published test.
struct ReferenceHeader {
    QString reference, date, soilDescription;
    // "Reference: <reference>, <date>"
    QString title() const;
    // "Drained Triaxial Test for <soil description>."
    QString testType() const;
};
// Reads the Reference row of the reference number; referenceText names it in the message
// when there is none.
ReferenceHeader readReferenceHeader(Connection& connection, double reference, const QString& referenceText);

// The published test's points: axial strain and volumetric strain in per cent (stored as
// fractions, unrounded), deviator stress to two decimals.
ColumnMap referenceTestMap();
// The points of one published test, in point order: bind the reference number and the TestID.
QString referenceTestSql();

// Opens sql with its parameters on rs, fills the curve afresh through map (cut at cap) and
// throws a ReportError naming the last parameter (the TestID) when no point is read. Rows
// are left out as the screens leave them out (StoredPoints.h), and the student is told how
// many (tellLeftOut).
void readReportPoints(Recordset& rs, Connection& connection, DoubleStoredCurve& curve, const QString& sql,
                      const QVariantList& parameters, const ColumnMap& map, int cap);

// Runs the procedure on the specimen values. The library writes into the program's private
// folder (basGlobal::TempPath) whatever folder the name carries; returns the path it wrote.
QString runSoilNet(SoilNetProcedure procedure, std::span<const double> values, const QString& resultName);
// Appends the rows of a result file to the curve (already in its units) up to its cap;
// thinned, it keeps rows 0, 1 and 2 and then every fifth row (the undrained files). Throws
// when the file cannot be read or holds no row.
void readSoilNetResult(DoubleStoredCurve& curve, const QString& path, int headerLines, bool thinned = false);

} // namespace lx
