#pragma once
#include <string>

namespace platform {

// The main window's message bar, where a refused entry is told without a
// box. The main window installs its implementation; with none installed
// nothing is told.
class MessageBar {
public:
    virtual ~MessageBar() = default;
    virtual std::string MessageBarText() const = 0;
    virtual void SetMessageBarText(const std::string& text) = 0;
};

// Installs the bar (nullptr removes it); the caller keeps ownership.
void InstallMessageBar(MessageBar* bar);
// The installed bar, or nullptr.
MessageBar* InstalledMessageBar();

} // namespace platform
