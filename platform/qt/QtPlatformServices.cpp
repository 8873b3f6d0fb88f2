#include "platform/qt/QtPlatformServices.h"

#include "platform/qt/HelpViewer.h"

#include <QCoreApplication>
#include <QEventLoop>
#include <QGuiApplication>
#include <QScreen>
#include <QTimer>
#include <QWidget>

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

} // namespace

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
    QScreen* screen = ScreenOf(widget);
    if (!screen)
        return;
    const QRect area = screen->geometry();
    const QSize size = widget->frameGeometry().size();
    widget->move(area.x() + (area.width() - size.width()) / 2, area.y() + (area.height() - size.height()) / 2);
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

void QtPlatformServices::ShowHelpPage(const std::string& pageFile)
{
    if (!viewer_)
        viewer_ = new HelpViewer(helpOwner_);
    viewer_->ShowPage(QString::fromStdString(pageFile));
}

} // namespace platform
