#pragma once
// A student's quiz file for a test: the quiz template packed once (packing derives keys, so a
// fixture keeps one), a fresh writable copy for each use, and the attempts a credit counts.
#include "DataPacker.h"
#include "platform/Database.h"
#include "tests/common/TestHelpers.h"

#include <QFile>
#include <QTemporaryDir>

namespace lx::testing {

struct QuizFiles {
    static inline const QString Password = QStringLiteral("tarvinduso");
    QTemporaryDir dir;

    QuizFiles()
    {
        lx::pack::packDatabase(QStringLiteral(LOAMIX_SOURCE_DIR "/data/QuizTemplate"), Password,
                               dir.filePath(QStringLiteral("template.lxq")));
    }
    // A writable copy of the template in place of the last one; its connection string.
    QString fresh() const
    {
        const QString path = dir.filePath(QStringLiteral("Quiz_Student.lxq"));
        QFile::remove(path);
        QFile::copy(dir.filePath(QStringLiteral("template.lxq")), path);
        QFile(path).setPermissions(QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        return connectionTo(path, Password);
    }
    // AttemptsUsed of a quiz or activity; -1 when the file has no row for it.
    static long long attempts(const QString& connection, int id)
    {
        lx::Connection c;
        c.Open(connection);
        auto rs = c.Execute(QStringLiteral("SELECT * FROM QuizInfo WHERE QuizID = ?"), {id});
        return rs->eof() ? -1 : rs->Fields(2).Value.toLongLong();
    }
};

} // namespace lx::testing
