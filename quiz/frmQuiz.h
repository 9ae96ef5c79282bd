#pragma once
// One quiz: taken (a block of bank questions in a random order, saved on Done) or its last
// saved attempt reviewed. The quiz browser sets QuizID and calls Form_Load; a load that ends
// with QuizID 0 (Close chosen, or a quiz that cannot be taken) leaves nothing to show.
#include "QuestionOrder.h"

#include <QLabel>
#include <QWidget>
#include <array>
#include <memory>
#include <vector>

class QGroupBox;
class QPushButton;
class QRadioButton;
class QTextEdit;

namespace lx {
class Connection;
}

class frmQuiz : public QWidget {
    Q_OBJECT
public:
    enum Mode { Take = 1, Review = 2, Closed = 3 };
    static constexpr int Slots = 10;

    explicit frmQuiz(QWidget* parent = nullptr);
    ~frmQuiz() override;

    // The quiz number; 0 while the window is free.
    int QuizID = 0;

    void Form_Load();
    // Shows question k (1 to N); any other number is ignored.
    void ShowQuestion(int k);
    void EnterReviewMode();
    void BuildQuestionOrder();
    // False with a message already shown when the bank cannot give the block.
    bool LoadQuestions();
    // Runs the unload and removes the window.
    void Unload();
    bool isUnloaded() const { return unloaded; }
    // Shows the window modeless, as a child of the main window when there is one.
    void showModeless();

    void lblQuestion_Click(int index);
    void lblNext_Click();
    void lblPrevious_Click();
    void lblClearSelection_Click();
    void lblReadTopic_Click();
    void imgCalc_Click();
    void lblSkipQuiz_Click();
    void lblDone_Click();

    int mode() const { return mode_; }
    int questionsAsked() const { return N; }
    int current() const { return current_; }
    int start() const { return start_; }
    const std::vector<int>& displayOrder() const { return order; }
    int key(int slot) const { return slotText[size_t(slot)].key; }
    QString topic(int slot) const { return slotText[size_t(slot)].topic; }

    // Number-label colours: not answered, answered, shown.
    static const std::array<QColor, 3> Colours;

    std::array<QGroupBox*, Slots> fraQuestion{};
    std::array<QTextEdit*, Slots> rtfQuestionBox{};
    std::array<std::array<QRadioButton*, Slots>, 4> OptAns{};        // OptAns[0] is OptAns1 (A)
    std::array<std::array<QTextEdit*, Slots>, 4> rtfAnsOption{};     // rtfAnsOption[0] is rtfAnsOption1
    std::array<QLabel*, Slots> imgCorrectSign{};
    std::array<QPushButton*, Slots> lblQuestion{};   // the question numbers
    QLabel* lblCover;
    QPushButton* lblPrevious;
    QPushButton* lblNext;
    QPushButton* lblClearSelection;
    QPushButton* lblReadTopic;
    QPushButton* lblDone;
    QPushButton* lblSkipQuiz;
    QPushButton* imgCalc;
    QLabel* lblReviewMode;
    QTextEdit* rtfBuffer;

protected:
    void closeEvent(QCloseEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Form_Unload();
    // A message naming why the quiz cannot be opened; the window then stays closed.
    void refuse(const QString& why);
    void setLabelColour(int slot, int index);
    bool answered(int slot) const;
    int chosenOf(int slot) const;

    int mode_ = Take;
    int N = 0;
    int BankSize = 0;
    int start_ = 1;
    int last = 1;
    int current_ = 1;
    std::vector<int> order;
    std::vector<int> keys;
    std::vector<quiz::SlotText> slotText = std::vector<quiz::SlotText>(Slots);
    // The review shows the saved choices: the options stay readable but keep them.
    bool reviewing = false;
    std::vector<int> reviewChosen;
    std::unique_ptr<lx::Connection> resource;
    std::unique_ptr<lx::Connection> score;
    bool unloaded = false;
};
