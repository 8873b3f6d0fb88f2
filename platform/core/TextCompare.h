#pragma once
#include <string>

namespace platform {

// True when a and b are the same text apart from the case of ASCII letters
// (how database column names and profile sections and keys compare).
bool EqualNoCase(const std::string& a, const std::string& b);

} // namespace platform
