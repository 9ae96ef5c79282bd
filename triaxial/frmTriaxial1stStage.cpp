#include "frmTriaxial1stStage.h"

#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/frmTriaxialICStage.h"

#include "app/FrameAssets.h"
#include "app/basHTMLHelp.h"
#include "lab/PictureLayout.h"
#include "platform/Controls.h"
#include "platform/FormRegistry.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/PictureBox.h"
#include "platform/Services.h"

#include <QEvent>
#include <QKeyEvent>
#include <QMouseEvent>

namespace M = lx::pictures::measurement;
using preshear::Phase;

const QString frmTriaxial1stStage::DesignCaption = QStringLiteral("Isotropic Consolidation Triaxial Test: Steps Before Shearing");

namespace {

const QString DimensionsTitle = QStringLiteral("Specimen Dimensions");
const QString ConsolidationTitle = QStringLiteral("Isotropic Consolidation");
const QStringList OkOnly{QStringLiteral("OK"), {}, {}, {}};

QGroupBox* boldFrame(QWidget* parent, const char* name, const QString& caption, double l, double t, double w, double h)
{
    auto* frame = lx::twControl<QGroupBox>(parent, name, l, t, w, h, caption);
    QFont f = frame->font();
    f.setBold(true);
    frame->setFont(f);
    // The frame's own bold caption only; what it holds keeps the window's face.
    frame->setStyleSheet(QStringLiteral("QGroupBox > * { font-weight: normal; }"));
    return frame;
}

QLineEdit* readOnlyBox(QWidget* parent, const char* name, double l, double t, double w, double h)
{
    auto* box = lx::twControl<QLineEdit>(parent, name, l, t, w, h);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::NoFocus);
    return box;
}

// A vertical bar whose shown value is the maximum less its position, limited to
// [lowest, highest] shown; the up arrow adds step.
QScrollBar* pressureBar(QWidget* parent, const char* name, double l, double t, int lowest, int highest, int step)
{
    auto* bar = lx::twControl<QScrollBar>(parent, name, l, t, 285, 345, Qt::Vertical);
    bar->setRange(preshear::BarMaximum - highest, preshear::BarMaximum - lowest);
    bar->setSingleStep(step);
    bar->setPageStep(step * 5);
    return bar;
}

int shownValue(const QScrollBar* bar) { return preshear::BarMaximum - bar->value(); }

QImage picture(const char* name) { return QImage(lx::installPath(QStringLiteral("\\pictures\\") + QLatin1String(name))); }

double secondsSinceMidnight() { return lx::clock().now().time().msecsSinceStartOfDay() / 1000.0; }

} // namespace

