#pragma once
#include <QMargins>
#include <QRect>

#include <functional>

class QScreen;
class QWidget;

// Top-level windows whole on a screen that is there, whatever placement
// they were given (one saved on a larger or a second screen).
namespace platform {

// The frame moved into the available area, and cut to its size where it is
// larger.
QRect FitFrameInto(const QRect& frame, const QRect& available);

// The screen a window with that frame belongs to: the one its centre lies
// on, else the primary screen.
QScreen* ScreenForFrame(const QRect& frame);

// The frame the window manager gives the window: its own once it is
// framed; before that, the frame of the window it belongs to or, lacking
// one, of the active window, as the same window manager frames them alike.
// None where no window is framed yet.
QMargins ExpectedFrameMargins(const QWidget* window);

// Runs the step once, when the top-level window first shows on the screen
// (framed by the window manager, where one runs).
void WhenFramed(QWidget* window, std::function<void()> step);

// Gives the top-level window that geometry (without its frame), moved and
// cut so that it lies whole on the available area of its screen, frame
// included. A window not yet framed is fitted again, with its frame, when
// it first shows on the screen.
void PlaceWholeOnScreen(QWidget* window, const QRect& geometry);

} // namespace platform
