#include "triaxial/dlgTriaxialSel.h"

#include "triaxial/TriaxialRun.h"
#include "app/ChildWindows.h"
#include "platform/Controls.h"
#include "triaxial/PreShear.h"
#include "triaxial/frmTriaxial1stStage.h"
#include "triaxial/frmTriaxialCell.h"

#include "app/FrameAssets.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "app/frmMDI.h"
#include "platform/Fonts.h"
#include "platform/Geometry.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using namespace triaxial;

dlgTriaxialSel::dlgTriaxialSel()
{
    setWindowTitle(QStringLiteral("Triaxial Test Selection"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));

    fraDrainage = new QGroupBox(QStringLiteral("Drainage Conditions"), this);
    fraDrainage->setGeometry(lx::twRect(120, 120, 3000, 1335));
    Label1 = new QLabel(QStringLiteral(" (during shearing)"), fraDrainage);
    Label1->setGeometry(lx::twRect(120, 270, 2700, 255));
    optUndrained = new QRadioButton(QStringLiteral("Undrained"), fraDrainage);
    optUndrained->setGeometry(lx::twRect(240, 570, 2600, 300));
    optDrained = new QRadioButton(QStringLiteral("Drained"), fraDrainage);
    optDrained->setGeometry(lx::twRect(240, 930, 2600, 300));

    fraConsolidation = new QGroupBox(QStringLiteral("Consolidation Type"), this);
    fraConsolidation->setGeometry(lx::twRect(120, 1575, 3000, 1095));
    optIsotropic = new QRadioButton(QStringLiteral("Isotropic Consolidation"), fraConsolidation);
    optIsotropic->setGeometry(lx::twRect(240, 330, 2600, 300));
    optUnconsolidated = new QRadioButton(QStringLiteral("Unconsolidated"), fraConsolidation);
    optUnconsolidated->setGeometry(lx::twRect(240, 690, 2600, 300));

    lblTestSelected = new QLabel(QStringLiteral("CIUC Test"), this);
    lblTestSelected->setGeometry(lx::twRect(120, 2790, 3000, 330));
    lblTestSelected->setAlignment(Qt::AlignCenter);
    lblTestSelected->setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 9.75, true));
    lblTestSelected->setForegroundRole(QPalette::Highlight);

    const QString accept = QStringLiteral("Accept Selection");
    cmdShearDataAnalysis = lx::twButton(this, QStringLiteral("Triaxial Compression"), accept, 3360, 210, 3240, 495);
    cmdSaturationConsolidation = lx::twButton(this, QStringLiteral("Assembly, Saturation and Consolidation"), accept, 3360, 825, 3240, 495);
    cmdParametricStudy = lx::twButton(this, QStringLiteral("Parametric Study"), accept, 3360, 1440, 3240, 495);
    CancelButton = lx::twButton(this, QStringLiteral("Cancel"), QStringLiteral("Exit & Go Back, Press F1 for Help"), 3360, 2625, 1560, 495);
    cmdHelp = lx::twButton(this, QStringLiteral("Help"), QString(), 5040, 2625, 1560, 495);

    optUndrained->setChecked(true);
    optIsotropic->setChecked(true);

    // Each option's handler runs once its own group has changed, however it was selected.
    lx::onSelected(optDrained, this, &dlgTriaxialSel::optDrained_Click);
    lx::onSelected(optUndrained, this, &dlgTriaxialSel::optUndrained_Click);
    lx::onSelected(optIsotropic, this, &dlgTriaxialSel::optIsotropic_Click);
    lx::onSelected(optUnconsolidated, this, &dlgTriaxialSel::optUnconsolidated_Click);
    connect(cmdShearDataAnalysis, &QPushButton::clicked, this, &dlgTriaxialSel::cmdShearDataAnalysis_Click);
    connect(cmdSaturationConsolidation, &QPushButton::clicked, this, &dlgTriaxialSel::cmdSaturationConsolidation_Click);
    connect(cmdParametricStudy, &QPushButton::clicked, this, &dlgTriaxialSel::cmdParametricStudy_Click);
    connect(CancelButton, &QPushButton::clicked, this, &dlgTriaxialSel::CancelButton_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &dlgTriaxialSel::cmdHelp_Click);

    setMouseTracking(true);
    lx::MakeChild(this, 6840, 3660, true);
    Form_Load();
}

