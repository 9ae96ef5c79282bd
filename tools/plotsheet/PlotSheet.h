#pragma once
// Draws curves grouped into panels on PNG pages: one panel per group (a test, or a
// reference number with all its tests overlaid), each panel one small chart per y series.
#include <QString>
#include <QStringList>
#include <vector>

namespace plotsheet {

struct Series {
    int column = 0;         // 0-based position in the query's rows
    QString label;
    double scale = 1.0;     // shown value = stored value x scale
};

struct Options {
    QString database;
    QString password;
    QString sql = QStringLiteral("SELECT * FROM TestResults");
    int xColumn = 3;
    double xScale = 1.0;
    QString xLabel = QStringLiteral("x");
    bool xLog = false;      // decades on the x axis; points with x <= 0 are left out
    std::vector<Series> ySeries;
    int panelColumn = 1;    // rows with the same value here share a panel
    int curveColumn = 1;    // and within a panel, the same value here share a curve
    int orderColumn = -1;   // points of a curve are sorted by this column (-1: as read)
    int columnsPerPage = 3;
    int rowsPerPage = 4;
    QString namesSql;       // optional: rows of (panel key, name) to label the panels
    QString title;
    QString outPrefix = QStringLiteral("plotsheet");
    // Draw the response library's curve beside each stored triaxial test (sand and gravel
    // files): None, or which routine family to call. The library is looked for in soilnetDll.
    enum class Simulation { None, Drained, Undrained } simulation = Simulation::None;
    QString soilnetDll;
};

struct Point {
    double x = 0;
    std::vector<double> y;  // one per series; NaN when missing
};

struct Curve {
    QString name;
    std::vector<Point> points;
    bool simulated = false;   // drawn dashed, without markers, in the colour of the curve before it
};

struct Panel {
    QString name;
    std::vector<Curve> curves;
};

// Reads the rows and groups them as the options say. Throws lx::DatabaseError.
std::vector<Panel> readPanels(const Options& options);

// Adds after each stored curve the response library's simulation of its specimen (TestInfo
// of the same database, keyed by the curve's TestID). Columns 4, 5 and 6 of the y series take
// the simulated deviator stress, volumetric strain and pore pressure. Throws lx::DatabaseError
// when the library fails.
void addSimulations(std::vector<Panel>& panels, const Options& options);

// Writes <prefix>-001.png, <prefix>-002.png, ... and returns the files written.
QStringList drawPages(const std::vector<Panel>& panels, const Options& options);

} // namespace plotsheet
