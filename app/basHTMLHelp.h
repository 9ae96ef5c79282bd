#pragma once
// Help topics: paths inside the installed Help folder, shown in the program's own help
// window. Kinds 1 and 2 both name the one help file.
#include <QString>

QString GetHelpFile(int kind);
// Shows the "Please Wait" box while the topic is opened.
void ShowHelpTopic(int kind, const QString& topic);
void ShowHelpTopicQuiet(int kind, const QString& topic);
void InitHelp();
void CloseHelp();
