#include "foundation/basWinAPICalls.h"

#include "foundation/basAppPaths.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
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

namespace {

// 'The help page "%1" is missing from the folder %2.'
constexpr int16_t kMissingHelpPageText = 385;
// "Help": the caption of the page that stands in for a missing one.
constexpr int16_t kHelpText = 352;

} // namespace

std::string sFctMissingHelpPageTitle()
{
    return sFctGetText(kHelpText);
}

std::string sFctMissingHelpPageNote(const std::string& topic, const std::string& folder)
{
    return sFctFillPlaceholder(sFctFillPlaceholder(sFctGetText(kMissingHelpPageText), "%1", topic), "%2", folder);
}

void SubShowHelpTopic(const std::string& topic)
{
    platform::PlatformServices* services = platform::InstalledPlatformServices();
    if (!services)
        return;
    const std::string folder = gsAppPath + kHelpFolder;
    services->ShowHelpPage(folder + topic, sFctMissingHelpPageTitle(), sFctMissingHelpPageNote(topic, folder));
}
