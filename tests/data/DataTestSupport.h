#pragma once
// Reading the installed databases in the checks over them: paths in the install tree, the
// read-only connection string, and all rows of a query by position.
#include "platform/Database.h"

#include <QString>

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

} // namespace datatest
