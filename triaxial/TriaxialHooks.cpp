// Tells the frame where the triaxial windows are.
#include "triaxial/TriaxialWindows.h"
#include "triaxial/dlgTriaxialSel.h"

#include "app/basGlobal.h"

void basGlobal::InstallTriaxialHooks()
{
    Hooks().showTriaxialSel = [] { triaxial::ShowInFront(&lx::SingleInstance<dlgTriaxialSel>::get()); };
}
