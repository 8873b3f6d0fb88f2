#pragma once
// A user's hands through the window system: a mouse click that the X server
// itself delivers (XTest), so that it reaches the program as a real click
// does, queued with whatever else is pending, not handed to the widget
// directly as QTest's events are. Only under the xcb platform.
#include <QPoint>

class QWidget;

namespace testing_support {

// True when the program runs on an X server (the xcb platform).
bool OnXServer();

// Moves the pointer to the point of the widget and clicks the left button
// there through the X server, then lets the program take the press and the
// release as they come. False when not on an X server.
bool ClickThroughXServer(QWidget* widget, QPoint point);

} // namespace testing_support
