#pragma once
// The set-up form of a true triaxial or hollow-cylinder run: the assembly on the left (the
// cube's slide show with its notes, or the hollow cylinder's sketch animation), the soil,
// Beta angle and b-value lists with the parameters of the chosen test on the right, and
// Start, which hands the run to the data-acquisition screen. One instance; it reads the
// kind from the entry dialog when it loads.
#include "truetriaxial/CubeShow.h"
#include "truetriaxial/TrueTriaxialRun.h"

#include "lab/ClickMask.h"
#include "platform/Database.h"

#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QFrame;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTextEdit;
class QTimer;

namespace lx {
class AssemblyView;
class PictureBox;
} // namespace lx

class frmTTT : public QWidget {
    Q_OBJECT
public:
    frmTTT();
    ~frmTTT() override;

    void Form_Load();
    void cboParamOptions_Click();
    void cboBeta_Click();
    void cbo_b_value_Click();
    void cmdStart_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();
    // The assembly (Part of the show).
    void lblMask_Click();
    void cmdNext_Click();
    void cmdPrev_Click();
    void cmdSkip_Click();
    void Timer1_Timer();
    void Timer2_Timer();

    truetriaxial::Kind kind() const { return kind_; }
    const QString& TestID() const { return testId_; }
    const QStringList& ParamTexts() const { return paramTexts_; }
    const truetriaxial::CubeShow& show() const { return show_; }

    lx::PictureBox* picAssembly;
    QLabel* lblAssembly;
    lx::ClickMask* lblMask;
    std::array<QTextEdit*, 10> rtfComments;
    QFrame* Line1;
    QFrame* Line2;   // Line2(2), under the Beta angle and b-value lists
    QLabel* imgTTT;
    lx::AssemblyView* imgHCT;   // the hollow cylinder's sketches, imgHCT_1 to imgHCT_15
    QPushButton* cmdPrev;
    QPushButton* cmdNext;
    QPushButton* cmdSkip;
    QPushButton* cmdStart;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;
    QGroupBox* fraSoilInfo;
    QComboBox* cboParamOptions;
    QComboBox* cboBeta;
    QComboBox* cbo_b_value;
    std::array<QLabel*, 12> lblParameter;
    std::array<QLineEdit*, 10> txtParameter;
    QTimer* Timer1;
    QTimer* Timer2;

private:
    void LoadSoilParameters();
    void applyShow();
    void setBoxes(const QStringList& texts);
    truetriaxial::CubeShow::Choices choices() const;
    // Runs a query on the form's connection; false after a message when it cannot.
    bool query(lx::Recordset& rs, const QString& sql);

    truetriaxial::Kind kind_ = truetriaxial::Kind::Cube;
    double referenceNumber_ = 0;
    QString testId_;
    QString sql_;
    QStringList paramTexts_;
    std::vector<truetriaxial::ListedValue> betas_, bValues_;
    truetriaxial::CubeShow show_;
    lx::Connection connection_;
};
