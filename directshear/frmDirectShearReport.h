#pragma once
// The direct shear report: one page with the sand's specimen and test conditions, both
// charts of up to three tests (one colour each, every point starred) and a legend column
// per test with its normal stress, initial void ratio, peak shear stress and the
// displacements where that peak is first reached. A new window per report; it shows itself.
#include "lab/ReportPage.h"
#include "lab/ReportWindow.h"
#include "lab/StoredPoints.h"

#include <QStringList>

#include <array>
#include <cstdint>
#include <span>

class QLabel;
class QLineEdit;

namespace lx {
class ChartFrame;
} // namespace lx

class frmDirectShearReport : public lx::ReportWindow {
    Q_OBJECT
public:
    frmDirectShearReport();

    // valParam: 0 to 4 the sand and specimen, 5 + 2k and 6 + 2k the normal stress and void
    // ratio of curve k. curveCounts: the number of curves (at most three), then the points
    // of each; curve k is test k of valPoints, whose tests give the counts. Draws the page.
    void CreateReport(const QString& strSoilType, const QStringList& valParam, const lx::StoredCurve& valPoints,
                      std::span<const int16_t> curveCounts);
    // A new report window of these curves, shown at the top left of the area (null after
    // the message when it cannot be made).
    static frmDirectShearReport* Open(const QString& strSoilType, const QStringList& valParam, const lx::StoredCurve& valPoints,
                                      std::span<const int16_t> curveCounts);

    lx::ReportPage* page;
    QLabel* lblTitle;
    QLabel* lblTestType;
    std::array<QLabel*, 5> lblParameter{};
    std::array<QLabel*, 5> lblParamValue{};
    QLabel* lblCurves;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    // Columns 0 to 2: LineLegend (lines), then the rows normal stress, initial void ratio,
    // peak shear stress, horizontal and vertical displacement (values).
    lx::LegendTable legend;
    QLineEdit* Text1;
    QLabel* lblDateValue;

    QString strSoilType;
    QStringList ParamTexts;
    lx::StoredCurve Points;
};
