#include "frmMessege.h"

#include "FrameAssets.h"

#include "platform/Geometry.h"

#include <QPalette>

using lx::tw;

frmMessege::frmMessege(QWidget* clientArea) : QWidget(clientArea)
{
    setObjectName(QStringLiteral("frmMessege"));
    resize(clientArea->width(), tw(HeightTw));

    Picture1 = new QWidget(this);
    Picture1->setObjectName(QStringLiteral("Picture1"));
    Picture1->setAutoFillBackground(true);
    QPalette pal = Picture1->palette();
    pal.setColor(QPalette::Window, Qt::white);
    Picture1->setPalette(pal);

    imgLogo = new QLabel(Picture1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(lx::twRect(60, 30, 540, 540));
    imgLogo->setAlignment(Qt::AlignCenter);

    Form_Load();
}

void frmMessege::Form_Load()
{
    const QPixmap logo = frame::InstallPicture(QStringLiteral("\\pictures\\icons\\LXicon.gif"));
    if (!logo.isNull()) {
        // At its own size when it fits the strip, else scaled down to it.
        const QSize room = imgLogo->size();
        imgLogo->setPixmap(logo.width() <= room.width() && logo.height() <= room.height()
                               ? logo
                               : logo.scaled(room, Qt::KeepAspectRatio, Qt::SmoothTransformation));
    }
    raise();
}

void frmMessege::Form_Resize()
{
    const QWidget* client = parentWidget();
    const int h = tw(HeightTw);
    setGeometry(0, client->height() - h, client->width(), h);
    Picture1->setGeometry(0, 0, width(), h);
}
