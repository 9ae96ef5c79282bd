#include "PreShear.h"

#include "triaxial/TriaxialRun.h"
#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/frmTriaxial1stStage.h"

#include "platform/FormRegistry.h"

namespace preshear {

void OpenPreShear(const QString& testType)
{
    frmTriaxial1stStage& form = lx::SingleInstance<frmTriaxial1stStage>::get();
    form.SetSimType(testType);
    form.setWindowTitle(testType == triaxial::TestCode(triaxial::TestKind::UUC) ? triaxial::ShearRoad(triaxial::TestKind::UUC).caption
                                                                               : frmTriaxial1stStage::DesignCaption);
    lx::ShowAsChild(&form);
}

} // namespace preshear
