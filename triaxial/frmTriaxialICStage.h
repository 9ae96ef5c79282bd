#pragma once
// The isotropic consolidation record: ten rows played back one per half second from the
// record's formulas, the consolidation curve beside them, and the two graded questions
// (the end stress, the dimensions after consolidation) that finish the steps before
// shearing and credit the activity.
#include "triaxial/PreShearSteps.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTimer>
#include <QWidget>

#include <array>
#include <memory>
#include <optional>

namespace lx {
class PictureBox;
class ChartTrace;
}

class frmTriaxialICStage : public QWidget {
    Q_OBJECT
public:
    // Closes a record window that is open and makes a new one from the values handed
    // over (not shown yet).
    static frmTriaxialICStage* HandOver(const preshear::HandOver& values);
    // Shows it modeless as a child window of the main window.
    void ShowRecord();

    frmTriaxialICStage();
    ~frmTriaxialICStage() override;

    const preshear::ConsolidationRecord& record() const { return *nRecord; }
    float score() const { return nScore; }
    int nextRow() const { return nRecordRow; }

    static constexpr int Rows = preshear::ConsolidationRecord::Rows;
    std::array<QLineEdit*, Rows> txtICdataTime{}, txtICdataCellP{}, txtICdataPoreP{}, txtICdataDisp{},
        txtICdataAxialStrain{}, txtExpelledPoreFluid{}, txtICdataVolStrain{};
    std::array<QLabel*, 7> lblICDataHeader{};
    QGroupBox* fraBeforeConsolidation;
    std::array<QLineEdit*, 3> txtBeforeIC{};
    QGroupBox* fraAfterConsolidation;
    std::array<QLineEdit*, 3> txtAfterIC{};
    QLineEdit* txtEffectiveConf;
    QLineEdit* txtBackPressure;
    lx::PictureBox* PicDraw;
    std::array<QLabel*, 5> lblUnitX{}, lblUnitY{};
    QPushButton* cmdOK;
    QPushButton* cmdDone;
    std::array<QPushButton*, 2> cmdHelp{};
    QTimer* TimerRecordData;

public slots:
    void TimerRecordData_Timer();
    void cmdOK_Click();
    void cmdDone_Click();
    void cmdHelp_Click();

private:
    // Loads the record from the values of the steps.
    void Form_Load(const preshear::HandOver& values);
    void closeMe();

    preshear::HandOver in;
    std::unique_ptr<preshear::ConsolidationRecord> nRecord;
    std::unique_ptr<lx::ChartTrace> curve;
    int nRecordRow = 1;
    float nScore = 1.0f;
    preshear::AttemptRule attempts;
};
