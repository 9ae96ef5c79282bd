#pragma once
// The commands every data-acquisition screen has: Export Data, Create Report, Help and Close
// with their tool tips, placed in twips, and the timer that replays the points. Export and
// Report start disabled (they wait for the whole run). The form's handlers of the same
// names are connected and its members of the same names set:
//
//   lx::makeScreenCommands(this, {.exportData = {7605, 585, 2430, 550}, .report = {7605, 1260, 2430, 550},
//                                 .help = {7605, 2100, 2430, 550}, .close = {7605, 2805, 2430, 550}});
#include <QPushButton>
#include <QRectF>
#include <QString>
#include <QTimer>

namespace lx {

struct ScreenCommandPlaces {
    QRectF exportData, report, help, close;   // left, top, width, height in twips
    QString helpTip = QStringLiteral("Help");
    int interval = 200;                        // ms between replayed points
};

struct ScreenCommands {
    QPushButton* cmdExportData;
    QPushButton* cmdReport;
    QPushButton* cmdHelp;
    QPushButton* cmdClose;
    QTimer* Timer1;

    // The run is over: the timer stops and the whole test can be exported and reported.
    void runEnded() const
    {
        Timer1->stop();
        cmdReport->setEnabled(true);
        cmdExportData->setEnabled(true);
    }
};

// The buttons and the timer, unconnected.
ScreenCommands makeScreenCommands(QWidget* form, const ScreenCommandPlaces& places);

template <typename Form>
ScreenCommands makeScreenCommands(Form* form, const ScreenCommandPlaces& places)
{
    const ScreenCommands c = makeScreenCommands(static_cast<QWidget*>(form), places);
    form->cmdExportData = c.cmdExportData;
    form->cmdReport = c.cmdReport;
    form->cmdHelp = c.cmdHelp;
    form->cmdClose = c.cmdClose;
    form->Timer1 = c.Timer1;
    QObject::connect(c.Timer1, &QTimer::timeout, form, &Form::Timer1_Timer);
    QObject::connect(c.cmdExportData, &QPushButton::clicked, form, [form] { form->cmdExportData_Click(); });
    QObject::connect(c.cmdReport, &QPushButton::clicked, form, [form] { form->cmdReport_Click(); });
    QObject::connect(c.cmdHelp, &QPushButton::clicked, form, &Form::cmdHelp_Click);
    QObject::connect(c.cmdClose, &QPushButton::clicked, form, &Form::cmdClose_Click);
    return c;
}

} // namespace lx
