#include "basHTMLHelp.h"

#include "frmSplashMessege.h"

#include "platform/Paths.h"
#include "platform/Services.h"

#include <QFileInfo>
#include <QScopeGuard>

QString GetHelpFile(int kind)
{
    if (kind == 1 || kind == 2)
        return lx::installPath(QStringLiteral("\\Help\\Loamix.chm"));
    return {};
}

void ShowHelpTopicQuiet(int kind, const QString& topic)
{
    // The topics are the files of the help file's folder; without a help file there is
    // no folder, and the viewer says the topic is not found.
    const QString file = GetHelpFile(kind);
    const QString folder = file.isEmpty() ? QString() : QFileInfo(file).path();
    lx::help().showTopic(folder, topic);
}

void ShowHelpTopic(int kind, const QString& topic)
{
    frmSplashMessege::showAndPaint();
    // The box goes whatever the viewer does.
    const auto unload = qScopeGuard([] { frmSplashMessege::unloadBox(); });
    ShowHelpTopicQuiet(kind, topic);
}

void InitHelp() { HelpCookie = 1; }

void CloseHelp()
{
    lx::help().closeAll();
    HelpCookie = 0;
}
