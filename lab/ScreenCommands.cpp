#include "lab/ScreenCommands.h"

#include "platform/Controls.h"

namespace lx {

ScreenCommands makeScreenCommands(QWidget* form, const ScreenCommandPlaces& at)
{
    const auto button = [form](const QString& caption, const QString& tip, const QRectF& r) {
        return twButton(form, caption, tip, r.left(), r.top(), r.width(), r.height());
    };
    ScreenCommands c{};
    c.cmdExportData = button(QStringLiteral("Export Data"), QStringLiteral("Export data to worksheets"), at.exportData);
    c.cmdReport = button(QStringLiteral("Create Report"), QStringLiteral("Create Summary Report"), at.report);
    c.cmdHelp = button(QStringLiteral("Help"), at.helpTip, at.help);
    c.cmdClose = button(QStringLiteral("Close"), QStringLiteral("Close Window"), at.close);
    c.cmdExportData->setEnabled(false);
    c.cmdReport->setEnabled(false);
    c.Timer1 = new QTimer(form);
    c.Timer1->setInterval(at.interval);
    return c;
}

} // namespace lx
