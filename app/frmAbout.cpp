#include "frmAbout.h"

#include "FrameAssets.h"
#include "basGlobal.h"

#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/Services.h"

#include <QFileInfo>


frmAbout::frmAbout(QWidget* owner) : QDialog(owner)
{
    setObjectName(QStringLiteral("frmAbout"));
    setWindowTitle(QStringLiteral("About Loamix"));
    setFixedSize(lx::clientSizeForOuter(5850, 3960));

    picIcon = lx::twControl<QLabel>(this, "picIcon", 240, 240, 540, 540);
    picIcon->setAlignment(Qt::AlignCenter);

    lblTitle = lx::twControl<QLabel>(this, "lblTitle", 1050, 240, 3885, 480);
    QFont titleFont(QStringLiteral("MS Sans Serif"), 14);
    titleFont.setBold(true);
    lblTitle->setFont(titleFont);

    lblVersion = lx::twControl<QLabel>(this, "lblVersion", 1050, 780, 3885, 225);

    lblDescription = lx::twControl<QLabel>(this, "lblDescription", 1050, 1125, 3885, 1170);
    lblDescription->setWordWrap(true);
    lblDescription->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    Line1 = lx::twControl<QFrame>(this, "Line1", 105, 2400, 5520, 30);
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Sunken);

    lblDisclaimer = lx::twControl<QLabel>(this, "lblDisclaimer", 255, 2625, 3870, 825);
    lblDisclaimer->setWordWrap(true);
    lblDisclaimer->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    cmdOK = lx::twControl<QPushButton>(this, "cmdOK", 4245, 2625, 1260, 345, QStringLiteral("OK"));
    cmdOK->setDefault(true);

    cmdSysInfo = lx::twControl<QPushButton>(this, "cmdSysInfo", 4245, 3075, 1260, 345, QStringLiteral("&System Info..."));

    connect(cmdOK, &QPushButton::clicked, this, &frmAbout::cmdOK_Click);
    connect(cmdSysInfo, &QPushButton::clicked, this, &frmAbout::cmdSysInfo_Click);

    Form_Load();
}

void frmAbout::Form_Load()
{
    lx::setLoamixIcon(this);
    const QIcon icon = lx::LoamixIcon();
    // The box's own picture travels with the program; the window icon is the installed one.
    const QPixmap own(QStringLiteral(":/forms/frmAbout/picIcon.png"));
    if (!own.isNull())
        picIcon->setPixmap(own);
    else if (!icon.isNull())
        picIcon->setPixmap(icon.pixmap(32, 32));
    lblVersion->setText(lx::VersionText());
    lblTitle->setText(basGlobal::AppTitle);
    lblDescription->setText(QStringLiteral(
        "A virtual geotechnical laboratory that can be used to simulate all aspects of the physical experiments in "
        "geotechnical engineering education."));
    lblDisclaimer->setText(QStringLiteral(
        "Warning: this program is protected by copyright law, and reproducing or distributing it without permission "
        "is prohibited."));
}

void frmAbout::cmdOK_Click() { accept(); }

void frmAbout::cmdSysInfo_Click() { StartSysInfo(); }

bool frmAbout::GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal)
{
    // Only the machine-wide root is ever asked for; the lookup holds its values.
    Q_UNUSED(KeyRoot);
    const std::optional<QString> value = lx::systemLookup().value(KeyName, SubKeyRef);
    if (!value) {
        KeyVal.clear();
        return false;
    }
    // A value cut at its first NUL, as a stored string ends there.
    const qsizetype nul = value->indexOf(QChar(u'\0'));
    KeyVal = nul < 0 ? *value : value->left(nul);
    return true;
}

void frmAbout::StartSysInfo()
{
    QString path;
    QString program;
    if (GetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools\\MSINFO"), QStringLiteral("PATH"), path)) {
        program = path;
    } else if (GetKeyValue(HKEY_LOCAL_MACHINE, QStringLiteral("SOFTWARE\\Microsoft\\Shared Tools Location"),
                           QStringLiteral("MSINFO"), path)) {
        const QString candidate = lx::resolveCaseInsensitive(path, QStringLiteral("\\MSINFO32.EXE"));
        if (QFileInfo(candidate).isFile())
            program = candidate;
    }
    if (!program.isEmpty() && lx::launcher().start(program))
        return;
    lx::messages().msgBox(QStringLiteral("System Information Is Unavailable At This Time"), lx::vbOKOnly, basGlobal::AppTitle);
}
