#pragma once
// The keyboard's walk through a window as a student makes it: what Tab can reach, and the
// check that Tab visits it all in its order on the screen.
#include <QAbstractButton>
#include <QApplication>
#include <QList>
#include <QPoint>
#include <QString>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include <algorithm>

namespace lx::testing {

// Where a control stands in its form: top first, then left.
inline QPoint place(const QWidget* w, const QWidget* form) { return w->mapTo(form, QPoint(0, 0)); }
inline bool before(QPoint a, QPoint b) { return a.y() != b.y() ? a.y() < b.y() : a.x() < b.x(); }

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

inline QString nameOf(const QWidget* w)
{
    if (!w)
        return QStringLiteral("(none)");
    if (const auto* b = qobject_cast<const QAbstractButton*>(w); b && !b->text().isEmpty())
        return b->text();
    return w->objectName().isEmpty() ? QString::fromLatin1(w->metaObject()->className()) : w->objectName();
}

// Walks Tab from the first control until it comes back: every reachable control once, in
// screen order; Shift+Tab from the first reaches the last. (An option group is one stop:
// Qt takes Tab from the group's other buttons once one of them has the focus, so what is
// reachable is counted after the walk.) Empty when so, else what is wrong.
inline QString checkTabWalk(QWidget* form)
{
    const QList<QWidget*> before_ = reachable(form);
    if (before_.isEmpty())
        return QStringLiteral("nothing to reach");
    QWidget* first = *std::min_element(before_.begin(), before_.end(),
                                       [form](QWidget* a, QWidget* b) { return before(place(a, form), place(b, form)); });
    first->setFocus(Qt::OtherFocusReason);
    QList<QWidget*> visited{first};
    for (int k = 0; k < 500; ++k) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QWidget* now = QApplication::focusWidget();
        if (now == first || !now)
            break;
        visited.push_back(now);
    }
    QStringList names;
    for (QWidget* w : visited)
        names << nameOf(w);
    const QString walk = names.join(QStringLiteral(" > "));
    if (QApplication::focusWidget() != first)
        return QStringLiteral("not back at the first: ") + walk;
    const QList<QWidget*> all = reachable(form);
    for (QWidget* w : all)
        if (!visited.contains(w))
            return QStringLiteral("%1 never reached: ").arg(nameOf(w)) + walk;
    for (qsizetype k = 1; k < visited.size(); ++k)
        if (!all.contains(visited[k]) || !before(place(visited[k - 1], form), place(visited[k], form)))
            return QStringLiteral("out of screen order at %1: ").arg(nameOf(visited[k])) + walk;
    QTest::keyClick(first, Qt::Key_Backtab, Qt::ShiftModifier);
    if (QApplication::focusWidget() != visited.back())
        return QStringLiteral("Shift+Tab from the first does not reach the last: ") + walk;
    return {};
}

} // namespace lx::testing
