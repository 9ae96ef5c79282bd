#include "tests/common/RoadTest.h"

#include "app/basGlobal.h"
#include "platform/Paths.h"

namespace lx::testing {

void RoadTest::initTestCase() { basGlobal::InstallFontSubstitutions(); }

void RoadTest::init()
{
    basGlobal::ResetFrameState();
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
    s = std::make_unique<ScriptedServices>();
    installFamily();
    pressed.clear();
    basGlobal::Hooks().pressQuizButton = [this](int n) { pressed << n; };
    main = std::make_unique<frmMDI>();
    basGlobal::MainForm = main.get();
    if (!mainWindow.isEmpty()) {
        main->resize(mainWindow);
        main->show();
    }
}

void RoadTest::cleanup()
{
    main.reset();
    settle();
    basGlobal::ResetFrameState();
    s.reset();
}

} // namespace lx::testing
