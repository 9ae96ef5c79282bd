#include "frmLogin.h"

#include "platform/Fonts.h"

#include "basGlobal.h"
#include "basHTMLHelp.h"

#include "platform/Database.h"
#include "platform/Controls.h"
#include "platform/Geometry.h"
#include "platform/Services.h"

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

frmLogin::frmLogin(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Login"));
    setFont(lx::formFont(QStringLiteral("MS Sans Serif"), 8.25));
    setFixedSize(lx::tw(4455), lx::tw(1605));

    lblLabels[0] = lx::twControl<QLabel>(this, nullptr, 345, 150, 1080, 255, QStringLiteral("&User Name:"));
    lblLabels[0]->setToolTip(QStringLiteral("User: Put Your NetID"));

    txtUserName = lx::twControl<QLineEdit>(this, nullptr, 1545, 135, 2325, 285);
    txtUserName->setToolTip(QStringLiteral("User: Enter Loa-mix user ID"));

    lblLabels[1] = lx::twControl<QLabel>(this, nullptr, 345, 540, 1080, 255, QStringLiteral("&Password:"));
    lblLabels[1]->setToolTip(QStringLiteral("Password: Leave Empty"));

    txtPassword = lx::twControl<QLineEdit>(this, nullptr, 1545, 525, 2325, 285);
    txtPassword->setToolTip(QStringLiteral("Enter Loa-mix Password"));
    txtPassword->setEchoMode(QLineEdit::Password);
    // One "*" per character typed, whatever the style would draw.
    txtPassword->setStyleSheet(QStringLiteral("lineedit-password-character: 42;"));

    lblLabels[0]->setBuddy(txtUserName);
    lblLabels[1]->setBuddy(txtPassword);

    cmdOK = lx::twControl<QPushButton>(this, nullptr, 240, 1080, 1215, 375, QStringLiteral("OK"));
    cmdOK->setToolTip(QStringLiteral("Validate and Login"));

    cmdCancel = lx::twControl<QPushButton>(this, nullptr, 1680, 1080, 1215, 375, QStringLiteral("Cancel"));
    cmdCancel->setToolTip(QStringLiteral("Exit, Press F1 for Help"));

    cmdHelp = lx::twControl<QPushButton>(this, nullptr, 3120, 1080, 1095, 375, QStringLiteral("Help"));

    // Enter in either box presses OK, the default button; on a button, Enter presses that one.
    cmdOK->setDefault(true);
    connect(cmdOK, &QPushButton::clicked, this, &frmLogin::cmdOK_Click);
    connect(cmdCancel, &QPushButton::clicked, this, &frmLogin::cmdCancel_Click);
    connect(cmdHelp, &QPushButton::clicked, this, &frmLogin::cmdHelp_Click);

    Form_Load();
}

frmLogin::~frmLogin() { Form_Unload(); }

QString frmLogin::connectionString()
{
    return lx::ConnectionString::format(basGlobal::TempPath + QStringLiteral("Users.lxu"), QStringLiteral("mobkel"), true);
}

bool frmLogin::isLoaded() const { return connection && connection->State() == lx::adStateOpen; }

void frmLogin::Form_Load()
{
    auto opened = std::make_unique<lx::Connection>();
    try {
        opened->Open(connectionString());
        connection = std::move(opened);
    } catch (const lx::DatabaseError& e) {
        OK = false;
        lx::messages().msgBox(QStringLiteral("The list of users cannot be read.\r%1").arg(e.message()), lx::vbCritical,
                              QStringLiteral("Login"));
    }
}

void frmLogin::Form_Unload()
{
    if (recordset && recordset->isOpen())
        recordset->Close();
    recordset.reset();
    if (connection && connection->State() == lx::adStateOpen)
        connection->Close();
    connection.reset();
}

void frmLogin::cmdOK_Click()
{
    if (!isLoaded()) {
        OK = false;
        lx::messages().msgBox(QStringLiteral("The list of users cannot be read."), lx::vbCritical, QStringLiteral("Login"));
        return;
    }
    // The typed texts are bound, never written into the statement.
    const QString u = txtUserName->text();
    const QString p = txtPassword->text();
    long n = 0;
    try {
        recordset = connection->Execute(QStringLiteral("SELECT COUNT (*) FROM MemberInfo WHERE UserName=? AND Password=?"),
                                        {u, p});
        if (!recordset->eof())
            n = long(recordset->Fields(0).toDouble());
    } catch (const lx::DatabaseError& e) {
        lx::messages().msgBox(QStringLiteral("The list of users cannot be read.\r%1").arg(e.message()), lx::vbCritical,
                              QStringLiteral("Login"));
        return;
    }
    if (n < 1) {
        lx::messages().msgBox(QStringLiteral("Invalid user name/password."), lx::vbOKOnly, basGlobal::AppTitle);
        return;
    }
    basGlobal::CurrentUserName = txtUserName->text();
    OK = true;
    Form_Unload();
    done(QDialog::Accepted);
}

void frmLogin::cmdCancel_Click()
{
    OK = false;
    // Hidden, not unloaded: the connection stays open until the window goes.
    done(QDialog::Rejected);
}

void frmLogin::cmdHelp_Click() { ShowHelpTopicQuiet(2, QStringLiteral("/html/Login.htm")); }

int frmLogin::exec()
{
    if (!isLoaded())
        return QDialog::Rejected;
    return QDialog::exec();
}

void frmLogin::setVisible(bool visible)
{
    QDialog::setVisible(visible && isLoaded());
}
