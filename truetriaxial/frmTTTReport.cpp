#include "truetriaxial/frmTTTReport.h"

#include "truetriaxial/WorkingCopies.h"

#include "lab/Chart.h"
#include "lab/ChartAxis.h"
#include "lab/ParamBoxes.h"
#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"
#include "lab/ReportPage.h"
#include "lab/StoredTest.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QLabel>
#include <QLocale>

#include <memory>
#include <stdexcept>

using truetriaxial::Kind;

namespace {

constexpr double PageWidth = 8280, PageHeight = 8760;
constexpr double RowHeight = 240;
const QColor PlotColor(255, 255, 192);

// Where parameter row i stands: rows 0 to 3 (with row 8 above them for a sand) on the left,
// rows 4 to 6 and 9 on the right, and the specimen preparation, a sentence, across the page
// below them.
QPointF parameterPlace(int row, bool sand)
{
    const int shift = sand ? 1 : 0;
    if (row == 7)
        return {300, 960 + 300.0 * (4 + shift)};
    if (row >= 4 && row != 8) {
        const int slot = row == 9 ? 3 : row - 4;
        return {4260, 960 + 300.0 * slot};
    }
    const int slot = row == 8 ? 0 : row + shift;
    return {300, 960 + 300.0 * slot};
}

double valueWidth(int row) { return row == 7 ? 5500 : 1500; }
// The specimen preparation may take two lines (the row below it is free in the clay layout).
double valueHeight(int row) { return row == 7 ? 2 * RowHeight : RowHeight; }

lx::ChartFrameLayout reportLayout()
{
    lx::ChartFrameLayout l = lx::ChartFrameLayout::reportPage();
    l.frame = {0, 0, 3900, 3100};
    l.surface = {600, 330, 2775, 2200};
    l.tickWidth = 555;
    l.xTickLefts = {360, 1020, 1680, 2340, 3060};
    l.xTickTop = 2625;
    l.yTickLeft = 0;
    l.yTickWidth = 555;
    l.yTickTops = {2400, 1905, 1350, 795, 285};
    l.title = {900, 30, 2900, 240};
    l.unit = {0, 15, 900, 240};
    l.xName = {600, 2880, 2775, 210};
    return l;
}

constexpr double FirstColumn = 2415, ColumnStep = 840;

} // namespace

frmTTTReport::frmTTTReport() : lx::ReportWindow(QStringLiteral("Test Report"), 8400, 8940)
{

    page = new lx::ReportPage(PageWidth, PageHeight, this);
    page->move(lx::tw(60), 0);
    using Style = lx::ReportPage::Style;
    lblTitle = page->addLabel(QString(), 240, 90, Style::Title, 7800, 330);
    page->addLabel(QStringLiteral("Specimen and Test Conditions:"), 180, 600, Style::Heading);
    for (int i = 0; i < 10; ++i) {
        const QPointF at = parameterPlace(i, false);
        lblParameter[size_t(i)] = page->addLabel(QString(), at.x(), at.y(), Style::Body, 2300, RowHeight);
        lblParamValue[size_t(i)] = page->addLabel(lx::NotAvailable, at.x() + 2340, at.y(), Style::Body, valueWidth(i), valueHeight(i));
        if (i == 7) {
            lblParamValue[size_t(i)]->setWordWrap(true);
            lblParamValue[size_t(i)]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
            lblParameter[size_t(i)]->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        }
    }
    lblCurves = page->addLabel(QStringLiteral("Octahedral Shear Stress and Pore Pressure Plots:"), 180, 2820, Style::Heading);

    const lx::ChartFrameLayout layout = reportLayout();
    const auto makeFrame = [&](double left, const QString& title, const QString& unit) {
        auto* frame = new lx::ChartFrame(layout);
        page->place(frame, left, 3060, layout.frame.width(), layout.frame.height());
        frame->picDraw->setBackColor(PlotColor);
        frame->lblTitle->setText(title);
        frame->setUnit(unit);
        frame->lblUnit->setAlignment(Qt::AlignLeft | Qt::AlignTop);
        frame->lblXAxisName->setText(QStringLiteral("Oct. Shear Strain (%)"));
        return frame;
    };
    picFrame1 = makeFrame(180, QStringLiteral("Octahedral Shear Stress"), QStringLiteral("<i>\u03C4</i><sub>oct</sub> (kPa)"));
    picFrame2 = makeFrame(4200, QStringLiteral("Excess Pore Pressure"), QStringLiteral("(kPa)"));

    lblData = page->addLabel(QStringLiteral("Failure Conditions:"), 180, 6270, Style::Heading);
    lx::LegendTableLayout table{.heading = QStringLiteral("Legend;"), .headingLeft = 180, .top = 6600, .lineTop = 6705,
                                .lineLength = 660, .lineWidth = 2, .columns = truetriaxial::MaxReportTests,
                                .firstColumnLeft = FirstColumn, .columnStep = ColumnStep, .columnWidth = 800,
                                .captionLeft = 180, .captionWidth = 2220, .rowHeight = RowHeight, .rows = {}};
    const char* rowCaptions[] = {"b-value :", "Beta Angle (deg.):", "Peak Oct Shear Stress (kPa):", "Oct. Shear Strain (%):",
                                 "Excess Pore Pressure (kPa):"};
    for (int r = 0; r < 5; ++r)
        table.rows.push_back({QString::fromLatin1(rowCaptions[r]), 6870 + 300.0 * r});
    failures = page->addLegendTable(table);
    failures.heading->setFont(lx::ReportPage::font(Style::Body));
    failures.heading->adjustSize();

    page->addLabel(QStringLiteral("Created by:"), 420, 8490, Style::Caption);
    lblUserName = page->addLabel(QString(), 1500, 8490, Style::Body, 3000, RowHeight);
    page->addLabel(QStringLiteral("Date:"), 4920, 8490, Style::Caption);
    lblDateValue = page->addLabel(QString(), 5760, 8490, Style::Body, 2000, RowHeight);

    page->addRule(510, 120, 8160, 3);
    page->addRule(8400, 120, 8160, 3);
    for (double y : {2760.0, 6220.0})
        page->addRule(y, 120, 8160, 2);

    Form_Load();
    lblDateValue->setText(QLocale::system().toString(lx::clock().now().date(), QLocale::ShortFormat));
}

