#pragma once
// The quiz browser: the 14 quizzes as a tree of buttons. It is the only place quiz windows
// are made; the rest of the program presses its buttons by code (press), which works
// without the browser being shown.
#include <QPointer>
#include <QWidget>
#include <array>
#include <map>

class QPushButton;
class frmQuiz;

class frmQuizGoThrough : public QWidget {
    Q_OBJECT
public:
    // The 14 quiz numbers in the browser's order.
    static const std::array<int, 14> QuizNumbers;

    explicit frmQuizGoThrough(QWidget* parent = nullptr);

    // The button of quiz n's action: "Quiz n is already open." when its window holds the
    // quiz, otherwise its window is opened (or, when its load declines, removed again).
    // A number without a button does nothing.
    void press(int n);
    QPushButton* button(int n) const;
    // The quiz window of button n, or null while none is open.
    static frmQuiz* window(int n);

    void cmdClose_Click();

    // Shows the browser modeless, as a child of the main window when there is one.
    void showModeless();

    QPushButton* cmdClose;

private:
    std::map<int, QPushButton*> buttons;
};
