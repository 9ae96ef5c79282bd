// dbpack --source DIR --password PW --out FILE
#include "DataPacker.h"

#include <QCoreApplication>
#include <QStringList>

#include <cstdio>
#include <exception>

int main(int argc, char** argv)
{
    QCoreApplication app(argc, argv);
    QString source, password, out;
    const QStringList args = app.arguments();
    for (int i = 1; i + 1 < args.size(); i += 2) {
        if (args[i] == u"--source") source = args[i + 1];
        else if (args[i] == u"--password") password = args[i + 1];
        else if (args[i] == u"--out") out = args[i + 1];
    }
    if (source.isEmpty() || out.isEmpty()) {
        std::fprintf(stderr, "usage: dbpack --source DIR --password PW --out FILE\n");
        return 2;
    }
    try {
        lx::pack::packDatabase(source, password, out);
    } catch (const std::exception& e) {
        std::fprintf(stderr, "dbpack: %s\n", e.what());
        return 1;
    }
    return 0;
}
