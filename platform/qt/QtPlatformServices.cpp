#include "platform/qt/QtPlatformServices.h"

#include "platform/qt/HelpViewer.h"
#include "platform/qt/ScreenPlacement.h"

#include <QCoreApplication>
#include <QEvent>
#include <QEventLoop>
#include <QGuiApplication>
#include <QLayout>
#include <QScreen>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace platform {

Window* ToWindow(QWidget* widget)
{
    return reinterpret_cast<Window*>(widget);
}

QWidget* ToWidget(Window* window)
{
    return reinterpret_cast<QWidget*>(window);
}

namespace {

QScreen* ScreenOf(QWidget* widget)
{
    QScreen* screen = widget ? widget->screen() : nullptr;
    return screen ? screen : QGuiApplication::primaryScreen();
}

// The size the window's frame will have: a window not yet shown takes its
// size hint when it shows, unless it was given a size, and the frame the
// window manager will give it.
QSize FrameSizeOf(QWidget* window)
{
    QSize size = window->size();
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized)) {
        if (QLayout* layout = window->layout())
            layout->activate();
        size = window->sizeHint().expandedTo(window->minimumSize()).boundedTo(window->maximumSize());
    }
    const QMargins frame = ExpectedFrameMargins(window);
    return size + QSize(frame.left() + frame.right(), frame.top() + frame.bottom());
}

QPoint CentredPosition(QWidget* window)
{
    QScreen* screen = ScreenOf(window);
    if (!screen)
        return window->frameGeometry().topLeft();
    const QRect area = screen->geometry();
    const QSize size = FrameSizeOf(window);
    QPoint position(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
    // A window larger than the screen keeps its title bar on the screen.
    const QRect available = screen->availableGeometry();
    return QPoint(std::max(position.x(), available.x()), std::max(position.y(), available.y()));
}

// Keeps a window centred through the size changes the program makes after
// centring it: the first showing (which sizes a window to its contents) and
// the layout requests of its controls. A window no longer where it was
// centred has been moved by the user and is left there.
class CentringKeeper : public QObject {
public:
    explicit CentringKeeper(QWidget* window)
        : QObject(window)
        , window_(window)
    {
        setObjectName("centringKeeper");
        window->installEventFilter(this);
    }

    void Centre()
    {
        centredAt_ = CentredPosition(window_);
        window_->move(centredAt_);
        keeping_ = true;
    }

    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (watched != window_ || !keeping_)
            return false;
        if (event->type() == QEvent::Show) {
            KeepCentred();
        } else if (event->type() == QEvent::LayoutRequest && window_->isVisible()) {
            if (QLayout* layout = window_->layout())
                layout->activate();
            KeepCentred();
        }
        return false;
    }

private:
    void KeepCentred()
    {
        keeping_ = keeping_ && window_->frameGeometry().topLeft() == centredAt_;
        if (keeping_)
            Centre();
    }

    QWidget* window_;
    QPoint centredAt_;
    bool keeping_ = false;
};

} // namespace

void CenterOnScreen(QWidget* window)
{
    if (!window)
        return;
    QObject* existing = window->findChild<QObject*>("centringKeeper", Qt::FindDirectChildrenOnly);
    auto* keeper = existing ? static_cast<CentringKeeper*>(existing) : new CentringKeeper(window);
    keeper->Centre();
}

QtPlatformServices::QtPlatformServices(QWidget* helpOwner)
    : helpOwner_(helpOwner)
{
}

int QtPlatformServices::ColorBitsOfWindow(Window* window)
{
    QScreen* screen = ScreenOf(ToWidget(window));
    return screen ? screen->depth() : 0;
}

void QtPlatformServices::CenterWindow(Window* window)
{
    QWidget* widget = ToWidget(window);
    if (!widget)
        return;
    widget->setWindowState(widget->windowState() & ~(Qt::WindowMinimized | Qt::WindowMaximized | Qt::WindowFullScreen));
    CenterOnScreen(widget);
}

void QtPlatformServices::WaitForTimer(int32_t milliseconds, int16_t& doneFlag)
{
    QTimer timer;
    timer.setSingleShot(true);
    timer.setTimerType(Qt::PreciseTimer);
    QObject::connect(&timer, &QTimer::timeout, [&doneFlag] { doneFlag = -1; });
    timer.start(milliseconds);
    // Sleeps until an event arrives; the timer's tick or a handler (such as
    // the start-up screen's OK button) sets the flag.
    while (doneFlag == 0)
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
    timer.stop();
}

void QtPlatformServices::ShowHelpPage(const std::string& pageFile, const std::string& missingTitle,
                                      const std::string& missingNote)
{
    if (!viewer_)
        viewer_ = new HelpViewer(helpOwner_);
    viewer_->ShowPage(QString::fromStdString(pageFile),
                      {QString::fromStdString(missingTitle), QString::fromStdString(missingNote)});
}

} // namespace platform
