#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// The decimal separator of a locale name such as "de_DE.UTF-8" or
// "fr_CH@euro": "," for the locales that write a decimal comma, "." for all
// others (including "C", "POSIX", an empty or an unknown name).
std::string DecimalSeparatorOfLocale(std::string_view localeName);

// The decimal separator of the user's numeric locale, taken from the first
// of LC_ALL, LC_NUMERIC and LANG that is set and not empty ("." when none
// is). Reads the environment only; the process locale is never changed.
std::string UserDecimalSeparator();

// Makes UserDecimalSeparator return the given separator instead of reading
// the environment; std::nullopt reads the environment again.
void OverrideUserDecimalSeparator(std::optional<std::string> separator);

} // namespace platform
