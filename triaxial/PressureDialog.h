#pragma once
// The twin pressure dialogs of the cell picture. Cell pressure = effective confining
// stress + back pressure: only the back pressure is stored (BackPressureKPa), following the
// entry box keystroke by keystroke; each dialog edits one pressure and shows the other.
#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

class PressureDialog : public QWidget {
    Q_OBJECT
public:
    enum class Edits { CellPressure, BackPressure };

    void Form_Load();
    // The entry box's Change: stores the back pressure the text stands for.
    void entry_Change();
    void cmdOK_Click();
    void cmdCancel_Click();

    // Each dialog's caption label is the one named after its own pressure; the other is
    // its information line.
    QLabel* lblCellPressure;
    QLabel* lblBackPressure;
    QLineEdit* entry;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;

protected:
    explicit PressureDialog(Edits edits);
    ~PressureDialog() override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void ShowOtherPressure();
    const Edits edits;
};
