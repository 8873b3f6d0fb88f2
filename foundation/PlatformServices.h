#pragma once
#include <cstdint>
#include <string>

namespace platform {

// A window of the program, as the installed services know it. The libraries
// without windows only pass it through.
class Window;

// What the foundation needs of the window system: the screen, window
// placement, waiting on the event loop and the help viewer. The window side
// installs its implementation at start-up; tests install a fake. With none
// installed, the services do nothing (see basWinAPICalls and
// basGlobalFunctions).
class PlatformServices {
public:
    virtual ~PlatformServices() = default;

    // Bits per pixel times colour planes of the screen the window is on
    // (0 when unknown).
    virtual int ColorBitsOfWindow(Window* window) = 0;
    // Puts the window in the normal state and centres it on its screen.
    virtual void CenterWindow(Window* window) = 0;
    // Starts a timer of the given milliseconds whose tick sets doneFlag to
    // True (-1), lets window events run until doneFlag is True (set by the
    // tick or by an event handler), then stops the timer.
    virtual void WaitForTimer(int32_t milliseconds, int16_t& doneFlag) = 0;
    // Shows the help page file in the help viewer owned by the main window
    // and returns at once; where the file does not exist, the viewer shows
    // a page of its own in its place, captioned missingTitle, that reads
    // missingNote.
    virtual void ShowHelpPage(const std::string& pageFile, const std::string& missingTitle,
                              const std::string& missingNote) = 0;
};

// Installs the services (nullptr removes them); the caller keeps ownership.
void InstallPlatformServices(PlatformServices* services);
// The installed services, or nullptr.
PlatformServices* InstalledPlatformServices();

} // namespace platform
