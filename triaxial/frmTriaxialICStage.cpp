#include "frmTriaxialICStage.h"

#include "app/ChildWindows.h"
#include "platform/Controls.h"

#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "lab/ActivityCredit.h"
#include "lab/Chart.h"
#include "platform/Colors.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Numbers.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

namespace {

const QString Title = QStringLiteral("Isotropic Consolidation");
const QStringList OkOnly{QStringLiteral("OK"), {}, {}, {}};

// The record's columns, left to right: header and width in twips.
struct Column {
    const char* header;
    double width;
};
constexpr Column Columns[7] = {{"Time (min)", 780},
                               {"Cell pressure (kPa)", 840},
                               {"Excess pore pressure (kPa)", 960},
                               {"Axial Displacement (mm)", 1020},
                               {"Axial strain (%)", 780},
                               {"Expelled pore fluid (cm^3)", 960},
                               {"Volumetric   strain   (%)", 900}};
constexpr double TableLeft = 120, HeaderTop = 1150, HeaderHeight = 600, RowTop = 1750, RowHeight = 240;

// The chart: 4000 units across for 1200 minutes and 4000 down for the strain axis, at
// 0.687 and 0.545 twips a unit.
constexpr double ChartUnits = 4000, TwipsPerUnitX = 0.687, TwipsPerUnitY = 0.545;
constexpr double PlotLeft = 7700, PlotTop = 1860;
constexpr double PlotWidth = ChartUnits * TwipsPerUnitX, PlotHeight = ChartUnits * TwipsPerUnitY;

QLineEdit* cell(QWidget* parent, double l, double t, double w, double h)
{
    auto* box = lx::twControl<QLineEdit>(parent, nullptr, l, t, w, h);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    box->setAlignment(Qt::AlignRight);
    box->setTextMargins(0, 0, 0, 0);
    return box;
}

QLabel* label(QWidget* parent, double l, double t, double w, double h, const QString& text, Qt::Alignment a = Qt::AlignLeft)
{
    auto* l_ = lx::twControl<QLabel>(parent, nullptr, l, t, w, h, text);
    l_->setAlignment(a | Qt::AlignVCenter);
    return l_;
}

// A frame of three dimension rows: height, volume, diameter.
QGroupBox* dimensionFrame(QWidget* parent, const char* name, const QString& caption, double top,
                          std::array<QLineEdit*, 3>& boxes, bool readOnly)
{
    auto* frame = lx::twControl<QGroupBox>(parent, name, 120, top, 4800, 1080, caption);
    const QString captions[3] = {QStringLiteral("Height of the Specimen ="), QStringLiteral("Volume of the Specimen ="),
                                 QStringLiteral("Diameter of the Specimen =")};
    const QString units[3] = {QStringLiteral("mm"), QStringLiteral("cm^3"), QStringLiteral("mm")};
    for (int i = 0; i < 3; ++i) {
        const double t = 240 + i * 270;
        label(frame, 120, t, 2280, 255, captions[i], Qt::AlignRight);
        boxes[std::size_t(i)] = lx::twControl<QLineEdit>(frame, nullptr, 2460, t - 15, 1100, 270);
        boxes[std::size_t(i)]->setObjectName(QString::fromLatin1(name).replace(QStringLiteral("fra"), QStringLiteral("txt"))
                                             + QString::number(i));
        if (readOnly) {
            boxes[std::size_t(i)]->setReadOnly(true);
            boxes[std::size_t(i)]->setFocusPolicy(Qt::NoFocus);
        }
        label(frame, 3620, t, 700, 255, units[i]);
    }
    return frame;
}

double secondsSinceMidnight() { return lx::clock().now().time().msecsSinceStartOfDay() / 1000.0; }

} // namespace

