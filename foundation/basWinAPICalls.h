#pragma once
#include <cstdint>
#include <string>

#include "foundation/PlatformServices.h"

// The operating-system services the program uses directly: the screen's
// colour count, the locale decimal separator and the help topics.

// Number of screen colours, set once by the main window's load step; 257 or
// more switches on the colour schemes of the windows.
extern int32_t glScreenColors;

// The help pages' folder below the application folder.
inline constexpr const char* kHelpFolder = "help/";

// 2 to the power of the window's colour bits (bits per pixel times planes,
// at most 24): 8 bits give 256, 24 and 32 bits 16777216. With no services
// installed the bits count as 0.
int32_t lFctGetColorCount(platform::Window* window);

// The decimal separator of the user's numeric locale ("." when unknown).
std::string sFctGetDecimalSeparator();

// Shows the help page of that name (gsAppPath + "help/" + topic) in the help
// window owned by the main window and returns at once. Where the page is
// missing, the help window says so in the current language, naming the page
// and the folder.
void SubShowHelpTopic(const std::string& topic);

// The caption and the note of the help window's page for a page that is
// missing, in the current language; the note names the page and its folder
// (ending in "/").
std::string sFctMissingHelpPageTitle();
std::string sFctMissingHelpPageNote(const std::string& topic, const std::string& folder);
