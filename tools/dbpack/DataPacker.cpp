#include "DataPacker.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <sqlcipher/sqlite3.h>

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <stdexcept>

namespace lx::pack {

namespace {

[[noreturn]] void fail(const QString& why) { throw std::runtime_error(why.toStdString()); }

QString readText(const QString& path)
{
    QFile f(path);
    if (!f.open(QIODevice::ReadOnly))
        fail(QStringLiteral("cannot read %1").arg(path));
    return QString::fromUtf8(f.readAll());
}

struct Db {
    sqlite3* h = nullptr;
    ~Db() { sqlite3_close_v2(h); }
    void exec(const QString& sql)
    {
        char* err = nullptr;
        if (sqlite3_exec(h, sql.toUtf8().constData(), nullptr, nullptr, &err) != SQLITE_OK) {
            const QString why = QString::fromUtf8(err ? err : "?");
            sqlite3_free(err);
            fail(why + QStringLiteral(" in: ") + sql.left(200));
        }
    }
};

struct Column {
    QString name;
    bool numeric = false;
    bool integer = false;
};

std::vector<Column> columnsOf(Db& db, const QString& table)
{
    std::vector<Column> cols;
    sqlite3_stmt* st = nullptr;
    const QByteArray sql = QStringLiteral("PRAGMA table_info(\"%1\")").arg(table).toUtf8();
    sqlite3_prepare_v2(db.h, sql.constData(), -1, &st, nullptr);
    while (sqlite3_step(st) == SQLITE_ROW) {
        Column c;
        c.name = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 1)));
        const QString type = QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 2))).toUpper();
        c.integer = type.contains(u"INT");
        c.numeric = c.integer || type.contains(u"REAL") || type.contains(u"FLOA") || type.contains(u"DOUB") || type.contains(u"NUM");
        cols.push_back(c);
    }
    sqlite3_finalize(st);
    return cols;
}

} // namespace

std::vector<CsvRow> parseCsv(const QString& text)
{
    std::vector<CsvRow> rows;
    CsvRow row;
    CsvField field;
    bool inQuotes = false, any = false;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const QChar c = text[i];
        if (inQuotes) {
            if (c == u'"') {
                if (i + 1 < n && text[i + 1] == u'"') {
                    field.text += u'"';
                    ++i;
                } else {
                    inQuotes = false;
                }
            } else {
                field.text += c;
            }
            continue;
        }
        if (c == u'"') {
            inQuotes = true;
            field.quoted = true;
            any = true;
        } else if (c == u',') {
            row.push_back(field);
            field = {};
            any = true;
        } else if (c == u'\n' || c == u'\r') {
            if (c == u'\r' && i + 1 < n && text[i + 1] == u'\n')
                ++i;
            if (any || !field.text.isEmpty()) {
                row.push_back(field);
                rows.push_back(row);
            }
            row.clear();
            field = {};
            any = false;
        } else {
            field.text += c;
            any = true;
        }
    }
    if (inQuotes)
        fail(QStringLiteral("unterminated quoted field"));
    if (any || !field.text.isEmpty()) {
        row.push_back(field);
        rows.push_back(row);
    }
    return rows;
}

