#include "frmTestReport.h"

#include "LXTestReport.h"
#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "platform/Geometry.h"
#include "platform/Services.h"

#include <QPalette>

#include <exception>
#include <memory>

namespace lx {

frmTestReport::frmTestReport(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Test Report"));
    setWindowFlags(windowFlags() & ~Qt::WindowMaximizeButtonHint);
    setFixedSize(tw(8190), tw(8520));
    QPalette white = palette();
    white.setColor(QPalette::Window, Qt::white);
    setPalette(white);
    setAutoFillBackground(true);

    ctlLXTestReport = new LXTestReport(this);
    ctlLXTestReport->setObjectName(QStringLiteral("ctlLXTestReport"));
    ctlLXTestReport->move(tw(120), 0);
    Form_Load();
}

void frmTestReport::Form_Load()
{
    setLoamixIcon(this);
}

frmTestReport* ShowTestReport(const QString& caption, const QString& strTestName, const QString& strResultFile,
                              const QString& strTitle, std::span<const double> nInit,
                              const QString& connectionString)
{
    QString failure;
    try {
        auto window = std::make_unique<frmTestReport>();
        window->setWindowTitle(caption);
        window->ctlLXTestReport->strConnectionString = connectionString;
        window->ctlLXTestReport->CreateReport(strTestName, strResultFile, strTitle, nInit);
        frmTestReport* shown = window.release();
        shown->setAttribute(Qt::WA_DeleteOnClose);
        showChildWindow(shown);
        return shown;
    } catch (const std::exception& e) {
        failure = QString::fromStdString(e.what());
    } catch (...) {
        failure = QStringLiteral("An unexpected error occurred.");
    }
    messages().msgBox(QStringLiteral("The report could not be created.\r") + failure, vbOKOnly | vbCritical,
                      QStringLiteral("Test Report"));
    return nullptr;
}

} // namespace lx
