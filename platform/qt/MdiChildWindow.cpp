#include "platform/qt/MdiChildWindow.h"

#include "platform/qt/Commands.h"
#include "platform/qt/MdiArrange.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMdiArea>

namespace platform {

namespace {

// The window activated last of those shown (not minimised), but except;
// nullptr when there is none.
QMdiSubWindow* LastShownWindow(QMdiArea* area, const QMdiSubWindow* except)
{
    const QList<QMdiSubWindow*> history = area->subWindowList(QMdiArea::ActivationHistoryOrder);
    for (auto it = history.rbegin(); it != history.rend(); ++it)
        if (*it != except && (*it)->isVisible() && !(*it)->isMinimized())
            return *it;
    return nullptr;
}

// After a window was minimised or removed, the window shown that was active
// last takes its place as the active one, maximised when the window that
// went was (the others stay as they are); then every window is kept
// reachable.
void PassOnActivation(QMdiArea* area, QMdiSubWindow* gone, bool maximised)
{
    QMdiSubWindow* active = area->activeSubWindow();
    if (!active || active == gone || active->isMinimized())
        if (QMdiSubWindow* next = LastShownWindow(area, gone)) {
            area->setActiveSubWindow(next);
            if (maximised)
                next->showMaximized();
        }
    KeepWindowsReachable(area);
}

} // namespace

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
    const bool wasMaximised = isMaximized();
    if (suspended)
        area->setOption(QMdiArea::DontMaximizeSubWindowOnActivation, true);
    settingState_ = true;
    if (state == 1)
        showMinimized();
    else
        showNormal();
    settingState_ = false;
    if (area)
        PassOnActivation(area, state == 1 ? this : nullptr, state == 1 && wasMaximised);
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
    QMdiArea* area = mdiArea();
    const bool wasMaximised = isMaximized();
    hide();
    if (area) {
        area->removeSubWindow(this);
        PassOnActivation(area, this, wasMaximised);
    }
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
    if (event->type() != QEvent::WindowStateChange || unloading_)
        return;
    // Minimised by its own title-bar button (or the window system) rather
    // than through SetWindowState: the activation passes on just the same.
    const Qt::WindowStates before = static_cast<QWindowStateChangeEvent*>(event)->oldState();
    if (!settingState_ && isMinimized() && !(before & Qt::WindowMinimized))
        if (QMdiArea* area = mdiArea())
            PassOnActivation(area, this, before & Qt::WindowMaximized);
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
