// The program's entry: hands over to the frame's start-up, then to the event loop.
#include "basGlobal.h"
#include "frmMDI.h"

#include "platform/TerminationSignals.h"

#include <QApplication>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Loamix"));
    basGlobal::InstallFontSubstitutions();
    // A logout or a kill ends the program as closing its window does, working copies and all.
    lx::quitOnTerminationSignals();

    // Each test family tells the frame where its windows are.
    basGlobal::InstallQuizHooks();
    basGlobal::InstallTriaxialHooks();
    basGlobal::InstallConsolidationHooks();
    basGlobal::InstallDirectShearHooks();
    basGlobal::InstallTrueTriaxialHooks();

    return basGlobal::Run();
}
