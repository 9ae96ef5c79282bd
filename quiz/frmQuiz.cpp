#include "frmQuiz.h"

#include "QuizFile.h"
#include "app/FrameAssets.h"
#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "app/basHTMLHelp.h"
#include "platform/Controls.h"
#include "platform/Database.h"
#include "platform/Geometry.h"
#include "platform/Numbers.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "platform/rtf/RichText.h"

#include <QCloseEvent>
#include <QGroupBox>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPainter>
#include <QPushButton>
#include <QRadioButton>
#include <QTextEdit>

using lx::tw;
using lx::twRect;

namespace {

constexpr int ShownTop = 600;
constexpr int HiddenTop = 10000;
constexpr int FrameLeft = 120;
constexpr int OptionTops[4] = {3760, 4410, 5030, 5670};
constexpr int TickDesignTop = 7000;

QString guidance()
{
    return QStringLiteral("You may proceed to Simulations by selecting the relevent module from Simulation Menu at the top.\r\r"
                          "Alternatively, you may use the Short Cuts for various Simulation Modules. (Icons below the Menu Bar)");
}

// Seconds since midnight, as the classic timer gives them.
double timerSeed() { return lx::clock().now().time().msecsSinceStartOfDay() / 1000.0; }

QString num(double v) { return lx::DoubleText(v); }

QTextEdit* richBox(QWidget* parent, const QRect& r)
{
    auto* e = new QTextEdit(parent);
    e->setGeometry(r);
    e->setReadOnly(true);
    e->setFrameShape(QFrame::NoFrame);
    e->document()->setDocumentMargin(2);
    e->setText(QStringLiteral("No Question Available"));
    return e;
}

// The quiz's buttons are flat, like captions on its paper. The style draws no focus mark on a
// flat button, so each draws its own in its text colour; a question number also draws its box.
class QuizButton final : public QPushButton {
public:
    QuizButton(const QString& caption, QWidget* parent, bool boxed = false) : QPushButton(caption, parent), boxed(boxed)
    {
        setFlat(true);
    }

protected:
    void paintEvent(QPaintEvent* event) override
    {
        QPushButton::paintEvent(event);
        QPainter painter(this);
        const QColor ink = palette().color(QPalette::ButtonText);
        if (boxed) {
            painter.setPen(ink);
            painter.drawRect(rect().adjusted(0, 0, -1, -1));
        }
        if (hasFocus()) {
            painter.setPen(QPen(ink, 1, Qt::DotLine));
            painter.drawRect(rect().adjusted(2, 2, -3, -3));
        }
    }

private:
    bool boxed;
};

// The quiz's commands, on one row.
QPushButton* command(QWidget* parent, const QString& caption, const QString& tip, int left, int width)
{
    auto* b = new QuizButton(caption, parent);
    b->setGeometry(twRect(left, 7170, width, 375));
    b->setToolTip(tip);
    return b;
}

QString optionLetter(int o) { return QString(QChar(u'A' + o)); }

} // namespace

const std::array<QColor, 3> frmQuiz::Colours = {QColor(0xFF, 0xFF, 0xFF), QColor(0xC0, 0xFF, 0xFF), QColor(0x00, 0x00, 0x80)};