void dlgTriaxialSel::Form_Load() { lx::setLoamixIcon(this); }

void dlgTriaxialSel::optDrained_Click()
{
    optUnconsolidated->setChecked(false);
    optUnconsolidated->setEnabled(false);
    if (optIsotropic->isChecked())
        lblTestSelected->setText(TestLabel(TestKind::CIDC));
}

void dlgTriaxialSel::optUndrained_Click()
{
    optUnconsolidated->setEnabled(true);
    if (optIsotropic->isChecked())
        lblTestSelected->setText(TestLabel(TestKind::CIUC));
    if (optUnconsolidated->isChecked())
        lblTestSelected->setText(TestLabel(TestKind::UUC));
}

void dlgTriaxialSel::optIsotropic_Click()
{
    optDrained->setEnabled(true);
    if (optDrained->isChecked())
        lblTestSelected->setText(TestLabel(TestKind::CIDC));
    if (optUndrained->isChecked())
        lblTestSelected->setText(TestLabel(TestKind::CIUC));
}

void dlgTriaxialSel::optUnconsolidated_Click()
{
    optDrained->setEnabled(false);
    optUndrained->setChecked(true);
    optUndrained_Click();
    lblTestSelected->setText(TestLabel(TestKind::UUC));
}

namespace {

// Opens the cell picture on a road and offers the specimen kinds the road's test has.
void OpenCellPicture(const Road& road)
{
    frmTriaxialCell& cell = lx::SingleInstance<frmTriaxialCell>::get();
    cell.SetSimType(road.simType);
    cell.setWindowTitle(road.caption);
    lx::ShowInFront(&cell);
    if (basGlobal::MainForm) {
        basGlobal::MainForm->mnuSpecimenSand->setVisible(road.sand);
        basGlobal::MainForm->mnuSpecimenGravel->setVisible(road.gravel);
    }
}

} // namespace

void dlgTriaxialSel::cmdShearDataAnalysis_Click()
{
    if (const auto test = SelectedTest(optDrained->isChecked(), optUndrained->isChecked(), optIsotropic->isChecked(),
                                       optUnconsolidated->isChecked()))
        OpenCellPicture(ShearRoad(*test));
    State().cell.nSpecimen = 0;
    basGlobal::ConfiningStressKPa = 0;
    basGlobal::BackPressureKPa = 0;
}

void dlgTriaxialSel::cmdParametricStudy_Click()
{
    if (const auto test = SelectedTest(optDrained->isChecked(), optUndrained->isChecked(), optIsotropic->isChecked(),
                                       optUnconsolidated->isChecked()))
        OpenCellPicture(StudyRoad(*test));
}

void dlgTriaxialSel::cmdSaturationConsolidation_Click()
{
    // The type goes over on every opening, empty for the consolidated tests.
    const bool uuc = optUndrained->isChecked() && optUnconsolidated->isChecked();
    preshear::OpenPreShear(uuc ? TestCode(TestKind::UUC) : QString());
}

void dlgTriaxialSel::CancelButton_Click() { lx::UnloadLater(this); }

void dlgTriaxialSel::cmdHelp_Click() { ShowHelpTopic(1, QStringLiteral("html/Simulations/SimTriaxial.htm")); }

void dlgTriaxialSel::Form_MouseMove()
{
    if (!basGlobal::StartupQuizPending)
        return;
    basGlobal::PressQuizButton(200);
    basGlobal::StartupQuizPending = false;
}

void dlgTriaxialSel::mouseMoveEvent(QMouseEvent* event)
{
    Form_MouseMove();
    QWidget::mouseMoveEvent(event);
}
