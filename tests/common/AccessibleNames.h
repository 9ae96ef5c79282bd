#pragma once
// What a screen reader says of a window, read through Qt's accessibility as the desktop's
// bus reads it: the name of the window (a child window's frame, else the window) and of
// each control Tab stops at.
#include "platform/Keyboard.h"
#include "tests/common/TabWalk.h"

#include <QAbstractItemView>
#include <QAbstractSpinBox>
#include <QAccessible>
#include <QComboBox>
#include <QGroupBox>
#include <QHash>
#include <QLabel>
#include <QLineEdit>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QStringList>
#include <QTextEdit>
#include <QWidget>

#include <algorithm>

namespace lx::testing {

inline QString accessibleText(QObject* o, QAccessible::Text what = QAccessible::Name)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->text(what) : QString();
}

inline QAccessible::Role accessibleRole(QObject* o)
{
    QAccessibleInterface* i = QAccessible::queryAccessibleInterface(o);
    return i ? i->role() : QAccessible::NoRole;
}

// The window as a screen reader meets it: the frame of a child window, else the window.
inline QWidget* outerWindow(QWidget* form)
{
    if (auto* frame = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        return frame;
    return form->window();
}

// What a screen reader calls a control. A list's name on Linux is the entry it shows, so what
// labels a list is its own accessible name, else the caption whose buddy it is.
inline QString nameOfControl(QWidget* w)
{
    if (!qobject_cast<QComboBox*>(w))
        return accessibleText(w).trimmed();
    if (!w->accessibleName().trimmed().isEmpty())
        return w->accessibleName().trimmed();
    for (const auto& [other, relation] : QAccessible::queryAccessibleInterface(w)->relations(QAccessible::Label))
        if (qobject_cast<QLabel*>(other->object()))
            return other->text(QAccessible::Name).trimmed();
    return {};
}

// A control one types or picks a value in.
inline bool isBox(const QWidget* w)
{
    return qobject_cast<const QLineEdit*>(w) || qobject_cast<const QTextEdit*>(w) || qobject_cast<const QPlainTextEdit*>(w)
           || qobject_cast<const QComboBox*>(w) || qobject_cast<const QAbstractSpinBox*>(w)
           || qobject_cast<const QAbstractItemView*>(w);
}

// Empty when the window has a name, every control Tab stops at in form has one and no two
// boxes share one; else each fault on a line.
inline QString namingFaults(QWidget* form)
{
    QStringList faults;
    if (accessibleText(outerWindow(form)).trimmed().isEmpty())
        faults << QStringLiteral("the window has no name");
    QHash<QString, QWidget*> boxes;
    for (QWidget* w : lx::tabStops(form)) {
        const QString name = nameOfControl(w);
        // A name says something: "..." on a button does not.
        if (!std::any_of(name.begin(), name.end(), [](QChar c) { return c.isLetterOrNumber(); })) {
            faults << QStringLiteral("%1 has no name (\"%2\")").arg(nameOf(w), name);
            continue;
        }
        // Qt's last resort for a control nothing labels: the title of its group.
        if (const auto* group = qobject_cast<const QGroupBox*>(w->parentWidget());
            group && w->accessibleName().isEmpty() && name == group->title().trimmed()) {
            faults << QStringLiteral("%1 is named by its group \"%2\"").arg(nameOf(w), name);
            continue;
        }
        if (!isBox(w))
            continue;
        if (QWidget* other = boxes.value(name))
            faults << QStringLiteral("%1 and %2 are both \"%3\"").arg(nameOf(other), nameOf(w), name);
        else
            boxes.insert(name, w);
    }
    return faults.join(u'\n');
}

} // namespace lx::testing