frmQuiz::frmQuiz(QWidget* parent) : QWidget(parent)
{
    lx::setLoamixIcon(this);
    setFixedSize(lx::clientSizeForOuter(8000, 8050));
    const QColor paper(0xFF, 0xFF, 0xC0);  // &HC0FFFF is blue-green-red
    for (int i = 0; i < Slots; ++i) {
        auto* f = new QGroupBox(QStringLiteral("Question"), this);
        fraQuestion[size_t(i)] = f;
        f->setGeometry(twRect(FrameLeft, i == 0 ? ShownTop : HiddenTop, 7695, 6426));
        f->setAutoFillBackground(true);
        QPalette pal = f->palette();
        pal.setColor(QPalette::Window, paper);
        f->setPalette(pal);
        rtfQuestionBox[size_t(i)] = richBox(f, twRect(120, 300, 7335, 3300));
        rtfQuestionBox[size_t(i)]->setAccessibleName(QStringLiteral("Question %1").arg(i + 1));
        for (int o = 0; o < 4; ++o) {
            auto* b = new QRadioButton(f);
            b->setGeometry(twRect(600, OptionTops[o], 330, 330));
            b->setAccessibleName(optionLetter(o));
            // In review the saved choice stays, whatever presses the option.
            connect(b, &QAbstractButton::toggled, this, [this, i, o](bool checked) {
                if (reviewing && checked != (reviewChosen[size_t(i)] == o + 1)) {
                    const QSignalBlocker keep(OptAns[size_t(o)][size_t(i)]);
                    OptAns[size_t(o)][size_t(i)]->setChecked(!checked);
                }
            });
            OptAns[size_t(o)][size_t(i)] = b;
            auto* t = richBox(f, twRect(960, OptionTops[o] - 60, 6495, 600));
            t->setAccessibleName(QStringLiteral("Answer ") + optionLetter(o));
            t->viewport()->installEventFilter(this);
            rtfAnsOption[size_t(o)][size_t(i)] = t;
        }
        auto* tick = new QLabel(f);
        tick->setAccessibleName(QStringLiteral("Right answer"));
        tick->setPixmap(lx::MaskedResourcePicture(QStringLiteral(":/forms/frmQuiz/imgCorrectSign.png")));
        tick->setGeometry(twRect(120, TickDesignTop, 450, 450));
        tick->setScaledContents(true);
        imgCorrectSign[size_t(i)] = tick;

        auto* l = new QuizButton(QString::number(i + 1), this, true);
        l->setGeometry(twRect(120 + 560 * i, 180, 480, 330));
        l->setAutoFillBackground(true);
        l->setToolTip(QStringLiteral("Go To: Question %1").arg(i + 1));
        l->setAccessibleName(l->toolTip());
        connect(l, &QPushButton::clicked, this, [this, i] { lblQuestion_Click(i); });
        lblQuestion[size_t(i)] = l;
        setLabelColour(i, 0);
    }
    lblCover = new QLabel(this);
    lblCover->setAutoFillBackground(true);
    QPalette cover = lblCover->palette();
    cover.setColor(QPalette::Window, paper);
    lblCover->setPalette(cover);
    lblCover->setGeometry(twRect(120 + 10 * 560, 180, 6120 - (120 + 10 * 560), 330));

    lblPrevious = command(this, QStringLiteral("Previous"), QStringLiteral("Go To: Previous question"), 120, 900);
    lblNext = command(this, QStringLiteral("Next"), QStringLiteral("Go To: Next question"), 1080, 700);
    lblClearSelection = command(this, QStringLiteral("Clear Selection"), QString(), 1840, 1500);
    lblReadTopic = command(this, QStringLiteral("Read Topic"), QStringLiteral("See help on this question"), 3400, 1100);
    lblSkipQuiz = command(this, QStringLiteral("Skip Quiz"), QStringLiteral("Skip this quiz and discard this session"), 4560, 1100);
    lblDone = command(this, QStringLiteral("Done"), QString(), 5720, 2040);
    imgCalc = new QuizButton(QString(), this);
    imgCalc->setGeometry(twRect(6960, 60, 570, 510));
    imgCalc->setIcon(QIcon(lx::MaskedResourcePicture(QStringLiteral(":/forms/frmQuiz/imgCalc.png"))));
    imgCalc->setIconSize(QSize(tw(450), tw(450)));
    imgCalc->setToolTip(QStringLiteral("Open Calculator"));
    imgCalc->setAccessibleName(imgCalc->toolTip());
    lblReviewMode = new QLabel(QStringLiteral("Review Mode"), this);
    lblReviewMode->setGeometry(twRect(6240, 180, 1500, 330));
    lblReviewMode->setStyleSheet(QStringLiteral("color: #c00000; font-weight: bold;"));
    lblReviewMode->hide();
    rtfBuffer = new QTextEdit(this);
    rtfBuffer->hide();

    connect(lblPrevious, &QPushButton::clicked, this, &frmQuiz::lblPrevious_Click);
    connect(lblNext, &QPushButton::clicked, this, &frmQuiz::lblNext_Click);
    connect(lblClearSelection, &QPushButton::clicked, this, &frmQuiz::lblClearSelection_Click);
    connect(lblReadTopic, &QPushButton::clicked, this, &frmQuiz::lblReadTopic_Click);
    connect(lblSkipQuiz, &QPushButton::clicked, this, &frmQuiz::lblSkipQuiz_Click);
    connect(lblDone, &QPushButton::clicked, this, &frmQuiz::lblDone_Click);
    connect(imgCalc, &QPushButton::clicked, this, &frmQuiz::imgCalc_Click);
}

