#pragma once
// The consolidation screen's settlement-time chart: the curve of one load increment (the
// void ratio from one listed point to the next against the root of time) drawn row by row
// of the time table on its own timer, with Previous and Next stepping through the
// increments once the replay is over. It lives on a chart frame of the screen's.
#include "consolidation/ConsolidationRun.h"
#include "lab/Chart.h"

#include <QObject>

#include <optional>

class QLabel;
class QPushButton;
class QTimer;

namespace lx {
class ChartFrame;
class Replay;
} // namespace lx

namespace consolidation {

class SettlementChart : public QObject {
    Q_OBJECT
public:
    // curve and replay are the screen's: the rows the increments take and whether the
    // replay still runs (stepping waits for its end). The screen owns the chart and deletes
    // it before them; its controls go with the frame.
    SettlementChart(lx::ChartFrame* frame, const lx::StoredCurve& curve, const lx::Replay& replay);
    ~SettlementChart() override;

    // A new run: no point listed, no curve drawn, no stepping.
    void reset();
    // Row `row` of the curve was listed; returns the number of points listed so far.
    int listed(int row);
    // Draws the increment that ends at the point listed last (or stepped to).
    void showIncrement();
    // The replay is over: Previous steps back where there is an earlier increment.
    void replayEnded(bool stepping);

    void Timer2_Timer();
    void cmdPrev_Click();
    void cmdNext_Click();

    lx::ChartFrame* PicFrame3;
    QPushButton* cmdPrev;
    QLabel* lblPoints;
    QLabel* lbleRange;
    QPushButton* cmdNext;
    QTimer* Timer2;

    // The increment whose curve was drawn last, and the curve's progress (rows 0 to 12).
    float curveE1 = 0, curveE2 = 0;
    int curveRow = 0;
    bool curveDrawn = false;

private:
    void drawIncrementCurve(float e1, float e2);
    void step(bool forward);

    const lx::StoredCurve& curve;
    const lx::Replay& replay;
    IncrementSteps increments;
    std::optional<lx::ChartTrace> trace;
};

} // namespace consolidation
