#include "platform/Keyboard.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QEvent>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPointer>
#include <QPushButton>
#include <QTextEdit>
#include <QToolButton>

#include <algorithm>

namespace lx {

namespace {

// The widget that takes the focus when w is given it.
QWidget* focusTarget(QWidget* w)
{
    while (w && w->focusProxy())
        w = w->focusProxy();
    return w;
}

// A control that uses Tab itself: a box one types tabs into, a page whose links Tab walks,
// a table whose cells it walks.
bool takesTab(const QWidget* w)
{
    if (const auto* text = qobject_cast<const QTextEdit*>(w))
        return !text->tabChangesFocus()
               && (text->textInteractionFlags() & (Qt::TextEditable | Qt::LinksAccessibleByKeyboard));
    if (const auto* plain = qobject_cast<const QPlainTextEdit*>(w))
        return !plain->tabChangesFocus() && (plain->textInteractionFlags() & Qt::TextEditable);
    if (const auto* view = qobject_cast<const QAbstractItemView*>(w))
        return view->tabKeyNavigation();
    return false;
}

// Whether part of w lies inside each of its parents up to form: a control moved out of its
// parent's area (a note waiting for its slide, a question not shown) is not in view.
bool inView(const QWidget* w, const QWidget* form)
{
    QRect r = w->rect();
    for (const QWidget* p = w; p != form && p->parentWidget(); p = p->parentWidget()) {
        r.translate(p->pos());
        r &= p->parentWidget()->rect();
        if (r.isEmpty())
            return false;
    }
    return true;
}

bool isEnter(const QKeyEvent* key)
{
    const Qt::KeyboardModifiers m = key->modifiers();
    return (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)
           && (m == Qt::NoModifier || m == Qt::KeypadModifier);
}

class KeyboardRules final : public QObject {
public:
    using QObject::QObject;

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        switch (event->type()) {
        case QEvent::KeyPress:
            return keyPress(watched, static_cast<QKeyEvent*>(event));
        case QEvent::KeyRelease:
            return keyRelease(watched, static_cast<QKeyEvent*>(event));
        case QEvent::FocusOut:
            if (auto* box = qobject_cast<QLineEdit*>(watched)) {
                const Qt::FocusReason why = static_cast<QFocusEvent*>(event)->reason();
                // A menu or another window taking the keyboard for a moment leaves the box as it was.
                if (why != Qt::PopupFocusReason && why != Qt::ActiveWindowFocusReason)
                    box->setCursorPosition(0);
            }
            return false;
        case QEvent::Show:
            if (auto* w = qobject_cast<QWidget*>(watched); w && isForm(w))
                applyTabOrder(w);
            return false;
        case QEvent::Hide:
            if (watched == QApplication::focusWidget())
                handOnFocus(static_cast<QWidget*>(watched));
            return false;
        case QEvent::FocusIn:
            if (auto* w = qobject_cast<QWidget*>(watched))
                leaveTheFrame(w, static_cast<QFocusEvent*>(event)->reason());
            return false;
        default:
            return false;
        }
    }

private:
    // A window, or the form inside a child window, that holds its own controls (not the main
    // window with its child area).
    static bool isForm(QWidget* w)
    {
        return !qobject_cast<QMdiSubWindow*>(w) && tabScope(w) == w && w->windowType() != Qt::Popup
               && !w->findChild<QMdiArea*>();
    }

    // A window that gets the focus on its frame (the form itself, or the child window around
    // it), or on a control Tab does not stop at (a note moved out of view), hands it to its
    // first control once the window is up. A click's focus stays where it was put.
    static void leaveTheFrame(QWidget* w, Qt::FocusReason why)
    {
        if (why == Qt::MouseFocusReason || why == Qt::PopupFocusReason || why == Qt::ShortcutFocusReason)
            return;
        auto* sub = qobject_cast<QMdiSubWindow*>(w);
        QWidget* form = sub ? sub->widget() : tabScope(w);
        if (!form || !isForm(form))
            return;
        QMetaObject::invokeMethod(
            form,
            [form, w] {
                if (QApplication::focusWidget() != w)
                    return;
                const QList<QWidget*> stops = tabStops(form);
                if (!stops.isEmpty() && !stops.contains(w))
                    stops.front()->setFocus(Qt::OtherFocusReason);
            },
            Qt::QueuedConnection);
    }

