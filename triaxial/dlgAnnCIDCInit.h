#pragma once
// The initialization summary: the chosen stored test's specimen parameters, and the way on
// to the shear screen or the report. A new one per confirmed run; it takes its own copy of
// the run at load, so later changes in the cell picture or the specimen dialog miss it.
#include <QWidget>
#include <array>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

class dlgAnnCIDCInit : public QWidget {
    Q_OBJECT
public:
    dlgAnnCIDCInit();

    void Form_Load();
    // The range check of a box the student changed; Cancel keeps the focus in the box.
    void txtInit_Validate(int Index, bool& Cancel);
    void cmdAdvanced_Click();
    void cmdStartTest_Click();
    void cmdReport_Click();
    void cmdCancel_Click();

    QLabel* lblTestID;
    QLineEdit* txtTestID;
    QLabel* lblSoil;
    QGroupBox* fraBasicInit;
    QGroupBox* fraAdvancedInit;
    std::array<QLineEdit*, 8> txtInit{};
    std::array<QLabel*, 9> lblInit{};
    QPushButton* cmdStartTest;
    QPushButton* cmdReport;
    QPushButton* cmdCancel;
    QPushButton* cmdAdvanced;

    // What the run hands on (read by tests and by the screens that follow).
    QString mSimType;
    QString mSoilType;
    QString mTestID;
    QString mSpecimen;
    std::array<double, 8> InitData{};
    QString mConnectionString;
    QString mRunTitle;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Checks every box the student changed, first failure first; false after its message.
    bool ValidateChanged();
    // False, after saying so, when no reference database holds the run's test.
    bool HasDatabase();
};
