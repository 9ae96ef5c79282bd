#pragma once
// The one-page report of a replayed consolidation test: title, test type, the seven
// specimen and test parameters, both void-ratio charts with every point drawn at once,
// the date and a comment box. A new one per press of the screen's report button; it
// reads no database and keeps nothing when closed.
#include "consolidation/ConsolidationCharts.h"
#include "lab/ReportWindow.h"
#include "lab/StoredPoints.h"

#include <QStringList>
#include <QWidget>

#include <array>

class QLabel;
class QTextEdit;

namespace lx {
class ChartFrame;
class ReportPage;
} // namespace lx

class frm1DConsolReport : public lx::ReportWindow {
    Q_OBJECT
public:
    frm1DConsolReport();

    // Fills the page and draws the charts; does not show the window.
    void CreateReport(const QString& TestType, const QString& strSoilType, const QStringList& valParam,
                      const lx::StoredCurve& valPoints, int nPoints);
    // The window icon and the date of the report.
    void Form_Load();

    lx::ReportPage* page;
    QLabel* lblTitle;
    QLabel* lblType;
    QLabel* lblTestType;
    QLabel* lblConditions;
    std::array<QLabel*, 7> lblParameter;
    std::array<QLabel*, 7> lblParamValue;
    QLabel* lblCurves;
    QLabel* lblDate;
    QLabel* lblDateValue;
    QLabel* lblName;
    QLabel* lblUserName;
    QLabel* lblComment;
    QTextEdit* Text1;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;

    QString testType;
    QString soilType;
    lx::StoredCurve points;   // the report's own copy

private:
    void DrawReportCharts();
};