frmTriaxial1stStage::frmTriaxial1stStage()
{
    setObjectName(QStringLiteral("frmTriaxial1stStage"));
    setWindowTitle(DesignCaption);
    setAttribute(Qt::WA_DeleteOnClose);

    // ---- measurement
    fraAssembly = boldFrame(this, "fraAssembly", QStringLiteral("Assembly"), 105, 150, 4650, 1800);
    const QString captions[3] = {QStringLiteral("Enter Specimen Height:"), QStringLiteral("Enter Specimen Diameter:"),
                                 QStringLiteral("Specimen Volume:")};
    const double rowTops[3] = {420, 780, 1155};
    for (int i = 0; i < 3; ++i) {
        lblAssembly[i] = lx::twControl<QLabel>(fraAssembly, nullptr, 150, rowTops[i] + 30, 2340, 255, captions[i]);
        lblAssembly[i]->setObjectName(QStringLiteral("lblAssembly%1").arg(i));
        lblAssembly[i]->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txtSpecimen[i] = lx::twControl<QLineEdit>(fraAssembly, nullptr, 2520, rowTops[i], 1065, 285);
        txtSpecimen[i]->setObjectName(QStringLiteral("txtSpecimen%1").arg(i));
        lblAssembly[i]->setBuddy(txtSpecimen[i]);
        txtSpecimen[i]->installEventFilter(this);
        lblmm[i] = lx::twControl<QLabel>(fraAssembly, nullptr, 3645, rowTops[i] + 30, 600, 255,
                                         i == 2 ? QStringLiteral("cm^3") : QStringLiteral("mm"));
        connect(txtSpecimen[i], &QLineEdit::textChanged, this, &frmTriaxial1stStage::txtSpecimen_Change);
    }
    txtSpecimen[2]->setReadOnly(true);
    txtSpecimen[2]->setFocusPolicy(Qt::NoFocus);
    for (int i = 1; i < 3; ++i) {
        lblAssembly[i]->hide();
        txtSpecimen[i]->hide();
        lblmm[i]->hide();
    }
    cmdAssemblyOK = lx::twControl<QPushButton>(fraAssembly, "cmdAssemblyOK", 1785, 1260, 1065, 330, QStringLiteral("OK"));
    cmdAssemblyOK->setEnabled(false);

    cmdNextAssembly = lx::twControl<QPushButton>(this, "cmdNextAssembly", 630, 2100, 1065, 330, QStringLiteral("Next"));
    cmdNextAssembly->setEnabled(false);
    const double buttonRows[3][3] = {{630, 2100, 0}, {4410, 3570, 0}, {4515, 5355, 0}};
    for (int i = 0; i < 3; ++i) {
        const double left = buttonRows[i][0], top = buttonRows[i][1];
        cmdCancel[i] = lx::twControl<QPushButton>(this, nullptr, left + 1260, top, 1065, 330, QStringLiteral("Cancel"));
        cmdCancel[i]->setObjectName(QStringLiteral("cmdCancel%1").arg(i));
        cmdHelp[i] = lx::twControl<QPushButton>(this, nullptr, left + 2520, top, 1065, 330, QStringLiteral("Help"));
        cmdHelp[i]->setObjectName(QStringLiteral("cmdHelp%1").arg(i));
        connect(cmdCancel[i], &QPushButton::clicked, this, &frmTriaxial1stStage::cmdCancel_Click);
        connect(cmdHelp[i], &QPushButton::clicked, this, &frmTriaxial1stStage::cmdHelp_Click);
    }

    picAssembly = lx::twControl<lx::PictureBox>(this, "picAssembly", M::picAssembly.left, M::picAssembly.top,
                                                M::picAssembly.width, M::picAssembly.height);
    picAssembly->setBackColor(Qt::white);
    lx::describePicture(picAssembly, QStringLiteral("Specimen measurement"),
                        QStringLiteral("The specimen measured before shearing: its height with a vernier, then its diameter "
                                       "with a pi tape."));
    lblClickMe = lx::twControl<QLabel>(picAssembly, "lblClickMe", 0, 0, 3060, 435, QStringLiteral("Click Me to Measure"));
    {
        QFont f(QStringLiteral("Tahoma"));
        f.setPointSizeF(14.25);
        f.setBold(true);
        lblClickMe->setFont(f);
        lblClickMe->setAlignment(Qt::AlignCenter);
        lblClickMe->setStyleSheet(QStringLiteral("color: yellow; background: transparent;"));
    }
    lblPicAssemblyMask = new lx::ClickMask(picAssembly, lblClickMe->text(), [this] { lblPicAssemblyMask_Click(); });
    lblPicAssemblyMask->setObjectName(QStringLiteral("lblPicAssemblyMask"));
    lblPicAssemblyMask->setGeometry(lx::twRect(0, 0, 3060, 2220));

    Timer1 = new QTimer(this);
    Timer1->setInterval(1000);
    connect(Timer1, &QTimer::timeout, this, &frmTriaxial1stStage::Timer1_Timer);
    Timer2 = new QTimer(this);
    Timer2->setInterval(100);
    connect(Timer2, &QTimer::timeout, this, &frmTriaxial1stStage::Timer2_Timer);

    connect(cmdAssemblyOK, &QPushButton::clicked, this, &frmTriaxial1stStage::cmdAssemblyOK_Click);
    connect(cmdNextAssembly, &QPushButton::clicked, this, &frmTriaxial1stStage::cmdNextAssembly_Click);

    // ---- saturation
    fraSaturation = boldFrame(this, "fraSaturation", QStringLiteral("Saturation"), 105, 2835, 4200, 1800);
    const QString satCaptions[4] = {QStringLiteral("Effective confining stress:"), QStringLiteral("Enter Back Pressure:"),
                                    QStringLiteral("B-value at current state:"), QStringLiteral("Currently applied Cell Pressure:")};
    const int satLabels[4] = {0, 1, 2, 6};
    const double satTops[4] = {260, 650, 1025, 1395};
    for (int i = 0; i < 4; ++i) {
        QLabel*& label = lblSaturation[std::size_t(satLabels[i])];
        label = lx::twControl<QLabel>(fraSaturation, nullptr, 60, satTops[i] + 15, 2420, 255, satCaptions[i]);
        label->setObjectName(QStringLiteral("lblSaturation%1").arg(satLabels[i]));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
        txtSaturation[i] = readOnlyBox(fraSaturation, nullptr, 2520, satTops[i], 765, 285);
        txtSaturation[i]->setObjectName(QStringLiteral("txtSaturation%1").arg(i));
        label->setBuddy(txtSaturation[i]);
    }
    vscEffectiveConfSat = pressureBar(fraSaturation, "vscEffectiveConfSat", 3285, 220, preshear::SaturationStressMin,
                                      preshear::SaturationStressMax, 1);
    vscBackPressure = pressureBar(fraSaturation, "vscBackPressure", 3285, 620, 0, preshear::BarMaximum, 10);
    lblmm[3] = lx::twControl<QLabel>(fraSaturation, "lblmm3", 3630, 275, 500, 255, QStringLiteral("kPa"));
    lblmm[4] = lx::twControl<QLabel>(fraSaturation, "lblmm4", 3630, 665, 500, 255, QStringLiteral("kPa"));
    lblmm[5] = lx::twControl<QLabel>(fraSaturation, "lblmm5", 3345, 1410, 500, 255, QStringLiteral("kPa"));
    connect(vscEffectiveConfSat, &QScrollBar::valueChanged, this, &frmTriaxial1stStage::vscEffectiveConfSat_Change);
    connect(vscBackPressure, &QScrollBar::valueChanged, this, &frmTriaxial1stStage::vscBackPressure_Change);
    // Only the two pressures enter the B-value and the cell pressure.
    connect(txtSaturation[0], &QLineEdit::textChanged, this, &frmTriaxial1stStage::txtSaturation_Change);
    connect(txtSaturation[1], &QLineEdit::textChanged, this, &frmTriaxial1stStage::txtSaturation_Change);
    cmdNextSaturation = lx::twControl<QPushButton>(this, "cmdNextSaturation", 4410, 3570, 1065, 330, QStringLiteral("Next"));
    connect(cmdNextSaturation, &QPushButton::clicked, this, &frmTriaxial1stStage::cmdNextSaturation_Click);

    PicSaturationMsg = lx::twControl<QWidget>(this, "PicSaturationMsg", 9000, 80, 3810, 3315);
    PicSaturationMsg->setAutoFillBackground(true);
    {
        QPalette pal = PicSaturationMsg->palette();
        pal.setColor(QPalette::Window, Qt::white);
        PicSaturationMsg->setPalette(pal);
    }
    lblSaturationMsg = lx::twControl<QLabel>(PicSaturationMsg, "lblSaturationMsg", 105, 105, 3630, 3030);
    lblSaturationMsg->setWordWrap(true);
    lblSaturationMsg->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblSaturationMsg->setStyleSheet(QStringLiteral("color: #000080;"));

    // ---- consolidation target
    Frame1 = boldFrame(this, "Frame1", QStringLiteral("Isotropic Consolidation"), 105, 4095, 4200, 1590);
    const int icLabels[3] = {5, 4, 3};
    const QString icCaptions[3] = {QStringLiteral("Final effective confining stress:"),
                                   QStringLiteral("Enter the increase in cell pressure:"), QStringLiteral("Applied cell Pressure:")};
    const double icTops[3] = {315, 735, 1155};
    for (int i = 0; i < 3; ++i) {
        QLabel*& label = lblSaturation[std::size_t(icLabels[i])];
        label = lx::twControl<QLabel>(Frame1, nullptr, 30, icTops[i] + 15, 2560, 255, icCaptions[i]);
        label->setObjectName(QStringLiteral("lblSaturation%1").arg(icLabels[i]));
        label->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    txtIC[0] = readOnlyBox(Frame1, "txtIC0", 2625, 315, 765, 285);
    txtIC[1] = lx::twControl<QLineEdit>(Frame1, "txtIC1", 2625, 735, 1065, 285);
    txtIC[2] = readOnlyBox(Frame1, "txtIC2", 2625, 1155, 1065, 285);
    for (int i = 0; i < 3; ++i)
        lblSaturation[std::size_t(icLabels[i])]->setBuddy(txtIC[i]);
    vscEffectiveConfIC = pressureBar(Frame1, "vscEffectiveConfIC", 3400, 285, 1, preshear::BarMaximum, 10);
    lblmm[8] = lx::twControl<QLabel>(Frame1, "lblmm8", 3720, 330, 450, 255, QStringLiteral("kPa"));
    lblmm[7] = lx::twControl<QLabel>(Frame1, "lblmm7", 3720, 750, 450, 255, QStringLiteral("kPa"));
    lblmm[6] = lx::twControl<QLabel>(Frame1, "lblmm6", 3720, 1170, 450, 255, QStringLiteral("kPa"));
    connect(vscEffectiveConfIC, &QScrollBar::valueChanged, this, &frmTriaxial1stStage::vscEffectiveConfIC_Change);
    connect(txtIC[0], &QLineEdit::textChanged, this, &frmTriaxial1stStage::txtIC_Change);
    connect(txtIC[1], &QLineEdit::textChanged, this, &frmTriaxial1stStage::txtIC_Change);
    cmdNextIC = lx::twControl<QPushButton>(this, "cmdNextIC", 4515, 5355, 1065, 330, QStringLiteral("Next"));
    connect(cmdNextIC, &QPushButton::clicked, this, &frmTriaxial1stStage::cmdNextIC_Click);

    PicIC1 = lx::twControl<QLabel>(this, "PicIC1", 4650, 10000, M::PicIC1.width, M::PicIC1.height);
    PicIC1->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Form_Load();
}

void frmTriaxial1stStage::Form_Load()
{
    lx::setLoamixIcon(this);
    setOuterSize(8200, 2930);
    Timer1->start();

    height1 = picture("height1.gif");
    PicSaturationMsg->move(lx::tw(9000), lx::tw(80));
    PicSaturationMsg->hide();
    PicIC1->move(lx::tw(4650), lx::tw(10000));
    PicIC1->hide();
    PicIC1->setPixmap(QPixmap::fromImage(picture("isotropicstress.gif")));
    vernier1 = picture("Vernier1.jpg");
    vernier2 = picture("Vernier2.jpg");
    piTape1 = picture("PiTape1.gif");
    piTape2 = picture("PiTape2.gif");

    lx::random().Randomize(secondsSinceMidnight());
    nRandomSat = lx::random().Rnd();
    attempts.reset();
    ScorePoint = 1.0f;
    drawPanel();
}

void frmTriaxial1stStage::setOuterSize(double widthTw, double heightTw) { lx::SetOuterSize(this, widthTw, heightTw); }

Phase frmTriaxial1stStage::phase() const { return imgAssembly1Top == 0 ? Phase::Diameter : Phase::Height; }

void frmTriaxial1stStage::drawPanel()
{
    // Back to front: the height picture, the two pi-tape pictures, the main scale, the vernier.
    lx::PictureBox& p = *picAssembly;
    p.Cls();
    p.PaintPicture(height1, M::height1.left, M::height1.top, M::height1.width, M::height1.height);
    p.PaintPicture(piTape1, M::imgAssembly0.left, imgAssembly0Top, M::imgAssembly0.width, M::imgAssembly0.height);
    p.PaintPicture(piTape2, M::imgAssembly1.left, imgAssembly1Top, M::imgAssembly1.width, M::imgAssembly1.height);
    p.PaintPicture(vernier1, imgVernier1Left, M::imgVernier1.top, M::imgVernier1.width, M::imgVernier1.height);
    if (imgVernier2Visible)
        p.PaintPicture(vernier2, M::imgVernier2.left, imgVernier2Top, M::imgVernier2.width, M::imgVernier2.height);
}

bool frmTriaxial1stStage::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::KeyPress) {
        const int key = static_cast<QKeyEvent*>(event)->key();
        if ((key == Qt::Key_Return || key == Qt::Key_Enter) && cmdAssemblyOK->isEnabled() && cmdAssemblyOK->isVisible()) {
            for (QLineEdit* box : txtSpecimen)
                if (watched == box) {
                    cmdAssemblyOK_Click();
                    return true;
                }
        }
    }
    return QWidget::eventFilter(watched, event);
}

