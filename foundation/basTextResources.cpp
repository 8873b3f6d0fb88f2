#include "foundation/basTextResources.h"

#include "platform/core/ResourceStrings.h"

#include <limits>

int16_t gnLanguageOffset = 0;
std::string gsDecimalSeparator;

namespace {
constexpr int16_t kVersionLineId = 26;
constexpr const char* kMissingText = "???";
}

std::string sFctGetText(int16_t id)
{
    const int resourceId = int{id} + int{gnLanguageOffset};
    if (resourceId < std::numeric_limits<int16_t>::min() || resourceId > std::numeric_limits<int16_t>::max())
        return kMissingText;
    const char* text = platform::FindResourceString(resourceId);
    if (!text)
        return kMissingText;
    std::string result = text;
    if (id == kVersionLineId)
        result += std::string(" ") + kProgramVersion;
    return result;
}
