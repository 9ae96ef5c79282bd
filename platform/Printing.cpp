#include "Printing.h"

#include "SafeFile.h"

#include <QAbstractButton>
#include <QBuffer>
#include <QPrintDialog>
#include <QPdfWriter>
#include <QPrinter>

#include <algorithm>

namespace lx {

namespace {

bool writesPdfFile(const QPrinter& printer)
{
    return printer.outputFormat() == QPrinter::PdfFormat && !printer.outputFileName().isEmpty();
}

} // namespace

bool printPages(QPrinter& printer, const std::function<bool(QPagedPaintDevice& device)>& paint, QString* error)
{
    if (!writesPdfFile(printer)) {
        const bool painted = paint(printer);
        return painted && printer.printerState() != QPrinter::Error && printer.printerState() != QPrinter::Aborted;
    }
    // The same pages as the printer would make: its paper, margins, resolution and range.
    QBuffer pdf;
    pdf.open(QIODevice::WriteOnly);
    {
        QPdfWriter writer(&pdf);
        writer.setPageLayout(printer.pageLayout());
        writer.setResolution(printer.resolution());
        writer.setPageRanges(printer.pageRanges());
        writer.setTitle(printer.docName());
        writer.setCreator(printer.creator());
        if (!paint(writer)) {
            if (error)
                error->clear();
            return false;
        }
    }
    return writeFileSafely(printer.outputFileName(), pdf.data(), error);
}

QString printFailureMessage(const QString& what, const QPrinter& printer, const QString& error)
{
    QString text = QStringLiteral("%1 could not be printed").arg(what);
    if (writesPdfFile(printer))
        text += QStringLiteral(" to ") + printer.outputFileName();
    text += u'.';
    if (!error.isEmpty())
        text += u'\r' + error;
    return text;
}

void nameDialogControls(QPrintDialog& dialog)
{
    for (QAbstractButton* button : dialog.findChildren<QAbstractButton*>()) {
        const QString text = button->text();
        const bool says = std::any_of(text.begin(), text.end(), [](QChar c) { return c.isLetterOrNumber(); });
        if (says || !button->accessibleName().isEmpty() || !button->icon().isNull())
            continue;
        button->setAccessibleName(button->objectName() == u"fileBrowser" ? QStringLiteral("Choose output file")
                                                                          : button->toolTip());
    }
}

} // namespace lx