void frmTriaxial1stStage::Timer1_Timer() { lblClickMe->setVisible(!lblClickMe->isVisible()); }

void frmTriaxial1stStage::lblPicAssemblyMask_Click()
{
    // The pi tape's vernier is still coming down: nothing to measure yet.
    if (Timer2->isActive())
        return;
    imgVernier2Visible = true;
    if (imgAssembly0Top != 0) {
        placeScaleForReading();
        cmdAssemblyOK->setEnabled(true);
    } else {
        // The diameter: the tape's close-up comes up and its vernier slides down onto it;
        // the reading starts when it has arrived.
        imgAssembly0Top = 2000;
        imgAssembly1Top = 0;
        imgVernier2Top = -2970;
        Timer2->start();
        cmdAssemblyOK->setEnabled(false);
    }
    Timer1->stop();
    lblClickMe->hide();
    drawPanel();
}

void frmTriaxial1stStage::placeScaleForReading()
{
    lx::random().Randomize(secondsSinceMidnight());
    const float u = lx::random().Rnd();
    imgVernier1Left = preshear::mainScaleLeft(u, phase());
    // A student at the keyboard goes on where the reading is typed.
    if (lblPicAssemblyMask->hasFocus())
        txtSpecimen[phase() == Phase::Height ? 0 : 1]->setFocus(Qt::OtherFocusReason);
    lblPicAssemblyMask->hide();
}

