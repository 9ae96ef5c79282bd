#pragma once
// A login window that checks a user name and password against the user list Users.lxu in
// the working-copy folder. Nothing in the program opens it yet; a caller reads OK.
#include <QDialog>
#include <array>
#include <memory>

class QLabel;
class QLineEdit;
class QPushButton;

namespace lx {
class Connection;
class Recordset;
} // namespace lx

class frmLogin : public QDialog {
    Q_OBJECT
public:
    explicit frmLogin(QWidget* owner = nullptr);
    ~frmLogin() override;

    // True after a successful login, False after Cancel or when the user list is unreadable.
    bool OK = false;

    // The user list's connection, as the window builds it from basGlobal::TempPath.
    static QString connectionString();
    // False when the user list could not be opened; the window then never shows.
    bool isLoaded() const;

    void Form_Load();
    void Form_Unload();
    void cmdOK_Click();
    void cmdCancel_Click();
    void cmdHelp_Click();

    std::array<QLabel*, 2> lblLabels{};
    QLineEdit* txtUserName;
    QLineEdit* txtPassword;
    QPushButton* cmdOK;
    QPushButton* cmdCancel;
    QPushButton* cmdHelp;

    // Escape and the window's close both cancel.
    void reject() override { cmdCancel_Click(); }
    // Without the user list there is nothing to ask: it returns Rejected at once.
    int exec() override;
    void setVisible(bool visible) override;

private:
    std::unique_ptr<lx::Connection> connection;
    std::unique_ptr<lx::Recordset> recordset;
};
