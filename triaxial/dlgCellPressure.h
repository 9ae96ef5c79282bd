#pragma once
// Sets the cell pressure; shows the back pressure it gives.
#include "triaxial/PressureDialog.h"

class dlgCellPressure : public PressureDialog {
    Q_OBJECT
public:
    dlgCellPressure();
    QLineEdit* txtCellPressure;
};