frmQuiz::~frmQuiz() = default;

void frmQuiz::setLabelColour(int slot, int index)
{
    QPushButton* l = lblQuestion[size_t(slot)];
    QPalette pal = l->palette();
    pal.setColor(QPalette::Window, Colours[size_t(index)]);
    pal.setColor(QPalette::Button, Colours[size_t(index)]);
    pal.setColor(QPalette::WindowText, index == 2 ? Qt::white : Qt::black);
    pal.setColor(QPalette::ButtonText, index == 2 ? Qt::white : Qt::black);
    l->setPalette(pal);
}

bool frmQuiz::answered(int slot) const { return chosenOf(slot) > 0; }

int frmQuiz::chosenOf(int slot) const
{
    for (int o = 0; o < 4; ++o)
        if (OptAns[size_t(o)][size_t(slot)]->isChecked())
            return o + 1;
    return 0;
}

void frmQuiz::refuse(const QString& why)
{
    lx::messages().msgBox(QStringLiteral("Quiz %1 cannot be opened.\r\r").arg(QuizID) + why, lx::vbOKOnly | lx::vbExclamation,
                          windowTitle());
    mode_ = Closed;
    QuizID = 0;
}

void frmQuiz::Form_Load()
{
    setWindowTitle(QStringLiteral("Quiz -") + lx::Str(QuizID));
    quiz::QuizRow row;
    std::vector<quiz::SavedSlot> saved;
    // Which file a failure concerns: the installed resource or the student's quiz file.
    bool inQuizFile = false;
    try {
        resource = std::make_unique<lx::Connection>();
        resource->Open(basGlobal::QuizResourceConnection);
        keys = quiz::ReadAnswerKeys(*resource, QuizID);
        inQuizFile = true;
        score = std::make_unique<lx::Connection>();
        score->Open(basGlobal::QuizFileConnection);
        QString why;
        switch (quiz::ReadQuizRow(*score, QuizID, row, &why)) {
        case quiz::RowRead::Missing: return refuse(QStringLiteral("Your quiz file has no row for this quiz."));
        case quiz::RowRead::Refused: return refuse(QStringLiteral("Your quiz file's row for it is damaged: ") + why);
        case quiz::RowRead::Read: break;
        }
        saved = quiz::ReadQuestionSeq(*score, QuizID);
    } catch (const lx::DatabaseError& e) {
        return refuse(inQuizFile ? quiz::QuizFileErrorText(e, basGlobal::QuizFileConnection) : e.message());
    }
    BankSize = row.bankSize;
    N = row.questionsAsked;
    mode_ = Take;
    const double scoreNow = row.score();
    const double maximum = row.maximum();
    const QString caption = windowTitle();
    if (row.attemptsUsed >= row.maxAttempts) {
        const int b = lx::messages().msgs(
            2, caption,
            QStringLiteral("You have reached the maximum number of attempts for this quiz.\rYour latest score on this quiz is ")
                + num(scoreNow) + u'/' + num(maximum) + QStringLiteral(".\r\rDo you wish to review your last attemp of this quiz"),
            {QStringLiteral("Review"), QStringLiteral("Close"), {}, {}});
        mode_ = b + 1;
    } else if (row.attemptsUsed > 0) {
        mode_ = lx::messages().msgs(
            3, caption,
            QStringLiteral("You have used ' ") + QString::number(row.attemptsUsed) + QStringLiteral(" ' attempt out of ' ")
                + QString::number(row.maxAttempts) + QStringLiteral(" ' for this quiz.\rYour last score on this quiz was ' ")
                + num(scoreNow) + u'/' + num(maximum)
                + QStringLiteral(" '.\r\rIf you choose to 'Retake' the quiz, the scores will be updated to the latest but only when you complete it successfully."),
            {QStringLiteral("Retake"), QStringLiteral("Review"), QStringLiteral("Close"), {}});
    }
    if (mode_ != Take && mode_ != Review) {
        mode_ = Closed;
        QuizID = 0;
        return;
    }
    // A quiz that cannot give a whole block is refused rather than shown garbled.
    if (N < 1 || N > Slots)
        return refuse(QStringLiteral("It asks %1 questions; a quiz asks 1 to %2.").arg(N).arg(Slots));
    if (BankSize < N)
        return refuse(QStringLiteral("Its bank holds %1 questions, fewer than the %2 it asks.").arg(BankSize).arg(N));
    if (int(saved.size()) < N)
        return refuse(QStringLiteral("Your quiz file has %1 question slots for it; it needs %2.").arg(saved.size()).arg(N));
    if (mode_ == Take) {
        start_ = quiz::DrawStart(BankSize, lx::random(), timerSeed());
        lblDone->setText(QStringLiteral("Save quiz and exit"));
    } else {
        if (row.attemptsUsed < 1)
            return refuse(QStringLiteral("It has no saved attempt to review."));
        start_ = row.lastStart;
        if (start_ < 1 || start_ > BankSize)
            return refuse(QStringLiteral("Its saved attempt does not fit the bank."));
        lblDone->setText(QStringLiteral("Close Review"));
    }
    last = quiz::LastOfBlock(start_, N, BankSize);
    QString why;
    const QString path = lx::installPath(QStringLiteral("\\Resources\\Quiz") + QString::number(QuizID) + QStringLiteral(".rtf"));
    if (!lx::RichText(rtfBuffer).loadFile(path, &why))
        return refuse(QStringLiteral("Its question file could not be read: ") + why);
    if (!LoadQuestions())
        return;
    current_ = 1;
    lblCover->setGeometry(twRect(120 + N * 560, 180, 6120 - (120 + N * 560), 330));
    for (int i = 0; i < Slots; ++i)
        lblQuestion[size_t(i)]->setVisible(i < N);
    lblCover->raise();
    setLabelColour(0, 2);
    lblPrevious->setEnabled(false);
    lblNext->setEnabled(N > 1);
    if (mode_ == Review)
        EnterReviewMode();
}

