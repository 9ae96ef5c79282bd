#include "frmTestReport.h"

#include "LXTestReport.h"
#include "platform/Geometry.h"

#include <memory>

namespace lx {

frmTestReport::frmTestReport(QWidget* parent) : ReportWindow(QStringLiteral("Test Report"), 8190, 8520, parent)
{
    ctlLXTestReport = new LXTestReport(this);
    ctlLXTestReport->setObjectName(QStringLiteral("ctlLXTestReport"));
    ctlLXTestReport->move(tw(120), 0);
    Form_Load();
}

frmTestReport* ShowTestReport(const QString& caption, const QString& strTestName, const QString& strResultFile,
                              const QString& strTitle, std::span<const double> nInit,
                              const QString& connectionString)
{
    return showReportWindow<frmTestReport>(
        std::make_unique<frmTestReport>(),
        [&](frmTestReport& window) {
            window.setWindowTitle(caption);
            window.ctlLXTestReport->strConnectionString = connectionString;
            window.ctlLXTestReport->CreateReport(strTestName, strResultFile, strTitle, nInit);
        },
        QStringLiteral("Test Report"));
}

} // namespace lx
