#pragma once
#include <QDialog>
#include <QFrame>
#include <QLabel>
#include <QPushButton>

// Help > About: title, version and a way to the system-information program.
class frmAbout : public QDialog {
    Q_OBJECT
public:
    // The predefined registry root the lookups name.
    static constexpr quint32 HKEY_LOCAL_MACHINE = 0x80000002u;

    explicit frmAbout(QWidget* owner = nullptr);

    // Starts the system-information program, or says that there is none.
    void StartSysInfo();
    // The value SubKeyRef of key KeyName: true and KeyVal set when found; false and KeyVal
    // emptied otherwise.
    bool GetKeyValue(quint32 KeyRoot, const QString& KeyName, const QString& SubKeyRef, QString& KeyVal);

    QLabel* picIcon;
    QLabel* lblTitle;
    QLabel* lblVersion;
    QLabel* lblDescription;
    QFrame* Line1;
    QLabel* lblDisclaimer;
    QPushButton* cmdOK;
    QPushButton* cmdSysInfo;

public slots:
    void cmdOK_Click();
    void cmdSysInfo_Click();

private:
    void Form_Load();
};
