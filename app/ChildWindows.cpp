#include "ChildWindows.h"

#include "basGlobal.h"
#include "frmMDI.h"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPointer>
#include <QPushButton>
#include <QScreen>
#include <QWindow>

#include "platform/Geometry.h"

namespace lx {

namespace {

// Moves a child window that the area placed partly outside its visible part back inside,
// once, when it is first shown (the area has placed it by then).
class KeepInside final : public QObject {
public:
    explicit KeepInside(QMdiSubWindow* sub) : QObject(sub) { sub->installEventFilter(this); }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Show) {
            auto* sub = static_cast<QMdiSubWindow*>(watched);
            QMdiArea* area = sub->mdiArea();
            if (area && area->isVisible() && !sub->isMaximized() && !sub->isMinimized()) {
                const QSize room = area->viewport()->size();
                const QRect r = sub->geometry();
                const int x = qMax(0, qMin(r.x(), room.width() - r.width()));
                const int y = qMax(0, qMin(r.y(), room.height() - r.height()));
                if (x != r.x() || y != r.y())
                    sub->move(x, y);
            }
            sub->removeEventFilter(this);
            deleteLater();
        }
        return false;
    }
};

} // namespace

QWidget* mainWindow() { return basGlobal::MainForm.data(); }

QMdiArea* childArea() { return basGlobal::MainForm ? basGlobal::MainForm->mdiArea : nullptr; }

QMdiSubWindow* addChildWindow(QMdiArea* area, QWidget* child)
{
    // A window that has its size keeps it; the frame and caption go around it.
    const bool sized = child->testAttribute(Qt::WA_Resized);
    const QSize size = child->size();
    QMdiSubWindow* sub = area->addSubWindow(child);
    if (sized)
        sub->resize(size.grownBy(sub->contentsMargins()));
    // The frame is what the window list and a screen reader meet first.
    if (!child->accessibleName().isEmpty())
        sub->setAccessibleName(child->accessibleName());
    if (!sub->isVisible())
        new KeepInside(sub);
    // Its menu's Close would share the main window's key and make it ambiguous.
    if (QMenu* menu = sub->systemMenu())
        for (QAction* a : menu->actions()) {
            QList<QKeySequence> keys = a->shortcuts();
            if (keys.removeAll(CloseChildKey) > 0)
                a->setShortcuts(keys);
        }
    return sub;
}

QMdiSubWindow* showChildWindow(QMdiArea* area, QWidget* child)
{
    QMdiSubWindow* sub = addChildWindow(area, child);
    if (basGlobal::ShuttingDown)
        return sub;
    child->show();
    area->setActiveSubWindow(sub);
    return sub;
}

QMdiSubWindow* showChildWindow(QWidget* child)
{
    if (QMdiArea* area = childArea())
        return showChildWindow(area, child);
    if (!basGlobal::ShuttingDown)
        child->show();
    return nullptr;
}

void centreWindow(QWidget* window, const QWidget* over)
{
    QRect around;
    if (over && over->isVisible())
        around = over->frameGeometry();
    else if (const QScreen* screen = QGuiApplication::primaryScreen())
        around = screen->availableGeometry();
    else
        return;
    window->move(around.center() - window->rect().center());
}

void showAndPaint(QWidget* window)
{
    if (basGlobal::ShuttingDown)
        return;
    window->show();
    window->raise();
    // A window is painted only once the display has mapped it; wait for that (briefly,
    // letting no input through), so that it is on the screen before the work starts. The
    // wait runs posted events, and one of them may unload the window.
    const QPointer<QWidget> shown(window);
    QElapsedTimer waited;
    waited.start();
    while (shown && shown->windowHandle() && !shown->windowHandle()->isExposed() && waited.elapsed() < 500)
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, 10);
    if (!shown)
        return;
    shown->repaint();
    // The picture reaches the display now, not at the next pass of the event loop.
    QGuiApplication::sync();
}

QPushButton* CancelButton(QWidget* form)
{
    for (const QString& caption : {QStringLiteral("Cancel"), QStringLiteral("Close")}) {
        for (QPushButton* b : form->findChildren<QPushButton*>()) {
            if (b->isVisibleTo(form) && b->isEnabled() && b->text().remove(QLatin1Char('&')) == caption)
                return b;
        }
    }
    return nullptr;
}

QMdiSubWindow* ChildFrame(QWidget* form) { return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr; }

