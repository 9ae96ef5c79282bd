#pragma once
// A data-acquisition screen: the window that replays one stored test point by point into its
// list, its export text, its charts and its apparatus picture. The screen of a family
// derives from it with its design (what stays the same from run to run), adds its pictures
// and charts, plugs what each point shows and fills cmdReport_Click:
//
//   frmScreenDAS_DS::frmScreenDAS_DS()
//       : lx::ReplayScreen({.caption = "Direct Shear Test", .title = {120, 60, 4800, 330},
//                           .list = {120, 3540, 4800, 3660}, .commands = {...}, .interval = 500,
//                           .helpTopic = "html/Simulations/SimDirectShear.htm"})
//
// Its StartTest describes the run (title, columns, query, credit) to loadRun(), sets its
// charts up and calls beginRun(). The end of a replay and the credit on closing are the
// base's.
#include "app/ExportText.h"
#include "lab/ActivityCredit.h"
#include "lab/Chart.h"
#include "lab/PointColumns.h"
#include "lab/Replay.h"
#include "lab/StoredPoints.h"
#include "lab/StoredTest.h"

#include <QRectF>
#include <QString>
#include <QWidget>

#include <span>

class QCloseEvent;
class QLabel;
class QPushButton;
class QTimer;

namespace lx {

class ChartFrame;
class ListView;

// Where the four commands go, in twips (left, top, width, height).
struct ScreenCommandPlaces {
    QRectF exportData, report, help, close;
    QString helpTip = QStringLiteral("Help");
};

// What a screen is whatever test it replays.
struct ReplayScreenDesign {
    QString caption;                           // the window's caption; empty: the run's title names the window
    QRectF title;                              // the title label, twips
    QRectF list;                               // the point list, twips
    ScreenCommandPlaces commands;
    int interval = 200;                        // ms between replayed points
    QString helpTopic;                         // what Help shows
    // What a stored point left out for a missing value lacks, as the student is told.
    QString missingValue = QStringLiteral("a value in every column");
};

// One run: the test and how it is shown.
struct ReplayRun {
    QString title;                             // the title label and the export text's first line
    std::span<const PointColumn> list;         // the list's and the export's columns
    ColumnMap columns;                         // the curve's, capped at ScreenCap
    StoredTestQuery test;
    Activity credit;                           // what closing the screen after the run credits
};

// The two charts of a screen that shows two curves over one horizontal axis: the second
// surface takes the first one's scale, the tick captions are written, both surfaces cleared
// and gridded.
struct ReplayCharts {
    Chart chart1;
    Chart chart2;
};
struct ReplayChartsLook {
    int xDecimals = -1, y1Decimals = -1, y2Decimals = -1;   // of the tick captions (-1: shortest)
    GridStyle grid;
};
ReplayCharts setupReplayCharts(ChartFrame& frame1, ChartFrame& frame2, const Axis& x, const Axis& y1, const Axis& y2,
                               const ReplayChartsLook& look = {});
// Their curves' point markers, and a curve of theirs in a colour and width.
MarkerStyle replayMarker();
CurveStyle replayCurveStyle(const QColor& color, int width);

class ReplayScreen : public QWidget {
    Q_OBJECT
public:
    ~ReplayScreen() override;

    // One timer event: the next point (tests call it directly).
    void Timer1_Timer();
    void cmdExportData_Click();
    virtual void cmdReport_Click() = 0;
    void cmdHelp_Click();
    void cmdClose_Click();

    QLabel* lblTitle;
    ListView* lvwData;
    QPushButton* cmdExportData;
    QPushButton* cmdReport;
    QPushButton* cmdHelp;
    QPushButton* cmdClose;
    QTimer* Timer1;

    StoredCurve ReplayCurve;
    Replay replay;
    ExportText exportText;

protected:
    explicit ReplayScreen(const ReplayScreenDesign& design);

    // What each replayed point shows; the end of the run is the base's (showRunEnd).
    void setPointOutputs(PointOutputs outputs);
    // Reads the run's test. When it cannot be had the student is told why, the screen keeps
    // what it showed (a replay under way goes on) and the result is false. Otherwise a
    // replay under way stops, the curve, the title, the list's columns, the export text's
    // heading and the credit are the run's, the rows not replayed are told in one box, and
    // the result is true.
    bool loadRun(const ReplayRun& run);
    // The run is on: the list empty, Export and Report waiting for its end, the replay at
    // point 0 of ReplayCurve, the window at the top left of the area and the timer running.
    // From now on closing the screen gives the credit.
    void beginRun();
    // What the family shows once a run is over, after the timer has stopped and Export and
    // Report came on.
    virtual void showRunEnd() {}
    // Adds point k's line to the list (number, then as many values of the point as the list
    // has columns after the number, with the tool tip) and scrolls to it.
    void listPoint(int k, const QString& number, const QString& tip);

    // Closing the window (its close box, Ctrl+F4, Close, the program's end) gives the credit.
    void closeEvent(QCloseEvent* event) override;

private:
    void runEnded();
    // Credits the run's activity once a run began, once per close.
    void giveCredit();

    const QString helpTopic;
    const QString missingValue;
    Activity credit{};
    bool creditDue = false;                    // a screen that never ran earns no credit
};

} // namespace lx
