#pragma once
// Helpers every test program shares: files written and read back, and pictures of windows
// saved for a look.
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QWidget>

namespace lx::testing {

// Writes bytes to path, making its folder first; false when the file cannot be written whole.
inline bool writeFile(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).path());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// The bytes of a file; empty when it cannot be read.
inline QByteArray readAll(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// Where pictures of windows go: $LOAMIX_SHOTS when it is set, else beside the test program.
inline QString shotFolder()
{
    const QString dir = qEnvironmentVariable("LOAMIX_SHOTS");
    return dir.isEmpty() ? QCoreApplication::applicationDirPath() : dir;
}

// Saves a picture as name.png in the shot folder.
inline void saveShot(const QImage& picture, const QString& name)
{
    picture.save(QDir(shotFolder()).filePath(name + QStringLiteral(".png")));
}
// Saves what a window shows now.
inline void saveShot(QWidget* window, const QString& name) { saveShot(window->grab().toImage(), name); }

} // namespace lx::testing
