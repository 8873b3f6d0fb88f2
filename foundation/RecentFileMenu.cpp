#include "foundation/RecentFileMenu.h"

namespace platform {

namespace {
RecentFileMenu* gInstalledMenu = nullptr;
}

void InstallRecentFileMenu(RecentFileMenu* menu)
{
    gInstalledMenu = menu;
}

RecentFileMenu* InstalledRecentFileMenu()
{
    return gInstalledMenu;
}

} // namespace platform