namespace {

// The data rows of one table (without a header) and the name its errors go by; nothing for a
// table that stays empty.
struct TableSource {
    QString name;
    std::vector<CsvRow> rows;
};
using RowsOf = std::function<std::optional<TableSource>(const QString& table, const std::vector<Column>& columns)>;

// Creates the tables of schema in a new file at outPath and fills each from rowsOf.
void pack(const QString& schema, const QString& password, const QString& outPath, const RowsOf& rowsOf)
{
    QDir().mkpath(QFileInfo(outPath).absolutePath());
    const QString temp = outPath + QStringLiteral(".part");
    QFile::remove(temp);
    // A file left half-packed is removed with the error.
    struct PartGuard {
        QString path;
        bool done = false;
        ~PartGuard()
        {
            if (!done)
                QFile::remove(path);
        }
    } part{temp};
    {
        Db db;
        if (sqlite3_open_v2(temp.toUtf8().constData(), &db.h, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr) != SQLITE_OK)
            fail(QStringLiteral("cannot create %1").arg(temp));
        const QByteArray key = password.toUtf8();
        if (sqlite3_key(db.h, key.constData(), int(key.size())) != SQLITE_OK)
            fail(QStringLiteral("cannot set the key"));
        db.exec(QStringLiteral("BEGIN"));
        db.exec(schema);

        QStringList tables;
        {
            sqlite3_stmt* st = nullptr;
            sqlite3_prepare_v2(db.h, "SELECT name FROM sqlite_master WHERE type = 'table' ORDER BY rowid", -1, &st, nullptr);
            while (sqlite3_step(st) == SQLITE_ROW)
                tables << QString::fromUtf8(reinterpret_cast<const char*>(sqlite3_column_text(st, 0)));
            sqlite3_finalize(st);
        }
        for (const QString& table : tables) {
            const std::vector<Column> cols = columnsOf(db, table);
            const std::optional<TableSource> source = rowsOf(table, cols);
            if (!source)
                continue;   // an empty table
            QStringList marks;
            for (size_t i = 0; i < cols.size(); ++i)
                marks << QStringLiteral("?");
            const QByteArray insert = QStringLiteral("INSERT INTO \"%1\" VALUES (%2)").arg(table, marks.join(u',')).toUtf8();
            sqlite3_stmt* st = nullptr;
            if (sqlite3_prepare_v2(db.h, insert.constData(), -1, &st, nullptr) != SQLITE_OK)
                fail(QString::fromUtf8(sqlite3_errmsg(db.h)));
            std::unique_ptr<sqlite3_stmt, int (*)(sqlite3_stmt*)> guard(st, sqlite3_finalize);
            for (size_t r = 0; r < source->rows.size(); ++r) {
                const CsvRow& row = source->rows[r];
                if (row.size() != cols.size())
                    fail(QStringLiteral("%1 row %2: %3 fields, %4 expected").arg(source->name).arg(r + 1).arg(row.size()).arg(cols.size()));
                sqlite3_reset(st);
                for (size_t i = 0; i < cols.size(); ++i) {
                    const CsvField& f = row[i];
                    const int index = int(i) + 1;
                    if (f.text.isEmpty() && !f.quoted) {
                        sqlite3_bind_null(st, index);
                        continue;
                    }
                    bool ok = false;
                    if (cols[i].integer) {
                        const qlonglong v = f.text.toLongLong(&ok);
                        if (ok) {
                            sqlite3_bind_int64(st, index, v);
                            continue;
                        }
                    }
                    if (cols[i].numeric) {
                        const double v = f.text.toDouble(&ok);
                        if (ok) {
                            sqlite3_bind_double(st, index, v);
                            continue;
                        }
                    }
                    const QByteArray t = f.text.toUtf8();
                    sqlite3_bind_text(st, index, t.constData(), int(t.size()), SQLITE_TRANSIENT);
                }
                if (sqlite3_step(st) != SQLITE_DONE)
                    fail(QStringLiteral("%1 row %2: %3").arg(source->name).arg(r + 1).arg(QString::fromUtf8(sqlite3_errmsg(db.h))));
            }
        }
        db.exec(QStringLiteral("COMMIT"));
    }
    QFile::remove(outPath);
    if (!QFile::rename(temp, outPath))
        fail(QStringLiteral("cannot write %1").arg(outPath));
    part.done = true;
}

} // namespace

void packDatabase(const QString& sourceDir, const QString& password, const QString& outPath)
{
    pack(readText(QDir(sourceDir).filePath(QStringLiteral("schema.sql"))), password, outPath,
         [&](const QString& table, const std::vector<Column>& cols) -> std::optional<TableSource> {
             const QString csvPath = QDir(sourceDir).filePath(table + QStringLiteral(".csv"));
             if (!QFileInfo::exists(csvPath))
                 return std::nullopt;
             std::vector<CsvRow> rows = parseCsv(readText(csvPath));
             if (rows.empty())
                 fail(QStringLiteral("%1 has no header row").arg(csvPath));
             const CsvRow& header = rows.front();
             if (header.size() != cols.size())
                 fail(QStringLiteral("%1: %2 columns in the header, %3 in the table").arg(csvPath).arg(header.size()).arg(cols.size()));
             for (size_t i = 0; i < cols.size(); ++i)
                 if (header[i].text.trimmed() != cols[i].name)
                     fail(QStringLiteral("%1: column %2 is '%3', the table has '%4'").arg(csvPath).arg(i + 1).arg(header[i].text, cols[i].name));
             rows.erase(rows.begin());
             return TableSource{csvPath, std::move(rows)};
         });
}

void packRows(const QString& schemaFile, const std::vector<TableRows>& tables, const QString& password, const QString& outPath)
{
    std::set<QString> used;
    pack(readText(schemaFile), password, outPath,
         [&](const QString& table, const std::vector<Column>&) -> std::optional<TableSource> {
             for (const TableRows& t : tables)
                 if (t.table == table) {
                     used.insert(table);
                     return TableSource{table, parseCsv(t.rows.join(u'\n'))};
                 }
             return std::nullopt;
         });
    for (const TableRows& t : tables)
        if (!used.count(t.table)) {
            QFile::remove(outPath);
            fail(QStringLiteral("%1 has no table %2").arg(schemaFile, t.table));
        }
}

} // namespace lx::pack