void frmTriaxial1stStage::Timer2_Timer()
{
    if (imgVernier2Top < 1100) {
        imgVernier2Top += 200;
        drawPanel();
        return;
    }
    imgVernier2Top = M::imgVernier2.top;
    Timer2->stop();
    lblPicAssemblyMask_Click();
}

void frmTriaxial1stStage::cmdAssemblyOK_Click()
{
    if (Timer2->isActive() || !cmdAssemblyOK->isEnabled())
        return;
    for (;;) {
        const double reading = preshear::scaleReading(imgVernier1Left);
        const Phase now = phase();
        QLineEdit* entry = txtSpecimen[now == Phase::Height ? 0 : 1];
        if (preshear::readingAccepted(reading, lx::Val(entry->text()))) {
            entry->setReadOnly(true);
            imgVernier1Left = preshear::ParkedScaleLeft;
            imgVernier2Visible = false;
            attempts.reset();
            if (now == Phase::Height) {
                lblAssembly[1]->show();
                lblmm[1]->show();
                txtSpecimen[1]->show();
                txtSpecimen[1]->setFocus();
                imgAssembly0Top = 0;
                Timer1->start();
                lblClickMe->show();
                lblPicAssemblyMask->show();
                cmdAssemblyOK->setEnabled(false);
            } else {
                cmdAssemblyOK->hide();
                cmdNextAssembly->setEnabled(true);
                lblAssembly[2]->show();
                txtSpecimen[2]->show();
                lblmm[2]->show();
                cmdNextAssembly->setFocus();
            }
            drawPanel();
            return;
        }
        const auto outcome = attempts.failOfThree(
            DimensionsTitle, QStringLiteral("Please enter the correct value with one digit after the decimal."), ScorePoint);
        if (outcome != preshear::AttemptRule::MoveOn)
            return;
        entry->setText(lx::DoubleText(lx::Round(reading, 1)));
    }
}

