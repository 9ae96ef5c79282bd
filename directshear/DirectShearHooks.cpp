// Tells the frame where the direct shear windows are.
#include "directshear/dlgDirectShear.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"

void basGlobal::InstallDirectShearHooks()
{
    Hooks().showDirectShear = [] { lx::ShowInFront(&lx::SingleInstance<dlgDirectShear>::get()); };
}
