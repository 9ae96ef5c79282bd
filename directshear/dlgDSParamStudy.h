#pragma once
// The direct shear parametric study: the student picks one of four sands, sees the normal
// stress and initial void ratio of up to three of its stored tests, and creates reports
// that lay them side by side. Closing it after a report credits the study activity.
#include "lab/StudyClose.h"
#include "directshear/DirectShearStudy.h"
#include "platform/Database.h"

#include <QWidget>

#include <array>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class frmDirectShearReport;

class dlgDSParamStudy : public QWidget {
    Q_OBJECT
public:
    dlgDSParamStudy();
    ~dlgDSParamStudy() override;

    void Form_Load();
    void Form_Unload();
    void CboParOption_Click();
    // A new report of the chosen sand's tests (it shows itself); null when no sand with a
    // test to report is chosen.
    frmDirectShearReport* cmdCreate_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    const directshear::ParamStudy& study() const { return study_; }
    bool reportCreated() const { return ending.reportCreated(); }

    QComboBox* CboParOption;
    QGroupBox* fraParameters;
    QLabel* Label1;
    QLabel* Label2;
    std::array<QLineEdit*, 3> txtNormalStressValues{};
    std::array<QLineEdit*, 3> txt_e_Values{};
    QPushButton* cmdCreate;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void showStudy();
    directshear::ParamStudy study_;
    lx::Connection connection;
    lx::StudyClose ending;
};
