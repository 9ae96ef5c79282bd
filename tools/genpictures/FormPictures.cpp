#include "FormPictures.h"

namespace lx::pictures {

QString formPicture(const QString& name)
{
    return QStringLiteral(":/forms/") + name;
}

QString toolbarPicture(const QString& key)
{
    return formPicture(QStringLiteral("toolbar/") + key + QStringLiteral(".png"));
}

} // namespace lx::pictures
