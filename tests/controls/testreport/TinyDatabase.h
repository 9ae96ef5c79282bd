#pragma once
// The report tests' tiny reference database: the CSV files of fixtures/tiny under the schema
// of the installed sand databases, packed with their password into a folder of the test's.
#include "platform/Database.h"
#include "tests/common/FixturePacker.h"

#include <QDir>
#include <QFile>
#include <QString>

namespace testreport {

// Packs the tiny database into folder and returns its connection string.
inline QString packTinyDatabase(const QString& folder)
{
    const QString db = QDir(folder).filePath(QStringLiteral("tiny.lxr"));
    fixture::packFolder(QStringLiteral(FIXTURE_DIR "/tiny"), QStringLiteral("LXSandCIDC"), QStringLiteral("mobkel"), db);
    return lx::ConnectionString::format(db, QStringLiteral("mobkel"));
}

} // namespace testreport
