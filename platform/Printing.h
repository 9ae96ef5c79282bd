#pragma once
// Printing through one path, so that every print command treats a PDF file as every other
// writer of the program treats its files.
#include <QPagedPaintDevice>
#include <QString>

#include <functional>

class QPrintDialog;
class QPrinter;

namespace lx {

// Draws pages on the printer the student chose; paint draws them on the device it is given
// and says whether it could. When the printer writes a PDF file, the pages are made in
// memory and the file is written through the checked write (writeFileSafely): the old file
// of that name survives a full disk or any other failure, and a target that is no regular
// file (a FIFO, which would block the program, a device, a folder, a dangling link) or is
// read-only is refused as an export refuses it. False on failure, with the reason when
// there is one.
bool printPages(QPrinter& printer, const std::function<bool(QPagedPaintDevice& device)>& paint, QString* error = nullptr);

// The message for a failed print of "the window", "the document", ...: it names the file
// when there is one, and the reason.
QString printFailureMessage(const QString& what, const QPrinter& printer, const QString& error);

// Names what Qt's print dialog leaves without a name a screen reader can say: its
// "..." button, which chooses the output file.
void nameDialogControls(QPrintDialog& dialog);

} // namespace lx
