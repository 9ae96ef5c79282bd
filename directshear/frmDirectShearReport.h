#pragma once
// The direct shear report: one page with the sand's specimen and test conditions, both
// charts of up to three tests (one colour each, every point starred) and a legend column
// per test with its normal stress, initial void ratio, peak shear stress and the
// displacements where that peak is first reached. A new window per report; it shows itself.
#include "directshear/DirectShearCharts.h"
#include "lab/StoredPoints.h"

#include <QStringList>
#include <QWidget>

#include <array>
#include <cstdint>
#include <optional>
#include <span>

class QLabel;
class QLineEdit;
class QFrame;

namespace lx {
class ChartFrame;
class ReportPage;
} // namespace lx

class frmDirectShearReport : public QWidget {
    Q_OBJECT
public:
    frmDirectShearReport();

    // valParam: 0 to 4 the sand and specimen, 5 + 2k and 6 + 2k the normal stress and void
    // ratio of curve k. curveCounts: the number of curves (at most three), then the points
    // of each; curve k is test k of valPoints, whose tests give the counts. Draws the page
    // and shows the window.
    void CreateReport(const QString& strSoilType, const QStringList& valParam, const lx::StoredCurve& valPoints,
                      std::span<const int16_t> curveCounts);

    lx::ReportPage* page;
    QLabel* lblTitle;
    QLabel* lblTestType;
    std::array<QLabel*, 5> lblParameter{};
    std::array<QLabel*, 5> lblParamValue{};
    QLabel* lblCurves;
    lx::ChartFrame* picFrame1;
    lx::ChartFrame* picFrame2;
    QLabel* lblLegend;
    std::array<QFrame*, 3> LineLegend{};
    std::array<QLabel*, 3> lblNormalStressValue{};
    std::array<QLabel*, 3> lbl_e_value{};
    std::array<QLabel*, 3> lblStressValue{};
    std::array<QLabel*, 3> lblHorizDispValue{};
    std::array<QLabel*, 3> lblVertDispValue{};
    QLineEdit* Text1;
    QLabel* lblDateValue;

    QString strSoilType;
    QStringList ParamTexts;
    lx::StoredCurve Points;

private:
    void PlotCurve(int k);
    std::optional<directshear::ShearCharts> charts;   // while the curves are drawn
};
