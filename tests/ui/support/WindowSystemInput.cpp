#include "tests/ui/support/WindowSystemInput.h"

#include <QGuiApplication>
#include <QTest>
#include <QWidget>
#include <QWindow>

#include <xcb/xcb.h>
#include <xcb/xtest.h>

namespace testing_support {

namespace {

xcb_connection_t* XConnection()
{
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

void FakeInput(xcb_connection_t* connection, uint8_t type, uint8_t detail, xcb_window_t root, QPoint at)
{
    xcb_test_fake_input(connection, type, detail, XCB_CURRENT_TIME, root, static_cast<int16_t>(at.x()),
                        static_cast<int16_t>(at.y()), 0);
}

} // namespace

bool OnXServer()
{
    return QGuiApplication::platformName() == QLatin1String("xcb") && XConnection();
}

bool ClickThroughXServer(QWidget* widget, QPoint point)
{
    xcb_connection_t* connection = XConnection();
    if (!OnXServer() || !widget)
        return false;
    xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    // The X server counts device pixels; Qt's global positions are scaled.
    const QPointF global = QPointF(widget->mapToGlobal(point)) * widget->devicePixelRatioF();
    const QPoint at = global.toPoint();
    FakeInput(connection, XCB_MOTION_NOTIFY, 0, root, at);
    FakeInput(connection, XCB_BUTTON_PRESS, XCB_BUTTON_INDEX_1, XCB_NONE, at);
    FakeInput(connection, XCB_BUTTON_RELEASE, XCB_BUTTON_INDEX_1, XCB_NONE, at);
    xcb_flush(connection);
    // A round trip: the server has sent the events once it answers.
    free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    QTest::qWait(50);
    return true;
}

} // namespace testing_support
