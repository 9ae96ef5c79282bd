#pragma once
// The system's own message box: a title line, a message and one to four captioned
// buttons; it waits for a button and returns its 1-based number.
#include <QDialog>
#include <array>
#include <cstdint>

class QFrame;
class QGroupBox;
class QLabel;
class QPushButton;

class dlgMesseges : public QDialog {
    Q_OBJECT
public:
    dlgMesseges();

    // Shows the box modally with n buttons (an n outside 1..4 shows three) and returns the
    // number of the button pressed, always within 1..n. Only a button closes the box.
    static int16_t msgs(int16_t msgClickOpts, const QString& msgTitle, const QString& msgMessege,
                        const QString& Button1, const QString& Button2, const QString& Button3,
                        const QString& Button4);
    // The box while a msgs call waits for its answer, else null (for tests).
    static dlgMesseges* shown();

    void cmdResponse_Click(int Index);
    void Form_Load();

    // The number of the button pressed in this call; 0 until one is.
    int16_t msgClickOpts = 0;
    // How many buttons this call shows.
    int buttonsShown = 3;

    QGroupBox* FraBorder;
    QLabel* Picture1;
    QLabel* lblTitle;
    QFrame* Line1;
    QLabel* lblMessege;
    std::array<QPushButton*, 4> cmdResponse{};

protected:
    void closeEvent(QCloseEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

public:
    // Escape and every close that is not a button press leave the box up.
    void reject() override {}

private:
    void layOut(int n);
    bool answered = false;
};

// Makes lx::messages().msgs show this box (start-up calls it once). The platform's own
// message box stays as it was.
void installMessageBox();
