#include "consolidation/frm1DConsolReport.h"

#include "consolidation/ConsolidationRun.h"

#include "consolidation/ConsolidationCharts.h"
#include "lab/ChartFrame.h"
#include "lab/ReportPage.h"
#include "platform/Geometry.h"
#include "platform/Services.h"

#include <QLabel>
#include <QLocale>
#include <QTextEdit>
#include <QVBoxLayout>

using namespace consolidation;

namespace {

// The client area of a window of 8050 x 8200 twips.
constexpr double PageWidth = 7930, PageHeight = 7795;
constexpr double RowHeight = 225;

} // namespace

frm1DConsolReport::frm1DConsolReport() : lx::ReportWindow(QStringLiteral("Test Report"), PageWidth, PageHeight)
{
    using Style = lx::ReportPage::Style;
    page = new lx::ReportPage(PageWidth, PageHeight, this);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(page);

    lblTitle = page->addLabel(QStringLiteral("Title"), 240, 120, Style::Title, 7450, 330);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblType = page->addLabel(QStringLiteral("Test Type:"), 240, 600, Style::Heading);
    lblTestType = page->addLabel(QStringLiteral("Test type"), 1440, 615, Style::Body, 6240, RowHeight);
    lblConditions = page->addLabel(QStringLiteral("Specimen and Test Conditions:"), 240, 1020, Style::Heading);
    const QStringList& captions = ParameterCaptions();
    for (int i = 0; i < 7; ++i) {
        // Rows 0 to 3 in the left column, 4 to 6 in the right one level with rows 0 to 2.
        const bool left = i < 4;
        const double top = 1380 + (left ? i : i - 4) * 285.0;
        const double captionLeft = left ? 360 : 3600;
        lblParameter[size_t(i)] = page->addLabel(captions[i], captionLeft, top, Style::Body, left ? 1920 : 1800, RowHeight);
        lblParameter[size_t(i)]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        const double valueLeft = left ? captionLeft + 2040 : 5520;
        lblParamValue[size_t(i)] = page->addLabel({}, valueLeft, top, Style::Body, left ? 1200 : 2280, RowHeight);
    }
    // The specimen type, last of the right column, may take three lines.
    lblParamValue[6]->setWordWrap(true);
    lblParamValue[6]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblParamValue[6]->resize(lblParamValue[6]->width(), lx::tw(690));
    lblParameter[StrainRateBox]->hide();
    lblParamValue[StrainRateBox]->hide();
    lblCurves = page->addLabel(QStringLiteral("Consolidation Curve:"), 240, 2790, Style::Heading);

    // The report's chart frames, with x captions wide enough for "10000" under the log chart.
    lx::ChartFrameLayout chart = lx::ChartFrameLayout::reportPage();
    chart.tickWidth = 600;
    for (int k = 0; k < 5; ++k)
        chart.xTickLefts[size_t(k)] = chart.surface.left() + k * chart.surface.width() / 4 - chart.tickWidth / 2;
    picFrame1 = new lx::ChartFrame(chart);
    page->place(picFrame1, 240, 3090, chart.frame.width(), chart.frame.height());
    picFrame2 = new lx::ChartFrame(chart);
    page->place(picFrame2, 4080, 3090, chart.frame.width(), chart.frame.height());
    consolidation::LabelFrames(*picFrame1, *picFrame2);

    lblDate = page->addLabel(QStringLiteral("Date:"), 240, 6090, Style::Caption);
    lblDateValue = page->addLabel({}, 840, 6090, Style::Body, 2800, RowHeight);
    lblName = page->addLabel(QStringLiteral("Created by:"), 4080, 6090, Style::Caption);
    lblUserName = page->addLabel({}, 5160, 6090, Style::Body, 2500, RowHeight);
    lblComment = page->addLabel(QStringLiteral("Comments:"), 240, 6420, Style::Caption);
    Text1 = new QTextEdit;
    Text1->setObjectName(QStringLiteral("Text1"));
    Text1->setAcceptRichText(false);
    page->place(Text1, 240, 6690, 7450, 960);
    lblComment->setBuddy(Text1);

    page->addRule(480, 120, 7810, 3);
    page->addRule(960, 120, 7810, 2);
    page->addRule(2670, 120, 7810, 2);
    page->addRule(6000, 120, 7810, 2);

    Form_Load();
}

void frm1DConsolReport::Form_Load()
{
    lx::ReportWindow::Form_Load();
    lblDateValue->setText(QLocale::system().toString(lx::clock().now(), QLocale::ShortFormat));
}

void frm1DConsolReport::CreateReport(const QString& TestType, const QString& strSoilType, const QStringList& valParam,
                                     const lx::StoredCurve& valPoints, int nPoints)
{
    testType = TestType;
    soilType = strSoilType;
    for (int i = 0; i < 7; ++i)
        lblParamValue[size_t(i)]->setText(valParam.value(i));
    // The copy holds the points asked for, at most those given and the screen cap.
    const int n = std::clamp(nPoints, 0, std::min(valPoints.points(), lx::ScreenCap));
    points = lx::StoredCurve(valPoints.map(), lx::ScreenCap);
    for (int i = 0; i < n; ++i) {
        const std::vector<float> row = valPoints.row(i);
        const std::vector<double> values(row.begin(), row.end());
        points.addPoint(values);
    }
    lblTitle->setText(QStringLiteral("Consolidation Behavior of ") + soilType);
    if (testType == u"IL") {
        lblTestType->setText(QStringLiteral("Incremental Load One-dimensional Consolidation Test"));
    } else if (testType == u"CRS") {
        lblTestType->setText(QStringLiteral("Constant Rate of Strain One-dimensional Consolidation Test"));
        lblParameter[StrainRateBox]->show();
        lblParamValue[StrainRateBox]->show();
    }
    DrawReportCharts();
}

void frm1DConsolReport::DrawReportCharts()
{
    if (points.empty())
        return;
    const ChartAxes axes = AxesOf(points);
    const Kind kind = testType == u"CRS" ? Kind::CRS : testType == u"IL" ? Kind::IL : Kind::None;
    const int n = points.points();
    // The rows the screen listed carry a star; lines join every row.
    const auto marked = [&](int i) { return IsListed(kind, i, n, points(i, 0), axes.maxStress); };
    const lx::Curve stress{.x = points.column(0), .y = points.column(1), .style = StressCurveStyle(), .marked = marked};
    const lx::Curve log{.x = points.column(2), .y = points.column(1), .style = LogCurveStyle(), .marked = marked};
    SetupCharts(*picFrame1, *picFrame2, axes, {&stress, 1}, {&log, 1});
}
