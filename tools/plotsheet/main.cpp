// plotsheet: draws every stored test of a reference database to PNG pages.
#include "PlotSheet.h"

#include "platform/Database.h"

#include <QCommandLineParser>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>

#include <cstdio>
#include <cstdlib>

int main(int argc, char** argv)
{
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");   // draws to images only; no display needed
    QGuiApplication app(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("plotsheet"));

    QCommandLineParser cl;
    cl.setApplicationDescription(QStringLiteral(
        "Draws the stored tests of a reference database to PNG pages, so that all curves of a\n"
        "test family can be looked at together.\n\n"
        "Rows come from --sql (default: SELECT * FROM TestResults). Columns are 0-based positions\n"
        "in those rows. Rows with the same value in the --panel-by column share a panel; within a\n"
        "panel, rows with the same value in the --curve-by column form one curve, its points sorted\n"
        "by the --order-by column. Each panel holds one chart per --y series, all against --x.\n\n"
        "Examples (triaxial files: 3 axial strain, 4 deviator stress, 5 volumetric strain,\n"
        "6 pore pressure; strains are fractions, so scale them by 100 to show per cent):\n"
        "  plotsheet --db build/Loamix/Database/LXSandCIDC.lxr --x 3 --x-scale 100 \\\n"
        "      --x-label 'axial strain (%)' --y '4:q (kPa)' --y '5:volumetric strain (%):100' \\\n"
        "      --panel-by 0 --names 'SELECT [Reference Number], [Soil Description] FROM Reference' \\\n"
        "      --title 'LXSandCIDC' --out /tmp/sandcidc\n"
        "  plotsheet --db build/Loamix/Database/LXSandCIUC.lxr --x 3 --x-scale 100 \\\n"
        "      --y '4:q (kPa)' --y '6:u (kPa)' --out /tmp/sandciuc"));
    cl.addHelpOption();
    const QCommandLineOption db({QStringLiteral("db")}, QStringLiteral("Database file (required)."), QStringLiteral("path"));
    const QCommandLineOption pw({QStringLiteral("password")}, QStringLiteral("Database password (default mobkel)."),
                                QStringLiteral("text"), QStringLiteral("mobkel"));
    const QCommandLineOption sql({QStringLiteral("sql")}, QStringLiteral("Query giving the rows."), QStringLiteral("text"),
                                 QStringLiteral("SELECT * FROM TestResults"));
    const QCommandLineOption x({QStringLiteral("x")}, QStringLiteral("Column of the x values (default 3)."),
                               QStringLiteral("column"), QStringLiteral("3"));
    const QCommandLineOption xs({QStringLiteral("x-scale")}, QStringLiteral("Factor applied to x (default 1)."),
                                QStringLiteral("factor"), QStringLiteral("1"));
    const QCommandLineOption xl({QStringLiteral("x-label")}, QStringLiteral("Label of the x axis."), QStringLiteral("text"),
                                QStringLiteral("x"));
    const QCommandLineOption xlog({QStringLiteral("x-log")},
                                  QStringLiteral("Logarithmic x axis (whole decades); points with x <= 0 are left out."));
    const QCommandLineOption y({QStringLiteral("y")},
                               QStringLiteral("A y series as column:label[:factor]; repeat for several charts per panel."),
                               QStringLiteral("series"));
    const QCommandLineOption panel({QStringLiteral("panel-by")},
                                   QStringLiteral("Column whose value groups rows into panels (default 1, TestID)."),
                                   QStringLiteral("column"), QStringLiteral("1"));
    const QCommandLineOption curve({QStringLiteral("curve-by")},
                                   QStringLiteral("Column whose value groups a panel's rows into curves (default 1)."),
                                   QStringLiteral("column"), QStringLiteral("1"));
    const QCommandLineOption order({QStringLiteral("order-by")},
                                   QStringLiteral("Column that orders the points of a curve; -1 keeps the row order (default 2)."),
                                   QStringLiteral("column"), QStringLiteral("2"));
    const QCommandLineOption cols({QStringLiteral("columns")}, QStringLiteral("Panels across a page (default 3)."),
                                  QStringLiteral("n"), QStringLiteral("3"));
    const QCommandLineOption rows({QStringLiteral("rows")}, QStringLiteral("Panels down a page (default 4)."),
                                  QStringLiteral("n"), QStringLiteral("4"));
    const QCommandLineOption names({QStringLiteral("names")},
                                   QStringLiteral("Query giving (panel key, name) rows that label the panels, e.g.\n"
                                                  "SELECT [Reference Number], [Soil Description] FROM Reference"),
                                   QStringLiteral("sql"));
    const QCommandLineOption title({QStringLiteral("title")}, QStringLiteral("Title printed on every page."),
                                   QStringLiteral("text"));
    const QCommandLineOption out({QStringLiteral("out")},
                                 QStringLiteral("Output prefix; pages are PREFIX-001.png, ... (default plotsheet)."),
                                 QStringLiteral("prefix"), QStringLiteral("plotsheet"));
    const QCommandLineOption sim({QStringLiteral("soilnet")},
                                 QStringLiteral("Draw the response library's curve (dashed) beside each stored test of a\n"
                                                "sand and gravel file: drained or undrained."),
                                 QStringLiteral("kind"));
    const QCommandLineOption simDll({QStringLiteral("soilnet-dll")},
                                    QStringLiteral("Folder of libsoilnet.so (default: DLL beside the database's folder)."),
                                    QStringLiteral("folder"));
    cl.addOptions({db, pw, sql, x, xs, xl, xlog, y, panel, curve, order, cols, rows, names, title, out, sim, simDll});
    cl.process(app);

    auto fail = [](const QString& why) {
        std::fprintf(stderr, "plotsheet: %s\n", qPrintable(why));
        return 2;
    };
    auto integer = [](const QString& t, bool& ok) { return t.toInt(&ok); };

    plotsheet::Options o;
    o.database = cl.value(db);
    if (o.database.isEmpty())
        return fail(QStringLiteral("--db is required (see --help)"));
    o.password = cl.value(pw);
    o.sql = cl.value(sql);
    bool ok = true, all = true;
    o.xColumn = integer(cl.value(x), ok);
    all &= ok;
    o.xScale = cl.value(xs).toDouble(&ok);
    all &= ok;
    o.xLabel = cl.value(xl);
    o.xLog = cl.isSet(xlog);
    o.panelColumn = integer(cl.value(panel), ok);
    all &= ok;
    o.curveColumn = integer(cl.value(curve), ok);
    all &= ok;
    o.orderColumn = integer(cl.value(order), ok);
    all &= ok;
    o.columnsPerPage = integer(cl.value(cols), ok);
    all &= ok && o.columnsPerPage > 0;
    o.rowsPerPage = integer(cl.value(rows), ok);
    all &= ok && o.rowsPerPage > 0;
    if (!all)
        return fail(QStringLiteral("a column, count or factor is not a number (see --help)"));
    for (const QString& spec : cl.values(y)) {
        const QStringList parts = spec.split(u':');
        plotsheet::Series s;
        s.column = parts.value(0).toInt(&ok);
        if (!ok || parts.size() < 2)
            return fail(QStringLiteral("--y wants column:label[:factor], not '%1'").arg(spec));
        s.label = parts[1];
        if (parts.size() > 2) {
            s.scale = parts[2].toDouble(&ok);
            if (!ok)
                return fail(QStringLiteral("bad factor in --y '%1'").arg(spec));
        }
        o.ySeries.push_back(s);
    }
    if (o.ySeries.empty())
        o.ySeries.push_back({4, QStringLiteral("y"), 1.0});
    o.namesSql = cl.value(names);
    o.title = cl.isSet(title) ? cl.value(title) : o.database;
    o.outPrefix = cl.value(out);
    if (cl.isSet(sim)) {
        const QString kind = cl.value(sim);
        if (kind == u"drained")
            o.simulation = plotsheet::Options::Simulation::Drained;
        else if (kind == u"undrained")
            o.simulation = plotsheet::Options::Simulation::Undrained;
        else
            return fail(QStringLiteral("--soilnet wants drained or undrained, not '%1'").arg(kind));
        o.soilnetDll = cl.isSet(simDll) ? cl.value(simDll)
                                        : QFileInfo(o.database).absoluteDir().absoluteFilePath(QStringLiteral("../DLL"));
    }

    try {
        auto panels = plotsheet::readPanels(o);
        plotsheet::addSimulations(panels, o);
        for (const QString& f : plotsheet::drawPages(panels, o))
            std::printf("%s\n", qPrintable(f));
    } catch (const lx::DatabaseError& e) {
        return fail(e.message());
    }
    return 0;
}
