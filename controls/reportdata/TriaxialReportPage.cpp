#include "controls/reportdata/TriaxialReportPage.h"

#include "lab/ChartFrame.h"
#include "lab/ReportPage.h"
#include "platform/Controls.h"
#include "platform/Numbers.h"
#include "platform/Services.h"

#include <QLabel>
#include <QLineEdit>
#include <QLocale>

namespace lx {

namespace {

struct GridPlace {
    const char* caption;
    double left, top, valueLeft;
};
// Captions of the left column end where its values begin; the right column likewise.
constexpr std::array<GridPlace, 7> kValueGrid = {{
    {"Average Diameter (mm):", 240, 1440, 2460},
    {"Coefficient of Uniformity:", 240, 1740, 2460},
    {"Coefficient of Concavity:", 4020, 1440, 6360},
    {"Hardness:", 4020, 1740, 6360},
    {"Shape Factor:", 4020, 2040, 6360},
    {"Void Ratio:", 240, 2040, 2460},
    {"Confining Pressure (kPa):", 240, 2340, 2460},
}};
constexpr double kValueWidth = 1215;
constexpr double kRowHeight = 240;

} // namespace

TriaxialReportPage addTriaxialReportPage(ReportPage& page, double dx)
{
    using Style = ReportPage::Style;
    TriaxialReportPage p{};
    p.txtTitle = page.addTitle(360 + dx, 60, 7395, 375, Qt::AlignLeft | Qt::AlignVCenter, 120 + dx, 7740);

    p.lblType = page.addLabel(QStringLiteral("Test Type:"), 180 + dx, 600, Style::Heading);
    p.lblTestType = page.addLabel({}, 1500 + dx, 660, Style::Body, 6315, kRowHeight);
    p.lblConditions = page.addLabel(QStringLiteral("Specimen and Test Conditions:"), 180 + dx, 1080, Style::Heading);
    for (size_t i = 0; i < kValueGrid.size(); ++i) {
        const GridPlace& g = kValueGrid[i];
        p.lblInit[i] = page.addLabel(QString::fromLatin1(g.caption), g.left + dx, g.top, Style::Body,
                                     g.valueLeft - g.left, kRowHeight);
        p.lblInitValues[i] = page.addLabel({}, g.valueLeft + dx, g.top, Style::Body, kValueWidth, kRowHeight);
    }

    p.lblChart = page.addLabel(QStringLiteral("Stress-Strain and Volume Change Plots:"), 180 + dx, 2820,
                               Style::Heading, 7000);
    const ChartFrameLayout layout = ChartFrameLayout::reportPage();
    auto makeFrame = [&](double left) {
        auto* frame = new ChartFrame(layout);
        page.place(frame, left + dx, 3240, layout.frame.width(), layout.frame.height());
        frame->lblXAxisName->setText(QStringLiteral("Axial Strain (%)"));
        return frame;
    };
    p.picFrame1 = makeFrame(240);
    p.picFrame2 = makeFrame(4080);
    p.picDraw1 = p.picFrame1->picDraw;
    p.picDraw2 = p.picFrame2->picDraw;
    p.lblTitleChart1 = p.picFrame1->lblTitle;
    p.lblTitleChart2 = p.picFrame2->lblTitle;
    p.picFrame1->setUnit(QStringLiteral("(kPa)"));
    p.picFrame2->setUnit(QStringLiteral("(%)"));

    p.lblName = page.addLabel(QStringLiteral("Created by:"), 420 + dx, 8100, Style::Caption);
    p.lblDate = page.addLabel(QStringLiteral("Date:"), 4920 + dx, 8100, Style::Caption);
    p.lblDateValue = page.addLabel({}, 5760 + dx, 8100, Style::Body, 2000, kRowHeight);

    page.addRule(480, 120 + dx, 7860 + dx, 3);
    page.addRule(7980, 120 + dx, 7860 + dx, 3);
    for (double y : {960.0, 2700.0})
        page.addRule(y, 120 + dx, 7860 + dx, 2);
    return p;
}

void TriaxialReportPage::showValues(std::span<const double> nInit, int rows, bool skipZeros) const
{
    for (int i = 0; i < rows && size_t(i) < nInit.size(); ++i)
        if (!skipZeros || nInit[size_t(i)] != 0)
            lblInitValues[size_t(i)]->setText(Str(nInit[size_t(i)]));
}

void TriaxialReportPage::showTitle(const QString& title) const
{
    setBoxText(txtTitle, title);
}

void TriaxialReportPage::showDate() const
{
    lblDateValue->setText(QLocale::system().toString(clock().now().date(), QLocale::ShortFormat));
}

} // namespace lx
