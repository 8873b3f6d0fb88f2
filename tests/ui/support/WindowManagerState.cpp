#include "tests/ui/support/WindowManagerState.h"

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTest>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <cstdlib>
#include <string>

namespace testing_support {

namespace {

xcb_connection_t* XConnection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    auto* x11 = qApp ? qApp->nativeInterface<QNativeInterface::QX11Application>() : nullptr;
    return x11 ? x11->connection() : nullptr;
}

xcb_atom_t Atom(xcb_connection_t* connection, const std::string& name)
{
    xcb_intern_atom_reply_t* reply = xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, true, static_cast<uint16_t>(name.size()), name.c_str()), nullptr);
    const xcb_atom_t atom = reply ? reply->atom : static_cast<xcb_atom_t>(XCB_ATOM_NONE);
    free(reply);
    return atom;
}

// The root window's property of that name as 32-bit window ids.
std::vector<uint32_t> RootWindows(const std::string& property)
{
    std::vector<uint32_t> windows;
    xcb_connection_t* connection = XConnection();
    if (!connection)
        return windows;
    const xcb_atom_t atom = Atom(connection, property);
    if (atom == static_cast<xcb_atom_t>(XCB_ATOM_NONE))
        return windows;
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    xcb_get_property_reply_t* reply = xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, root, atom, XCB_ATOM_WINDOW, 0, 4096), nullptr);
    if (reply && reply->format == 32) {
        const auto* ids = static_cast<const uint32_t*>(xcb_get_property_value(reply));
        windows.assign(ids, ids + xcb_get_property_value_length(reply) / 4);
    }
    free(reply);
    return windows;
}

} // namespace

bool UnderWindowManager()
{
    return !RootWindows("_NET_SUPPORTING_WM_CHECK").empty();
}

const char* WithoutWindowManager()
{
    if (!XConnection())
        return "runs on the xcb platform";
    if (!UnderWindowManager())
        return "runs under a window manager";
    return "";
}

std::vector<uint32_t> StackingOrder()
{
    return RootWindows("_NET_CLIENT_LIST_STACKING");
}

int StackingPlace(const QWidget* window)
{
    if (!window || !window->window()->internalWinId())
        return -1;
    const std::vector<uint32_t> order = StackingOrder();
    const auto id = static_cast<uint32_t>(window->window()->internalWinId());
    const auto found = std::find(order.begin(), order.end(), id);
    return found == order.end() ? -1 : static_cast<int>(found - order.begin());
}

void LetWindowManagerSettle(int milliseconds)
{
    if (xcb_connection_t* connection = XConnection())
        free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    QTest::qWait(milliseconds);
}

bool LetWindowGeometrySettle(const QWidget* window, int patienceMilliseconds, int quietMilliseconds)
{
    QElapsedTimer patience;
    patience.start();
    QRect last = window->frameGeometry();
    QElapsedTimer quiet;
    quiet.start();
    while (quiet.elapsed() < quietMilliseconds) {
        if (patience.elapsed() > patienceMilliseconds)
            return false;
        LetWindowManagerSettle(50);
        if (window->frameGeometry() != last) {
            last = window->frameGeometry();
            quiet.restart();
        }
    }
    return true;
}

} // namespace testing_support