void frmTriaxial1stStage::txtSpecimen_Change()
{
    const double H = lx::Val(txtSpecimen[0]->text()), D = lx::Val(txtSpecimen[1]->text());
    txtSpecimen[2]->setText(lx::DoubleText(preshear::specimenVolume(H, D)));
}

void frmTriaxial1stStage::cmdNextAssembly_Click()
{
    const double H = lx::Val(txtSpecimen[0]->text()), D = lx::Val(txtSpecimen[1]->text());
    if (const QString problem = preshear::specimenRangeMessage(H, D); !problem.isEmpty()) {
        lx::messages().msgs(1, DimensionsTitle, problem, OkOnly);
        return;
    }
    if (strTestType == QStringLiteral("UUC ")) {
        lx::HideChild(this);
        lx::messages().msgs(1, DimensionsTitle,
                            QStringLiteral("Finished the measurement of specimen dimensions. ") + QStringLiteral("\r\r")
                                + QStringLiteral("Go to next step of Triaxial Compression."),
                            OkOnly);
        unloadMe();
        return;
    }
    enterSaturation();
}

void frmTriaxial1stStage::leaveStep(int row, QPushButton* next, QGroupBox* frame, double newHeightTw)
{
    // The window grows to the next step; the finished one stays in view, disabled, without its buttons.
    setOuterSize(8400, newHeightTw);
    cmdCancel[std::size_t(row)]->hide();
    next->hide();
    cmdHelp[std::size_t(row)]->hide();
    frame->setEnabled(false);
}

