#pragma once
#include <QLabel>
#include <QWidget>

// The logo strip along the bottom of the main window's client area, below the child
// windows' area (it is not a child window itself).
class frmMessege : public QWidget {
    Q_OBJECT
public:
    // The strip's fixed height in twips.
    static constexpr double HeightTw = 600;

    explicit frmMessege(QWidget* clientArea);

    // Docks the strip at the bottom of the client area across its full width.
    void Form_Resize();

    QLabel* Picture1;
    QLabel* imgLogo;

private:
    void Form_Load();
    QPixmap banner;
};
