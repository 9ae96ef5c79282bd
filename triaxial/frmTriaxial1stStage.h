#pragma once
// The graded steps before shearing in one window that grows downwards: measuring the
// specimen with a vernier calliper and a pi tape, saturating it with back pressure, and
// setting the target of the isotropic consolidation, which hands over to the record.
#include "triaxial/PreShearSteps.h"
#include "lab/ClickMask.h"

#include <QGroupBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTimer>
#include <QWidget>

#include <array>

namespace lx {
class PictureBox;
}

class frmTriaxial1stStage : public QWidget {
    Q_OBJECT
public:
    // The caption the window is designed with (any test but the unconsolidated one).
    static const QString DesignCaption;

    frmTriaxial1stStage();

    // "UUC " for the unconsolidated-undrained test; empty for any other.
    void SetSimType(const QString& vNewValue) { strTestType = vNewValue; }
    const QString& simType() const { return strTestType; }

    // Grade of the pre-shear steps, 1.0 = full marks.
    float ScorePoint = 1.0f;
    float randomConstant() const { return nRandomSat; }
    preshear::Phase phase() const;
    // Where the main scale stands now (twips in the panel) and what it reads there.
    double mainScaleLeft() const { return imgVernier1Left; }
    bool sliding() const { return Timer2->isActive(); }

    // The step's frames and controls, by their names.
    QGroupBox* fraAssembly;
    std::array<QLabel*, 3> lblAssembly{};
    std::array<QLineEdit*, 3> txtSpecimen{};
    std::array<QLabel*, 9> lblmm{};
    QPushButton* cmdAssemblyOK;
    QPushButton* cmdNextAssembly;
    std::array<QPushButton*, 3> cmdCancel{};
    std::array<QPushButton*, 3> cmdHelp{};
    lx::PictureBox* picAssembly;
    lx::ClickMask* lblPicAssemblyMask;
    QLabel* lblClickMe;
    QTimer* Timer1;
    QTimer* Timer2;

    QGroupBox* fraSaturation;
    std::array<QLabel*, 7> lblSaturation{};
    std::array<QLineEdit*, 4> txtSaturation{};
    QScrollBar* vscEffectiveConfSat;
    QScrollBar* vscBackPressure;
    QPushButton* cmdNextSaturation;
    QWidget* PicSaturationMsg;
    QLabel* lblSaturationMsg;

    QGroupBox* Frame1;
    std::array<QLineEdit*, 3> txtIC{};
    QScrollBar* vscEffectiveConfIC;
    QPushButton* cmdNextIC;
    QLabel* PicIC1;

public slots:
    void lblPicAssemblyMask_Click();
    void Timer1_Timer();
    void Timer2_Timer();
    void cmdAssemblyOK_Click();
    void txtSpecimen_Change();
    void cmdNextAssembly_Click();
    void vscEffectiveConfSat_Change();
    void vscBackPressure_Change();
    void txtSaturation_Change();
    void cmdNextSaturation_Click();
    void vscEffectiveConfIC_Change();
    void txtIC_Change();
    void cmdNextIC_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Load();
    void setOuterSize(double widthTw, double heightTw);
    // Draws the measurement panel from the pictures' places.
    void drawPanel();
    void placeScaleForReading();
    void leaveStep(int row, QPushButton* next, QGroupBox* frame, double newHeightTw);
    void enterSaturation();
    void enterTarget();
    void unloadMe();

    QString strTestType;
    float nRandomSat = 0;
    preshear::AttemptRule attempts;

    // The measurement pictures and where they stand in the panel (twips).
    QImage height1, vernier1, vernier2, piTape1, piTape2;
    double imgVernier1Left = 3500;
    double imgVernier2Top = 1130;
    bool imgVernier2Visible = false;
    double imgAssembly0Top = 2310;
    double imgAssembly1Top = 2250;
};
