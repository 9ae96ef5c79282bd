#include "frmMessege.h"

#include "FrameAssets.h"

#include "platform/Controls.h"
#include "platform/Geometry.h"

#include <QPainter>
#include <QPalette>

using lx::tw;

namespace {

// The banner across a wider strip: its last column carries on to the strip's end, so
// that its bands do not stop short.
QPixmap widened(const QPixmap& banner, int width)
{
    if (banner.isNull() || banner.width() >= width)
        return banner;
    QPixmap out(width, banner.height());
    out.fill(Qt::transparent);
    QPainter p(&out);
    p.drawPixmap(0, 0, banner);
    p.drawPixmap(QRect(banner.width(), 0, width - banner.width(), banner.height()), banner,
                 QRect(banner.width() - 1, 0, 1, banner.height()));
    return out;
}

} // namespace

frmMessege::frmMessege(QWidget* clientArea) : QWidget(clientArea)
{
    setObjectName(QStringLiteral("frmMessege"));
    resize(clientArea->width(), tw(HeightTw));

    // The strip's banner starts at the left edge, at its own height.
    Picture1 = new QLabel(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    Picture1->setAutoFillBackground(true);
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, QColor(212, 208, 200));
    Picture1->setPalette(pal);
    banner = QPixmap::fromImage(lx::ReadPicture(QStringLiteral(":/forms/frmMessege/Picture1.png")));
    Picture1->setPixmap(banner);

    imgLogo = lx::twControl<QLabel>(Picture1, "imgLogo", 60, 30, 540, 540);
    imgLogo->setAlignment(Qt::AlignCenter);

    Form_Load();
}

void frmMessege::Form_Load()
{
    lx::showLogo(imgLogo);
    raise();
}

void frmMessege::Form_Resize()
{
    const QWidget* client = parentWidget();
    const int h = tw(HeightTw);
    setGeometry(0, client->height() - h, client->width(), h);
    Picture1->setGeometry(0, 0, width(), h);
    // The main window is sized more than once while it is made: widen once per width.
    if (Picture1->pixmap().width() != qMax(width(), banner.width()))
        Picture1->setPixmap(widened(banner, width()));
}
