#include "frmQuizScoreSummary.h"

#include "ScoreSheet.h"
#include "QuizFile.h"
#include "app/FrameAssets.h"
#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "quiz/QuizCatalogue.h"
#include "platform/Database.h"
#include "platform/Geometry.h"
#include "platform/Services.h"

#include <QFrame>
#include <QLabel>
#include <QMdiSubWindow>
#include <QPushButton>

using lx::twRect;

namespace {

static_assert(quiz::Catalogue.size() == frmQuizScoreSummary::Rows);

constexpr int HeadTop = 1380;
constexpr int FirstRowTop = 1900;
constexpr int RowStep = 285;

} // namespace

frmQuizScoreSummary::frmQuizScoreSummary(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Quiz Score"));
    lx::setLoamixIcon(this);
    setAttribute(Qt::WA_DeleteOnClose);
    setFixedSize(lx::clientSizeForOuter(8900, 9750));
    lblHeading = new QLabel(QStringLiteral("Loamix Quiz Score Sheet"), this);
    lblHeading->setGeometry(twRect(1800, 240, 5400, 480));
    QFont big = lblHeading->font();
    big.setPointSize(big.pointSize() + 6);
    big.setBold(true);
    lblHeading->setFont(big);
    lblHeading->setAlignment(Qt::AlignCenter);
    picIcon = new QLabel(this);
    picIcon->setGeometry(twRect(210, 120, 1200, 900));
    picIcon->setPixmap(lx::FitPicture(lx::MaskedResourcePicture(QStringLiteral(":/forms/frmQuizScoreSummary/picIcon.png")),
                                         picIcon->size()));
    lblHeadingName = new QLabel(QStringLiteral("User's Name"), this);
    lblHeadingName->setGeometry(twRect(1800, 840, 5400, 330));
    lblHeadingName->setAlignment(Qt::AlignCenter);
    auto divider = [this](int top) {
        auto* line = new QFrame(this);
        line->setFrameShape(QFrame::HLine);
        line->setGeometry(twRect(210, top, 8415, 30));
    };
    divider(1260);
    divider(1800);
    struct Column {
        std::array<QLabel*, Rows + 1>* labels;
        const char* heading;
        int left, width;
        const char* design;
    };
    Column columns[] = {
        {&lblQuizID, "Quiz ID", 210, 840, nullptr},
        {&lblQuizDescription, "Quiz Description", 1050, 3585, nullptr},
        {&lblAsked, "Asked Questions", 4620, 1065, "5"},
        {&lblAttempted, "Attempted Questions", 5670, 1065, "5"},
        {&lblCorrect, "Correct Answers", 6720, 1065, "0"},
        {&lblScore, "Quiz Score", 7770, 855, "0"},
    };
    for (Column& c : columns) {
        auto* head = new QLabel(QString::fromLatin1(c.heading), this);
        head->setGeometry(twRect(c.left, HeadTop, c.width, 420));
        head->setWordWrap(true);
        head->setAlignment(c.design ? Qt::AlignCenter : Qt::AlignLeft | Qt::AlignVCenter);
        QFont bold = head->font();
        bold.setBold(true);
        head->setFont(bold);
        (*c.labels)[0] = head;
        for (int i = 1; i <= Rows; ++i) {
            QString text = c.design ? QString::fromLatin1(c.design)
                           : c.labels == &lblQuizID ? QString::number(quiz::Catalogue[i - 1].quizId)
                                                     : QString::fromLatin1(quiz::Catalogue[i - 1].description);
            auto* l = new QLabel(text, this);
            l->setGeometry(twRect(c.left, FirstRowTop + (i - 1) * RowStep, c.width, RowStep));
            if (c.design)
                l->setAlignment(Qt::AlignCenter);
            (*c.labels)[size_t(i)] = l;
        }
    }
    divider(FirstRowTop + Rows * RowStep + 60);
    lblFinalScore = new QLabel(QStringLiteral("Final Score = 1000 / 1000"), this);
    lblFinalScore->setGeometry(twRect(4620, 8835, 2900, 330));
    QFont bold = lblFinalScore->font();
    bold.setBold(true);
    lblFinalScore->setFont(bold);
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setGeometry(twRect(7600, 8835, 1065, 330));
    connect(cmdClose, &QPushButton::clicked, this, &frmQuizScoreSummary::cmdClose_Click);
}

bool frmQuizScoreSummary::Form_Load()
{
    quiz::ScoreSheet sheet;
    try {
        sheet = quiz::ReadScoreSheet(basGlobal::QuizFileConnection);
    } catch (const lx::DatabaseError& e) {
        lx::messages().msgBox(QStringLiteral("The score sheet could not read your quiz file.\r\r")
                                  + quiz::QuizFileErrorText(e, basGlobal::QuizFileConnection),
                              lx::vbOKOnly | lx::vbExclamation, windowTitle());
        return false;
    }
    // The totals are a copy for the file's own sake: a file that cannot be written (read-only,
    // a full disk) keeps its old ones, and the sheet shows all the same.
    quiz::WriteScoreTotals(basGlobal::QuizFileConnection, sheet);
    // Rows are matched by number; a row the file lacks, or one it holds wrongly, shows no
    // counts rather than the design's.
    for (int i = 1; i <= Rows; ++i)
        for (auto* column : {&lblAsked, &lblAttempted, &lblCorrect, &lblScore})
            (*column)[size_t(i)]->setText(QStringLiteral("-"));
    QStringList refused;
    for (const quiz::ScoreLine& line : sheet.lines) {
        if (!line.refused.isEmpty()) {
            refused << QStringLiteral("Quiz %1: ").arg(line.quizId) + line.refused;
            continue;
        }
        for (int i = 1; i <= Rows; ++i) {
            if (quiz::Catalogue[i - 1].quizId != line.quizId)
                continue;
            lblAsked[size_t(i)]->setText(line.asked);
            lblAttempted[size_t(i)]->setText(line.attempted);
            lblCorrect[size_t(i)]->setText(line.correct);
            lblScore[size_t(i)]->setText(line.score);
        }
    }
    if (!sheet.userName.isEmpty())
        lblHeadingName->setText(sheet.userName);
    lblFinalScore->setText(sheet.finalScore);
    if (!refused.isEmpty())
        lx::messages().msgBox(QStringLiteral("These rows of your quiz file hold numbers no quiz can have; they are left out of the score:\r\r")
                                  + refused.join(u'\r'),
                              lx::vbOKOnly | lx::vbExclamation, windowTitle());
    return true;
}

void frmQuizScoreSummary::cmdClose_Click() { lx::UnloadLater(this); }

void frmQuizScoreSummary::showModeless() { lx::ShowAsChild(this, true); }
