#pragma once
// What the frame's windows share: the version text and the installed pictures. A picture
// that is missing gives an empty picture, never a failure.
#include <QIcon>
#include <QImage>
#include <QPixmap>
#include <QString>

class QLabel;
class QWidget;

namespace lx {

// "Version 1.0.0": the program's major, minor and revision numbers.
QString VersionText();

// The window icon, install folder + "\pictures\icons\Loamix.ico".
QIcon LoamixIcon();
// Gives a window the installed icon; without one the window keeps its own.
void setLoamixIcon(QWidget* window);
// A picture file (":/forms/..." or on disk) read by the format its name ends with; null
// when it is missing or unreadable. Qt's own reading first asks every image plugin whether
// it knows the file; by the name it goes straight to the reader of its format (a file
// whose name says nothing is still read by its content).
QImage ReadPicture(const QString& path);
// A picture of the install folder by its install-relative path ("\pictures\icons\LXicon.gif").
QPixmap InstallPicture(const QString& relative);
// A picture for a picture box of the given size: at its own size when it fits, else
// scaled down to fit, keeping its proportions (never cropped, never blown up).
QPixmap FitPicture(const QPixmap& picture, QSize room);
// Shows the installed logo ("\pictures\icons\LXicon.gif") in a picture box, fitted to it.
void showLogo(QLabel* box);
// A picture of the program's resources (":/forms/..."), made transparent where it is
// light grey (192, 192, 192), the image lists' mask colour.
QPixmap MaskedResourcePicture(const QString& path);

} // namespace lx
