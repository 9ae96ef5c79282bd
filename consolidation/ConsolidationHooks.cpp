// Tells the frame where the consolidation test's entry is.
#include "consolidation/dlg1DConsolidation.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "platform/FormRegistry.h"

void basGlobal::InstallConsolidationHooks()
{
    Hooks().show1DConsolidation = [] { lx::ShowInFront(&lx::SingleInstance<dlg1DConsolidation>::get()); };
}
