#include "frmSplash.h"

#include "platform/Fonts.h"

#include "ChildWindows.h"
#include "FrameAssets.h"
#include "basGlobal.h"

#include "platform/FormRegistry.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QScreen>

using lx::tw;

namespace {
QLabel* label(QWidget* parent, const char* name, const QString& text, double left, double top, double width,
              double height, int points, bool bold, Qt::Alignment align)
{
    auto* l = lx::twControl<QLabel>(parent, name, left, top, width, height, text);
    l->setFont(lx::formFont(QStringLiteral("MS Sans Serif"), points, bold));
    l->setAlignment(align);
    return l;
}
} // namespace

frmSplash::frmSplash()
{
    setObjectName(QStringLiteral("frmSplash"));
    setWindowFlags(Qt::SplashScreen | Qt::FramelessWindowHint);
    setAttribute(Qt::WA_DeleteOnClose, false);
    setFixedSize(tw(7380), tw(4245));
    setAutoFillBackground(true);

    fraMainFrame = lx::twControl<QFrame>(this, "fraMainFrame", 150, 60, 7080, 4050);
    fraMainFrame->setFrameShape(QFrame::Box);
    fraMainFrame->setFrameShadow(QFrame::Sunken);

    picLogo = lx::twControl<QLabel>(fraMainFrame, "picLogo", 360, 720, 1800, 1800);
    picLogo->setAlignment(Qt::AlignCenter);

    const auto left = Qt::AlignLeft | Qt::AlignVCenter;
    const auto right = Qt::AlignRight | Qt::AlignVCenter;
    lblLicenseTo = label(fraMainFrame, "lblLicenseTo", QStringLiteral("Licensed to the students and teachers of this laboratory"),
                         240, 240, 6600, 255, 8, false, right);
    lblCompanyProduct = label(fraMainFrame, "lblCompanyProduct", QStringLiteral("Virtual Geotechnical Laboratory"),
                              2400, 720, 4440, 420, 12, false, left);
    lblProductName = label(fraMainFrame, "lblProductName", QString(), 2400, 1170, 4440, 900, 30, true, left);
    lblPlatform = label(fraMainFrame, "lblPlatform", QStringLiteral("for Linux desktops"), 2400, 2160, 4440, 330, 12,
                        false, right);
    lblVersion = label(fraMainFrame, "lblVersion", QString(), 2400, 2520, 4440, 330, 12, false, right);
    lblCopyright = label(fraMainFrame, "lblCopyright", QStringLiteral("Copyright \u00A9 the Loamix developers"),
                         240, 3000, 6600, 255, 8, false, left);
    lblCompany = label(fraMainFrame, "lblCompany", QStringLiteral("Soil mechanics teaching laboratory"),
                       240, 3255, 6600, 255, 8, false, left);
    lblWarning = label(fraMainFrame, "lblWarning",
                       QStringLiteral("Warning: this program is protected by copyright law. Reproducing or distributing it, "
                                      "or any part of it, without permission is prohibited."),
                       240, 3540, 6600, 420, 8, false, Qt::AlignLeft | Qt::AlignTop);
    lblWarning->setWordWrap(true);

    Form_Load();
}

void frmSplash::Form_Load()
{
    lx::setLoamixIcon(this);
    lblVersion->setText(lx::VersionText());
    lblProductName->setText(basGlobal::AppTitle);

    // The logo of the program's resources; the installed logo when it is not built in.
    QPixmap logo = QPixmap::fromImage(lx::ReadPicture(QStringLiteral(":/forms/frmSplash/picLogo.png")));
    if (logo.isNull())
        logo = lx::InstallPicture(QStringLiteral("\\pictures\\icons\\LXicon.gif"));
    picLogo->setPixmap(lx::FitPicture(logo, picLogo->size()));
}

void frmSplash::ShowSplash()
{
    frmSplash& splash = lx::SingleInstance<frmSplash>::get();
    lx::centreWindow(&splash, nullptr);
    // Painted now: the event loop does not run again before the main window is up.
    lx::showAndPaint(&splash);
}
