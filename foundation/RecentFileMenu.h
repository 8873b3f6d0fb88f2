#pragma once
#include <string>

namespace platform {

// The File menu as the recent-file list needs it: items addressed by their
// index in the menu's item array (the separator before the recent entries
// and the entries after it). The main window installs its implementation;
// tests install a recording fake. With none installed the list is kept but
// shown nowhere.
class RecentFileMenu {
public:
    virtual ~RecentFileMenu() = default;
    virtual void SetItemVisible(int index, bool visible) = 0;
    virtual void SetItemCaption(int index, const std::string& caption) = 0;
};

// Installs the menu (nullptr removes it); the caller keeps ownership.
void InstallRecentFileMenu(RecentFileMenu* menu);
// The installed menu, or nullptr.
RecentFileMenu* InstalledRecentFileMenu();

} // namespace platform
