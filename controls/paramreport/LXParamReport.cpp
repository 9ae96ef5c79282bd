#include "LXParamReport.h"

#include "lab/Chart.h"
#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"
#include "lab/StoredTest.h"
#include "platform/Colors.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/Numbers.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QDate>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>

#include <algorithm>
#include <vector>

namespace {

using Style = lx::ReportPage::Style;

// The value grid: caption and value places, as on the test report (rows 0 to 5).
struct GridPlace {
    double captionLeft, top, valueLeft, captionWidth;
};
constexpr std::array<GridPlace, 6> Grid = {{
    {240, 1440, 2460, 1995}, {240, 1740, 2460, 1995}, {4020, 1440, 6360, 2055},
    {4020, 1740, 6360, 2055}, {4020, 2040, 6360, 2055}, {240, 2040, 2460, 1995},
}};
const std::array<const char*, 6> GridCaptions = {"Average Diameter (mm):", "Coefficient of Uniformity:", "Coefficient of Concavity:",
                                                 "Hardness:", "Shape Factor:", "Void Ratio:"};

// Legend lines and captions in the frame (twips): lines at y 330, captions at top 225.
constexpr std::array<double, 5> LegendLineFrom = {495, 1965, 3375, 4815, 6330};
constexpr std::array<double, 5> LegendLineTo = {825, 2295, 3705, 5145, 6660};
constexpr std::array<double, 5> LegendTextLeft = {915, 2385, 3795, 5235, 6750};
constexpr double LegendSurfaceTop = 200;   // the surface starts below the frame's caption

} // namespace

