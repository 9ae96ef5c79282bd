#pragma once
// The score sheet of the open quiz file: the 23 rows with their last attempts and scores,
// the user's name and the final score. Read once when it loads.
#include <QWidget>
#include <array>

class QLabel;
class QPushButton;

class frmQuizScoreSummary : public QWidget {
    Q_OBJECT
public:
    static constexpr int Rows = 23;

    explicit frmQuizScoreSummary(QWidget* parent = nullptr);

    // Fills the sheet from QuizFileConnection (and writes the totals to the file). False
    // with a message shown when the file cannot be read.
    bool Form_Load();
    void cmdClose_Click();
    // Shows the sheet modeless, as a child of the main window when there is one.
    void showModeless();

    QLabel* lblHeading;
    QLabel* picIcon;
    QLabel* lblHeadingName;
    QLabel* lblFinalScore;
    QPushButton* cmdClose;
    // Element 0 is the heading, 1 to 23 the rows.
    std::array<QLabel*, Rows + 1> lblQuizID{};
    std::array<QLabel*, Rows + 1> lblQuizDescription{};
    std::array<QLabel*, Rows + 1> lblAsked{};
    std::array<QLabel*, Rows + 1> lblAttempted{};
    std::array<QLabel*, Rows + 1> lblCorrect{};
    std::array<QLabel*, Rows + 1> lblScore{};
};
