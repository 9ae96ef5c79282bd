#include "frmStudyReport.h"

#include "LXParamReport.h"
#include "platform/Geometry.h"

namespace lx {

frmStudyReport::frmStudyReport(QWidget* parent)
    : ReportWindow(QStringLiteral("Parametric Study Report"), 8175, 8625, parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    ctlLXParamReport = new LXParamReport(this);
    ctlLXParamReport->move(lx::tw(120), 0);
    Form_Load();
}

} // namespace lx
