// gendata DATA_DIR [FAMILY...]: writes the database sources of every family (or the named ones).
#include "Generator.h"

#include <QGuiApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    // The quiz banks are checked as the rich-text box searches them, which needs a GUI
    // application (offscreen: gendata shows nothing).
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: gendata DATA_DIR [FAMILY...]\n");
        return 2;
    }
    const QStringList only = args.mid(2);
    try {
        for (const gendata::Family& f : gendata::families()) {
            if (!only.isEmpty() && !only.contains(QString::fromLatin1(f.name)))
                continue;
            std::printf("%s\n", f.name);
            f.generate(args[1]);
        }
    } catch (const std::exception& e) {
        std::fprintf(stderr, "gendata: %s\n", e.what());
        return 1;
    }
    return 0;
}
