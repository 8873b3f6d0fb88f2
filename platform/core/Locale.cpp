#include "platform/core/Locale.h"

#include <algorithm>
#include <iterator>
#include <cstdlib>

namespace platform {

namespace {

std::optional<std::string> gOverride;

// Languages whose numbers are written with a decimal comma in (nearly) all
// their territories.
constexpr std::string_view kDecimalCommaLanguages[] = {
    "ab", "agr", "an", "ast", "ayc", "az", "be", "bg", "br", "bs", "ca", "ce", "crh",
    "cs", "csb", "cv", "da", "de", "dsb", "el", "es", "et", "eu", "ff", "fi", "fo",
    "fr", "fur", "fy", "gl", "hr", "hsb", "ht", "hu", "ia", "id", "is", "it", "ka",
    "kab", "kk", "kl", "ku", "ky", "lb", "li", "lij", "ln", "lt", "lv", "mg", "mhr",
    "mk", "mn", "nb", "nds", "nl", "nn", "no", "oc", "os", "pap", "pl", "pt", "quz",
    "ro", "ru", "rw", "sah", "sc", "se", "sgs", "sk", "sl", "sq", "sr", "sv", "szl",
    "tg", "tr", "tt", "uk", "vi", "wa", "wo"};

struct TerritoryException {
    std::string_view languageAndTerritory;
    const char* separator;
};

// Territories that write their decimal mark unlike their language's rule.
constexpr TerritoryException kTerritoryExceptions[] = {
    {"az_IR", "."}, {"de_CH", "."}, {"de_LI", "."}, {"fr_CH", "."}, {"it_CH", "."},
    {"es_DO", "."}, {"es_GT", "."}, {"es_HN", "."}, {"es_MX", "."}, {"es_NI", "."},
    {"es_PA", "."}, {"es_PR", "."}, {"es_SV", "."}, {"es_US", "."}, {"en_DK", ","},
};

bool IsDecimalCommaLanguage(std::string_view language)
{
    return std::find(std::begin(kDecimalCommaLanguages), std::end(kDecimalCommaLanguages), language)
        != std::end(kDecimalCommaLanguages);
}

} // namespace

std::string DecimalSeparatorOfLocale(std::string_view localeName)
{
    // language[_territory][.codeset][@modifier]
    const std::string_view name = localeName.substr(0, localeName.find_first_of(".@"));
    for (const auto& exception : kTerritoryExceptions) {
        if (name == exception.languageAndTerritory)
            return exception.separator;
    }
    const std::string_view language = name.substr(0, name.find('_'));
    if (IsDecimalCommaLanguage(language))
        return ",";
    return ".";
}

std::string UserDecimalSeparator()
{
    if (gOverride)
        return *gOverride;
    for (const char* variable : {"LC_ALL", "LC_NUMERIC", "LANG"}) {
        const char* value = std::getenv(variable);
        if (value && *value)
            return DecimalSeparatorOfLocale(value);
    }
    return ".";
}

void OverrideUserDecimalSeparator(std::optional<std::string> separator)
{
    gOverride = std::move(separator);
}

} // namespace platform
