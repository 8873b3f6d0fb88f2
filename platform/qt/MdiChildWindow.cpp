#include "platform/qt/MdiChildWindow.h"

#include "platform/qt/Commands.h"

#include <QApplication>
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
    if (state == 2) {
        showMaximized();
        return;
    }
    // Minimising or restoring activates the window, and an area whose active
    // window is maximised maximises every window it activates: suspend that,
    // so the window really ends in the state asked for.
    QMdiArea* area = mdiArea();
    const bool suspended = area && !area->testOption(QMdiArea::DontMaximizeSubWindowOnActivation);
    if (suspended)
        area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    if (state == 1)
        showMinimized();
    else
        showNormal();
    if (suspended)
        area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, false);
}

void MdiChildWindow::BringToFront()
{
    if (QMdiArea* area = mdiArea())
        area->setActiveSubWindow(this);
    raise();
    // The keyboard goes with it, wherever the focus was (the outline, or a
    // window the area still counted as active): the window passes it on to
    // its last focused control, or its first one.
    if (!isAncestorOf(QApplication::focusWidget()))
        setFocus(Qt::OtherFocusReason);
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
    QMetaObject::invokeMethod(this, [this] { SetWindowState(1); }, Qt::QueuedConnection);
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
    ConnectCommand(area, &QMdiArea::subWindowActivated, area, [](QMdiSubWindow* window) {
        auto* child = qobject_cast<MdiChildWindow*>(window);
        if (child && !child->IsUnloading())
            MdiChildActivation::Activate(child);
    });
}

} // namespace platform
