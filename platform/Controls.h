#pragma once
// Controls placed in twips, the way every window lays out what the forms gave positions for.
#include "platform/Geometry.h"

#include <QPushButton>
#include <QString>
#include <QWidget>
#include <utility>

namespace lx {

// Makes a control of type Control on parent at the given place in twips; args go to its
// constructor before the parent (a caption for a label or a button). A name, when given,
// is its object name.
template <typename Control, typename... Args>
Control* twControl(QWidget* parent, const char* name, double leftTw, double topTw, double widthTw, double heightTw,
                   Args&&... args)
{
    auto* control = new Control(std::forward<Args>(args)..., parent);
    if (name)
        control->setObjectName(QString::fromLatin1(name));
    control->setGeometry(twRect(leftTw, topTw, widthTw, heightTw));
    return control;
}

// A command button placed in twips, with its tool tip (none when empty).
inline QPushButton* twButton(QWidget* parent, const QString& caption, const QString& tip, double leftTw, double topTw,
                             double widthTw, double heightTw)
{
    auto* b = twControl<QPushButton>(parent, nullptr, leftTw, topTw, widthTw, heightTw, caption);
    b->setToolTip(tip);
    return b;
}

} // namespace lx
