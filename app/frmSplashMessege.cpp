#include "frmSplashMessege.h"

#include "ChildWindows.h"
#include "FrameAssets.h"

#include "platform/Fonts.h"

#include "platform/Colors.h"
#include "platform/FormRegistry.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"

#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QPixmap>
#include <QTimer>

#include <algorithm>

namespace {

// The box's texts are fixed and so are its labels: a face wider than the one it was laid
// out for gets a smaller size rather than a clipped text.
void fitText(QLabel* label, const QString& widest)
{
    QFont f = label->font();
    while (f.pointSizeF() > 7 && QFontMetrics(f).horizontalAdvance(widest) > label->width())
        f.setPointSizeF(f.pointSizeF() - 0.5);
    label->setFont(f);
}

} // namespace

using Registry = lx::SingleInstance<frmSplashMessege>;

frmSplashMessege* frmSplashMessege::instance() { return Registry::peek(); }

frmSplashMessege::frmSplashMessege() : QWidget(nullptr, Qt::SplashScreen | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Please Wait"));
    setFixedSize(lx::tw(3615), lx::tw(1305));

    Frame1 = lx::twControl<QGroupBox>(this, nullptr, 150, 60, 3300, 1110);
    Frame1->installEventFilter(this);

    Picture1 = lx::twControl<QLabel>(Frame1, nullptr, 210, 315, 540, 540);
    Picture1->setAlignment(Qt::AlignCenter);

    QFont font = lx::formFont(QStringLiteral("Tahoma"), 12, true);
    QPalette grey = palette();
    grey.setColor(QPalette::WindowText, lx::BgrColor(0x404040));

    lblMessege = lx::twControl<QLabel>(Frame1, nullptr, 945, 420, 1485, 330);
    lblMessege->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    lblDots = lx::twControl<QLabel>(Frame1, nullptr, 2475, 420, 615, 330);
    lblDots->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    for (QLabel* l : {lblMessege, lblDots}) {
        l->setFont(font);
        l->setPalette(grey);
    }

    Timer1 = new QTimer(this);
    Timer1->setInterval(500);
    connect(Timer1, &QTimer::timeout, this, &frmSplashMessege::Timer1_Timer);

    Form_Load();
}

void frmSplashMessege::Form_Load()
{
    lx::showLogo(Picture1);
    lblMessege->setText(QStringLiteral("Please Wait"));
    lblDots->setText(QStringLiteral("."));
    fitText(lblMessege, lblMessege->text());
    fitText(lblDots, QStringLiteral("...."));
    // One size for both, so that they still read as one line.
    const qreal size = std::min(lblMessege->font().pointSizeF(), lblDots->font().pointSizeF());
    for (QLabel* l : {lblMessege, lblDots}) {
        QFont f = l->font();
        f.setPointSizeF(size);
        l->setFont(f);
    }
    Timer1->start();
}

void frmSplashMessege::Timer1_Timer()
{
    const QString dots = lblDots->text();
    if (dots == u"." || dots == u".." || dots == u"...")
        lblDots->setText(dots + u'.');
    else
        lblDots->setText(QStringLiteral("."));
}

void frmSplashMessege::Form_KeyPress(int) { unloadSelf(); }

void frmSplashMessege::Frame1_Click() { unloadSelf(); }

void frmSplashMessege::keyPressEvent(QKeyEvent* event)
{
    if (!event->text().isEmpty()) {
        Form_KeyPress(event->text().at(0).unicode());
        return;
    }
    QWidget::keyPressEvent(event);
}

bool frmSplashMessege::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == Frame1 && event->type() == QEvent::MouseButtonRelease
        && static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        Frame1_Click();
        return true;
    }
    return QWidget::eventFilter(watched, event);
}

void frmSplashMessege::unloadSelf()
{
    // A later unloadBox does nothing and showAndPaint makes a new box.
    Timer1->stop();
    Registry::unloadLater(this);
}

void frmSplashMessege::showAndPaint()
{
    const bool fresh = !Registry::exists();
    frmSplashMessege& box = Registry::get();
    if (fresh)
        lx::centreWindow(&box, lx::mainWindow());
    lx::showAndPaint(&box);
}

void frmSplashMessege::unloadBox() { Registry::unload(); }
