#include "dlgMesseges.h"

#include "FrameAssets.h"

#include "platform/Fonts.h"

#include "platform/Colors.h"
#include "platform/FormRegistry.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/Services.h"
#include "platform/TerminationSignals.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QPixmap>
#include <QPushButton>

namespace {

// The box's client height; its width follows the number of buttons.
constexpr double ClientHeightTw = 3465;
constexpr double FrameHeightTw = 3165;
constexpr double TitleWidthTw = 4995;
constexpr double OffFrameLeftTw = 10000;

QFont sansSerif(double points, bool bold) { return lx::formFont(QStringLiteral("MS Sans Serif"), points, bold); }

} // namespace

using Registry = lx::SingleInstance<dlgMesseges>;

dlgMesseges* dlgMesseges::shown() { return Registry::peek(); }

dlgMesseges::dlgMesseges() : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint)
{
    // No caption of its own (the title is the label) and no close button.
    setWindowTitle(QString());
    setFixedSize(lx::tw(6705), lx::tw(ClientHeightTw));

    FraBorder = lx::twControl<QGroupBox>(this, nullptr, 150, 80, 6400, FrameHeightTw);

    Picture1 = lx::twControl<QLabel>(FraBorder, nullptr, 315, 210, 350, 400);
    Picture1->setAlignment(Qt::AlignCenter);

    lblTitle = lx::twControl<QLabel>(FraBorder, nullptr, 945, 315, TitleWidthTw, 330);
    lblTitle->setAlignment(Qt::AlignCenter);
    lblTitle->setFont(sansSerif(12, true));
    {
        QPalette p = lblTitle->palette();
        p.setColor(QPalette::WindowText, lx::BgrColor(0x800000));
        lblTitle->setPalette(p);
    }

    Line1 = new QFrame(FraBorder);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);
    Line1->setGeometry(0, lx::tw(735) - 1, lx::tw(6360), 2);

    lblMessege = lx::twControl<QLabel>(FraBorder, nullptr, 300, 1000, 5805, 1250);
    lblMessege->setFont(sansSerif(9.75, false));
    lblMessege->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblMessege->setWordWrap(true);

    const double lefts[4] = {400, 2400, 4400, 6450};
    for (int i = 0; i < 4; ++i) {
        auto* b = lx::twControl<QPushButton>(FraBorder, nullptr, lefts[i], 2500, 1500, 480);
        b->setFont(sansSerif(9.75, true));
        connect(b, &QPushButton::clicked, this, [this, i] { cmdResponse_Click(i); });
        cmdResponse[size_t(i)] = b;
    }

    Form_Load();
}

void dlgMesseges::Form_Load()
{
    // A missing picture leaves the box empty; the logo is wider than the box, so it shrinks.
    lx::showLogo(Picture1);
}

void dlgMesseges::layOut(int n)
{
    auto moveLeft = [](QWidget* w, double leftTw) { w->move(lx::tw(leftTw), w->y()); };
    double windowWidthTw = 6800;
    switch (n) {
    case 1:
        moveLeft(cmdResponse[0], 2400);
        moveLeft(cmdResponse[1], OffFrameLeftTw);
        moveLeft(cmdResponse[2], OffFrameLeftTw);
        break;
    case 2:
        moveLeft(cmdResponse[0], 1400);
        moveLeft(cmdResponse[1], 3400);
        moveLeft(cmdResponse[2], OffFrameLeftTw);
        break;
    case 4:
        lblMessege->setGeometry(lx::twRect(500, 1000, 7400, 1250));
        FraBorder->setGeometry(lx::twRect(150, 80, 8400, FrameHeightTw));
        windowWidthTw = 8800;
        break;
    default:
        break;
    }
    setFixedSize(lx::clientSizeForOuter(windowWidthTw, lx::outerHeightTw(lx::tw(ClientHeightTw))));

    // Buttons beyond the count are hidden, so neither Tab nor a click can reach them.
    for (int i = 0; i < 4; ++i)
        cmdResponse[size_t(i)]->setVisible(i < n);
    buttonsShown = n;

    const double frameWidthTw = lx::toTwips(FraBorder->width());
    Line1->setGeometry(0, Line1->y(), lx::tw(frameWidthTw - 40), Line1->height());
    const float titleLeft = (float(frameWidthTw) - float(TitleWidthTw)) / 2.0f;
    lblTitle->move(lx::tw(titleLeft), lblTitle->y());
}

int16_t dlgMesseges::msgs(int16_t count, const QString& msgTitle, const QString& msgMessege, const QString& Button1,
                          const QString& Button2, const QString& Button3, const QString& Button4)
{
    const int n = lx::msgsButtons(count);
    // A program that is ending shows no box: the last button declines.
    if (lx::terminationRequested())
        return int16_t(n);
    dlgMesseges box;
    box.msgClickOpts = 0;
    box.layOut(n);
    box.lblTitle->setText(lx::displayText(msgTitle));
    // The title stands in the box, not on its frame: a screen reader names the box by it.
    box.setAccessibleName(box.lblTitle->text());
    box.lblMessege->setText(lx::displayText(msgMessege));
    const QString captions[4] = {Button1, Button2, Button3, Button4};
    for (int i = 0; i < 4; ++i) {
        box.cmdResponse[size_t(i)]->setText(captions[i]);
        box.cmdResponse[size_t(i)]->setToolTip(captions[i]);
    }
    box.cmdResponse[0]->setFocus();

    const Registry::Scope waiting(box);
    box.setModal(true);
    box.exec();
    // A termination request ends the box's loop without an answer.
    if (box.msgClickOpts == 0 || lx::terminationRequested())
        return int16_t(n);
    return box.msgClickOpts;
}

void dlgMesseges::cmdResponse_Click(int Index)
{
    if (Index < 0 || Index >= buttonsShown || answered)
        return;
    answered = true;
    msgClickOpts = int16_t(Index + 1);
    done(msgClickOpts);
}

void dlgMesseges::closeEvent(QCloseEvent* event)
{
    if (answered)
        event->accept();
    else
        event->ignore();
}

void dlgMesseges::keyPressEvent(QKeyEvent* event)
{
    // There is no cancel key: Escape does nothing.
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        event->accept();
        return;
    }
    QDialog::keyPressEvent(event);
}

namespace {

class FrameMessages final : public lx::MessageService {
public:
    explicit FrameMessages(std::unique_ptr<lx::MessageService> platform) : platform(std::move(platform)) {}
    int msgBox(const QString& text, int style, const QString& title) override
    {
        return platform->msgBox(text, style, title);
    }
    int msgs(int count, const QString& title, const QString& message, const QStringList& captions) override
    {
        const int16_t n = int16_t(qBound(-32768, count, 32767));
        return dlgMesseges::msgs(n, title, message, captions.value(0), captions.value(1), captions.value(2),
                                 captions.value(3));
    }

private:
    std::unique_ptr<lx::MessageService> platform;
};

} // namespace

void installMessageBox()
{
    auto& slot = lx::services().messages;
    if (dynamic_cast<FrameMessages*>(slot.get()))
        return;
    slot = std::make_unique<FrameMessages>(std::move(slot));
}
