#include "basExport.h"

#include "platform/SafeFile.h"
#include "platform/Services.h"

#include <QFileInfo>

bool ExportData(const QString& text)
{
    const QString filter = QStringLiteral(
        "Excel files (*.xls)|*.xls|Lotus 1-2-3 files (*.wk4)|*.wk4|Microsoft Works files (*.wks)|*.wks|Text Files (*.txt)|*.txt");
    QString path;
    for (;;) {
        // Every option is set on every call: nothing is left over from an earlier dialog.
        lx::FileDialogRequest request;
        request.title = QStringLiteral("Save Data As");
        request.filter = filter;
        request.fileName = QString();
        request.filterIndex = 1;
        path = lx::fileDialogs().saveFile(request);
        if (path.isEmpty())
            return false;   // cancelled
        if (path.trimmed().isEmpty())
            continue;
        // Only a file is "already there"; a folder of that name fails at the write and says so.
        if (QFileInfo(path).isFile()) {
            const int answer = lx::messages().msgs(
                2, QStringLiteral("Export Data"),
                QStringLiteral("\r    Selected file already exits.\r    Do you wish to overwrire the file or open a new file?"),
                {QStringLiteral("Overwrite"), QStringLiteral("New File"), QString(), QString()});
            if (answer != 1)
                continue;
        }
        break;
    }

    QString why;
    if (!lx::writeFileSafely(path, text.toUtf8() + "\r\n", &why)) {
        lx::messages().msgBox(QStringLiteral("The data could not be written to %1.\r%2").arg(path, why), lx::vbExclamation,
                              QStringLiteral("Export Data"));
        return false;
    }
    return true;
}
