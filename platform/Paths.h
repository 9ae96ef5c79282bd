#pragma once
// Where the program finds its installed files and keeps its working copies.
#include <QString>

#include <memory>

namespace lx {

// The folder that holds the program (the install folder). Tests point it elsewhere.
QString installDir();
void setInstallDir(const QString& dir);

// Turns an install-relative path written with '\' ("\pictures\icons\LXicon.gif") into a
// path inside the install folder, matching each folder and file name without regard to
// case. A name that matches nothing is kept as written, so the caller's open fails cleanly.
QString installPath(const QString& relative);

// The same resolution against any base folder.
QString resolveCaseInsensitive(const QString& base, const QString& relative);

// The private folder of this running instance, for its working copies: a fresh folder with
// an unpredictable name, made atomically with mode 0700 under the user's runtime folder
// (XDG_RUNTIME_DIR) where one exists, else under the temp folder (TMPDIR, else /tmp). The
// instance holds a lock on it while it lives; making one first removes the folders of
// instances that no longer run (a crash, a kill), and the object removes its own folder
// with everything in it when it is destroyed.
class InstanceFolder {
public:
    // Null, with the reason, when no folder can be made (a TMPDIR that names no folder).
    static std::unique_ptr<InstanceFolder> create(QString* error = nullptr);
    ~InstanceFolder();
    InstanceFolder(const InstanceFolder&) = delete;
    InstanceFolder& operator=(const InstanceFolder&) = delete;

    // Ends with '/'.
    QString path() const { return folder + u'/'; }

    // Where instance folders are made; empty, with the reason, when the temp folder named by
    // TMPDIR does not exist or is no folder.
    static QString baseFolder(QString* error = nullptr);

private:
    InstanceFolder(QString folder, int lock) : folder(std::move(folder)), lock(lock) {}
    QString folder;
    int lock;
};

// Removes everything inside folder, following no link (a link is removed, not what it
// points at). False, with the reason, when something cannot be removed.
bool emptyFolder(const QString& folder, QString* error = nullptr);

} // namespace lx
