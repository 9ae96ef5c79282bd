#include "LXTestReport.h"

#include "controls/reportdata/ReportData.h"
#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"
#include "controls/reportdata/TriaxialReportPage.h"
#include "platform/Database.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"
#include "soilnet/SoilModel.h"
#include "soilnet/SoilNet.h"

#include <QLabel>
#include <QLineEdit>

#include <algorithm>
#include <vector>

namespace lx {

namespace {

constexpr double kRowHeight = 240;

// Drained and undrained column maps: the report multiplies before it rounds.
ColumnMap getMap(bool drained)
{
    return {ColumnRule::field(3).times(100).rounded(3), ColumnRule::field(4).rounded(1),
            drained ? ColumnRule::field(5).times(100).rounded(3) : ColumnRule::field(6).rounded(1)};
}

} // namespace

std::array<double, 4> annCiucRecord(std::span<const double> initData)
{
    if (initData.size() < 7)
        throw ReportError(QStringLiteral("The specimen record holds too few values."));
    soilnet::GranularSpecimen s;
    s.averageDiameterMm = initData[0];
    s.uniformity = initData[1];
    s.concavity = initData[2];
    s.hardness = initData[3];
    s.shapeFactor = initData[4];
    s.voidRatio = initData[5];
    s.confiningKPa = initData[6];
    return {100.0 * soilnet::relativeDensity(s), initData[1], 1.0, initData[6]};
}

LXTestReport::LXTestReport(QWidget* parent)
    : ReportPage(PageWidth, PageHeight, parent), TriaxialReportPage(addTriaxialReportPage(*this)),
      data(referenceTestMap(), TableRows)
{
    setObjectName(QString::fromLatin1(kLXTestReportClassName));

    lblY2Unit = picFrame2->lblUnit;

    lblData = addLabel(QStringLiteral("Failure Conditions:"), 180, 6360, Style::Heading);
    // Values stand at 3540, or further right where the face's captions are wider.
    const char* resultCaptions[] = {"Corresponding to Peak Deviator Stress:", "Corresponding Volumetric Strain:",
                                    "Corresponding Axial Strain:", "Corresponding Confining Pressure:"};
    const char* units[] = {"(kPa)", "(%)", "(%)", "(kPa)"};
    std::array<QLabel*, 4> captions{}, values{}, unitLabels{};
    double valueLeft = 3540;
    for (size_t i = 0; i < 4; ++i) {
        captions[i] = addLabel(QString::fromLatin1(resultCaptions[i]), 300, 6720 + 300.0 * double(i));
        valueLeft = std::max(valueLeft, 300 + captions[i]->width() * TwipsPerPixel + 60);
    }
    for (size_t i = 0; i < 4; ++i) {
        const double top = 6720 + 300.0 * double(i);
        captions[i]->resize(tw(valueLeft - 300), tw(kRowHeight));
        values[i] = addLabel({}, valueLeft, top, Style::Body, 735, kRowHeight);
        unitLabels[i] = addLabel(QString::fromLatin1(units[i]), valueLeft + 840, top, Style::Body, 1200, kRowHeight);
    }
    lblStress = captions[0];
    lblStressValue = values[0];
    lblStrain = captions[1];
    lblStrainValue = values[1];
    lblStrainUnit = unitLabels[1];
    lblAxisStrain = captions[2];
    lblAxisStrainValue = values[2];
    lblPressure = captions[3];
    lblPressureValue = values[3];
    // The confining-pressure row is kept on the page but never shown.
    for (QLabel* l : {lblPressure, lblPressureValue, unitLabels[3]})
        l->hide();

    addRule(6240, 120, 7860, 2);
}

LXTestReport::~LXTestReport() = default;

float LXTestReport::MaxData(std::span<const float> d, int num) { return lx::MaxData(d, num); }
float LXTestReport::MinData(std::span<const float> d, int num) { return lx::MinData(d, num); }

void LXTestReport::CreateReport(const QString& strTestName, const QString& strResultFile, const QString& strTitle,
                                std::span<const double> nInit)
{
    data = DoubleStoredCurve(referenceTestMap(), TableRows);
    showTitle(strTitle);
    showDate();
    const QString mode = strTestName.left(8);
    const QChar soil = strTestName.size() > 9 ? strTestName.at(9) : QChar();

    if (mode == QLatin1String("ANN CIDC")) {
        const std::optional<SoilNetProcedure> p = drainedProcedureForSoil(soil, nInit.size() > 6 ? nInit[6] : 0.0);
        if (soil == u'G')
            lblTestType->setText(QStringLiteral("Drained Triaxial Test for Gravel."));
        else if (soil == u'S')
            lblTestType->setText(QStringLiteral("Drained Triaxial Test for Sand."));
        showValues(nInit, 7, false);
        const QString file = p ? runSoilNet(*p, nInit, strResultFile) : strResultFile;
        readSoilNetResult(data, file, soilNetHeaderLines(SoilNetProcedure::CidcGravel));
        lblTitleChart1->setText(QStringLiteral("Deviator Stress"));
        lblTitleChart2->setText(QStringLiteral("Volumetric Strain"));
        drawCharts();
    } else if (mode == QLatin1String("ANN CIUC")) {
        lblTestType->setText(QStringLiteral("Undrained Triaxial Test for Sand."));
        const char* captions[] = {"Relative Density (%):", "Coefficient of Uniformity:", "Over Consolidation Ratio:",
                                  "Confining Pressure (kPa):"};
        for (size_t i = 0; i < 4; ++i)
            lblInit[i]->setText(QString::fromLatin1(captions[i]));
        for (size_t i = 4; i < 7; ++i) {
            lblInit[i]->hide();
            lblInitValues[i]->hide();
        }
        showValues(nInit, 4, false);
        const std::optional<SoilNetProcedure> p = undrainedProcedureForSoil(soil);
        const QString file = p ? runSoilNet(*p, nInit, strResultFile) : strResultFile;
        readSoilNetResult(data, file, soilNetHeaderLines(SoilNetProcedure::CiucSand), true);
        layOutUndrainedCharts();
    } else if (mode == QLatin1String("DB CIDC ")) {
        const double reference = referenceNumber(strResultFile);
        openDatabase();
        const ReferenceHeader head = readReferenceHeader(*cn, reference, strResultFile);
        showTitle(head.title());
        lblTestType->setText(head.testType());
        showValues(nInit, 7, false);
        readPoints(referenceTestSql(), {reference, strTitle}, referenceTestMap());
        lblTitleChart1->setText(QStringLiteral("Deviator Stress"));
        lblTitleChart2->setText(QStringLiteral("Volumetric Strain"));
        drawCharts();
    } else if (mode == QLatin1String("Get CIDC") || mode == QLatin1String("Get CIUC") || mode == QLatin1String("Get UUC ")) {
        const bool drained = mode == QLatin1String("Get CIDC");
        openDatabase();
        showTitle(QStringLiteral("Mechanical Behavior of ") + strResultFile);
        QString type;
        if (soil == u'C')
            type = drained ? QStringLiteral("Drained Triaxial Test for Clay.")
                 : mode == QLatin1String("Get CIUC") ? QStringLiteral("Undrained Triaxial Test for Clay.")
                                                     : QStringLiteral("Unconsolidaed Undrained Triaxial Test for Clay.");
        else if (soil == u'G' && drained)
            type = QStringLiteral("Drained Triaxial Test for Gravel.");
        else if (soil == u'S')
            type = drained ? QStringLiteral("Drained Triaxial Test for Sand.") : QStringLiteral("Undrained Triaxial Test for Sand.");
        if (!type.isEmpty())
            lblTestType->setText(type);
        showValues(nInit, 7, true);
        if (soil == u'C')
            layOutClay();
        readPoints(QStringLiteral("SELECT * from TestResults WHERE TestID = ?order by [Point Number]"), {strTitle},
                   getMap(drained));
        if (drained) {
            lblTitleChart1->setText(QStringLiteral("Deviator Stress"));
            lblTitleChart2->setText(QStringLiteral("Volumetric Strain"));
            drawCharts();
        } else {
            layOutUndrainedCharts();
        }
    }
    showFailureConditions();
}

void LXTestReport::openDatabase()
{
    if (!cn)
        cn = std::make_unique<Connection>();
    if (cn->State() != adStateOpen)
        cn->Open(strConnectionString);
}

void LXTestReport::readPoints(const QString& sql, const QVariantList& parameters, const ColumnMap& map)
{
    if (!rs)
        rs = std::make_unique<Recordset>();
    readReportPoints(*rs, *cn, data, sql, parameters, map, TableRows);
}

void LXTestReport::layOutClay()
{
    const char* captions[] = {"Liquid Limit (%)", "Plasticity Index (%)", "Strain Rate (%/min)", "Water Content (%)"};
    for (size_t i = 0; i < 4; ++i)
        lblInit[i]->setText(QString::fromLatin1(captions[i]));
    for (size_t i = 4; i < 6; ++i) {
        lblInit[i]->hide();
        lblInitValues[i]->hide();
    }
    lblInit[6]->move(lblInit[6]->x(), tw(2040));
    lblInitValues[6]->move(lblInitValues[6]->x(), tw(2040));
}

void LXTestReport::layOutUndrainedCharts()
{
    lblChart->setText(QStringLiteral("Stress-Strain and Pore Pressure-Strain Plots:"));
    lblTitleChart1->setText(QStringLiteral("Deviator Stress"));
    lblTitleChart2->setText(QStringLiteral("Pore Pressure"));
    lblY2Unit->setText(QStringLiteral("(kPa)"));
    drawCharts();
    lblStrain->setText(QStringLiteral("Corresponding Pore Pressure"));
    lblStrainUnit->setText(QStringLiteral("(kPa)"));
}

void LXTestReport::drawCharts()
{
    const std::vector<float> strain = data.singles(0);
    const std::vector<float> stress = data.singles(1);
    const std::vector<float> third = data.singles(2);
    const Curve chart1[] = {{strain, stress, reportCurveStyle(12)}};
    drawReportChart(*picFrame1, stressChartAxes(strain, stress), chart1);
    const Curve chart2[] = {{strain, third, reportCurveStyle(9)}};
    drawReportChart(*picFrame2, secondChartAxes(strain, third), chart2);
}

void LXTestReport::showFailureConditions()
{
    // The peak is compared at single precision; a tie goes to the earlier point.
    const int at = data.peakRow(1);
    lblStressValue->setText(SingleText(at < 0 ? 0.0f : float(data.value(at, 1))));
    if (at >= 0) {
        lblStrainValue->setText(DoubleText(data.value(at, 2)));
        lblAxisStrainValue->setText(DoubleText(data.value(at, 0)));
    }
}

} // namespace lx
