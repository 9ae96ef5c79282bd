#pragma once
// The entry of the one-dimensional consolidation test: the student picks incremental
// loading or constant rate of strain and opens the set-up form. One instance; it stays
// open while the set-up form and the replay screens it led to are open.
#include "consolidation/ConsolidationRun.h"

#include <QWidget>

#include <array>

class QGroupBox;
class QPushButton;
class QRadioButton;

class dlg1DConsolidation : public QWidget {
    Q_OBJECT
public:
    dlg1DConsolidation();

    void Form_Load();
    void cmdTesting_Click();
    void CancelButton_Click();
    void cmdHelp_Click();

    // The kind the options name now (None while neither is chosen).
    consolidation::Kind SelectedKind() const;

    QGroupBox* fraTestOption;
    std::array<QRadioButton*, 2> OptTestType;
    QPushButton* cmdTesting;
    QPushButton* cmdParamStudy;
    QPushButton* CancelButton;
    QPushButton* cmdHelp;
};
