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

    // Each subsystem that is built tells the frame where its windows are.
#ifdef LOAMIX_WITH_LXQUIZ
    basGlobal::InstallQuizHooks();
#endif
#ifdef LOAMIX_WITH_LXTRIAXIAL
    basGlobal::InstallTriaxialHooks();
#endif
#ifdef LOAMIX_WITH_LXCONSOLIDATION
    basGlobal::InstallConsolidationHooks();
#endif
#ifdef LOAMIX_WITH_LXDIRECTSHEAR
    basGlobal::InstallDirectShearHooks();
#endif
#ifdef LOAMIX_WITH_LXTRUETRIAXIAL
    basGlobal::InstallTrueTriaxialHooks();
#endif

    return basGlobal::Run();
}
