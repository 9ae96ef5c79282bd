#pragma once
// Help topics: pages of the installed Help folder, shown in the program's own help window.
// A topic is a path inside the help file as the caller writes it ("html\Overview.htm",
// "/html/Login.htm", "html/Page.htm#part"). Kinds 1 and 2 both name the one help file.
#include "basGlobal.h"

#include <QString>
#include <cstdint>

// Non-zero between InitHelp and CloseHelp; part of the frame state (basGlobal.h).
inline int32_t& HelpCookie = basGlobal::State().HelpCookie;

// The help file of a kind: Help/Loamix.chm in the install folder for kinds 1 and 2, else
// empty. Its folder holds the topics.
QString GetHelpFile(int kind);
// Shows the topic, with the "Please Wait" box up while it opens. A missing topic (or a
// kind without a help file) shows a "not found" page. The current directory never changes.
void ShowHelpTopic(int kind, const QString& topic);
// The same without the wait box.
void ShowHelpTopicQuiet(int kind, const QString& topic);
void InitHelp();
// Closes every help window the program opened.
void CloseHelp();
