#include "directshear/frmDirectShear.h"

#include "directshear/DirectShearSoils.h"
#include "directshear/frmScreenDAS_DS.h"

#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "lab/AssemblyTables.h"

namespace {

lx::SetupFormDesign Design()
{
    lx::SetupFormDesign d;
    d.caption = QStringLiteral("Direct Shear Test: Assembly");
    d.widthTw = 10200;
    d.heightTw = 6000;
    d.testCaption = QStringLiteral("Direct Shear test on");
    d.helpTopic = QStringLiteral("html/Simulations/SimDirectShear.htm");
    d.connection = basGlobal::DirectShearConnection;
    const auto sands = directshear::SetupSands();
    d.soils.assign(sands.begin(), sands.end());
    d.parameters = directshear::ParameterTable();
    d.assembly = lx::assembly::directShear();
    d.assemblyLabelTop = 360;
    d.assemblyLabelWidth = 5805;
    d.frameWidth = 3830;
    d.listWidth = 3550;
    d.captionWidth = 2500;
    d.boxLeft = 2700;
    for (const QString& c : directshear::ParamCaptions())
        d.captions.push_back(c);
    // Top-down: the normal stress (5) and the void ratio (6) first, then 0 to 4.
    d.boxTops = {2225, 2685, 3145, 3605, 4065, 1280, 1750};
    d.buttonTop = 5025;
    d.buttonLefts = {6150, 7395, 8640};
    return d;
}

} // namespace

frmDirectShear::frmDirectShear() : lx::SetupForm(Design()) {}

void frmDirectShear::StartRun(const QString& soilType)
{
    auto* screen = new frmScreenDAS_DS();
    if (!screen->StartTest(TestID, soilType, ParamTexts)) {
        lx::UnloadNow(screen);
        lastScreen_ = nullptr;
        return;
    }
    lastScreen_ = screen;
    lx::ShowInFront(screen);
}
