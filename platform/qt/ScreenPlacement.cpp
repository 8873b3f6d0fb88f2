#include "platform/qt/ScreenPlacement.h"

#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>
#include <QWindow>

#include <algorithm>
#include <utility>

namespace platform {

namespace {

QMargins OwnFrameMargins(const QWidget* window)
{
    const QWindow* handle = window ? window->windowHandle() : nullptr;
    return handle && handle->isVisible() ? handle->frameMargins() : QMargins();
}

void Fit(QWidget* window, const QRect& geometry)
{
    const QMargins margins = ExpectedFrameMargins(window);
    const QRect frame = geometry.marginsAdded(margins);
    QScreen* screen = ScreenForFrame(frame);
    if (!screen)
        return;
    window->setGeometry(FitFrameInto(frame, screen->availableGeometry()).marginsRemoved(margins));
}

// Runs a step once, when the window is first exposed on the screen: the
// window manager has framed it by then.
class OnceFramed : public QObject {
public:
    OnceFramed(QWidget* window, std::function<void()> step)
        : QObject(window)
        , window_(window)
        , step_(std::move(step))
    {
        window->installEventFilter(this);
        if (QWindow* handle = window->windowHandle())
            handle->installEventFilter(this);
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        QWindow* handle = window_->windowHandle();
        if (watched == window_ && event->type() == QEvent::Show) {
            if (handle)
                handle->installEventFilter(this);
        } else if (handle && watched == handle && event->type() == QEvent::Expose && handle->isExposed()) {
            handle->removeEventFilter(this);
            window_->removeEventFilter(this);
            // After the window itself has taken the exposure.
            QMetaObject::invokeMethod(
                this, [this] { step_(); deleteLater(); }, Qt::QueuedConnection);
        }
        return false;
    }

private:
    QWidget* window_;
    std::function<void()> step_;
};

} // namespace

QRect FitFrameInto(const QRect& frame, const QRect& available)
{
    const QSize size = frame.size().boundedTo(available.size());
    const QPoint topLeft(std::clamp(frame.x(), available.x(), available.x() + available.width() - size.width()),
                         std::clamp(frame.y(), available.y(), available.y() + available.height() - size.height()));
    return QRect(topLeft, size);
}

QScreen* ScreenForFrame(const QRect& frame)
{
    QScreen* screen = QGuiApplication::screenAt(frame.center());
    return screen ? screen : QGuiApplication::primaryScreen();
}

QMargins ExpectedFrameMargins(const QWidget* window)
{
    const QMargins own = OwnFrameMargins(window);
    if (!own.isNull() || !window)
        return own;
    const QWidget* owner = window->parentWidget() ? window->parentWidget()->window() : QApplication::activeWindow();
    return owner && owner != window ? OwnFrameMargins(owner) : QMargins();
}

void PlaceWholeOnScreen(QWidget* window, const QRect& geometry)
{
    Fit(window, geometry);
    if (OwnFrameMargins(window).isNull())
        WhenFramed(window, [window] { Fit(window, window->geometry()); });
}

void WhenFramed(QWidget* window, std::function<void()> step)
{
    new OnceFramed(window, std::move(step));
}

} // namespace platform
