#include "QuizWindows.h"

#include "app/basGlobal.h"
#include "app/frmMDI.h"

#include <QMdiSubWindow>

namespace quiz {

void ShowModeless(QWidget* window, bool atOrigin)
{
    QMdiSubWindow* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    if (!sub && basGlobal::MainForm) {
        sub = basGlobal::MainForm->AddChild(window);
        if (atOrigin)
            sub->move(0, 0);
    }
    window->show();
    if (sub) {
        sub->show();
        sub->raise();
    }
}

void CloseWindow(QWidget* window)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(window->parentWidget()))
        sub->close();
    else
        window->close();
}

} // namespace quiz
