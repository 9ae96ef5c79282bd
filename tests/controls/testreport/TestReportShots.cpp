// Pictures of three report windows on the installed databases, for a look under a real
// display: a sand CIDC, a sand CIUC and a clay UUC report. Usage: testreport_shots FOLDER
#include "controls/testreport/LXTestReport.h"
#include "controls/testreport/frmTestReport.h"
#include "platform/Database.h"
#include "platform/Paths.h"

#include <QApplication>
#include <QDir>

#include <array>
#include <cstdio>

namespace {

QString connection(const char* file)
{
    return lx::ConnectionString::format(QStringLiteral(LOAMIX_INSTALL_DIR "/Database/") + QString::fromLatin1(file), QStringLiteral("mobkel"));
}

// The first stored test of the database and its specimen values, by the TestInfo columns given.
QString firstTest(const QString& cs, const QString& where, std::array<double, 8>& init, const QStringList& columns)
{
    lx::Connection cn;
    cn.Open(cs);
    auto rs = cn.Execute(QStringLiteral("SELECT * FROM TestInfo ") + where);
    for (int i = 0; i < columns.size(); ++i)
        init[size_t(i)] = columns[i].isEmpty() ? 0 : rs->Fields(columns[i]).toDouble();
    init[7] = 30;
    return rs->Fields(QStringLiteral("TestID")).toText();
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    lx::setInstallDir(QStringLiteral(LOAMIX_INSTALL_DIR));   // icons and DLL/libsoilnet.so
    const QString out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QDir::currentPath();
    const QStringList sandColumns = {"Average Diameter (mm)", "Coefficient of Uniformity", "Coefficient of Concavity",
                                     "Hardness", "Shape Factor", "e", "Sigma3 (kPa)"};
    struct Shot { const char* file; const char* key; const char* where; const char* name; };
    const Shot shots[] = {
        {"LXSandCIDC.lxr", "Get CIDC S", "WHERE \"Average Diameter (mm)\" < 1.5", "report-sand-cidc"},
        {"LXSandCIUC.lxr", "Get CIUC S", "", "report-sand-ciuc"},
        {"LXClayCIUCnCIDCnUUC.lxr", "Get UUC  C", "WHERE ReferenceNumber = 117", "report-clay-uuc"},
        {"LXSandCIDC.lxr", "ANN CIDC S", "WHERE \"Average Diameter (mm)\" < 1.5", "report-sand-ann-cidc"},
    };
    int failures = 0;
    for (const Shot& s : shots) {
        try {
            const QString cs = connection(s.file);
            std::array<double, 8> init{};
            const bool clay = QString::fromLatin1(s.key).endsWith(u'C');
            const QStringList clayColumns = {"Liquid Limit (%)", "Plasticity Index (%)", "Strain Rate (%/min)", "WaterContent(%)", "", "", "Sigma3 (kPa)"};
            const QString id = firstTest(cs, QString::fromLatin1(s.where), init, clay ? clayColumns : sandColumns);
            const bool simulated = QString::fromLatin1(s.key).startsWith(QLatin1String("ANN"));
            lx::frmTestReport* w = lx::ShowTestReport(
                QStringLiteral("Test Report - ") + id, QString::fromLatin1(s.key),
                simulated ? QStringLiteral("simulation.txt") : clay ? QStringLiteral("Clay") : QStringLiteral("Sand"),
                simulated ? QStringLiteral("Simulation of ") + id : id, init, cs);
            if (!w) {
                ++failures;
                continue;
            }
            app.processEvents();
            w->grab().save(QDir(out).filePath(QString::fromLatin1(s.name) + QStringLiteral(".png")));
            w->close();
        } catch (const std::exception& e) {
            std::fprintf(stderr, "%s: %s\n", s.name, e.what());
            ++failures;
        }
    }
    return failures;
}
