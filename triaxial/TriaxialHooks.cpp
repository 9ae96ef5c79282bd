// Tells the frame where the triaxial windows are.
#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/dlgTriaxialSel.h"

#include "app/basGlobal.h"

void basGlobal::InstallTriaxialHooks()
{
    Hooks().showTriaxialSel = [] { lx::ShowInFront(&lx::SingleInstance<dlgTriaxialSel>::get()); };
}
