#pragma once
// The parametric-study dialog: the student chooses the varied parameter and a soil, sees up
// to five stored tests of that soil listed by their varied value, and creates study reports
// of them. Closing it after a report credits the study activity in the quiz file.
#include "lab/StudyClose.h"
#include "platform/Database.h"
#include "triaxial/ParamStudy.h"

#include <QWidget>

#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace lx {
class frmStudyReport;
}

class dlgCIDCParamStudy : public QWidget {
    Q_OBJECT
public:
    explicit dlgCIDCParamStudy(QWidget* parent = nullptr);
    ~dlgCIDCParamStudy() override;

    QString strSpecimen;
    QString strSimType;

    void Form_Load();
    void Form_Unload();
    void optPressure_Click();
    void optVoidRatio_Click();
    void CboParOption_Click();
    // Creates a report in a new window and returns it; null when there is nothing to report
    // (the student is told why) or the database cannot be read.
    lx::frmStudyReport* cmdCreate_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    const paramstudy::ParamStudy& study() const { return *study_; }
    bool reportCreated() const { return ending.reportCreated(); }
    const QString& connectionString() const { return connectionString_; }

    QLabel* lblParameters;
    QGroupBox* fraParameters;
    QRadioButton* optPressure;
    QRadioButton* optVoidRatio;
    QComboBox* CboParOption;
    QLabel* lblParameterVal;
    QLineEdit* txtParameterVal;
    QLabel* lblParameterVar;
    std::array<QLineEdit*, 5> txtValues{};
    QPushButton* cmdCreate;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    std::unique_ptr<paramstudy::ParamStudy> study_;
    QString connectionString_;
    lx::Connection connection;
    lx::StudyClose ending;

    void chooseVaries(paramstudy::Varies varies, const QString& fixedLabel, const QString& variedLabel);
    void showValues();
};
