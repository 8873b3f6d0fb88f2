#pragma once
#include "foundation/PlatformServices.h"
#include "platform/qt/HelpViewer.h"

#include <QPointer>

class QWidget;

namespace platform {

// The widget behind a platform::Window and back.
Window* ToWindow(QWidget* widget);
QWidget* ToWidget(Window* window);

// Centres a top-level window on its screen, frame included, at the size it
// has or, before its first showing, at the size it will show with. The
// window stays centred while the program changes its size (its first
// showing, lists filled on activation) until the user moves it.
void CenterOnScreen(QWidget* window);

// The platform services on Qt: the screen's depth, centring on the screen,
// waiting on the event loop and the help window owned by the main window.
class QtPlatformServices : public PlatformServices {
public:
    // helpOwner: the main window, which owns the help window.
    explicit QtPlatformServices(QWidget* helpOwner);

    int ColorBitsOfWindow(Window* window) override;
    void CenterWindow(Window* window) override;
    void WaitForTimer(int32_t milliseconds, int16_t& doneFlag) override;
    void ShowHelpPage(const std::string& pageFile, const std::string& missingTitle,
                      const std::string& missingNote) override;

    // The help window, or nullptr before the first page was shown.
    HelpViewer* Viewer() const { return viewer_; }

private:
    QPointer<QWidget> helpOwner_;
    QPointer<HelpViewer> viewer_;
};

} // namespace platform