void frmQuiz::BuildQuestionOrder()
{
    if (mode_ == Review) {
        try {
            const std::vector<quiz::SavedSlot> saved = quiz::ReadQuestionSeq(*score, QuizID);
            order.assign(size_t(N), 0);
            for (int i = 0; i < N && i < int(saved.size()); ++i)
                order[size_t(i)] = saved[size_t(i)].displayOrder;
        } catch (const lx::DatabaseError&) {
            order.clear();
        }
        return;
    }
    order = quiz::BuildTakeOrder(N, lx::random(), timerSeed());
}

bool frmQuiz::LoadQuestions()
{
    BuildQuestionOrder();
    // A stored order must name every slot once.
    std::vector<bool> seen(size_t(N), false);
    for (int s : order) {
        if (s < 0 || s >= N || seen[size_t(s)]) {
            refuse(QStringLiteral("Its saved attempt does not fit the bank."));
            return false;
        }
        seen[size_t(s)] = true;
    }
    if (int(order.size()) != N) {
        refuse(QStringLiteral("Its saved attempt does not fit the bank."));
        return false;
    }
    lx::RichText buffer(rtfBuffer->document());
    std::vector<quiz::SlotText> cut;
    QString why;
    if (!quiz::CutBlock(buffer, BankSize, start_, last, order, keys, cut, &why)) {
        refuse(QStringLiteral("Its question file does not match its bank: ") + why);
        return false;
    }
    for (int s = 0; s < N; ++s) {
        slotText[size_t(s)] = cut[size_t(s)];
        lx::RichText(rtfQuestionBox[size_t(s)]).setTextRTF(cut[size_t(s)].questionRtf);
        rtfQuestionBox[size_t(s)]->setToolTip(QStringLiteral("Question: ") + QString::number(s + 1));
        for (int o = 0; o < 4; ++o) {
            QTextEdit* answer = rtfAnsOption[size_t(o)][size_t(s)];
            lx::RichText(answer).setTextRTF(cut[size_t(s)].optionRtf[size_t(o)]);
            const QString tip = QStringLiteral("Select answer : ") + QChar(u'A' + o);
            answer->setToolTip(tip);
            OptAns[size_t(o)][size_t(s)]->setToolTip(tip);
            // The option is labelled by its answer's text, which begins with its letter ("A: 0.35").
            const QString text = answer->toPlainText().simplified();
            OptAns[size_t(o)][size_t(s)]->setAccessibleName(
                text.startsWith(optionLetter(o), Qt::CaseInsensitive) ? text : optionLetter(o) + QStringLiteral(": ") + text);
        }
    }
    return true;
}