void frmTriaxial1stStage::enterSaturation()
{
    leaveStep(0, cmdNextAssembly, fraAssembly, 4400);
    fraAssembly->setFixedWidth(lx::tw(4200));
    vscEffectiveConfSat->setValue(preshear::BarMaximum - 10);
    vscBackPressure->setValue(preshear::BarMaximum - 20);
    vscEffectiveConfSat_Change();
    vscBackPressure_Change();
    txtSaturation_Change();
    fraSaturation->move(fraSaturation->x(), lx::tw(2100));
    Timer1->stop();
    picAssembly->move(picAssembly->x(), lx::tw(-3000));
    picAssembly->hide();
    PicSaturationMsg->move(lx::tw(4400), PicSaturationMsg->y());
    PicSaturationMsg->show();
    lblSaturationMsg->setText(lx::displayText(
        QStringLiteral("For triaxial testing, the samples should be 100% saturated. ")
        + QStringLiteral("Natural samples usually have low saturation due to the loss of moisture content during sampling and handling. ")
        + QStringLiteral("\r\r")
        + QStringLiteral("A backpressure technique is used to improve saturation by increasing the pore pressure and total confining pressure by the same amount")
        + QStringLiteral("The increased pore pressure dissolves entrapped air and the saturation level increases. ")
        + QStringLiteral("After each increment, the pore pressure parameter B is checked to be greater than 0.95 for good saturation (saturation level > 99%). ")
        + QStringLiteral("\r\r") + QStringLiteral("See Help for more information.")));
}

void frmTriaxial1stStage::vscBackPressure_Change() { txtSaturation[1]->setText(QString::number(shownValue(vscBackPressure))); }

