#include "frmStudyReport.h"

#include "LXParamReport.h"
#include "app/FrameAssets.h"
#include "platform/Geometry.h"

namespace lx {

frmStudyReport::frmStudyReport(QWidget* parent) : QWidget(parent)
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Parametric Study Report"));
    setAutoFillBackground(true);
    QPalette p = palette();
    p.setColor(QPalette::Window, Qt::white);
    setPalette(p);
    setFixedSize(lx::tw(8175), lx::tw(8625));
    ctlLXParamReport = new LXParamReport(this);
    ctlLXParamReport->move(lx::tw(120), 0);
    Form_Load();
}

void frmStudyReport::Form_Load() { lx::setLoamixIcon(this); }

} // namespace lx
