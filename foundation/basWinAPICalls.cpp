#include "foundation/basWinAPICalls.h"

#include "foundation/basAppPaths.h"
#include "platform/core/Locale.h"

#include <algorithm>

int32_t glScreenColors = 0;

namespace {
constexpr int kMostColorBits = 24;
}

int32_t lFctGetColorCount(platform::Window* window)
{
    platform::PlatformServices* services = platform::InstalledPlatformServices();
    const int bits = services ? std::clamp(services->ColorBitsOfWindow(window), 0, kMostColorBits) : 0;
    return int32_t{1} << bits;
}

std::string sFctGetDecimalSeparator()
{
    return platform::UserDecimalSeparator();
}

void SubShowHelpTopic(const std::string& topic)
{
    if (platform::PlatformServices* services = platform::InstalledPlatformServices())
        services->ShowHelpPage(gsAppPath + kHelpFolder + topic);
}
