#pragma once
// The "Please Wait" box shown while a slow command runs: the logo, "Please Wait" and dots
// that advance twice a second. A key or a click on it removes it early.
#include <QWidget>

class QGroupBox;
class QLabel;
class QTimer;

class frmSplashMessege : public QWidget {
    Q_OBJECT
public:
    frmSplashMessege();

    // Shows the one box (creating it) and paints it at once.
    static void showAndPaint();
    // Unloads the box if it is up; does nothing otherwise.
    static void unloadBox();
    // The box while it is loaded, else null.
    static frmSplashMessege* instance();

    void Form_Load();
    void Timer1_Timer();
    void Form_KeyPress(int KeyAscii);
    void Frame1_Click();

    QGroupBox* Frame1;
    QLabel* Picture1;
    QLabel* lblMessege;
    QLabel* lblDots;
    QTimer* Timer1;

protected:
    void keyPressEvent(QKeyEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // Unloads from inside one of the box's own handlers.
    void unloadSelf();
};
