#pragma once
// The report tests' tiny reference database: the CSV files of fixtures/tiny under the schema
// of the installed sand databases, packed with their password into a folder of the test's.
#include "DataPacker.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace testreport {

// Packs the tiny database into folder and returns its connection string.
inline QString packTinyDatabase(const QString& folder)
{
    const QString source = QDir(folder).filePath(QStringLiteral("tiny-source"));
    QDir().mkpath(source);
    QFile::copy(QStringLiteral(LOAMIX_SOURCE_DIR "/data/LXSandCIDC/schema.sql"), source + QStringLiteral("/schema.sql"));
    for (const QString& csv : QDir(QStringLiteral(FIXTURE_DIR "/tiny")).entryList({QStringLiteral("*.csv")}))
        QFile::copy(QStringLiteral(FIXTURE_DIR "/tiny/") + csv, source + u'/' + csv);
    const QString db = QDir(folder).filePath(QStringLiteral("tiny.lxr"));
    lx::pack::packDatabase(source, QStringLiteral("mobkel"), db);
    return QStringLiteral("DBQ=%1;Driver={Loamix};Pwd=mobkel;").arg(db);
}

} // namespace testreport
