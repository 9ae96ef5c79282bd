#pragma once
// The pictures the windows keep inside themselves, drawn at build time into the
// resource prefix ":/forms" of the library lxpictures.
#include <QString>

namespace lx::pictures {

// ":/forms/" + name, for example formPicture("toolbar/1DConsol.png").
QString formPicture(const QString& name);

// The toolbar image of a button key of the main window ("New", "1DConsol", "DS"...).
QString toolbarPicture(const QString& key);

} // namespace lx::pictures
