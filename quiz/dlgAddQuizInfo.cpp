#include "dlgAddQuizInfo.h"

#include "QuizFile.h"
#include "app/basGlobal.h"
#include "app/frmMDI.h"
#include "platform/Database.h"
#include "platform/Geometry.h"
#include "platform/Paths.h"
#include "platform/Services.h"
#include "platform/TerminationSignals.h"

#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using lx::tw;
using lx::twRect;

namespace {

QLabel* label(QWidget* parent, const QString& text, int left, int top)
{
    auto* l = new QLabel(text, parent);
    l->setGeometry(twRect(left, top, 1800, 375));
    return l;
}

QLineEdit* box(QWidget* parent, int left, int top, bool password)
{
    auto* e = new QLineEdit(parent);
    e->setGeometry(twRect(left, top, 2535, 375));
    if (password) {
        e->setEchoMode(QLineEdit::Password);
        e->setToolTip(QStringLiteral("Enter Loa-mix Password"));
    }
    return e;
}

} // namespace

dlgAddQuizInfo::dlgAddQuizInfo(QWidget* owner) : QDialog(owner)
{
    setWindowTitle(QStringLiteral("Quiz User Information"));
    setFixedSize(tw(5775), tw(3360));
    fraEnterInfo = new QGroupBox(QStringLiteral("User Info"), this);
    fraEnterInfo->setGeometry(twRect(240, 120, 5295, 2535));
    // The frame's children are placed in the dialog's twips, less the frame's corner.
    auto* f = fraEnterInfo;
    Label2 = label(f, QStringLiteral("Last Name"), 120, 240);
    txtLastName = box(f, 2160, 240, false);
    Label3 = label(f, QStringLiteral("First Name"), 120, 720);
    txtFirstName = box(f, 2160, 720, false);
    lblPassword = label(f, QStringLiteral("Password"), 120, 1320);
    txtPassword = box(f, 2160, 1320, true);
    lblPasswordConfirm = label(f, QStringLiteral("Conform Password"), 120, 1800);
    txtPasswordConfirm = box(f, 2160, 1800, true);
    // Each row's caption names its box.
    Label2->setBuddy(txtLastName);
    Label3->setBuddy(txtFirstName);
    lblPassword->setBuddy(txtPassword);
    lblPasswordConfirm->setBuddy(txtPasswordConfirm);
    OKButton = new QPushButton(QStringLiteral("OK"), this);
    OKButton->setGeometry(twRect(1200, 2760, 1215, 375));
    OKButton->setAutoDefault(false);
    CancelButton = new QPushButton(QStringLiteral("Cancel"), this);
    CancelButton->setGeometry(twRect(3360, 2760, 1215, 375));
    CancelButton->setAutoDefault(false);
    connect(OKButton, &QPushButton::clicked, this, &dlgAddQuizInfo::OKButton_Click);
    connect(CancelButton, &QPushButton::clicked, this, &dlgAddQuizInfo::CancelButton_Click);
    // Enter in a password box is OK; in a name box it does nothing.
    connect(txtPassword, &QLineEdit::returnPressed, this, &dlgAddQuizInfo::OKButton_Click);
    connect(txtPasswordConfirm, &QLineEdit::returnPressed, this, &dlgAddQuizInfo::OKButton_Click);
}

dlgAddQuizInfo::~dlgAddQuizInfo() { Form_Unload(); }

bool dlgAddQuizInfo::loginMode() const { return login; }

void dlgAddQuizInfo::Form_Unload() { connection.reset(); }

