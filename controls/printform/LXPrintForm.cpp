#include "LXPrintForm.h"

#include "platform/Geometry.h"
#include "platform/PictureBox.h"
#include "platform/Printing.h"
#include "platform/Services.h"

#include <QMdiSubWindow>
#include <QPainter>
#include <QPrinter>
#include <QTimer>

#include <cmath>

LXPrintForm::LXPrintForm(QWidget* parent)
    : QWidget(parent), tmrWait(new QTimer(this)), picCapture(new lx::PictureBox(this))
{
    // A control of fixed size that is never seen on the main window.
    setFixedSize(lx::tw(425), lx::tw(400));
    setVisible(false);
    picCapture->setObjectName(QStringLiteral("picCapture"));
    picCapture->setGeometry(lx::twRect(60, 60, 225, 225));
    picCapture->setVisible(false);
    // The wait is a timer, not a loop that runs events inside the call: the program goes on
    // meanwhile, and the wait's end looks again whether the window is still there.
    tmrWait->setObjectName(QStringLiteral("tmrWait"));
    tmrWait->setSingleShot(true);
    tmrWait->setInterval(WaitMs);
    connect(tmrWait, &QTimer::timeout, this, &LXPrintForm::tmrWait_Timer);
}

LXPrintForm::~LXPrintForm() = default;

bool LXPrintForm::PrintForm()
{
    if (!frmSrc || Waiting())
        return false;
    tmrWait->start();
    return true;
}

QPrinter& LXPrintForm::Printer()
{
    // Made on first use: a printer loads the system's print support (CUPS and what it links),
    // which the program's start would otherwise wait for.
    if (!printer)
        printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
    return *printer;
}

bool LXPrintForm::Waiting() const { return tmrWait->isActive(); }

void LXPrintForm::tmrWait_Timer()
{
    tmrWait->stop();
    // Closed while we waited: there is nothing left to print, and nobody to tell.
    if (!frmSrc || !frmSrc->isVisible())
        return;
    const QImage picture = Capture();
    picCapture->setPicture(picture);
    picCapture->resize(picture.deviceIndependentSize().toSize());
    QString why;
    if (picture.isNull() || !lx::printPages(Printer(), [this](QPagedPaintDevice& device) { return PrintCapture(device); }, &why))
        lx::messages().msgBox(lx::printFailureMessage(QStringLiteral("The window"), Printer(), why),
                              lx::vbOKOnly | lx::vbExclamation, QStringLiteral("Print Window"));
}

QImage LXPrintForm::Capture() const
{
    QWidget* window = frmSrc;
    // A child window of the main window is printed with its frame and caption.
    if (auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget()); frame && frame->widget() == window)
        window = frame;
    return window->grab().toImage();
}

QPointF LXPrintForm::PagePosition(const QSizeF& pageTw, const QSizeF& pictureTw)
{
    return QPointF(float((pageTw.width() - pictureTw.width()) / 2 - 300),
                   float((pageTw.height() - pictureTw.height()) / 2 - 300));
}

bool LXPrintForm::PrintCapture(QPagedPaintDevice& device)
{
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    // The page is the printable area in whole twips; the picture keeps its on-screen size
    // in twips, however large the page (a window larger than the page runs off it).
    const double dotsPerTwip = device.logicalDpiX() / 1440.0;
    const QRect page = painter.viewport();
    const QSizeF pageTw(std::round(page.width() / dotsPerTwip), std::round(page.height() / dotsPerTwip));
    const QSizeF pictureTw(lx::toTwips(picCapture->width()), lx::toTwips(picCapture->height()));
    painter.scale(dotsPerTwip, dotsPerTwip);
    // Captions and lines stay sharp: no lossy compression of the picture.
    painter.setRenderHint(QPainter::LosslessImageRendering);
    painter.drawImage(QRectF(PagePosition(pageTw, pictureTw), pictureTw), picCapture->picture());
    return painter.end();
}
