#include "consolidation/frm1DConsolidation.h"

#include "consolidation/dlg1DConsolidation.h"
#include "consolidation/frmScreenDAS1D.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "lab/AssemblyTables.h"
#include "platform/FormRegistry.h"

using namespace consolidation;

namespace {

// The kind chosen in the dialog when the form loads (none without the dialog).
Kind DialogKind()
{
    const dlg1DConsolidation* dialog = lx::SingleInstance<dlg1DConsolidation>::peek();
    return dialog ? dialog->SelectedKind() : Kind::None;
}

lx::SetupFormDesign Design(Kind kind)
{
    lx::SetupFormDesign d;
    d.caption = QStringLiteral("One-Dimensional Consolidation: Assembly");
    d.widthTw = 10000;
    d.heightTw = 6000;
    d.testCaption = kind == Kind::CRS ? QStringLiteral("Constant rate of strain (CRS) test on")
                                      : QStringLiteral("Oedometer (incremental load) test on");
    d.helpTopic = QStringLiteral("html/Simulations/Sim1DConsol.htm");
    d.connection = basGlobal::Consolidation1DConnection;
    d.soils = Soils(kind);
    d.parameters = ParameterTable();
    d.assembly = lx::assembly::consolidation(KindText(kind));
    d.captions.assign(ParameterCaptions().begin(), ParameterCaptions().end());
    d.boxTops = {1280, 1750, 2225, 2685, 3145, 3605, 4065};
    d.boxShown = {true, true, true, kind == Kind::CRS, true, true, true};
    return d;
}

} // namespace

frm1DConsolidation::frm1DConsolidation() : frm1DConsolidation(DialogKind()) {}

frm1DConsolidation::frm1DConsolidation(Kind kind) : lx::SetupForm(Design(kind)), kind_(kind) {}

void frm1DConsolidation::StartRun(const QString& soilType)
{
    auto* screen = new frmScreenDAS1D();
    lastScreen_ = screen;
    if (screen->StartTest(RefNumber, TestID, soilType, ParamTexts))
        lx::ShowInFront(screen);
    else
        lx::UnloadLater(screen);
}
