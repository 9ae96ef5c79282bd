#pragma once
#include <QWidget>

// The "Please Wait" box shown while a slow command runs.
class frmSplashMessege : public QWidget {
    Q_OBJECT
public:
    frmSplashMessege();
    // Shows the one box (creating it) and paints it at once.
    static void showAndPaint();
    // Unloads the box if it is up.
    static void unloadBox();
};
