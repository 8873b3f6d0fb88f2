#pragma once
// What the window manager of the X server reports about the program's
// windows: whether one runs, and the stacking order of the top-level
// windows it manages (_NET_CLIENT_LIST_STACKING). Only under the xcb
// platform.
#include <cstdint>
#include <vector>

class QWidget;

namespace testing_support {

// True when a window manager manages the screen (_NET_SUPPORTING_WM_CHECK).
bool UnderWindowManager();

// Why a suite that needs the xcb platform under a window manager cannot
// run here; empty when it can.
const char* WithoutWindowManager();

// The managed windows from the bottom of the stack to its top.
std::vector<uint32_t> StackingOrder();

// The place of the widget's top-level window in StackingOrder(), -1 when
// the window manager does not list it.
int StackingPlace(const QWidget* window);

// Lets the program and the window manager take what is pending: a round
// trip to the X server, then the milliseconds of events.
void LetWindowManagerSettle(int milliseconds = 250);

// Lets the window manager finish placing the top-level window: returns once
// its frame has kept the same place and size for quietMilliseconds (false
// when it still moves after patienceMilliseconds). At a fractional scale a
// size the program asks for may come back a pixel off, some time after the
// window first showed the size asked for.
bool LetWindowGeometrySettle(const QWidget* window, int patienceMilliseconds, int quietMilliseconds = 500);

} // namespace testing_support
