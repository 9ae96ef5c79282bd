#pragma once
// Small fixture databases for the tests, packed under the installed schema of a database
// (data/<database>/schema.sql), so that a fixture cannot drift from the columns the program
// reads. Link lxdbpack to use it.
//
//   const QString path = fixture::packDatabase(dir.path(), "LXDirectShear",
//       {{"TestInfo", {"1,DS-1,..."}}, {"TestResults", {"1,DS-1,1,...", "1,DS-1,2,..."}}}, "mobkel");
//   db.Open(lx::testing::connectionTo(path));
#include "DataPacker.h"

#include <QDir>
#include <QFile>
#include <QString>
#include <QTemporaryDir>

#include <vector>

namespace fixture {

// The installed schema of a database ("LXSandCIDC", "QuizTemplate", ...).
inline QString installedSchema(const QString& database)
{
    return QStringLiteral(LOAMIX_SOURCE_DIR "/data/") + database + QStringLiteral("/schema.sql");
}

// Packs a few CSV rows per table (no header; fields in the table's column order) under the
// installed schema of database into dir/file (dir/<database>.lxr when file is empty) with its
// password, and returns the file's path. Throws std::runtime_error on a row that does not fit.
inline QString packDatabase(const QString& dir, const QString& database, const std::vector<lx::pack::TableRows>& tables,
                            const QString& password, const QString& file = {})
{
    const QString path = QDir(dir).filePath(file.isEmpty() ? database + QStringLiteral(".lxr") : file);
    lx::pack::packRows(installedSchema(database), tables, password, path);
    return path;
}

// Packs the CSV files of a folder (each <Table>.csv with its header row) under the installed
// schema of database into outPath.
inline void packFolder(const QString& csvFolder, const QString& database, const QString& password, const QString& outPath)
{
    QTemporaryDir source;
    QFile::copy(installedSchema(database), source.filePath(QStringLiteral("schema.sql")));
    const QDir rows(csvFolder);
    for (const QString& csv : rows.entryList({QStringLiteral("*.csv")}, QDir::Files))
        QFile::copy(rows.filePath(csv), source.filePath(csv));
    lx::pack::packDatabase(source.path(), password, outPath);
}

} // namespace fixture