frmTTTReport* frmTTTReport::Open(int nTests, const QStringList& strTitle)
{
    frmTTTReport* shown = lx::showReportWindow<frmTTTReport>(
        std::make_unique<frmTTTReport>(), [&](frmTTTReport& r) { r.CreateReport(nTests, strTitle); }, QStringLiteral("Test Report"));
    if (shown)
        lx::MoveChild(shown, 0, 0);
    return shown;
}

void frmTTTReport::CreateReport(int nTests, const QStringList& strTitle)
{
    lblTitle->setText(strTitle.value(0));
    for (QLabel* v : lblParamValue)
        v->setText(lx::NotAvailable);
    data_ = truetriaxial::readReport(nTests, strTitle, truetriaxial::connectionOf);
    if (!data_.error.isEmpty())
        throw std::runtime_error(data_.error.toStdString());
    lx::tellLeftOut(data_.leftOut);
    fill();
    drawCharts();
}

void frmTTTReport::fill()
{
    const truetriaxial::ReportConditions& c = data_.conditions;
    for (int i = 0; i < 10; ++i) {
        const QPointF at = parameterPlace(i, c.sand);
        lblParameter[size_t(i)]->setText(c.captions[size_t(i)]);
        lblParamValue[size_t(i)]->setText(c.values[size_t(i)]);
        lblParameter[size_t(i)]->move(lx::tw(at.x()), lx::tw(at.y()));
        lblParamValue[size_t(i)]->move(lx::tw(at.x() + 2340), lx::tw(at.y()));
        // The particle size belongs to a sand only.
        lblParameter[size_t(i)]->setVisible(i != 8 || c.sand);
        lblParamValue[size_t(i)]->setVisible(i != 8 || c.sand);
    }
    for (int k = 0; k < truetriaxial::MaxReportTests; ++k) {
        if (size_t(k) >= data_.tests.size()) {
            failures.clearColumn(k);
            continue;
        }
        const truetriaxial::ReportTest& t = data_.tests[size_t(k)];
        failures.setColumn(k, lx::QBColor(truetriaxial::testColor(k + 1)), QStringList{t.bValue, t.betaAngle} + data_.failureTexts(k));
    }
}

void frmTTTReport::drawCharts()
{
    using truetriaxial::ReportColumn;
    const lx::StoredCurve& p = data_.points;
    const lx::Axis x = lx::niceAxis(p.column(ReportColumn::OctStrain));
    const lx::ReportChartOptions options{.grid = {.verticalColor = lx::QBColor(7), .horizontalColor = lx::QBColor(0)},
                                         .xDecimals = 3, .yDecimals = 0};
    const lx::MarkerStyle marker{.firstOffset = {-60, -120}, .offset = {-60, -120}, .color = QColor()};
    std::vector<lx::Curve> stress, pore;
    for (int t = 0; t < p.tests(); ++t) {
        const lx::CurveStyle style{.color = lx::QBColor(truetriaxial::testColor(t + 1)), .width = 2, .marker = marker};
        stress.push_back({.x = p.column(ReportColumn::OctStrain, t), .y = p.column(ReportColumn::OctStress, t), .style = style});
        pore.push_back({.x = p.column(ReportColumn::OctStrain, t), .y = p.column(ReportColumn::PorePressure, t), .style = style});
    }
    lx::drawReportChart(*picFrame1, {x, lx::niceAxis(p.column(ReportColumn::OctStress))}, stress, options);
    lx::drawReportChart(*picFrame2, {x, lx::niceAxis(p.column(ReportColumn::PorePressure))}, pore, options);
}
