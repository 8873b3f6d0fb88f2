#pragma once
// Start-up: the program's folder and data paths, the screen flags, the
// settings, the start-up screen and the main window.
#include <cstdint>
#include <functional>
#include <string>

// The open application file's full path, "" when none.
extern std::string gsCurrentFile;
// The screen is at least 801 x 601 pixels.
extern int16_t gbScreenAbove800x600;
// The screen is narrower than 641 or lower than 481 pixels.
extern int16_t gbScreen640x480;
// The settings file existed at start-up.
extern int16_t gbIniFound;
// Texts 151 "No", 152 "Yes", 153 "Y", 154 "N" in the current language.
extern std::string gsTextNo;
extern std::string gsTextYes;
extern std::string gsTextY;
extern std::string gsTextN;

// The exit status of a run that a failing reference-data loader ended.
inline constexpr int kExitLoaderFailed = 1;

// True (-1) when the screen is at least that many pixels wide and high.
int16_t bFctScreenAtLeast(int16_t nWidthPixels, int16_t nHeightPixels);

// The start-up: paths from the program's folder, screen flags, settings,
// the start-up screen and the main window, whose load step waits for the
// start-up screen (up to 5000 ms) before it shows itself. Returns when the
// main window is shown; the program then runs in the event loop.
void Main(const std::string& programFolder);

// Ends the program at once with the status (no unload step runs). The
// handler is QCoreApplication::exit unless replaced (tests record instead).
void SubEndProgram(int status);
void SetProgramEndHandler(std::function<void(int)> handler);
