#pragma once
// Packs a readable database source into an encrypted SQLCipher file.
//
// A source is a folder with schema.sql (the CREATE statements) and one <Table>.csv per
// table: a header row with the table's column names in order, then one row per record.
// An unquoted empty field is NULL; a quoted one ("") is an empty text. In a column
// declared REAL or INTEGER a number is stored as a number (REAL parsed from its decimal
// text); anything else, such as the text Null, is stored as text.
#include <QString>
#include <QStringList>
#include <vector>

namespace lx::pack {

struct CsvField {
    QString text;
    bool quoted = false;
};
using CsvRow = std::vector<CsvField>;

// Parses CSV text (RFC 4180: quotes double inside quoted fields, CRLF or LF line ends).
std::vector<CsvRow> parseCsv(const QString& text);

// Writes outPath (replacing it only once the new file is complete). Throws std::runtime_error.
void packDatabase(const QString& sourceDir, const QString& password, const QString& outPath);

// The rows of one table as CSV lines without a header, their fields in the table's column order.
struct TableRows {
    QString table;
    QStringList rows;
};
// Packs a few rows under the CREATE statements of schemaFile (a schema.sql); tables not named
// stay empty, and a table the schema lacks is an error (no file is left then).
void packRows(const QString& schemaFile, const std::vector<TableRows>& tables, const QString& password, const QString& outPath);

} // namespace lx::pack
