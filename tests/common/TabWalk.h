#pragma once
// The keyboard's walk through a window as a student makes it: what Tab can reach, the walk
// by the names a student tells the controls by, and the check that Tab visits it all.
#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

namespace lx::testing {

// Whether any part of w lies inside every parent up to form (a control moved out of its
// picture area is out of view).
inline bool inView(const QWidget* w, const QWidget* form)
{
    QRect r = w->rect();
    for (const QWidget* p = w; p != form; p = p->parentWidget()) {
        r.translate(p->pos());
        r &= p->parentWidget()->rect();
        if (r.isEmpty())
            return false;
    }
    return true;
}

// What a student can reach: shown, enabled, taking Tab, and in view.
inline QList<QWidget*> reachable(QWidget* form)
{
    QList<QWidget*> out;
    for (QWidget* w : form->findChildren<QWidget*>())
        if ((w->focusPolicy() & Qt::TabFocus) && !w->focusProxy() && w->isVisible() && w->isEnabled() && inView(w, form))
            out.push_back(w);
    return out;
}

// A control as a student tells it: a button by its caption, else by what a screen reader
// says, else by its name in the code.
inline QString nameOf(const QWidget* w)
{
    if (!w)
        return QStringLiteral("(none)");
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
        return b->text().remove(u'&');
    if (!w->accessibleName().isEmpty())
        return w->accessibleName();
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// The controls Tab visits from first (given the focus) until it comes back to it, first
// included; at most 500.
inline QList<QWidget*> tabWalkFrom(QWidget* first)
{
    first->setFocus(Qt::OtherFocusReason);
    QList<QWidget*> visited{first};
    for (int k = 0; k < 500; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == first || !now)
            break;
        visited.push_back(now);
    }
    return visited;
}

inline QStringList namesOf(const QList<QWidget*>& walk)
{
    QStringList names;
    for (QWidget* w : walk)
        names << nameOf(w);
    return names;
}

// Walks Tab from a reachable control until it comes back: every reachable control once;
// Shift+Tab from that control reaches the one visited last. (An option group is one stop:
// Qt takes Tab from the group's other buttons once one of them has the focus, so what is
// reachable is counted after the walk.) The order itself is named by the tests that care.
// Empty when so, else what is wrong.
inline QString checkTabWalk(QWidget* form)
{
    const QList<QWidget*> before = reachable(form);
    if (before.isEmpty())
        return QStringLiteral("nothing to reach");
    // Not an option of a group the walk comes back to by its checked option.
    QWidget* first = before.front();
    for (QWidget* w : before)
        if (const auto* b = qobject_cast<const QAbstractButton*>(w); !b || !b->autoExclusive() || b->isChecked()) {
            first = w;
            break;
        }
    const QList<QWidget*> visited = tabWalkFrom(first);
    const QString walk = namesOf(visited).join(QStringLiteral(" > "));
    if (QApplication::focusWidget() != first)
        return QStringLiteral("not back at the first: ") + walk;
    const QList<QWidget*> all = reachable(form);
    for (QWidget* w : all)
        if (!visited.contains(w))
            return QStringLiteral("%1 never reached: ").arg(nameOf(w)) + walk;
    for (QWidget* w : visited)
        if (!all.contains(w))
            return QStringLiteral("%1 is out of reach: ").arg(nameOf(w)) + walk;
    QTest::keyClick(first, Qt::Key_Backtab, Qt::ShiftModifier);
    if (QApplication::focusWidget() != visited.back())
        return QStringLiteral("Shift+Tab from the first does not reach the last: ") + walk;
    return {};
}

} // namespace lx::testing