frmTriaxialICStage* frmTriaxialICStage::HandOver(const preshear::HandOver& values)
{
    // A record open from an earlier run belongs to other dimensions: it goes.
    if (frmTriaxialICStage* old = lx::SingleInstance<frmTriaxialICStage>::peek())
        old->closeMe();
    frmTriaxialICStage& form = lx::SingleInstance<frmTriaxialICStage>::get();
    form.Form_Load(values);
    return &form;
}

frmTriaxialICStage::frmTriaxialICStage()
{
    setObjectName(QStringLiteral("frmTriaxialICStage"));
    setWindowTitle(Title);
    setAttribute(Qt::WA_DeleteOnClose);

    fraBeforeConsolidation =
        dimensionFrame(this, "fraBeforeIC", QStringLiteral("Before Isotropic Consolidation"), 60, txtBeforeIC, true);

    label(this, 5100, 150, 3300, 270, QStringLiteral("Applied Back pressure ="), Qt::AlignRight);
    txtBackPressure = cell(this, 8460, 150, 900, 285);
    txtBackPressure->setObjectName(QStringLiteral("txtBackPressure"));
    label(this, 9420, 150, 500, 270, QStringLiteral("kPa"));
    QLabel* endStress =
        label(this, 5100, 480, 3300, 480, QStringLiteral("Effective confining stress at the end of isotropic consolidation ="),
              Qt::AlignRight);
    endStress->setWordWrap(true);
    txtEffectiveConf = lx::twControl<QLineEdit>(this, "txtEffectiveConf", 8460, 570, 900, 285);
    label(this, 9420, 570, 500, 270, QStringLiteral("kPa"));
    cmdOK = lx::twControl<QPushButton>(this, "cmdOK", 10020, 150, 1065, 330, QStringLiteral("OK"));
    cmdOK->setEnabled(false);
    cmdHelp[0] = lx::twControl<QPushButton>(this, "cmdHelp0", 10020, 570, 1065, 330, QStringLiteral("Help"));

    double left = TableLeft;
    std::array<std::array<QLineEdit*, Rows>*, 7> columns = {&txtICdataTime, &txtICdataCellP, &txtICdataPoreP, &txtICdataDisp,
                                                             &txtICdataAxialStrain, &txtExpelledPoreFluid, &txtICdataVolStrain};
    for (int c = 0; c < 7; ++c) {
        lblICDataHeader[std::size_t(c)] =
            label(this, left, HeaderTop, Columns[c].width, HeaderHeight, QString::fromLatin1(Columns[c].header), Qt::AlignHCenter);
        lblICDataHeader[std::size_t(c)]->setWordWrap(true);
        for (int i = 0; i < Rows; ++i)
            (*columns[std::size_t(c)])[std::size_t(i)] = cell(this, left, RowTop + i * RowHeight, Columns[c].width, RowHeight);
        left += Columns[c].width;
    }
    txtICdataAxialStrain[Rows - 1]->setToolTip(QStringLiteral("Axial Strain at the end of Isotropic consolidation"));
    txtICdataVolStrain[Rows - 1]->setToolTip(QStringLiteral("Volumetric Strain at the end of Isotropic consolidation"));

    // The chart: time along the top, volumetric strain growing downwards.
    label(this, PlotLeft - 700, 1100, PlotWidth + 700, 255, QStringLiteral("Consolidation Curve"), Qt::AlignHCenter)
        ->setStyleSheet(QStringLiteral("font-weight: bold;"));
    label(this, PlotLeft, 1340, PlotWidth, 240, QStringLiteral("Time (min)"), Qt::AlignHCenter);
    QLabel* yTitle = label(this, PlotLeft - 1260, PlotTop + PlotHeight / 2 - 300, 800, 600,
                           QStringLiteral("Volumetric Strain (%)"), Qt::AlignHCenter);
    yTitle->setWordWrap(true);
    PicDraw = lx::twControl<lx::PictureBox>(this, "PicDraw", PlotLeft, PlotTop, PlotWidth + 15, PlotHeight + 15);
    PicDraw->setBackColor(Qt::white);
    PicDraw->Scale(0, 0, ChartUnits * (PlotWidth + 15) / PlotWidth, ChartUnits * (PlotHeight + 15) / PlotHeight);
    for (int k = 0; k < 5; ++k) {
        lblUnitX[std::size_t(k)] = label(this, PlotLeft + k * PlotWidth / 4 - 300, 1580, 600, 225, QString::number(k * 300),
                                         Qt::AlignHCenter);
        lblUnitY[std::size_t(k)] = label(this, PlotLeft - 460, PlotTop + k * PlotHeight / 4 - 112, 420, 225,
                                         k == 0 ? QStringLiteral("0") : QString(), Qt::AlignRight);
    }

    fraAfterConsolidation =
        dimensionFrame(this, "fraAfterIC", QStringLiteral("After Isotropic Consolidation"), 4290, txtAfterIC, false);
    cmdDone = lx::twControl<QPushButton>(this, "cmdDone", 5280, 4500, 1065, 330, QStringLiteral("Done"));
    cmdHelp[1] = lx::twControl<QPushButton>(this, "cmdHelp1", 6540, 4500, 1065, 330, QStringLiteral("Help"));

    TimerRecordData = new QTimer(this);
    TimerRecordData->setInterval(500);
    connect(TimerRecordData, &QTimer::timeout, this, &frmTriaxialICStage::TimerRecordData_Timer);
    connect(cmdOK, &QPushButton::clicked, this, &frmTriaxialICStage::cmdOK_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmTriaxialICStage::cmdDone_Click);
    for (QPushButton* b : cmdHelp)
        connect(b, &QPushButton::clicked, this, &frmTriaxialICStage::cmdHelp_Click);
}

