#pragma once
// What the single-test report pages of a triaxial test share: the title box, "Test Type:",
// the granular specimen grid (seven captions with their value labels), the chart heading
// with the two report chart frames, the footer ("Created by:", "Date:") and the rules at
// 480, 960, 2700 and 7980. Pages that stand further left give a shift; the failure part
// below the charts (and its rule) is each page's own.
#include <QString>

#include <array>
#include <span>

class QLabel;
class QLineEdit;

namespace lx {

class ChartFrame;
class PictureBox;
class ReportPage;

// A report control holds these as a base beside its ReportPage, so that its callers reach
// them as its own members (ctlLXTestReport->txtTitle).
struct TriaxialReportPage {
    QLineEdit* txtTitle;
    QLabel* lblType;
    QLabel* lblTestType;
    QLabel* lblConditions;
    std::array<QLabel*, 7> lblInit;
    std::array<QLabel*, 7> lblInitValues;
    QLabel* lblChart;
    ChartFrame* picFrame1;
    ChartFrame* picFrame2;
    PictureBox* picDraw1;
    PictureBox* picDraw2;
    QLabel* lblTitleChart1;
    QLabel* lblTitleChart2;
    QLabel* lblName;
    QLabel* lblDate;
    QLabel* lblDateValue;

    // The value rows 0 to rows - 1 from nInit in the classic number text; zeros are left
    // empty with skipZeros. Rows the array does not reach stay as they are.
    void showValues(std::span<const double> nInit, int rows, bool skipZeros) const;
    // The title box's text, shown from its start (a long reference is cut at its end, and
    // whole in the box's tool tip).
    void showTitle(const QString& title) const;
    // The date label: today in the short date form.
    void showDate() const;
};

// Adds the shared elements to the page, every one shiftTw twips to the right of the test
// report's places (negative: further left). The rules run from 120 + shift to 7860 + shift.
TriaxialReportPage addTriaxialReportPage(ReportPage& page, double shiftTw = 0);

} // namespace lx