bool dlgAddQuizInfo::QuizUser()
{
    result = false;
    try {
        connection = std::make_unique<lx::Connection>();
        connection->Open(basGlobal::QuizFileConnection);
        lx::Recordset rs;
        rs.Open(QStringLiteral("SELECT * FROM UserInfo"), *connection, lx::adOpenDynamic, lx::adLockOptimistic);
        if (rs.eof())
            return false;
        const QString last = rs.Fields(quiz::user::LastName).toText();
        login = !last.trimmed().isEmpty();
        if (login) {
            lblPasswordConfirm->hide();
            txtPasswordConfirm->hide();
            txtLastName->setText(last);
            const QString first = rs.Fields(quiz::user::FirstName).toText();
            if (!first.trimmed().isEmpty())
                txtFirstName->setText(first);
            txtLastName->setEnabled(false);
            txtFirstName->setEnabled(false);
            txtPasswordConfirm->setText(rs.Fields(quiz::user::Password).toText());
            txtPassword->setFocus();
        }
    } catch (const lx::DatabaseError&) {
        Form_Unload();
        return false;
    }
    // A program that is ending opens no dialog.
    if (!lx::terminationRequested())
        exec();
    Form_Unload();
    return result && !lx::terminationRequested();
}

void dlgAddQuizInfo::OKButton_Click()
{
    auto say = [](const char* text) { lx::messages().msgBox(QString::fromLatin1(text), lx::vbOKOnly, basGlobal::AppTitle); };
    if (txtLastName->text().trimmed().isEmpty())
        return say("Please enter your Last Name");
    if (txtFirstName->text().trimmed().isEmpty())
        return say("Please enter your First Name");
    if (txtPassword->text().trimmed().isEmpty())
        return say("Please enter a Password");
    if (txtPassword->text() != txtPasswordConfirm->text()) {
        say("Password is not confirmed. Please re-enter");
        txtPassword->clear();
        if (!login)
            txtPasswordConfirm->clear();
        return;
    }
    const QString user = txtFirstName->text() + u' ' + txtLastName->text();
    if (login) {
        hide();
        lx::messages().msgs(1, QStringLiteral("Quiz Login"),
                            QStringLiteral("Login SuccessFull.\r\rWelcome ") + user + u'.', {QStringLiteral("OK"), {}, {}, {}});
        result = true;
        accept();
        return;
    }
    const int choice = lx::messages().msgs(2, QStringLiteral("Confirm User Info"),
                                           QStringLiteral("User Name : ") + user + QStringLiteral("\r\rRemember your Password?"),
                                           {QStringLiteral("Edit"), QStringLiteral("Save"), {}, {}});
    if (choice == 2)
        CreateQuizFile();
}

void dlgAddQuizInfo::CancelButton_Click()
{
    result = false;
    QDialog::reject();
}

void dlgAddQuizInfo::CreateQuizFile()
{
    const QString defaultName = quiz::DefaultQuizFileName(txtLastName->text(), txtFirstName->text());
    QString path;
    for (;;) {
        lx::FileDialogRequest request;
        request.title = QStringLiteral("Save");
        request.fileName = defaultName;
        request.filter = QStringLiteral("All Files (*.lxq)|*.lxq");
        path = lx::fileDialogs().saveFile(request);
        if (path.isEmpty())
            return;
        if (!QFileInfo::exists(path))
            break;
        const int choice = lx::messages().msgs(
            2, QStringLiteral("Create Quiz File"),
            QStringLiteral("\r    Selected file already exits.\r\r    Do you wish to overwrire the file or open a new file?"),
            {QStringLiteral("Overwrite"), QStringLiteral("New File"), {}, {}});
        if (choice == 1)
            break;
    }
    // The new file replaces an overwritten one only once it is complete.
    QString why;
    if (!quiz::CreateQuizFile(lx::installPath(QStringLiteral("\\QuizTemplate.lxq")), path, txtLastName->text(),
                              txtFirstName->text(), txtPassword->text(), &why)) {
        lx::messages().msgBox(QStringLiteral("The quiz file could not be saved as\r") + path + QStringLiteral("\r\r") + why
                                  + QStringLiteral("\r\rPlease choose another folder or name."),
                              lx::vbOKOnly | lx::vbExclamation, QStringLiteral("Create Quiz File"));
        return;
    }
    Form_Unload();
    result = true;
    basGlobal::QuizFileConnection = quiz::QuizConnectionString(path);
    accept();
}
