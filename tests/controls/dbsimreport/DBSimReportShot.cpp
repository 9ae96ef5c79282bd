// A picture of the database-simulation report window on the installed sand database: a
// stored sand test beside the response library's simulation, for a look under a real
// display. Usage: dbsimreport_shot [FOLDER] [TESTID] [stay]; with stay the window stays open.
#include "controls/dbsimreport/LXDBSimReport.h"
#include "controls/dbsimreport/frmDBSimReport.h"
#include "platform/Database.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QDir>

#include <array>
#include <cstdio>

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));   // icon and DLL/libsoilnet.so
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QString cs = lx::ConnectionString::format(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/LXSandCIDC.lxr"), QStringLiteral("mobkel"));
    try {
        lx::Connection cn;
        cn.Open(cs);
        const QString where = argc > 2 ? QStringLiteral("WHERE TestID = '%1'").arg(QString::fromLocal8Bit(argv[2]))
                                       : QStringLiteral("WHERE \"Average Diameter (mm)\" < 1.5");
        auto rs = cn.Execute(QStringLiteral("SELECT * FROM TestInfo ") + where);
        std::array<double, 8> init{};
        const char* columns[] = {"Average Diameter (mm)", "Coefficient of Uniformity", "Coefficient of Concavity",
                                 "Hardness", "Shape Factor", "e", "Sigma3 (kPa)"};
        for (size_t i = 0; i < 7; ++i)
            init[i] = rs->Fields(QString::fromLatin1(columns[i])).toDouble();
        const QString id = rs->Fields(QStringLiteral("TestID")).toText();
        const QString reference = rs->Fields(QStringLiteral("ReferenceNumber")).toText();
        QString results = QStringLiteral("dbsim.txt");
        lx::frmDBSimReport* w = lx::ShowDBSimReport(QStringLiteral("DB CIDC "), results, reference, id, init, cs,
                                                    QStringLiteral("Drained Triaxial Test: ") + id);
        if (!w)
            return 1;
        app.processEvents();
        w->grab().save(QDir(out).filePath(QStringLiteral("dbsim-report.png")));
        std::printf("%s: reference %s, end strain %g %%, result file %s\n", qPrintable(id), qPrintable(reference),
                    init[7], qPrintable(results));
        if (argc > 3 && qstrcmp(argv[3], "stay") == 0)
            return app.exec();
        w->close();
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s\n", e.what());
        return 1;
    }
    return 0;
}
