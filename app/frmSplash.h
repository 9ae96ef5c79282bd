#pragma once
#include <QFrame>
#include <QLabel>
#include <QWidget>

// The splash window shown while start-up loads the main window.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    frmSplash();

    // Shows the one splash window (creating it) and paints it at once.
    static void ShowSplash();

    QFrame* fraMainFrame;
    QLabel* picLogo;
    QLabel* lblLicenseTo;
    QLabel* lblCompanyProduct;
    QLabel* lblProductName;
    QLabel* lblPlatform;
    QLabel* lblVersion;
    QLabel* lblCopyright;
    QLabel* lblCompany;
    QLabel* lblWarning;

private:
    void Form_Load();
};
