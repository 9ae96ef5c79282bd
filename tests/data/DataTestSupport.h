#pragma once
// Reading the installed databases in the checks over them: paths in the install tree, the
// read-only connection string, all rows of a query by position, and the tables of numbers
// the help pages give of the stored tests.
#include "platform/Database.h"

#include <QFile>
#include <QRegularExpression>
#include <QString>
#include <QStringList>

#include <map>
#include <vector>

namespace datatest {

inline QString installed(const char* relative)
{
    return QStringLiteral(LOAMIX_INSTALL_DIR "/") + QString::fromLatin1(relative);
}

inline QString connectionString(const QString& path, const QString& password)
{
    return lx::ConnectionString::format(path, password, true);
}

// All rows of a query, each row its fields by position.
using Rows = std::vector<std::vector<lx::Field>>;

inline Rows query(lx::Connection& c, const QString& sql)
{
    lx::Recordset rs;
    rs.Open(sql, c, lx::adOpenDynamic);
    Rows rows;
    for (; !rs.eof(); rs.MoveNext()) {
        std::vector<lx::Field> row;
        for (int i = 0; i < rs.fieldCount(); ++i)
            row.push_back(rs.Fields(i));
        rows.push_back(row);
    }
    return rows;
}

// The rows of a table of an installed help page, found by its id: the text of each row's first
// cell, and the numbers of its other cells. Header rows (<th>) are left out; an empty map means
// that the page or the table is missing.
inline std::map<QString, std::vector<double>> pageTable(const char* page, const char* id)
{
    QFile file(installed("Help/html/") + QString::fromLatin1(page));
    if (!file.open(QIODevice::ReadOnly))
        return {};
    const QString html = QString::fromUtf8(file.readAll());
    const qsizetype start = html.indexOf(QStringLiteral("<table id=\"%1\"").arg(QString::fromLatin1(id)));
    const qsizetype end = html.indexOf(QStringLiteral("</table>"), start);
    if (start < 0 || end < 0)
        return {};
    static const QRegularExpression row(QStringLiteral("<tr>((?:<td>[^<]*</td>)+)</tr>"));
    static const QRegularExpression cell(QStringLiteral("<td>([^<]*)</td>"));
    std::map<QString, std::vector<double>> table;
    for (const QRegularExpressionMatch& r : row.globalMatch(html.mid(start, end - start))) {
        QStringList cells;
        for (const QRegularExpressionMatch& c : cell.globalMatch(r.captured(1)))
            cells << c.captured(1);
        std::vector<double>& numbers = table[cells.takeFirst()];
        for (const QString& c : cells)
            numbers.push_back(c.toDouble());
    }
    return table;
}

} // namespace datatest
