#pragma once
// The specimen dialog: the soils the reference database holds for the chosen kind and test
// type, the distinct confining stresses of the chosen soil's tests, and the parameters of
// the matching stored test. OK hands the specimen to the cell picture. Its public values
// (soil, reference number, test identifier) live in triaxial::State().specimen, where the
// summary reads them after the dialog has closed.
#include "platform/Database.h"

#include <QWidget>
#include <array>
#include <memory>

class QComboBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class dlgSpecimenCIDC : public QWidget {
    Q_OBJECT
public:
    dlgSpecimenCIDC();
    ~dlgSpecimenCIDC() override;

    void Form_Load();
    void CboParOption_Click();
    void cboConfStress_Click();
    void cmdAdvanced_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    QComboBox* CboParOption;
    QLabel* lblConfStress;
    QComboBox* cboConfStress;
    QGroupBox* fraBasic;
    QGroupBox* fraAdvanced;
    std::array<QLineEdit*, 7> txtSpecimenParameters{};
    std::array<QLabel*, 7> lblSpecimen{};
    QLabel* lblAdvanced2;
    QPushButton* cmdAdvanced;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

private:
    void CloseRecordset();
    // The stresses of the open recordset's records, in stored order.
    std::vector<double> Stresses();

    lx::Connection connection;
    std::unique_ptr<lx::Recordset> recordset;
    int stressPosition = 8;
    QString lastSql;
    int stressCount = 0;
    std::array<double, 8> init{};
};
