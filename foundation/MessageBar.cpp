#include "foundation/MessageBar.h"

namespace platform {

namespace {
MessageBar* gInstalledBar = nullptr;
}

void InstallMessageBar(MessageBar* bar)
{
    gInstalledBar = bar;
}

MessageBar* InstalledMessageBar()
{
    return gInstalledBar;
}

} // namespace platform
