#include "directshear/frmDirectShearReport.h"

#include "directshear/DirectShearCharts.h"
#include "directshear/DirectShearLegend.h"
#include "directshear/DirectShearSoils.h"
#include "directshear/DirectShearStudy.h"

#include "app/ChildWindows.h"
#include "platform/Services.h"
#include "lab/Chart.h"
#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"

#include <QDateTime>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <vector>

namespace {

using Style = lx::ReportPage::Style;

constexpr double PageWidth = 7980, PageHeight = 8490;
// Parameter rows: 0 to 2 in the left column, 3 and 4 in the right one.
struct Place {
    double captionLeft, top, valueLeft;
};
constexpr Place ParamPlaces[5] = {{240, 1380, 2640}, {240, 1650, 2640}, {240, 1920, 2640}, {4080, 1380, 6300}, {4080, 1650, 6300}};
constexpr double LegendTop = 5850;

lx::LegendTableLayout LegendLayout()
{
    lx::LegendTableLayout l;
    l.heading = QStringLiteral("Legend;");
    l.top = LegendTop;
    l.lineTop = LegendTop + 120;
    l.columns = 3;
    l.firstColumnLeft = 3360;
    l.columnStep = 1560;
    l.columnWidth = 1380;
    l.captionWidth = 2800;
    l.rows = {{QStringLiteral("Normal Stress (kPa):"), LegendTop + 300},
              {QStringLiteral("Initial Void Ratio:"), LegendTop + 540},
              {QStringLiteral("Failure Conditions:"), LegendTop + 780, true},
              {QStringLiteral("Peak Shear Stress (kPa):"), LegendTop + 1050},
              {QStringLiteral("Horizontal Displacement (mm):"), LegendTop + 1290},
              {QStringLiteral("Vertical Displacement (mm):"), LegendTop + 1530}};
    return l;
}

} // namespace

frmDirectShearReport::frmDirectShearReport()
    : lx::ReportWindow(QStringLiteral("Test Report"), PageWidth, PageHeight), Points(directshear::PointColumns())
{
    page = new lx::ReportPage(PageWidth, PageHeight, this);
    lblTitle = page->addLabel(QStringLiteral("Title"), 120, 90, Style::Title, 7740, 315);
    lblTitle->setAlignment(Qt::AlignCenter);
    page->addLabel(QStringLiteral("Test Type:"), 180, 600, Style::Heading);
    lblTestType = page->addLabel(QStringLiteral("Test type"), 1500, 630, Style::Body, 6000, 210);
    page->addLabel(QStringLiteral("Specimen and Test Conditions:"), 180, 1050, Style::Heading);
    const QStringList captions = directshear::ParamCaptions();
    for (int i = 0; i < 5; ++i) {
        const Place& p = ParamPlaces[i];
        lblParameter[size_t(i)] = page->addLabel(captions[i], p.captionLeft, p.top, Style::Body, p.valueLeft - p.captionLeft - 60, 210);
        lblParamValue[size_t(i)] = page->addLabel(QString(), p.valueLeft, p.top, Style::Body, 1320, 210);
    }
    lblCurves = page->addLabel(QStringLiteral("Shear Stress and Vertical Displacement against Horizontal Displacement:"), 180,
                               2370, Style::Heading);

    const lx::ChartFrameLayout layout = lx::ChartFrameLayout::reportPage();
    picFrame1 = new lx::ChartFrame(layout);
    page->place(picFrame1, 240, 2700, layout.frame.width(), layout.frame.height());
    picFrame2 = new lx::ChartFrame(layout);
    page->place(picFrame2, 4080, 2700, layout.frame.width(), layout.frame.height());
    directshear::LabelFrames(*picFrame1, *picFrame2, directshear::FramesOf::Report);

    legend = page->addLegendTable(LegendLayout());

    QLabel* comments = page->addLabel(QStringLiteral("Comments:"), 180, 7800, Style::Heading);
    Text1 = new QLineEdit;
    Text1->setFont(lx::ReportPage::font(Style::Body));
    page->place(Text1, 1440, 7770, 6420, 300);
    comments->setBuddy(Text1);
    page->addLabel(QStringLiteral("Created by:"), 420, 8250, Style::Caption);
    page->addLabel(QStringLiteral("Date:"), 4920, 8250, Style::Caption);
    lblDateValue = page->addLabel(QString(), 5760, 8250, Style::Body, 2100, 210);
    page->addRule(480, 120, 7860, 3);
    page->addRule(8160, 120, 7860, 3);
    for (double y : {960.0, 2280.0, 5700.0, 7680.0})
        page->addRule(y, 120, 7860, 2);
    Form_Load();
}

void frmDirectShearReport::CreateReport(const QString& soilType, const QStringList& valParam, const lx::StoredCurve& valPoints,
                                        std::span<const int16_t> curveCounts)
{
    strSoilType = soilType;
    ParamTexts = valParam;
    while (ParamTexts.size() < 21)
        ParamTexts << QString();
    for (size_t i = 0; i < 5; ++i)
        lblParamValue[i]->setText(ParamTexts[int(i)]);
    Points = valPoints;
    const int curves = directshear::CurvesOf(curveCounts, Points);

    lblTitle->setText(QStringLiteral("Shear Strength Behavior of ") + strSoilType);
    lblTestType->setText(QStringLiteral("Direct Shear Test"));

    // Both charts over every curve: each curve in its colour, every point starred.
    const directshear::ShearAxes axes = directshear::AxesOf(Points);
    std::vector<lx::Curve> shear, vertical;
    for (int k = 0; k < curves; ++k) {
        const directshear::LegendColumn column = directshear::LegendOf(Points, k, ParamTexts);
        const lx::CurveStyle style = directshear::CurveStyleOf(column.color);
        shear.push_back({.x = Points.column(0, k), .y = Points.column(1, k), .style = style});
        vertical.push_back({.x = Points.column(0, k), .y = Points.column(2, k), .style = style});
        legend.setColumn(k, column.color,
                         {column.normalStress, column.voidRatio, column.peak, column.horizontal, column.vertical});
    }
    const lx::GridStyle grid = directshear::ShearGrid();
    lx::drawReportChart(*picFrame1, {axes.horizontal, axes.shear}, shear, {.grid = grid, .xDecimals = 3, .yDecimals = 0});
    lx::drawReportChart(*picFrame2, {axes.horizontal, axes.vertical}, vertical, {.grid = grid, .xDecimals = 3, .yDecimals = 3});

    lblDateValue->setText(QLocale::system().toString(lx::clock().now(), QLocale::ShortFormat));
}

frmDirectShearReport* frmDirectShearReport::Open(const QString& soilType, const QStringList& valParam,
                                                 const lx::StoredCurve& valPoints, std::span<const int16_t> curveCounts)
{
    frmDirectShearReport* shown = lx::showReportWindow<frmDirectShearReport>(
        std::make_unique<frmDirectShearReport>(),
        [&](frmDirectShearReport& r) { r.CreateReport(soilType, valParam, valPoints, curveCounts); }, QStringLiteral("Test Report"));
    if (shown)
        lx::MoveChild(shown, 0, 0);
    return shown;
}
