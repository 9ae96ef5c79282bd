#include "tests/common/RoadTest.h"

#include "app/basGlobal.h"
#include "platform/Paths.h"

namespace lx::testing {

void RoadTest::initTestCase()
{
    basGlobal::InstallFontSubstitutions();
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));
}

void RoadTest::init()
{
    s = std::make_unique<ScriptedServices>();
    basGlobal::Hooks() = {};
    installFamily();
    pressed.clear();
    basGlobal::Hooks().pressQuizButton = [this](int n) { pressed << n; };
    basGlobal::QuizFileConnection.clear();
    basGlobal::StartupQuizPending = false;
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
    basGlobal::Hooks() = {};
    basGlobal::QuizFileConnection.clear();
    s.reset();
}

} // namespace lx::testing
