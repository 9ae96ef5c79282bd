#pragma once
// A temporary install folder holding the nine data files start-up copies (each with its
// own content) and a temporary TMPDIR for the instance folder of the working copies.
#include "basGlobal.h"

#include "platform/Paths.h"
#include "tests/common/TestHelpers.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace fixture {

inline QByteArray contentOf(const QString& name) { return "installed " + name.toUtf8(); }

struct InstallTree {
    QTemporaryDir install;
    QTemporaryDir tmp;
    QByteArray oldTmpDir = qgetenv("TMPDIR");
    QByteArray oldRuntimeDir = qgetenv("XDG_RUNTIME_DIR");

    InstallTree()
    {
        for (const basGlobal::DataFile& f : basGlobal::DataFiles()) {
            QString rel = f.source;
            rel.replace(u'\\', u'/');
            const QString path = install.path() + rel;
            QDir().mkpath(QFileInfo(path).path());
            QFile file(path);
            file.open(QIODevice::WriteOnly);
            file.write(contentOf(f.name));
            file.close();
            // Installed files are read-only; their working copies must not be.
            file.setPermissions(QFileDevice::ReadOwner | QFileDevice::ReadGroup | QFileDevice::ReadOther);
        }
        lx::setInstallDir(install.path());
        qputenv("TMPDIR", QFile::encodeName(tmp.path()));
        // The instance folder then goes under tmp, whatever session runs the tests.
        qunsetenv("XDG_RUNTIME_DIR");
    }
    ~InstallTree()
    {
        lx::setInstallDir(QString());
        if (oldTmpDir.isNull())
            qunsetenv("TMPDIR");
        else
            qputenv("TMPDIR", oldTmpDir);
        if (!oldRuntimeDir.isNull())
            qputenv("XDG_RUNTIME_DIR", oldRuntimeDir);
    }
    InstallTree(const InstallTree&) = delete;
    InstallTree& operator=(const InstallTree&) = delete;

    QString sourceOf(const QString& name) const
    {
        for (const basGlobal::DataFile& f : basGlobal::DataFiles())
            if (f.name == name) {
                QString rel = f.source;
                rel.replace(u'\\', u'/');
                return install.path() + rel;
            }
        return {};
    }
    void remove(const QString& name) const { QFile::remove(sourceOf(name)); }
};

// The frame state as start-up finds it, for the life of a test: reset when made and again
// when it goes (Qt Test programs call basGlobal::ResetFrameState in init and cleanup).
struct FreshFrame {
    FreshFrame() { basGlobal::ResetFrameState(); }
    ~FreshFrame() { basGlobal::ResetFrameState(); }
    FreshFrame(const FreshFrame&) = delete;
    FreshFrame& operator=(const FreshFrame&) = delete;
};

// Qt reports a hidden action as disabled; its own enabled flag shows once it is visible.
inline bool enabledFlag(QAction* a)
{
    if (a->isVisible())
        return a->isEnabled();
    a->setVisible(true);
    const bool enabled = a->isEnabled();
    a->setVisible(false);
    return enabled;
}

using lx::testing::readAll;

} // namespace fixture
