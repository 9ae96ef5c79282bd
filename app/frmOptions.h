#pragma once
// View > Options...: a tabbed dialog with four pages and OK, Cancel and Apply. It holds no
// settings yet; the buttons say so. Ctrl+Tab and Ctrl+Shift+Tab step through the tabs,
// wrapping at either end, wherever the focus is.
#include <QDialog>
#include <array>

class QGroupBox;
class QPushButton;
class QTabWidget;

class frmOptions : public QDialog {
    Q_OBJECT
public:
    explicit frmOptions(QWidget* owner = nullptr);

    // Shift-state bits as the key handler receives them.
    enum : int { vbShiftMask = 1, vbCtrlMask = 2, vbAltMask = 4 };
    static constexpr int vbKeyTab = 9;

    void Form_Load();
    // The key handler of the whole dialog, before its controls see the key.
    void Form_KeyDown(int KeyCode, int Shift);
    void tbsOptions_Click();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdApply_Click();

    // The selected tab, from 1.
    int selectedTab() const;
    void selectTab(int index);

    // The tab strip: its pages are empty; picOptions lie over its page area.
    QTabWidget* tbsOptions;
    std::array<QWidget*, 4> picOptions{};
    std::array<QGroupBox*, 4> fraSample{};
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdApply;

    void reject() override;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
};
