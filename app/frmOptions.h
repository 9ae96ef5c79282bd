#pragma once
#include <QDialog>

// View > Options...: a tabbed dialog that holds no settings.
class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* owner = nullptr);
};
