#pragma once
#include <QByteArray>
#include <QString>

namespace lx {

// Writes a whole file through a temporary file beside it and a rename, so that the old file
// survives any failure. Every writer of the program (documents, exports, quiz files) goes
// through it, so they share its rules:
// - an existing target must be a regular file or a link to one; a folder, a FIFO, a device
//   or a dangling link is refused and left as it was (a link keeps pointing at its file);
// - a read-only file (no write permission for anyone, or none for this user) is refused too;
// - a short write (a full disk, a size limit) and a failed sync are failures;
// - the new file keeps the permissions of the file it replaces (a private file is always
//   the owner's alone, 0600), and the folder is synced after the rename, so a completed
//   save survives a power cut;
// - the temporary file's name fits the folder whenever the target's name does (a long
//   name is shortened in it), and a running save holds a lock on it;
// - what killed saves of the same file left beside it goes first (removeLeftoverCopies).
// On failure returns false and, when asked, the reason.
enum class FileAccess {
    Shared,   // a new file as the umask makes it; a replaced file's own mode kept
    Private,  // 0600 (a quiz file holds a name and a password)
};
bool writeFileSafely(const QString& path, const QByteArray& bytes, QString* error = nullptr,
                     FileAccess access = FileAccess::Shared);

// Removes the temporary files (".<name>.loamix-<13 of [0-9a-z]>.tmp", only this program's
// saves name them so) that saves of path killed before their rename left beside it, and that
// no running save holds: a quiz file's copy holds the student's name and password. A user's
// own files of a like name (".notes.txt.old.tmp") stay. Only this user's regular files named
// for path itself go;
// another file's stay, and so do those of a name too long to be told from another's (the
// temporary name holds only its beginning). Returns how many were removed.
int removeLeftoverCopies(const QString& path);

// A write past the file-size limit raises SIGXFSZ, which ends the process unless ignored;
// ignored, the write fails with EFBIG and is reported like any full disk. The program calls
// it at start-up; the checked write calls it too, so no writer depends on start-up.
void ignoreFileSizeSignal();

} // namespace lx
