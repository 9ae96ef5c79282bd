#include "triaxial/TriaxialWindows.h"

#include "app/ChildWindows.h"
#include "platform/Geometry.h"

#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

namespace triaxial {

QPushButton* Button(QWidget* parent, const QString& caption, const QString& tip, double left, double top, double width,
                    double height)
{
    auto* b = new QPushButton(caption, parent);
    b->setGeometry(lx::twRect(left, top, width, height));
    b->setToolTip(tip);
    return b;
}

QMdiSubWindow* ChildFrame(QWidget* form) { return form ? qobject_cast<QMdiSubWindow*>(form->parentWidget()) : nullptr; }

namespace {

// Puts the form, at its size, into a fixed-border child window of the main window.
void AddFixedChild(QMdiArea* area, QWidget* form, bool dialog)
{
    QMdiSubWindow* sub = lx::addChildWindow(area, form);
    Qt::WindowFlags flags = Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint;
    if (!dialog)
        flags |= Qt::WindowMinimizeButtonHint;
    sub->setWindowFlags(flags);
}

} // namespace

void MakeChild(QWidget* form, double outerWidthTw, double outerHeightTw, bool dialog)
{
    form->setFixedSize(lx::clientSizeForOuter(outerWidthTw, outerHeightTw));
    if (QMdiArea* area = lx::childArea())
        AddFixedChild(area, form, dialog);
}

void SetOuterSize(QWidget* form, double outerWidthTw, double outerHeightTw)
{
    form->setFixedSize(lx::clientSizeForOuter(outerWidthTw, outerHeightTw));
    if (QMdiSubWindow* sub = ChildFrame(form)) {
        const QMargins m = sub->contentsMargins();
        sub->setFixedSize(form->size().grownBy(m));
    }
}

void ShowInFront(QWidget* form)
{
    form->show();
    if (QMdiSubWindow* sub = ChildFrame(form)) {
        const QMargins m = sub->contentsMargins();
        sub->setFixedSize(form->size().grownBy(m));
        sub->show();
        sub->raise();
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
    } else {
        form->raise();
        form->activateWindow();
    }
}

void ShowAsChild(QWidget* form)
{
    if (QMdiArea* area = lx::childArea(); area && !ChildFrame(form))
        AddFixedChild(area, form, true);
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
    w->move(lx::tw(leftTw), lx::tw(topTw));
}

QPointF ActiveChildPosTw()
{
    const QMdiArea* area = lx::childArea();
    const QMdiSubWindow* active = area ? area->currentSubWindow() : nullptr;
    if (!active)
        return {};
    return {lx::toTwips(active->x()), lx::toTwips(active->y())};
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

} // namespace triaxial
