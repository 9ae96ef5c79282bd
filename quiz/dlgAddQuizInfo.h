#pragma once
// Login or registration of the quiz user of the file QuizFileConnection names. Register
// mode (the file has no user): four empty boxes; Save writes a new quiz file where the
// student chooses. Login mode: the names locked, the confirmation row hidden.
#include <QDialog>
#include <memory>

class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace lx {
class Connection;
class Recordset;
} // namespace lx

class dlgAddQuizInfo : public QDialog {
    Q_OBJECT
public:
    explicit dlgAddQuizInfo(QWidget* owner = nullptr);
    ~dlgAddQuizInfo() override;

    // Prepares the dialog for the file of QuizFileConnection, shows it modally and returns
    // True once the user has logged in or a new file has been made (QuizFileConnection then
    // names it). A file that cannot be read gives False.
    bool QuizUser();

    void OKButton_Click();
    void CancelButton_Click();
    // Writes a new quiz file for the typed user; stays open when cancelled or on failure.
    void CreateQuizFile();

    bool loginMode() const;

    QGroupBox* fraEnterInfo;
    QLabel* Label2;
    QLineEdit* txtLastName;
    QLabel* Label3;
    QLineEdit* txtFirstName;
    QLabel* lblPassword;
    QLineEdit* txtPassword;
    QLabel* lblPasswordConfirm;
    QLineEdit* txtPasswordConfirm;
    QPushButton* OKButton;
    QPushButton* CancelButton;

    void reject() override { CancelButton_Click(); }

private:
    void Form_Unload();
    bool result = false;
    bool login = false;
    std::unique_ptr<lx::Connection> connection;
};