void frmQuiz::ShowQuestion(int k)
{
    if (k < 1 || k > N)
        return;
    const int c = current_ - 1;
    fraQuestion[size_t(c)]->move(tw(FrameLeft), tw(HiddenTop));
    setLabelColour(c, answered(c) ? 1 : 0);
    fraQuestion[size_t(k - 1)]->move(tw(FrameLeft), tw(ShownTop));
    setLabelColour(k - 1, 2);
    lblPrevious->setEnabled(k > 1);
    lblNext->setEnabled(k < N);
    current_ = k;
}

void frmQuiz::lblQuestion_Click(int index)
{
    if (current_ != index + 1)
        ShowQuestion(index + 1);
}

void frmQuiz::lblNext_Click() { ShowQuestion(current_ + 1); }
void frmQuiz::lblPrevious_Click() { ShowQuestion(current_ - 1); }

void frmQuiz::lblClearSelection_Click()
{
    const int c = current_ - 1;
    // Exclusive buttons cannot all be cleared while they stay exclusive.
    for (int o = 0; o < 4; ++o)
        OptAns[size_t(o)][size_t(c)]->setAutoExclusive(false);
    for (int o = 0; o < 4; ++o) {
        OptAns[size_t(o)][size_t(c)]->setChecked(false);
        OptAns[size_t(o)][size_t(c)]->setAutoExclusive(true);
    }
}

void frmQuiz::lblReadTopic_Click() { ShowHelpTopic(2, QStringLiteral("html\\") + topic(current_ - 1).trimmed()); }

namespace {
// The calculator the button started last (0: none), for every quiz window of the program.
qint64& startedCalculator()
{
    static qint64 pid = 0;
    return pid;
}
} // namespace

void frmQuiz::imgCalc_Click()
{
    // The calculator it started is still there (the student may have put it behind): no second one.
    if (startedCalculator() != 0 && lx::launcher().running(startedCalculator()))
        return;
    startedCalculator() = 0;
    // Failures are ignored: the quiz goes on without a calculator.
    const QString calc = lx::launcher().findOnPath(
        {QStringLiteral("gnome-calculator"), QStringLiteral("kcalc"), QStringLiteral("galculator"), QStringLiteral("mate-calc"),
         QStringLiteral("qalculate-gtk"), QStringLiteral("xcalc")});
    if (qint64 pid = 0; !calc.isEmpty() && lx::launcher().start(calc, {}, &pid))
        startedCalculator() = pid;
}

void frmQuiz::lblSkipQuiz_Click()
{
    if (lx::messages().msgBox(QStringLiteral("Are you sure you want to skip the quiz and discard the changes?"),
                              lx::vbYesNo | lx::vbExclamation, QStringLiteral("Skip Quiz -") + lx::Str(QuizID))
        == lx::vbYes)
        Unload();
}

void frmQuiz::lblDone_Click()
{
    hide();
    if (mode_ == Take) {
        quiz::Attempt attempt;
        attempt.start = start_;
        attempt.order = order;
        for (int i = 0; i < N; ++i) {
            attempt.keys.push_back(key(i));
            attempt.chosen.push_back(chosenOf(i));
        }
        quiz::AttemptScore s;
        try {
            s = quiz::SaveAttempt(*score, QuizID, attempt);
        } catch (const quiz::AttemptLimitReached& e) {
            // Another window or instance used the last attempt meanwhile: this one can never
            // be saved, and the file keeps the attempt that was.
            lx::messages().msgBox(QStringLiteral("Your attempt could not be saved: all %1 attempts of this quiz have been used meanwhile, "
                                                 "in another window or another Loa-mix on the same quiz file.\r\r"
                                                 "Your quiz file is unchanged.")
                                      .arg(e.maxAttempts),
                                  lx::vbOKOnly | lx::vbExclamation, windowTitle());
            Unload();
            return;
        } catch (const lx::DatabaseError& e) {
            // Nothing was written: the answers stay on screen to save again or skip.
            lx::messages().msgBox(QStringLiteral("Your attempt could not be saved; your quiz file is unchanged.\r\r")
                                      + quiz::QuizFileErrorText(e, basGlobal::QuizFileConnection),
                                  lx::vbOKOnly | lx::vbExclamation, windowTitle());
            showModeless();
            return;
        }
        const int b = lx::messages().msgs(
            2, windowTitle() + QStringLiteral(": Score"),
            QStringLiteral("You have ") + QString::number(s.correct) + QStringLiteral(" correct answers for the attempted ")
                + QString::number(s.attempted) + QStringLiteral(" out of ") + QString::number(N)
                + QStringLiteral(" questions.\r\rDo you wish to review the Quiz?"),
            {QStringLiteral("Review"), QStringLiteral("Close"), {}, {}});
        mode_ = b + 1;
    }
    if (mode_ == Review)
        EnterReviewMode();
    else
        Unload();
}

