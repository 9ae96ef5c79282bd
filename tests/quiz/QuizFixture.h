#pragma once
// A quiz world in temporary folders: an install folder with the master quiz file and the
// test bank as every quiz's question file, a working-copy folder, and the connection
// strings pointing there. The databases are packed from tests/quiz/fixtures.
#include "tests/common/FixturePacker.h"
#include "tests/common/TestHelpers.h"
#include "app/basGlobal.h"
#include "platform/Database.h"
#include "platform/Paths.h"
#include "quiz/QuizFile.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace quizfixture {

inline QString fixtures() { return QStringLiteral(LOAMIX_SOURCE_DIR "/tests/quiz/fixtures"); }

// Packs the fixture's own rows (tests/quiz/fixtures/<name>/*.csv) under the installed
// schema of that file (data/QuizTemplate or data/QuizResource), so the fixture cannot drift
// from the columns the program reads.
inline void packFixture(const QString& name, const QString& password, const QString& out)
{
    const QString installed = name == QStringLiteral("QuizFile") ? QStringLiteral("QuizTemplate") : name;
    fixture::packFolder(fixtures() + u'/' + name, installed, password, out);
}

struct QuizWorld {
    QTemporaryDir install;
    QTemporaryDir temp;
    QTemporaryDir student;   // where the student keeps files

    QuizWorld()
    {
        packFixture(QStringLiteral("QuizFile"), QStringLiteral("tarvinduso"),
                               install.filePath(QStringLiteral("QuizTemplate.lxq")));
        QDir(install.path()).mkpath(QStringLiteral("Resources"));
        packFixture(QStringLiteral("QuizResource"), QStringLiteral("mobkel"),
                               install.filePath(QStringLiteral("Resources/QuizResource.lxr")));
        for (int id : {100, 201, 202, 203, 301, 302})
            QFile::copy(fixtures() + QStringLiteral("/Bank4.rtf"), install.filePath(QStringLiteral("Resources/Quiz%1.rtf").arg(id)));
        QFile::copy(install.filePath(QStringLiteral("QuizTemplate.lxq")), temp.filePath(QStringLiteral("QuizTemplate.lxq")));
        QFile::copy(install.filePath(QStringLiteral("Resources/QuizResource.lxr")), temp.filePath(QStringLiteral("QuizResource.lxr")));
        QFile::setPermissions(temp.filePath(QStringLiteral("QuizTemplate.lxq")), QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        lx::setInstallDir(install.path());
        basGlobal::TempPath = temp.path() + u'/';
        basGlobal::QuizResourceConnection = lx::testing::connectionTo(basGlobal::TempPath + QStringLiteral("QuizResource.lxr"));
        basGlobal::QuizFileConnection.clear();
        basGlobal::StartupQuizPending = false;
    }
    ~QuizWorld()
    {
        lx::setInstallDir(QString());
        basGlobal::TempPath.clear();
        basGlobal::QuizResourceConnection.clear();
        basGlobal::QuizFileConnection.clear();
        basGlobal::StartupQuizPending = false;
    }
    QuizWorld(const QuizWorld&) = delete;
    QuizWorld& operator=(const QuizWorld&) = delete;

    // A student's copy of the master file, opened as the quiz file.
    QString openStudentFile(const QString& name = QStringLiteral("mine.lxq"))
    {
        const QString path = student.filePath(name);
        QFile::remove(path);
        QFile::copy(install.filePath(QStringLiteral("QuizTemplate.lxq")), path);
        QFile::setPermissions(path, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
        basGlobal::QuizFileConnection = quiz::QuizConnectionString(path);
        return path;
    }
};

// A value of the open quiz file.
inline QVariant valueOf(const QString& sql)
{
    lx::Connection c;
    c.Open(basGlobal::QuizFileConnection);
    auto rs = c.Execute(sql);
    return rs->eof() ? QVariant() : rs->Fields(0).Value;
}

} // namespace quizfixture
