#pragma once
// Sets the back pressure; shows the cell pressure it gives.
#include "triaxial/PressureDialog.h"

class dlgBackPressure : public PressureDialog {
    Q_OBJECT
public:
    dlgBackPressure();
    QLineEdit* txtBackPressure;
};