frmTriaxialICStage::~frmTriaxialICStage() = default;

void frmTriaxialICStage::Form_Load(const preshear::HandOver& values)
{
    in = values;
    lx::setLoamixIcon(this);
    txtICdataCellP[0]->setText(in.cellPressure);
    txtICdataPoreP[0]->setText(in.increase);
    nScore = in.score;
    txtBeforeIC[0]->setText(in.height);
    txtBeforeIC[1]->setText(in.volume);
    txtBeforeIC[2]->setText(in.diameter);

    lx::random().Randomize(secondsSinceMidnight());
    nRecord = std::make_unique<preshear::ConsolidationRecord>(in, lx::random().Rnd());
    const preshear::RecordRow& first = nRecord->row(0);
    txtICdataTime[0]->setText(first.time);
    txtICdataDisp[0]->setText(first.displacement);
    txtICdataAxialStrain[0]->setText(first.axialStrain);
    txtExpelledPoreFluid[0]->setText(first.expelled);
    txtICdataVolStrain[0]->setText(first.volumetricStrain);

    const float ymax = nRecord->strainAxisMax();
    for (int k = 1; k <= 4; ++k)
        lblUnitY[std::size_t(k)]->setText(lx::SingleText(float(k) * ymax / 4.0f));
    const lx::Chart chart(*PicDraw, lx::Axis{0, 1200}, lx::Axis{-ymax, 0});
    chart.clear();
    lx::GridStyle grid;
    grid.verticalLines = 4;
    grid.verticalColor = grid.horizontalColor = QColor(200, 200, 200);
    chart.drawGrid(grid);
    lx::CurveStyle style;
    style.color = QColor(255, 0, 0);
    style.width = 1;
    style.marker.text = QStringLiteral("o");
    style.marker.firstOffset = style.marker.offset = QPointF(-55, -205);
    style.marker.color = Qt::black;
    curve = std::make_unique<lx::ChartTrace>(chart, style);
    curve->start(0, 0, false);

    txtBackPressure->setText(in.backPressure);
    lx::SetOuterSize(this, 11400, 4600);
    attempts.reset();
    nRecordRow = 1;
    if (!nRecord->valid()) {
        // The earlier steps never hand over such values; a record of them would divide by zero.
        lx::messages().msgs(1, Title,
                            QStringLiteral("The consolidation record cannot start: the final effective confining stress must be "
                                           "greater than the effective confining stress of saturation, and both above 0 kPa."),
                            OkOnly);
        return;
    }
    TimerRecordData->start();
}

