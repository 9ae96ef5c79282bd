#include "directshear/frmDirectShearReport.h"

#include "directshear/DirectShearCharts.h"
#include "directshear/DirectShearLegend.h"
#include "directshear/DirectShearSoils.h"
#include "directshear/DirectShearStudy.h"

#include "app/ChildWindows.h"
#include "app/FrameAssets.h"
#include "lab/Chart.h"
#include "lab/ChartFrame.h"
#include "lab/ReportPage.h"
#include "platform/Geometry.h"
#include "platform/PictureBox.h"

#include <QDateTime>
#include <QFrame>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>


namespace {

using Style = lx::ReportPage::Style;

constexpr double PageWidth = 7980, PageHeight = 8490;
// Parameter rows: 0 to 2 in the left column, 3 and 4 in the right one.
struct Place {
    double captionLeft, top, valueLeft;
};
constexpr Place ParamPlaces[5] = {{240, 1380, 2640}, {240, 1650, 2640}, {240, 1920, 2640}, {4080, 1380, 6300}, {4080, 1650, 6300}};
// The legend table: a caption column and one column per curve.
constexpr double LegendColumnLeft[3] = {3360, 4920, 6480};
constexpr double LegendColumnWidth = 1380;
constexpr double LegendTop = 5850;

} // namespace

frmDirectShearReport::frmDirectShearReport() : Points(directshear::PointColumns())
{
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(QStringLiteral("Test Report"));
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, Qt::white);
    setPalette(pal);

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
    directshear::LabelFrames(*picFrame1, *picFrame2);

    lblLegend = page->addLabel(QStringLiteral("Legend;"), 180, LegendTop, Style::Heading);
    const double rowTop[] = {LegendTop + 300, LegendTop + 540, LegendTop + 810, LegendTop + 1050, LegendTop + 1290, LegendTop + 1530};
    page->addLabel(QStringLiteral("Normal Stress (kPa):"), 420, rowTop[0], Style::Body, 2800, 210);
    page->addLabel(QStringLiteral("Initial Void Ratio:"), 420, rowTop[1], Style::Body, 2800, 210);
    page->addLabel(QStringLiteral("Failure Conditions:"), 180, rowTop[2] - 30, Style::Heading);
    page->addLabel(QStringLiteral("Peak Shear Stress (kPa):"), 420, rowTop[3], Style::Body, 2800, 210);
    page->addLabel(QStringLiteral("Horizontal Displacement (mm):"), 420, rowTop[4], Style::Body, 2800, 210);
    page->addLabel(QStringLiteral("Vertical Displacement (mm):"), 420, rowTop[5], Style::Body, 2800, 210);
    for (size_t k = 0; k < 3; ++k) {
        const double left = LegendColumnLeft[k];
        auto* line = new QFrame;
        line->setAutoFillBackground(true);
        page->place(line, left + 360, LegendTop + 90, 660, 30);
        line->hide();
        LineLegend[k] = line;
        auto value = [&](double top) {
            QLabel* l = page->addLabel(QString(), left, top, Style::Body, LegendColumnWidth, 210);
            l->setAlignment(Qt::AlignHCenter | Qt::AlignTop);
            return l;
        };
        lblNormalStressValue[k] = value(rowTop[0]);
        lbl_e_value[k] = value(rowTop[1]);
        lblStressValue[k] = value(rowTop[3]);
        lblHorizDispValue[k] = value(rowTop[4]);
        lblVertDispValue[k] = value(rowTop[5]);
    }

    page->addLabel(QStringLiteral("Comments:"), 180, 7800, Style::Heading);
    Text1 = new QLineEdit;
    Text1->setFont(lx::ReportPage::font(Style::Body));
    page->place(Text1, 1440, 7770, 6420, 300);
    page->addLabel(QStringLiteral("Created by:"), 420, 8250, Style::Caption);
    page->addLabel(QStringLiteral("Date:"), 4920, 8250, Style::Caption);
    lblDateValue = page->addLabel(QString(), 5760, 8250, Style::Body, 2100, 210);
    page->addRule(480, 120, 7860, 3);
    page->addRule(8160, 120, 7860, 3);
    for (double y : {960.0, 2280.0, 5700.0, 7680.0})
        page->addRule(y, 120, 7860, 2);

    page->move(0, 0);
    setFixedSize(page->size());
}

void frmDirectShearReport::CreateReport(const QString& soilType, const QStringList& valParam, const lx::StoredCurve& valPoints,
                                        std::span<const int16_t> curveCounts)
{
    strSoilType = soilType;
    lx::setLoamixIcon(this);
    ParamTexts = valParam;
    while (ParamTexts.size() < 21)
        ParamTexts << QString();
    for (size_t i = 0; i < 5; ++i)
        lblParamValue[i]->setText(ParamTexts[int(i)]);
    Points = valPoints;
    const int curves = directshear::CurvesOf(curveCounts, Points);

    lblTitle->setText(QStringLiteral("Shear Strength Behavior of ") + strSoilType);
    lblTestType->setText(QStringLiteral("Direct Shear Test"));

    charts = directshear::SetupCharts(*picFrame1, *picFrame2, directshear::AxesOf(Points));
    for (int k = 0; k < curves; ++k)
        PlotCurve(k);
    charts.reset();

    lblDateValue->setText(QLocale::system().toString(QDateTime::currentDateTime(), QLocale::ShortFormat));
    lx::ShowAsChild(this);
    lx::MoveChild(this, 0, 0);
}

void frmDirectShearReport::PlotCurve(int k)
{
    const directshear::LegendColumn legend = directshear::LegendOf(Points, k, ParamTexts);
    const lx::CurveStyle style = directshear::CurveStyleOf(legend.color);
    charts->shear.plot({.x = Points.column(0, k), .y = Points.column(1, k), .style = style});
    charts->vertical.plot({.x = Points.column(0, k), .y = Points.column(2, k), .style = style});

    const size_t c = size_t(k);
    QPalette pal = LineLegend[c]->palette();
    pal.setColor(QPalette::Window, legend.color);
    LineLegend[c]->setPalette(pal);
    LineLegend[c]->show();
    lblNormalStressValue[c]->setText(legend.normalStress);
    lbl_e_value[c]->setText(legend.voidRatio);
    lblStressValue[c]->setText(legend.peak);
    lblHorizDispValue[c]->setText(legend.horizontal);
    lblVertDispValue[c]->setText(legend.vertical);
}
