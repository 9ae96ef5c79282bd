#include "frmDBSimReport.h"

#include "LXDBSimReport.h"
#include "platform/Geometry.h"

#include <memory>

namespace lx {

frmDBSimReport::frmDBSimReport(QWidget* parent) : ReportWindow(QStringLiteral("Simulation Report"), 8145, 8580, parent)
{
    ctlLXDBSimReport = new LXDBSimReport(this);
    ctlLXDBSimReport->setObjectName(QStringLiteral("ctlLXDBSimReport"));
    ctlLXDBSimReport->move(tw(60), 0);
    Form_Load();
}

frmDBSimReport* ShowDBSimReport(const QString& strTestName, QString& strResults, const QString& strReferenceNum,
                                const QString& strTitle, std::span<double> nInit, const QString& connectionString,
                                const QString& testType)
{
    return showReportWindow<frmDBSimReport>(
        std::make_unique<frmDBSimReport>(),
        [&](frmDBSimReport& window) {
            window.ctlLXDBSimReport->strConnectionString = connectionString;
            window.ctlLXDBSimReport->mTestType = testType;
            window.ctlLXDBSimReport->CreateReport(strTestName, strResults, strReferenceNum, strTitle, nInit);
        },
        QStringLiteral("Simulation Report"));
}

} // namespace lx