    // A control that hides itself with the focus (Skip Slides) hands it to what came up with
    // its going (the soil list it enabled), once its handler is done; with nothing new, Qt's
    // next control in the form's chain keeps it.
    static void handOnFocus(QWidget* hidden)
    {
        QWidget* form = tabScope(hidden);
        if (!form || form == hidden || hidden->isWindow() || !isForm(form))
            return;
        const QList<QWidget*> before = tabStops(form);
        QMetaObject::invokeMethod(
            form,
            [form, before] {
                QWidget* focus = QApplication::focusWidget();
                if (focus && !form->isAncestorOf(focus) && focus != form)
                    return;
                for (QWidget* w : tabStops(form))
                    if (!before.contains(w)) {
                        w->setFocus(Qt::OtherFocusReason);
                        return;
                    }
            },
            Qt::QueuedConnection);
    }

    bool keyPress(QObject* watched, QKeyEvent* key)
    {
        // The key's first delivery, to the control with the focus; not again as it goes up.
        auto* focus = qobject_cast<QWidget*>(watched);
        if (!focus || focus != QApplication::focusWidget())
            return false;
        if (QAbstractButton* button = enterButton(watched, key))
            return pressButton(button, key);
        const bool ctrlOrAlt = key->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
        if (ctrlOrAlt || (key->key() != Qt::Key_Tab && key->key() != Qt::Key_Backtab))
            return false;
        const bool forward = key->key() == Qt::Key_Tab && !(key->modifiers() & Qt::ShiftModifier);
        return moveFocus(focus, forward);
    }

    // A push or tool button that Enter presses.
    static QAbstractButton* enterButton(QObject* watched, const QKeyEvent* key)
    {
        auto* focus = qobject_cast<QWidget*>(watched);
        if (!focus || focus != QApplication::focusWidget() || !isEnter(key))
            return nullptr;
        auto* button = qobject_cast<QAbstractButton*>(focus);
        if (!button || !(qobject_cast<QPushButton*>(button) || qobject_cast<QToolButton*>(button)))
            return nullptr;
        return button;
    }

    // Enter presses a button as Space does: down on the press, clicked on the release, an
    // auto-repeated key ignored. The button's own Space handling does both, so it is given a
    // Space for each Enter.
    bool pressButton(QAbstractButton* button, const QKeyEvent* key)
    {
        if (!button->isEnabled())
            return false;
        if (!key->isAutoRepeat() && !busy(button)) {
            QKeyEvent space(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
            QCoreApplication::sendEvent(button, &space);
        }
        return true;
    }

    bool keyRelease(QObject* watched, QKeyEvent* key)
    {
        QAbstractButton* button = enterButton(watched, key);
        if (!button || !button->isEnabled())
            return false;
        if (key->isAutoRepeat() || busy(button))
            return true;
        // A handler that runs the event loop (a wait box, a modal box) meets the next Enter
        // on this button while it still runs: that one is ignored, not run inside it.
        const QPointer<QAbstractButton> guard(button);
        running.push_back(guard);
        QKeyEvent space(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "));
        QCoreApplication::sendEvent(button, &space);
        running.removeOne(guard);   // a deleted button's entry is null by now, as is guard
        return true;
    }

    bool busy(const QAbstractButton* button) const { return std::find(running.begin(), running.end(), button) != running.end(); }

    // The buttons whose click by Enter is running.
    QList<QPointer<QAbstractButton>> running;

    static bool moveFocus(QWidget* focus, bool forward)
    {
        if (takesTab(focus))
            return false;
        QWidget* form = tabScope(focus);
        // The main window's own bars and area keep Qt's order; a menu or list popup its own.
        if (!form || form->findChild<QMdiArea*>() || (form->windowType() == Qt::Popup))
            return false;
        const QList<QWidget*> stops = tabStops(form);
        if (stops.isEmpty())
            return false;
        const qsizetype at = stops.indexOf(focus);
        qsizetype next;
        if (at < 0)
            next = forward ? 0 : stops.size() - 1;
        else
            next = (at + (forward ? 1 : stops.size() - 1)) % stops.size();
        stops[next]->setFocus(forward ? Qt::TabFocusReason : Qt::BacktabFocusReason);
        return true;
    }
};

} // namespace

void installKeyboardRules()
{
    static KeyboardRules* rules = nullptr;
    if (rules || !qApp)
        return;
    rules = new KeyboardRules(qApp);
    qApp->installEventFilter(rules);
}

QWidget* tabScope(QWidget* w)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(w))
        return sub->widget();
    for (; w; w = w->parentWidget()) {
        if (qobject_cast<QMdiSubWindow*>(w->parentWidget()) || w->isWindow())
            return w;
    }
    return nullptr;
}

