#include "frmQuizGoThrough.h"

#include "frmQuiz.h"
#include "app/FrameAssets.h"
#include "app/ChildWindows.h"
#include "app/basGlobal.h"
#include "platform/FormRegistry.h"
#include "platform/Geometry.h"
#include "platform/Services.h"

#include <QLabel>
#include <QMdiSubWindow>
#include <QPainter>
#include <QPushButton>

using lx::twRect;

namespace {

struct ButtonPlace {
    int quiz;
    int left;
    int top;
    const char* label;
};

const ButtonPlace places[] = {
    {100, 120, 60, "Loamix initial warmup quiz"},
    {200, 120, 420, "Initial warmup quiz for Triaxial Compression Test"},
    {201, 480, 765, "Isotropic Consolidation during triaxial test"},
    {202, 480, 1110, "Shearing Stage of CIDC test"},
    {203, 480, 1455, "Analysis and parametric study for CIDC test"},
    {300, 120, 1840, "Initial warmup quiz for 1-D Consolidation Test"},
    {301, 435, 2185, "Incremental Load Test"},
    {302, 435, 2530, "Constant rate of Strain Test"},
    {400, 105, 2940, "Initial warmup quiz for Direct Shear Test"},
    {401, 420, 3285, "Assembly and Shearing"},
    {402, 420, 3630, "Analysis and parametric study"},
    {500, 105, 4015, "Initial warmup quiz for True Triaxial Test"},
    {501, 420, 4360, "TTT Assembly and Shearing"},
    {502, 420, 4705, "TTT Analysis and parametric study"},
};

// The quiz windows outlive the browser: closing it leaves open quizzes open, and the
// buttons find them again when it is loaded anew.
std::map<int, QPointer<frmQuiz>>& quizWindows()
{
    static std::map<int, QPointer<frmQuiz>> windows;
    return windows;
}

// The thin lines joining each module's warm-up button to its further quizzes.
class BranchLines : public QWidget {
public:
    using QWidget::QWidget;

protected:
    void paintEvent(QPaintEvent*) override
    {
        QPainter p(this);
        p.setPen(QColor(0x80, 0x80, 0x80));
        const ButtonPlace* root = nullptr;
        for (const ButtonPlace& b : places) {
            if (b.quiz % 100 == 0) {
                root = &b;
                continue;
            }
            const int x = lx::tw(root->left + 180);
            const int y = lx::tw(b.top + 165);
            p.drawLine(x, lx::tw(root->top + 330), x, y);
            p.drawLine(x, y, lx::tw(b.left), y);
        }
    }
};

} // namespace

const std::array<int, 14> frmQuizGoThrough::QuizNumbers = {100, 200, 201, 202, 203, 300, 301, 302, 400, 401, 402, 500, 501, 502};

frmQuizGoThrough::frmQuizGoThrough(QWidget* parent) : QWidget(parent)
{
    setWindowTitle(QStringLiteral("Quizes"));
    lx::setLoamixIcon(this);
    setFixedSize(lx::clientSizeForOuter(7200, 5600));
    setAttribute(Qt::WA_DeleteOnClose);
    auto* lines = new BranchLines(this);
    lines->setGeometry(rect());
    for (const ButtonPlace& b : places) {
        const QString caption = QStringLiteral("Quiz ") + QString::number(b.quiz);
        auto* button = new QPushButton(caption, this);
        button->setObjectName(QStringLiteral("cmdQuiz") + QString::number(b.quiz));
        button->setGeometry(twRect(b.left, b.top, 1065, 330));
        button->setToolTip(caption);
        const int quiz = b.quiz;
        connect(button, &QPushButton::clicked, this, [this, quiz] { press(quiz); });
        buttons[b.quiz] = button;
        auto* label = new QLabel(QString::fromLatin1(b.label), this);
        label->setGeometry(twRect(b.left + 1200, b.top + 30, 5700 - b.left, 300));
    }
    cmdClose = new QPushButton(QStringLiteral("Close"), this);
    cmdClose->setGeometry(twRect(5880, 4605, 1065, 450));
    cmdClose->setToolTip(QStringLiteral("Close"));
    connect(cmdClose, &QPushButton::clicked, this, &frmQuizGoThrough::cmdClose_Click);
}

QPushButton* frmQuizGoThrough::button(int n) const
{
    const auto it = buttons.find(n);
    return it == buttons.end() ? nullptr : it->second;
}

frmQuiz* frmQuizGoThrough::window(int n)
{
    const auto it = quizWindows().find(n);
    if (it == quizWindows().end() || !it->second || it->second->isUnloaded())
        return nullptr;
    return it->second.data();
}

void frmQuizGoThrough::press(int n)
{
    if (!buttons.count(n))
        return;
    frmQuiz* w = window(n);
    if (w && w->QuizID != 0) {
        lx::messages().msgBox(QStringLiteral("Quiz ") + QString::number(n) + QStringLiteral(" is already open."), lx::vbOKOnly,
                              QStringLiteral("Quiz ") + QString::number(n));
        return;
    }
    // A window unloaded earlier is gone: every opening starts from the design state.
    if (!w) {
        w = new frmQuiz;
        quizWindows()[n] = w;
    }
    w->QuizID = n;
    w->Form_Load();
    if (w->QuizID == 0) {
        w->Unload();
        return;
    }
    if (w->mode() == frmQuiz::Take)
        w->showModeless();
}

void frmQuizGoThrough::cmdClose_Click() { lx::UnloadLater(this); }

void frmQuizGoThrough::showModeless() { lx::ShowAsChild(this); }