void frmTriaxialICStage::ShowRecord() { lx::ShowAsChild(this); }

void frmTriaxialICStage::TimerRecordData_Timer()
{
    const int i = nRecordRow;
    if (i > Rows - 1) {
        TimerRecordData->stop();
        cmdOK->setEnabled(true);
        return;
    }
    const preshear::RecordRow& row = nRecord->row(i);
    const std::size_t k = std::size_t(i);
    txtICdataTime[k]->setText(row.time);
    txtICdataCellP[k]->setText(row.cellPressure);
    txtICdataPoreP[k]->setText(row.porePressure);
    txtICdataVolStrain[k]->setText(row.volumetricStrain);
    txtExpelledPoreFluid[k]->setText(row.expelled);
    txtICdataAxialStrain[k]->setText(row.axialStrain);
    txtICdataDisp[k]->setText(row.displacement);
    // The last row is listed, not drawn: its time may lie past the axis.
    if (i < Rows - 1)
        curve->lineTo(float(lx::Val(row.time)), -float(lx::Val(row.volumetricStrain)));
    nRecordRow = i + 1;
}

void frmTriaxialICStage::cmdOK_Click()
{
    if (!cmdOK->isEnabled())
        return;
    for (;;) {
        if (nRecord->endStressAccepted(lx::Val(txtEffectiveConf->text()))) {
            lx::SetOuterSize(this, 11400, 6000);
            cmdHelp[0]->hide();
            cmdOK->hide();
            attempts.reset();
            return;
        }
        const auto outcome = attempts.failOfThree(
            Title,
            QStringLiteral("Entered value of effective Confining Stress after isotropic consolidation is incorrect. Please Check"),
            nScore);
        if (outcome != preshear::AttemptRule::MoveOn)
            return;
        txtEffectiveConf->setText(lx::DoubleText(nRecord->expectedEndStress()));
    }
}

void frmTriaxialICStage::cmdDone_Click()
{
    const double expected[3] = {nRecord->heightAfter(), nRecord->volumeAfter(), nRecord->diameterAfter()};
    const QString messages[3] = {
        QStringLiteral("Specimen Height after isotropic consolidation is incorrect. Please Check"),
        QStringLiteral("Specimen Volume after isotropic consolidation is incorrect. Please Check"),
        QStringLiteral("Specimen Diameter after isotropic consolidation is incorrect. Please Check")};
    for (int i = 0; i < 3; ++i) {
        if (preshear::ConsolidationRecord::dimensionAccepted(lx::Val(txtAfterIC[std::size_t(i)]->text()), expected[i]))
            continue;
        if (attempts.failOfFour(Title, messages[i], nScore) == preshear::AttemptRule::MoveOn)
            for (int k = 0; k < 3; ++k)
                txtAfterIC[std::size_t(k)]->setText(lx::DoubleText(expected[k]));
        return;
    }
    const float grade = nScore;
    closeMe();
    lx::messages().msgs(1, Title,
                        QStringLiteral("You have successfully completed pre-shearing stages of isotropic consolidation triaxial test.")
                            + QStringLiteral("\r\r") + QStringLiteral("Now explore shearing stage for various triaxial conditions."),
                        OkOnly);
    lx::ActivityCredit(lx::activities::TriaxialConsolidation, grade);
}

void frmTriaxialICStage::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html\\TriaxialTestComputation.htm")); }

void frmTriaxialICStage::closeMe()
{
    TimerRecordData->stop();
    lx::SingleInstance<frmTriaxialICStage>::forget(this);
    lx::UnloadLater(this);
}