namespace lx {

LXParamReport::LXParamReport(QWidget* parent) : lx::ReportPage(8010, 8610, parent)
{
    setObjectName(QString::fromLatin1(kLXParamReportClassName));
    txtTitle = addTitle(360, 60, 7395, 375, Qt::AlignCenter, 120, 7740);
    addLabel(QStringLiteral("Test Type:"), 180, 600, Style::Heading);
    lblTestType = addLabel(QString(), 1500, 660, Style::Body, 6315, 210);
    addLabel(QStringLiteral("Specimen and Test Conditions:"), 180, 1080, Style::Heading);
    for (size_t i = 0; i < Grid.size(); ++i) {
        lblInit[i] = addLabel(QString::fromLatin1(GridCaptions[i]), Grid[i].captionLeft, Grid[i].top, Style::Body, Grid[i].captionWidth, 210);
        lblInitValues[i] = addLabel(QString(), Grid[i].valueLeft, Grid[i].top, Style::Body, 1215, 210);
    }
    lblChart = addLabel(QStringLiteral("Stress-Strain and Volume Change Plots:"), 180, 2505, Style::Heading);
    const lx::ChartFrameLayout layout = lx::ChartFrameLayout::reportPage();
    auto makeFrame = [&](double left) {
        auto* frame = new lx::ChartFrame(layout);
        place(frame, left, 2925, layout.frame.width(), layout.frame.height());
        frame->lblXAxisName->setText(QStringLiteral("Axial Strain (%)"));
        return frame;
    };
    picFrame1 = makeFrame(240);
    picFrame2 = makeFrame(4080);
    picFrame1->setUnit(QStringLiteral("(kPa)"));
    picFrame2->setUnit(QStringLiteral("(%)"));

    fraLegend = new QGroupBox(QStringLiteral("Legend"));
    place(fraLegend, 240, 5745, 7530, 480);
    picLegend = new lx::PictureBox(fraLegend);
    picLegend->setBackColor(Qt::white);
    picLegend->setGeometry(lx::twRect(30, LegendSurfaceTop, 7470, 240));

    lblData = addLabel(QStringLiteral("Failure Conditions:"), 180, 6360, Style::Heading);
    lvwFailure = new lx::ListView;
    lvwFailure->setFont(font(Style::Body));
    place(lvwFailure, 195, 6615, 7605, 1455);
    addLabel(QStringLiteral("Created by:"), 420, 8250, Style::Caption);
    addLabel(QStringLiteral("Date:"), 4920, 8250, Style::Caption);
    lblDateValue = addLabel(QString(), 5760, 8250, Style::Body, 2000, 210);
    addRule(480, 120, 7860, 3);
    addRule(8145, 120, 7860, 3);
    for (double y : {960.0, 2385.0, 6285.0})
        addRule(y, 120, 7860, 2);
}

float LXParamReport::MaxData(std::span<const float> data, int num) { return lx::MaxData(data, num); }
float LXParamReport::MinData(std::span<const float> data, int num) { return lx::MinData(data, num); }

void LXParamReport::CreateReport(const QString& strTestName, const std::array<QString, 6>& strTitle, const std::array<double, 12>& nInit)
{
    int tests = 0;
    while (tests < 5 && !strTitle[size_t(tests) + 1].isEmpty())
        ++tests;
    const QString code = strTestName.mid(4, 4);
    const bool uuc = strTestName.mid(4, 3) == QLatin1String("UUC");
    const bool drained = code == QLatin1String("CIDC");
    const QChar soil = strTestName.size() > 9 ? strTestName[9] : QChar();
    const bool clay = soil == u'C';
    const int flag = nInit[0] == 1 ? 1 : 0;

    // Every test's points in one growable table: five tests of 301 points fit.
    table = lx::DoubleStoredCurve({lx::ColumnRule::field(3).times(100).rounded(3), lx::ColumnRule::field(4).rounded(1),
                                   drained ? lx::ColumnRule::field(5).times(100).rounded(3) : lx::ColumnRule::field(6).rounded(1)});
    txtTitle->setText(strTitle[0]);
    lblDateValue->setText(QLocale::system().toString(lx::clock().now().date(), QLocale::ShortFormat));
    connection.Open(strConnectionString);

    QString type;
    if (code == QLatin1String("CIDC") && soil == u'C')
        type = QStringLiteral("Isotropically Consolidated Drained Triaxial Test for Clay.");
    else if (code == QLatin1String("CIDC") && soil == u'G')
        type = QStringLiteral("Isotropically Consolidated Drained Triaxial Test for Gravel.");
    else if (code == QLatin1String("CIDC") && soil == u'S')
        type = QStringLiteral("Isotropically Consolidated Drained Triaxial Test for Sand.");
    else if (code == QLatin1String("CIUC") && soil == u'C')
        type = QStringLiteral("Isotropically Consolidated Undrained Triaxial Test for Clay.");
    else if (code == QLatin1String("CIUC") && soil == u'S')
        type = QStringLiteral("Isotropically Consolidated Undrained Triaxial Test for Sand.");
    else if (uuc)
        type = QStringLiteral("Uncosolidated Undrained Triaxial Test for Clay.");
    lblTestType->setText(type);

    const int rows = clay ? 4 : 6;
    if (clay) {
        lblInit[0]->setText(QStringLiteral("Liquid Limit (%)"));
        lblInit[1]->setText(QStringLiteral("Plasticity Index (%)"));
        lblInit[2]->setText(QStringLiteral("Strain Rate (%/min)"));
        for (size_t i : {size_t(4), size_t(5)}) {
            lblInit[i]->hide();
            lblInitValues[i]->hide();
        }
    }
    const QString fixedName = flag == 0 ? (clay ? QStringLiteral("Water Content (%)") : QStringLiteral("Void Ratio"))
                                        : QStringLiteral("Confining Pressure (kPa)");
    const QString variedName = flag == 0 ? QStringLiteral("Confining Pressure (kPa)")
                                         : (clay ? QStringLiteral("Water Content (%)") : QStringLiteral("Void Ratio"));
    lblInit[size_t(rows - 1)]->setText(fixedName);
    for (int i = 0; i < rows - 1; ++i)
        if (nInit[size_t(i) + 1] != 0)
            lblInitValues[size_t(i)]->setText(lx::Str(nInit[size_t(i) + 1]));
    if (nInit[6] != 0)
        lblInitValues[size_t(rows - 1)]->setText(lx::Str(lx::Round(nInit[6], (1 - flag) * 3)));
    fraLegend->setTitle(QStringLiteral("Legend: ") + variedName);

    lx::LeftOutRows leftOut;
    for (int t = 1; t <= tests; ++t) {
        lx::Recordset rs;
        // The identifier comes from the database: bound, not spliced into the text.
        rs.Open(QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]"), connection, lx::adOpenStatic,
                lx::adLockBatchOptimistic, {strTitle[size_t(t)]});
        table.append(rs);
        leftOut.add(table.lastAppend());
        rs.Close();
    }
    lx::tellLeftOut(leftOut);

