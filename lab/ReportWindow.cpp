#include "lab/ReportWindow.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "platform/Geometry.h"
#include "platform/Services.h"

#include <QMdiSubWindow>
#include <QPalette>

#include <exception>

namespace lx {

ReportWindow::ReportWindow(const QString& caption, double clientWidthTw, double clientHeightTw, QWidget* parent)
    : QWidget(parent)
{
    setWindowTitle(caption);
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    setFixedSize(tw(clientWidthTw), tw(clientHeightTw));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);
}

void ReportWindow::Form_Load()
{
    setLoamixIcon(this);
}

QWidget* showReportWindow(std::unique_ptr<QWidget> window, const std::function<void()>& fill,
                          const QString& messageTitle)
{
    QString failure;
    try {
        fill();
        QWidget* shown = window.release();
        shown->setAttribute(Qt::WA_DeleteOnClose);
        // The child window around it has no maximise button either: a report has one size.
        if (QMdiSubWindow* sub = showChildWindow(shown)) {
            sub->setWindowFlags(sub->windowFlags() & ~Qt::WindowMaximizeButtonHint);
            sub->show();
        }
        return shown;
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
    } catch (...) {
        failure = QStringLiteral("An unexpected error occurred.");
    }
    window.reset();
    messages().msgBox(QStringLiteral("The report could not be created.\r") + failure, vbOKOnly | vbCritical,
                      messageTitle);
    return nullptr;
}

} // namespace lx
