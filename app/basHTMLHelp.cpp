#include "basHTMLHelp.h"

#include "platform/Paths.h"
#include "platform/Services.h"

QString GetHelpFile(int kind)
{
    if (kind == 1 || kind == 2)
        return lx::installDir() + QStringLiteral("/Help/Loamix.chm");
    return {};
}

// The topics are files of the Help folder beside the help file's name.
void ShowHelpTopicQuiet(int kind, const QString& topic)
{
    const QString file = GetHelpFile(kind);
    if (file.isEmpty())
        return;
    lx::help().showTopic(lx::installPath(QStringLiteral("Help")), topic);
}

void ShowHelpTopic(int kind, const QString& topic) { ShowHelpTopicQuiet(kind, topic); }

void InitHelp() {}

void CloseHelp() { lx::help().closeAll(); }
