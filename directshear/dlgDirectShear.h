#pragma once
// The direct shear entry dialog: "Assembly and Shearing" opens the set-up form, "Parametric
// Study" the study dialog. One instance; it stays open while what it opened is in use.
#include <QWidget>

class QGroupBox;
class QPushButton;

class dlgDirectShear : public QWidget {
    Q_OBJECT
public:
    dlgDirectShear();

    void Form_Load();
    void cmdTesting_Click();
    void cmdParamStudy_Click();
    void CancelButton_Click();
    void cmdHelp_Click();

    QGroupBox* fraTestOption;
    QPushButton* cmdTesting;
    QPushButton* cmdParamStudy;
    QPushButton* CancelButton;
    QPushButton* cmdHelp;
};
