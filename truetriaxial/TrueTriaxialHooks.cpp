// Tells the frame where the true triaxial windows are.
#include "truetriaxial/dlgTTT_HCT.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"

void basGlobal::InstallTrueTriaxialHooks()
{
    Hooks().showTTT_HCT = [] { lx::ShowInFront(&lx::SingleInstance<dlgTTT_HCT>::get()); };
}