void frmTriaxial1stStage::vscEffectiveConfSat_Change()
{
    // The bar cannot pass the box's limits, so box and bar always agree.
    txtSaturation[0]->setText(QString::number(preshear::saturationStressShown(shownValue(vscEffectiveConfSat))));
}

void frmTriaxial1stStage::txtSaturation_Change()
{
    const double bp = lx::Val(txtSaturation[1]->text());
    txtSaturation[2]->setText(preshear::BValueText(bp, nRandomSat));
    txtSaturation[3]->setText(lx::DoubleText(lx::Val(txtSaturation[0]->text()) + bp));
}

void frmTriaxial1stStage::cmdNextSaturation_Click()
{
    if (!preshear::saturated(txtSaturation[2]->text())) {
        lx::messages().msgs(1, QStringLiteral("Specimen Saturation"),
                            QStringLiteral("You should have B > 0.95 for good saturation. Increase Back Pressure. "), OkOnly);
        return;
    }
    enterTarget();
}

void frmTriaxial1stStage::enterTarget()
{
    leaveStep(1, cmdNextSaturation, fraSaturation, 6200);
    vscEffectiveConfIC->setValue(preshear::BarMaximum - 200);
    vscEffectiveConfIC_Change();
    txtIC[2]->setText(txtSaturation[3]->text());
    PicSaturationMsg->move(lx::tw(9000), PicSaturationMsg->y());
    PicSaturationMsg->hide();
    PicIC1->move(PicIC1->x(), lx::tw(700));
    PicIC1->show();
    attempts.reset();
}

void frmTriaxial1stStage::vscEffectiveConfIC_Change() { txtIC[0]->setText(QString::number(shownValue(vscEffectiveConfIC))); }

void frmTriaxial1stStage::txtIC_Change()
{
    const double increase = lx::Val(txtIC[1]->text());
    txtIC[2]->setText(
        lx::DoubleText(increase + lx::Val(txtSaturation[0]->text()) + lx::Val(txtSaturation[1]->text())));
}

void frmTriaxial1stStage::cmdNextIC_Click()
{
    const double target = lx::Val(txtIC[0]->text()), saturation = lx::Val(txtSaturation[0]->text());
    if (!preshear::targetReachable(target, saturation)) {
        lx::messages().msgs(1, ConsolidationTitle,
                            QStringLiteral("The final effective confining stress must be greater than the effective confining "
                                           "stress held during saturation (")
                                + txtSaturation[0]->text() + QStringLiteral(" kPa). Please raise it."),
                            OkOnly);
        return;
    }
    if (!preshear::increaseAccepted(target, saturation, lx::Val(txtIC[1]->text()))) {
        const auto outcome = attempts.failOfThree(ConsolidationTitle, QStringLiteral("Current Cell Pressure is not appropriate. Please Check"),
                                                  ScorePoint);
        if (outcome == preshear::AttemptRule::MoveOn)
            txtIC[1]->setText(lx::DoubleText(preshear::requiredIncrease(target, saturation)));
        return;
    }
    preshear::HandOver values;
    values.target = txtIC[0]->text();
    values.increase = txtIC[1]->text();
    values.cellPressure = txtIC[2]->text();
    values.saturationStress = txtSaturation[0]->text();
    values.backPressure = txtSaturation[1]->text();
    values.height = txtSpecimen[0]->text();
    values.volume = txtSpecimen[2]->text();
    values.diameter = txtSpecimen[1]->text();
    values.score = ScorePoint;
    frmTriaxialICStage* record = frmTriaxialICStage::HandOver(values);
    unloadMe();
    record->ShowRecord();
}

void frmTriaxial1stStage::cmdCancel_Click()
{
    fraAssembly->setEnabled(false);
    fraSaturation->setEnabled(false);
    unloadMe();
}

void frmTriaxial1stStage::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SpecimenDimensions.htm")); }

void frmTriaxial1stStage::unloadMe()
{
    Timer1->stop();
    Timer2->stop();
    lx::SingleInstance<frmTriaxial1stStage>::forget(this);
    lx::UnloadLater(this);
}
