#pragma once
// The parametric study of the true triaxial family: the stored tests of one soil at about
// one consolidation pressure, up to seven, listed by their b-value (cube) or Beta angle
// (hollow cylinder) in ascending order, and reported side by side. One instance; closing
// it after a report credits the study when a quiz file is open.
#include "lab/StudyClose.h"
#include "truetriaxial/TrueTriaxialRun.h"

#include "platform/Database.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;
class frmTTTReport;

class dlgTTT_HCT_param : public QWidget {
    Q_OBJECT
public:
    static constexpr int MaxTests = 7;

    dlgTTT_HCT_param();
    ~dlgTTT_HCT_param() override;

    void Form_Load();
    void opt_b_value_Click();
    void optBetaAngle_Click();
    void CboParOption_Click();
    frmTTTReport* cmdCreate_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    truetriaxial::Kind kind() const { return kind_; }
    // 0 the report's title, 1 to 7 the TestIDs of the listed values in box order.
    const QStringList& StudyTitles() const { return titles_; }
    int testCount() const { return count_; }
    bool reportMade() const { return ending.reportCreated(); }

    QLabel* lblParameters;
    QGroupBox* fraParameters;
    QRadioButton* opt_b_value;
    QRadioButton* optBetaAngle;
    QComboBox* CboParOption;
    QLabel* lblParameterVal;
    QLineEdit* txtParameterVal;
    QLabel* lblParameterVar;
    std::array<QLineEdit*, MaxTests> txtValues;
    QPushButton* cmdCreate;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

private:
    void chooseOption(bool bValue);
    void clearValues();

    truetriaxial::Kind kind_ = truetriaxial::Kind::Cube;
    QStringList titles_;
    int count_ = 0;
    lx::Connection connection_;
    lx::StudyClose ending;
};