namespace {

// Whether w stands in the row that first (no lower than w) begins: its top within half a line
// of first's, or the two side by side over most of their height (a picture beside a group).
bool sameRow(const QWidget* first, const QWidget* w, int tolerance)
{
    if (w->y() - first->y() <= tolerance)
        return true;
    return w->y() < first->y() + first->height() / 2 && first->y() < w->y() + w->height() / 2;
}

// The stops inside parent in reading order: its children that are stops or hold stops, row
// by row from the top, left to right in a row; a child that holds stops (a group box, a
// frame, a picture) gives them all at its place.
void readingOrder(const QWidget* parent, const QList<QWidget*>& stops, int tolerance, QList<QWidget*>& out)
{
    QList<QWidget*> items;
    for (QWidget* stop : stops) {
        QWidget* w = stop;
        while (w && w->parentWidget() != parent)
            w = w->parentWidget();
        if (w && !items.contains(w))
            items.push_back(w);
    }
    std::stable_sort(items.begin(), items.end(), [](const QWidget* a, const QWidget* b) {
        return a->y() != b->y() ? a->y() < b->y() : a->x() < b->x();
    });
    for (qsizetype row = 0; row < items.size();) {
        qsizetype end = row + 1;
        while (end < items.size() && sameRow(items[row], items[end], tolerance))
            ++end;
        std::stable_sort(items.begin() + row, items.begin() + end,
                         [](const QWidget* a, const QWidget* b) { return a->x() < b->x(); });
        for (qsizetype k = row; k < end; ++k) {
            if (stops.contains(items[k]))
                out.push_back(items[k]);
            QList<QWidget*> inner;
            for (QWidget* stop : stops)
                if (items[k]->isAncestorOf(stop))
                    inner.push_back(stop);
            if (!inner.isEmpty())
                readingOrder(items[k], inner, tolerance, out);
        }
        row = end;
    }
}

} // namespace

QList<QWidget*> tabStops(QWidget* form)
{
    QList<QWidget*> stops;
    if (!form)
        return stops;
    for (QWidget* w : form->findChildren<QWidget*>()) {
        if (!(w->focusPolicy() & Qt::TabFocus))
            continue;
        QWidget* target = focusTarget(w);
        if (!target || stops.contains(target) || target->window() != form->window() || !target->isEnabled()
            || !target->isVisible() || !form->isAncestorOf(target))
            continue;
        if (!inView(target, form))
            continue;
        stops.push_back(target);
    }
    QList<QWidget*> ordered;
    readingOrder(form, stops, form->fontMetrics().height() / 2, ordered);
    return ordered;
}

void applyTabOrder(QWidget* form)
{
    const QList<QWidget*> stops = tabStops(form);
    for (qsizetype k = 1; k < stops.size(); ++k)
        QWidget::setTabOrder(stops[k - 1], stops[k]);
}

} // namespace lx
