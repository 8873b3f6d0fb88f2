#pragma once
#include <cstdint>
#include <string>

// Every user-visible text by string id in the current language, and the two
// globals that choose how texts and numbers are shown.

// Added to every string id: 0 English, 1000 German (2000 French is accepted,
// but no French texts exist).
extern int16_t gnLanguageOffset;

// The decimal separator of the user's locale; empty until the main window
// has loaded its texts.
extern std::string gsDecimalSeparator;

// The program's version as the version line shows it.
inline constexpr const char* kProgramVersion = "3.00.010";

// The text of string id + gnLanguageOffset; "???" when there is no such
// string (also when the sum leaves the 16-bit range). Id 26, the version
// line, gets " " and the program version appended.
std::string sFctGetText(int16_t id);
