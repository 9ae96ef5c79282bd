#pragma once
// A data-acquisition screen: the window that replays one stored test point by point into its
// list, its export text, its charts and its apparatus picture. The screen of a family
// derives from it, adds its pictures and charts, plugs the replay's outputs and fills
// cmdReport_Click and cmdHelp_Click:
//
//   frmScreenDAS_DS::frmScreenDAS_DS()
//       : lx::ReplayScreen({.caption = "Direct Shear Test", .columns = directshear::PointColumns(),
//                           .title = {120, 60, 4800, 330}, .titleText = "Direct Shear Test",
//                           .list = {120, 3540, 4800, 3660}, .commands = {...},
//                           .credit = lx::activities::DirectShear})
//
// Its StartTest reads the test into ReplayCurve and calls beginRun(); the replay's finished
// output calls runEnded(). Closing the screen credits the activity once a run was begun.
#include "app/ExportText.h"
#include "lab/ActivityCredit.h"
#include "lab/Chart.h"
#include "lab/Replay.h"
#include "lab/StoredPoints.h"

#include <QRectF>
#include <QString>
#include <QWidget>

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
    int interval = 200;                        // ms between replayed points
};

struct ReplayScreenDesign {
    QString caption;                           // the window's caption (may be empty)
    ColumnMap columns;                         // the curve's columns until a run sets its own
    QRectF title;                              // the title label, twips
    QString titleText;
    QRectF list;                               // the point list, twips
    ScreenCommandPlaces commands;
    Activity credit;                           // what closing after a run credits
};

// The two charts of a screen that shows two curves over one horizontal axis (the triaxial
// and the true triaxial screens): the second surface takes the first one's scale, the tick
// captions are written, both surfaces cleared and gridded.
struct ReplayCharts {
    Chart chart1;
    Chart chart2;
};
ReplayCharts setupReplayCharts(ChartFrame& frame1, ChartFrame& frame2, const Axis& x, const Axis& y1, const Axis& y2);
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
    virtual void cmdHelp_Click() = 0;
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

    // The run is on: Export and Report wait for its end, the replay starts at point 0 of
    // ReplayCurve, the window goes to the top left of the area and the timer runs. From
    // now on closing the screen gives the credit.
    void beginRun();
    // The run is over: the timer stops and the whole test can be exported and reported.
    void runEnded();
    // Adds point k's line to the list (number, then as many values of the point as the list
    // has columns after the number, with the tool tip) and scrolls to it.
    void listPoint(int k, const QString& number, const QString& tip);

    Activity credit;                           // a family with kinds sets it per run

private:
    bool started = false;                      // a screen that never ran earns no credit
};

} // namespace lx
