#include "frmSplashMessege.h"

#include "platform/FormRegistry.h"

frmSplashMessege::frmSplashMessege() { setWindowTitle(QStringLiteral("Please Wait")); }

void frmSplashMessege::showAndPaint()
{
    auto& box = lx::SingleInstance<frmSplashMessege>::get();
    box.show();
    box.repaint();
}

void frmSplashMessege::unloadBox() { lx::SingleInstance<frmSplashMessege>::unload(); }
