#pragma once
// Where the program finds its installed files and keeps its working copies.
#include <QString>

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

// The per-user private folder for working copies under the system temp folder (honours
// TMPDIR), created with mode 0700 on first use. Ends with '/'. Empty when it cannot be
// made private: the caller reports that and stops.
QString privateTempFolder(QString* error = nullptr);

} // namespace lx
