#include "LXDBSimReport.h"

#include "controls/reportdata/ReportData.h"
#include "lab/Chart.h"
#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"
#include "platform/Colors.h"
#include "platform/Database.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"
#include "platform/PictureBox.h"
#include "soilnet/SoilNet.h"

#include <QLabel>
#include <QLineEdit>

namespace lx {

namespace {

// Every element stands 60 twips left of its place on the test report's page.
constexpr double kShift = -60;
// The legend strip lies under both chart frames; the rule and the failure heading, which
// stand there on the test report's page, move below it.
constexpr double kLegendTop = 6180, kLegendHeight = 195;
constexpr double kFailureRule = 6450;
constexpr double kFailureHeadingTop = 6600;
// Curve colours in both charts and the legend: published light blue, simulation light green.
constexpr int kPublishedColor = 9, kSimulationColor = 10;
constexpr double kFailureLeft = 120, kFailureTop = 7020, kFailureWidth = 7695, kFailureHeight = 795;

} // namespace

LXDBSimReport::LXDBSimReport(QWidget* parent)
    : ReportPage(PageWidth, PageHeight, parent), TriaxialReportPage(addTriaxialReportPage(*this, kShift)),
      curves{DoubleStoredCurve(referenceTestMap()), DoubleStoredCurve(referenceTestMap())}
{
    setObjectName(QString::fromLatin1(kLXDBSimReportClassName));

    picLegend = addSurface(180, kLegendTop, 7455, kLegendHeight);
    picLegend->setObjectName(QStringLiteral("picLegend"));
    addRule(kFailureRule, 120 + kShift, 7860 + kShift, 2);
    lblData = addLabel(QStringLiteral("Failure Conditions:"), 180 + kShift, kFailureHeadingTop, Style::Heading);
    lvwFailure = new ListView;
    lvwFailure->setObjectName(QStringLiteral("lvwFailure"));
    lvwFailure->setFont(font(Style::Body));
    place(lvwFailure, kFailureLeft, kFailureTop, kFailureWidth, kFailureHeight);
}

LXDBSimReport::~LXDBSimReport() = default;

float LXDBSimReport::MaxData(std::span<const float> d, int num) { return lx::MaxData(d, num); }
float LXDBSimReport::MinData(std::span<const float> d, int num) { return lx::MinData(d, num); }

void LXDBSimReport::CreateReport(const QString& strTestName, QString& strResults, const QString& strReferenceNum,
                                 const QString& strTitle, std::span<double> nInit)
{
    for (DoubleStoredCurve& c : curves)
        c.clear();
    showTitle(strTitle);
    showDate();
    if (strTestName.left(8) != QLatin1String("DB CIDC "))
        return;
    // The end strain goes into element 7: a shorter array is refused before anything is read.
    if (nInit.size() < InitValues)
        throw ReportError(QStringLiteral("The specimen record holds %1 values; the simulation needs %2.")
                              .arg(nInit.size())
                              .arg(InitValues));
    const double reference = referenceNumber(strReferenceNum);

    {
        // The database objects live for this call only.
        Connection cn;
        cn.Open(strConnectionString);
        const ReferenceHeader head = readReferenceHeader(cn, reference, strReferenceNum);
        showTitle(head.title());
        lblTestType->setText(head.testType());
        showValues(nInit, 7, false);
        Recordset rs;
        readReportPoints(rs, cn, curves[0], referenceTestSql(), {reference, strTitle}, referenceTestMap(),
                         DoubleStoredCurve::Unlimited);
    }

    // The simulation runs to the published test's last strain.
    nInit[7] = curves[0].value(curves[0].points() - 1, 0);
    const SoilNetProcedure procedure = drainedProcedureForDiameter(nInit[0], nInit[6]);
    strResults = runSoilNet(procedure, nInit, strResults);
    readSoilNetResult(curves[1], strResults, soilNetHeaderLines(procedure));

    lblTestType->setText(mTestType);
    lblTitleChart1->setText(QStringLiteral("Deviator Stress"));
    lblTitleChart2->setText(QStringLiteral("Volumetric Strain"));
    DrawStressChart();
    DrawSecondChart();
    FillFailureTable();
}

void LXDBSimReport::DrawStressChart()
{
    drawChart(*picFrame1, 1);
    DrawLegend();
}

void LXDBSimReport::DrawSecondChart()
{
    drawChart(*picFrame2, 2);
}

void LXDBSimReport::drawChart(ChartFrame& frame, int column)
{
    // Each curve over its own points; the axes span both, on the longer ladders.
    std::array<std::vector<float>, 2> x, y;
    std::vector<Curve> drawn;
    for (size_t c = 0; c < curves.size(); ++c) {
        x[c] = curves[c].singles(0);
        y[c] = curves[c].singles(column);
        drawn.push_back({x[c], y[c], reportCurveStyle(c == 0 ? kPublishedColor : kSimulationColor, false), true});
    }
    const ReportChartAxes axes = column == 1 ? stressChartAxes(drawn, ReportLadders::longer())
                                             : secondChartAxes(drawn, ReportLadders::longer());
    ReportChartOptions options;
    options.grid.wholeSteps = true;
    drawReportChart(frame, axes, drawn, options);
}

void LXDBSimReport::DrawLegend()
{
    const LegendEntry legend[] = {
        {QBColor(kPublishedColor), QStringLiteral("Published Data"), {2200, 100}, {2600, 100}, {2700, 20}},
        {QBColor(kSimulationColor), QStringLiteral("Simulation"), {4200, 100}, {4600, 100}, {4700, 20}},
    };
    picLegend->Cls();
    drawLegend(*picLegend, legend);
}

void LXDBSimReport::FillFailureTable()
{
    // A second report on the same control replaces the table, not adds to it.
    lvwFailure->clearColumns();
    const double w = float((kFailureWidth - 50) / 4);
    const char* columns[][2] = {{"Type", "Type"},
                                {"Strain", "Axial Strain (%)"},
                                {"Stress", "Dev. Stress (kPa)"},
                                {"Volume", "Vol. Strain (%)"}};
    for (const auto& c : columns)
        lvwFailure->addColumn(QString::fromLatin1(c[0]), QString::fromLatin1(c[1]), w, ListView::lvwColumnLeft);
    const char* names[] = {"DB", "ANN"};
    for (size_t c = 0; c < curves.size(); ++c) {
        const int peak = curves[c].peakRow(1);
        QStringList cells;
        for (int column = 0; column < 3; ++column)
            cells << DoubleText(curves[c].value(peak, column));
        const int line = lvwFailure->addLine(QString::fromLatin1(names[c]), cells);
        lvwFailure->setLineKey(line, QStringLiteral("Item%1").arg(c + 1));
    }
}

} // namespace lx
