#pragma once
#include <array>
#include <cstdint>
#include <string>

// A message as the message dialog shows it, and the window side that shows
// it. The composition is worked out without a window (ClsMessageSystem); the
// window side installs its display at start-up, tests install a fake.

// The pictures of the message kinds.
enum MessageIcon : int { kIconNone = -1, kIconCritical = 0, kIconWarning = 1, kIconInformation = 2, kIconQuery = 3 };

struct MessageButtonFace {
    bool visible = false;
    std::string caption;  // with "&" before the access key
    int16_t result = 0;   // the MessageResult the button returns
};

struct MessageComposition {
    std::string title;        // shown in the title panel
    std::string caption;      // the window caption: the title and the message number
    int icon = kIconNone;     // a MessageIcon
    std::string text;
    std::array<MessageButtonFace, 3> buttons;  // index 0 on the left
    int focusButton = -1;     // the button that gets the focus, -1 none
    int16_t closeResult = 1;  // the result when the dialog is closed without a button
    bool colorScheme = false; // the grey colours (more than 256 screen colours)
};

namespace platform {

class MessageDisplay {
public:
    virtual ~MessageDisplay() = default;
    virtual void Beep() = 0;
    // Sets the mouse pointer back to the default (clears an hourglass).
    virtual void RestoreDefaultCursor() = 0;
    // Shows the message modally and returns the result of the pressed
    // button, or message.closeResult when it was closed without one.
    virtual int16_t ShowMessage(const MessageComposition& message) = 0;
    // A plain message box with the critical icon, the title, the body and
    // an OK button only.
    virtual void ShowCriticalBox(const std::string& title, const std::string& body) = 0;
};

// Installs the display (nullptr removes it); the caller keeps ownership.
void InstallMessageDisplay(MessageDisplay* display);
MessageDisplay* InstalledMessageDisplay();

} // namespace platform
