#pragma once
// The entry of the true triaxial family: the student chooses the cube or the hollow
// cylinder and opens the set-up form or the parametric study, which read the choice when
// they load. One instance; it stays open while the windows it opened are in use.
#include <QWidget>

#include <array>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;
class QRadioButton;

class dlgTTT_HCT : public QWidget {
    Q_OBJECT
public:
    dlgTTT_HCT();

    // The kind later windows read: optTTT(0) on is the cube.
    bool cubeChosen() const;

    void Form_Load();
    void optTTT_Click(int index);
    void cmdTesting_Click();
    void cmdParamStudy_Click();
    void CancelButton_Click();
    void cmdHelp_Click();

    QFrame* Shape1;
    QLabel* imgAssembly;
    QLabel* lblTTT;
    QGroupBox* fraTestOption;
    std::array<QRadioButton*, 2> optTTT;
    QPushButton* cmdTesting;
    QPushButton* cmdParamStudy;
    QPushButton* CancelButton;
    QPushButton* cmdHelp;

private:
    bool kindChosen();
};
