#include "frmOptions.h"

frmOptions::frmOptions(QWidget* owner) : QDialog(owner) { setWindowTitle(QStringLiteral("Options")); }