void frmQuiz::EnterReviewMode()
{
    lblSkipQuiz->hide();
    imgCalc->hide();
    lblReviewMode->show();
    lblClearSelection->setEnabled(false);
    // After a save the button no longer saves anything.
    lblDone->setText(QStringLiteral("Close Review"));
    setWindowTitle(windowTitle() + QStringLiteral(": Review"));
    lblQuestion_Click(0);
    showModeless();
    std::vector<quiz::SavedSlot> saved;
    try {
        saved = quiz::ReadQuestionSeq(*score, QuizID);
    } catch (const lx::DatabaseError&) {
    }
    // The question, its answers and the right one stay in reach of the keyboard and a screen
    // reader: each option is a stop of its own that keeps its saved state.
    reviewChosen.assign(size_t(Slots), 0);
    for (int i = 0; i < N; ++i) {
        imgCorrectSign[size_t(i)]->move(imgCorrectSign[size_t(i)]->x(), tw(3160 + 640 * key(i)));
        imgCorrectSign[size_t(i)]->setAccessibleDescription(QStringLiteral("Answer ") + optionLetter(key(i) - 1));
        const int chosen = i < int(saved.size()) ? saved[size_t(i)].chosen : 0;
        reviewChosen[size_t(i)] = chosen;
        for (int o = 0; o < 4; ++o) {
            QRadioButton* option = OptAns[size_t(o)][size_t(i)];
            option->setAutoExclusive(false);
            option->setChecked(chosen == o + 1);
            option->setAccessibleDescription(key(i) == o + 1 ? QStringLiteral("Right answer") : QString());
            option->setToolTip(QString());
        }
        for (QTextEdit* box : {rtfQuestionBox[size_t(i)], rtfAnsOption[0][size_t(i)], rtfAnsOption[1][size_t(i)],
                               rtfAnsOption[2][size_t(i)], rtfAnsOption[3][size_t(i)]})
            box->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    }
    reviewing = true;
    mode_ = Closed;
}

void frmQuiz::showModeless() { lx::ShowAsChild(this, true); }

void frmQuiz::Form_Unload()
{
    if (unloaded)
        return;
    unloaded = true;
    resource.reset();
    score.reset();
    hide();
    if (basGlobal::StartupQuizPending && !basGlobal::ShuttingDown) {
        lx::messages().msgs(1, basGlobal::AppTitle, guidance(), {QStringLiteral("OK"), {}, {}, {}});
        basGlobal::StartupQuizPending = false;
    }
    QuizID = 0;
}

void frmQuiz::Unload()
{
    Form_Unload();
    lx::UnloadLater(this);
}

void frmQuiz::closeEvent(QCloseEvent* event)
{
    Form_Unload();
    event->accept();
    if (!qobject_cast<QMdiSubWindow*>(parentWidget()))
        deleteLater();
}

bool frmQuiz::eventFilter(QObject* watched, QEvent* event)
{
    // Acting on an option's text selects its option.
    if (event->type() == QEvent::MouseButtonPress) {
        for (int o = 0; o < 4; ++o)
            for (int i = 0; i < Slots; ++i)
                if (rtfAnsOption[size_t(o)][size_t(i)]->viewport() == watched && !reviewing)
                    OptAns[size_t(o)][size_t(i)]->setChecked(true);
    }
    return QWidget::eventFilter(watched, event);
}
