#include "PreShear.h"

#include "triaxial/frmTriaxial1stStage.h"

#include "app/ChildWindows.h"
#include "platform/FormRegistry.h"
#include "platform/Geometry.h"

#include <QMdiSubWindow>

namespace preshear {

void OpenPreShear(const QString& testType)
{
    frmTriaxial1stStage& form = lx::SingleInstance<frmTriaxial1stStage>::get();
    form.SetSimType(testType);
    form.setWindowTitle(testType == QStringLiteral("UUC ") ? QStringLiteral("Triaxial Compression (UUC)")
                                                           : frmTriaxial1stStage::DesignCaption);
    ShowChild(&form);
}

void ShowChild(QWidget* form)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        sub->setWindowTitle(form->windowTitle());
        sub->show();
        form->show();
        if (sub->mdiArea())
            sub->mdiArea()->setActiveSubWindow(sub);
        return;
    }
    if (QMdiSubWindow* sub = lx::showChildWindow(form)) {
        sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint | Qt::WindowCloseButtonHint);
        sub->setFixedSize(form->size().grownBy(sub->contentsMargins()));
        sub->show();
    }
}

void SetOuterSize(QWidget* form, double widthTw, double heightTw)
{
    form->setFixedSize(lx::clientSizeForOuter(widthTw, heightTw));
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        sub->setFixedSize(form->size().grownBy(sub->contentsMargins()));
}

void HideWindow(QWidget* form)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget()))
        sub->hide();
    else
        form->hide();
}

void CloseLater(QWidget* form)
{
    if (auto* sub = qobject_cast<QMdiSubWindow*>(form->parentWidget())) {
        sub->hide();
        sub->deleteLater();
        return;
    }
    form->hide();
    form->deleteLater();
}

} // namespace preshear
