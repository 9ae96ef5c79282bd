#pragma once
#include <QString>

// Asks for a file and writes an export text to it, followed by CR LF, whatever the
// extension chosen. An existing file is replaced only once the new text is safely
// written. Returns true when the file was written; cancelling returns false quietly and
// a failure says so with the path.
bool ExportData(const QString& text);
