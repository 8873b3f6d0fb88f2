#include "platform/qt/MdiChildWindow.h"

#include <QCloseEvent>
#include <QMdiArea>

namespace platform {

MdiChildWindow::MdiChildWindow(QWidget* parent)
    : QMdiSubWindow(parent)
{
}

int16_t MdiChildWindow::WindowState() const
{
    if (isMinimized())
        return 1;
    if (isMaximized())
        return 2;
    return 0;
}

void MdiChildWindow::SetWindowState(int16_t state)
{
    switch (state) {
    case 1: showMinimized(); break;
    case 2: showMaximized(); break;
    default: showNormal(); break;
    }
}

void MdiChildWindow::BringToFront()
{
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
    raise();
}

void MdiChildWindow::Unload()
{
    if (unloading_)
        return;
    unloading_ = true;
    RunUnloadStepOnce();
    hide();
    if (QMdiArea* area = mdiArea())
        area->removeSubWindow(this);
    deleteLater();
}

void MdiChildWindow::RunUnloadStepOnce()
{
    if (unloadStepDone_)
        return;
    unloadStepDone_ = true;
    UnloadStep();
}

void MdiChildWindow::closeEvent(QCloseEvent* event)
{
    if (unloading_) {
        QMdiSubWindow::closeEvent(event);
        return;
    }
    // The close box only minimises (once the close has been refused).
    event->ignore();
    QMetaObject::invokeMethod(this, &QMdiSubWindow::showMinimized, Qt::QueuedConnection);
}

void MdiChildWindow::changeEvent(QEvent* event)
{
    QMdiSubWindow::changeEvent(event);
    if (event->type() == QEvent::WindowStateChange && !unloading_)
        WindowStateStep();
}

class MdiChildActivation {
public:
    static void Activate(MdiChildWindow* window) { window->ActivateStep(); }
};

void ConnectChildActivation(QMdiArea* area)
{
    QObject::connect(area, &QMdiArea::subWindowActivated, area, [](QMdiSubWindow* window) {
        auto* child = qobject_cast<MdiChildWindow*>(window);
        if (child && !child->IsUnloading())
            MdiChildActivation::Activate(child);
    });
}

} // namespace platform
