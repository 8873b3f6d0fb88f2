#include "foundation/PlatformServices.h"

namespace platform {

namespace {
PlatformServices* gInstalledServices = nullptr;
}

void InstallPlatformServices(PlatformServices* services)
{
    gInstalledServices = services;
}

PlatformServices* InstalledPlatformServices()
{
    return gInstalledServices;
}

} // namespace platform
