#include "LXDBSimReport.h"

#include "lab/ChartFrame.h"
#include "lab/ReportChart.h"
#include "platform/Geometry.h"
#include "platform/ListView.h"
#include "platform/PictureBox.h"

#include <QLabel>
#include <QLineEdit>

#include <stdexcept>

namespace lx {

namespace {

// Every element stands 60 twips left of its place on the test report's page.
constexpr double kShift = -60;
// The legend strip lies under both chart frames; the rule and the failure heading, which
// stand there on the test report's page, move below it.
constexpr double kLegendTop = 6180, kLegendHeight = 195;
constexpr double kFailureRule = 6450;
constexpr double kFailureHeadingTop = 6600;
constexpr double kFailureLeft = 120, kFailureTop = 7020, kFailureWidth = 7695, kFailureHeight = 795;

} // namespace

LXDBSimReport::LXDBSimReport(QWidget* parent)
    : ReportPage(PageWidth, PageHeight, parent), TriaxialReportPage(addTriaxialReportPage(*this, kShift))
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
    txtTitle->setText(strTitle);
    showDate();
    if (strTestName.left(8) != QLatin1String("DB CIDC "))
        return;
    // The end strain goes into element 7: a shorter array is refused before anything is read.
    if (nInit.size() < InitValues)
        throw std::invalid_argument(
            QStringLiteral("The specimen record holds %1 values; the simulation needs %2.")
                .arg(nInit.size())
                .arg(InitValues)
                .toStdString());
    Q_UNUSED(strResults);
    Q_UNUSED(strReferenceNum);
}

} // namespace lx