namespace {

// Escape in a dialog does what its Cancel button does (the study dialogs call theirs
// Close), as it does in the top-level dialogs; a dialog without one ignores Escape. The key
// reaches the child window when no control inside used it (an open list took it first).
class EscapeCancels final : public QObject {
public:
    EscapeCancels(QMdiSubWindow* sub, QWidget* form) : QObject(sub), form_(form) { sub->installEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto* key = static_cast<QKeyEvent*>(event);
        if (key->key() != Qt::Key_Escape || key->modifiers() != Qt::NoModifier)
            return false;
        if (QPushButton* cancel = CancelButton(form_)) {
            // After the key's own handling: the handler may unload the window around us.
            QMetaObject::invokeMethod(cancel, &QAbstractButton::click, Qt::QueuedConnection);
            return true;
        }
        return false;
    }

private:
    QWidget* form_;
};

// Puts the form, at its size, into a fixed-border child window of the main window.
void AddFixedChild(QMdiArea* area, QWidget* form, bool dialog)
{
    QMdiSubWindow* sub = addChildWindow(area, form);
    Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (!dialog)
        flags |= Qt::WindowMinimizeButtonHint;
    sub->setWindowFlags(flags);
    if (dialog)
        new EscapeCancels(sub, form);
}

} // namespace

void SetHeading(QWidget* form, const QString& heading)
{
    form->setAccessibleName(heading);
    if (QMdiSubWindow* sub = ChildFrame(form))
        sub->setAccessibleName(heading);
}

void MakeChild(QWidget* form, double outerWidthTw, double outerHeightTw, bool dialog)
{
    Q_ASSERT(outerWidthTw <= LargestChildWidthTw && outerHeightTw <= LargestChildHeightTw);
    form->setFixedSize(clientSizeForOuter(outerWidthTw, outerHeightTw));
    if (QMdiArea* area = childArea())
        AddFixedChild(area, form, dialog);
}

void SetOuterSize(QWidget* form, double outerWidthTw, double outerHeightTw)
{
    Q_ASSERT(outerWidthTw <= LargestChildWidthTw && outerHeightTw <= LargestChildHeightTw);
    form->setFixedSize(clientSizeForOuter(outerWidthTw, outerHeightTw));
    if (QMdiSubWindow* sub = ChildFrame(form)) {
        const QMargins m = sub->contentsMargins();
        sub->setFixedSize(form->size().grownBy(m));
    }
}

void ShowInFront(QWidget* form)
{
    if (basGlobal::ShuttingDown)
        return;
    form->show();
    if (QMdiSubWindow* sub = ChildFrame(form)) {
        const QMargins m = sub->contentsMargins();
        sub->setFixedSize(form->size().grownBy(m));
        // A window the student minimised comes back as it was: an icon is not in front.
        if (sub->isMinimized())
            sub->showNormal();
        sub->show();
        sub->raise();
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        // The focus leaves the window it was opened from, whose button would otherwise
        // take the front back when it next gets an event.
        if (!sub->isAncestorOf(QApplication::focusWidget()))
            sub->setFocus(Qt::ActiveWindowFocusReason);
        // The keyboard comes with the front, also after a box of the moment (a message, the
        // help's wait box) left no window active.
        if (!sub->window()->isActiveWindow())
            sub->window()->activateWindow();
    } else {
        form->raise();
        form->activateWindow();
    }
}

void ShowAsChild(QWidget* form, bool atOrigin)
{
    if (QMdiArea* area = childArea(); area && !ChildFrame(form)) {
        AddFixedChild(area, form, true);
        if (atOrigin)
            ChildFrame(form)->move(0, 0);
    }
    ShowInFront(form);
}

void HideChild(QWidget* form)
{
    if (QMdiSubWindow* sub = ChildFrame(form))
        sub->hide();
    else
        form->hide();
}

void MoveChild(QWidget* form, double leftTw, double topTw)
{
    QWidget* w = ChildFrame(form) ? static_cast<QWidget*>(ChildFrame(form)) : form;
    w->move(tw(leftTw), tw(topTw));
}

QPointF ActiveChildPosTw()
{
    const QMdiArea* area = childArea();
    const QMdiSubWindow* active = area ? area->currentSubWindow() : nullptr;
    if (!active)
        return {};
    return {toTwips(active->x()), toTwips(active->y())};
}

void UnloadChildWindows(QMdiArea* area)
{
    if (!area)
        return;
    // Guarded: a window's destructor may unload another one of the list.
    const QList<QMdiSubWindow*> created = area->subWindowList(QMdiArea::CreationOrder);
    QList<QPointer<QMdiSubWindow>> subs(created.begin(), created.end());
    for (auto it = subs.rbegin(); it != subs.rend(); ++it)
        delete it->data();
}

void UnloadNow(QWidget* form)
{
    if (!form)
        return;
    if (QMdiSubWindow* sub = ChildFrame(form))
        delete sub;
    else
        delete form;
}

void UnloadLater(QWidget* form)
{
    if (!form)
        return;
    QWidget* w = ChildFrame(form) ? static_cast<QWidget*>(ChildFrame(form)) : form;
    w->hide();
    w->deleteLater();
}

} // namespace lx