    picFrame1->lblTitle->setText(QStringLiteral("Deviator Stress"));
    if (drained) {
        picFrame2->lblTitle->setText(QStringLiteral("Volumetric Strain"));
    } else {
        picFrame2->lblTitle->setText(QStringLiteral("Excess Pore Pressure"));
        picFrame2->setUnit(QStringLiteral("kPa"));
    }
    drawCharts();

    std::vector<lx::LegendEntry> legend;
    for (int k = 0; k < tests; ++k) {
        lblLegend[size_t(k)] = lx::Str(lx::Round(nInit[size_t(7 + k)], flag * 3));
        legend.push_back({lx::QBColor(9 + k), lblLegend[size_t(k)],
                          {LegendLineFrom[size_t(k)], 330 - LegendSurfaceTop},
                          {LegendLineTo[size_t(k)], 330 - LegendSurfaceTop},
                          {LegendTextLeft[size_t(k)], 225 - LegendSurfaceTop}});
    }
    picLegend->Cls();
    lx::drawLegend(*picLegend, legend);

    lvwFailure->clearLines();
    lvwFailure->clearColumns();
    lvwFailure->addColumn(QStringLiteral("Varied"), variedName, 2200, lx::ListView::lvwColumnLeft);
    lvwFailure->addColumn(QStringLiteral("Strain"), QStringLiteral("Axial Strain (%)"), 1680, lx::ListView::lvwColumnCenter);
    lvwFailure->addColumn(QStringLiteral("Stress"), QStringLiteral("Deviator Stress (kPa)"), 1800, lx::ListView::lvwColumnCenter);
    lvwFailure->addColumn(QStringLiteral("Third"), drained ? QStringLiteral("Volumetric Strain (%)") : QStringLiteral("Pore Pressure (kPa)"),
                          1800, lx::ListView::lvwColumnCenter);
    for (int t = 0; t < table.tests(); ++t) {
        QStringList at;
        // The peak is a single: a stress such as 153.4 is found only at single precision.
        if (const int i = table.peakRow(1, t); i >= 0)
            for (int c = 0; c < 3; ++c)
                at << lx::DoubleText(lx::Round(table.value(i, c), 2));
        lvwFailure->addLine(lblLegend[size_t(t)], at);
    }
}

void LXParamReport::drawCharts()
{
    const std::vector<float> strain = table.singles(0);
    const std::vector<float> stress = table.singles(1);
    const std::vector<float> third = table.singles(2);
    // The axes span all tests; each test is a curve of its own, not joined to the one before.
    const auto curves = [&](const std::vector<float>& values) {
        std::vector<lx::Curve> c;
        for (int t = 0; t < table.tests(); ++t) {
            const size_t first = size_t(table.testStart(t)), count = size_t(table.testPoints(t));
            c.push_back({std::span<const float>(strain).subspan(first, count), std::span<const float>(values).subspan(first, count),
                         lx::reportCurveStyle(9 + t)});
        }
        return c;
    };
    lx::drawReportChart(*picFrame1, lx::stressChartAxes(strain, stress), curves(stress));
    lx::drawReportChart(*picFrame2, lx::secondChartAxes(strain, third), curves(third));
}

} // namespace lx
