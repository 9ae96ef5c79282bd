#pragma once
// Controls placed in twips, the way every window lays out what the forms gave positions for,
// and the Click of an option button.
#include "platform/Geometry.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QString>
#include <QWidget>
#include <functional>
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

// Runs an option button's Click whenever the button becomes selected: by the mouse, the
// keyboard, an assistive technology's toggle action or code checking it. (Qt's clicked comes
// from the mouse and keyboard only, so a screen reader could select an option unseen by its
// window.) A button already selected that is clicked again does not run it.
template <typename Receiver, typename Handler>
void onSelected(QRadioButton* option, Receiver* receiver, Handler handler)
{
    QObject::connect(option, &QAbstractButton::toggled, receiver, [receiver, handler](bool selected) {
        if (selected)
            std::invoke(handler, receiver);
    });
}

// Names each box of a row that one caption labels ("Normal Stress (kPa):" before three boxes)
// for a screen reader: the caption without its colon and the box's place in the row
// ("Normal Stress (kPa) 1"). A caption that changes names its row again.
template <typename Boxes>
void nameRow(const QString& caption, const Boxes& boxes)
{
    QString stem = caption.trimmed();
    if (stem.endsWith(u':'))
        stem.chop(1);
    int place = 0;
    for (QWidget* box : boxes)
        box->setAccessibleName(QStringLiteral("%1 %2").arg(stem).arg(++place));
}

// What a screen reader says of a picture that carries the lesson (an apparatus, a step of
// a test): its name and a sentence on what it shows.
inline void describePicture(QWidget* picture, const QString& name, const QString& description)
{
    picture->setAccessibleName(name);
    picture->setAccessibleDescription(description);
}

// Shows text in a one-line box from its beginning, with the whole text as the box's tool tip,
// so that a text longer than the box (a specimen type) can still be read.
inline void setBoxText(QLineEdit* box, const QString& text)
{
    box->setText(text);
    box->setCursorPosition(0);
    box->setToolTip(text);
}

} // namespace lx
