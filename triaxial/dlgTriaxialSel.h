#pragma once
// The triaxial test chooser: drainage and consolidation name the test, and three buttons
// start its roads (the shear test and the study on the cell picture, the steps before
// shearing). One instance; it stays open while the road it started runs.
#include <QWidget>

class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class dlgTriaxialSel : public QWidget {
    Q_OBJECT
public:
    dlgTriaxialSel();

    void Form_Load();
    void optDrained_Click();
    void optUndrained_Click();
    void optIsotropic_Click();
    void optUnconsolidated_Click();
    void cmdShearDataAnalysis_Click();
    void cmdSaturationConsolidation_Click();
    void cmdParametricStudy_Click();
    void CancelButton_Click();
    void cmdHelp_Click();
    void Form_MouseMove();

    QGroupBox* fraDrainage;
    QRadioButton* optUndrained;
    QRadioButton* optDrained;
    QLabel* Label1;
    QGroupBox* fraConsolidation;
    QRadioButton* optIsotropic;
    QRadioButton* optUnconsolidated;
    QLabel* lblTestSelected;
    QPushButton* cmdShearDataAnalysis;
    QPushButton* cmdSaturationConsolidation;
    QPushButton* cmdParametricStudy;
    QPushButton* CancelButton;
    QPushButton* cmdHelp;

protected:
    void mouseMoveEvent(QMouseEvent* event) override;
};
