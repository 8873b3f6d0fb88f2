#pragma once
#include <array>
#include <cstdint>
#include <string>

// The user's settings: the profile file "Orvamis.Ini" in the application
// folder, read into the globals below once at start-up and written back from
// them at the end of the run (and at once on a first run). Between those two
// moments the globals are the only copy. Booleans are 16-bit, True = -1.
//
// The language (gnLanguageOffset, basTextResources) and the unit selection
// (gnUnitSystem and the unit positions, basUnitSystem) are read and written
// here too, but belong to their own modules.

inline constexpr const char* kIniFileName = "Orvamis.Ini";

// Section "System Settings".
extern std::string gsWordPath;      // a word processor's path; kept and written back
extern std::string gsLastUsedPath;  // start folder of the open and save dialogs
extern std::string gsLastDocPath;   // kept and written back
// The recent application files, most recent first: entries 0 to 9 are used
// (keys "Last App 1" to "Last App 10"), empty entries are "" and lie after
// the filled ones; entry 10 is never used.
extern std::array<std::string, 11> gsRecentFiles;
inline constexpr int kRecentFileCount = 10;

// Section "Window Size": the main window's placement in twips, as read at
// start-up; the main window sets them to its current placement before the
// settings are written at the end of the run.
extern int16_t gnMainWindowState;  // 0 normal, 1 minimised, 2 maximised
extern int32_t gnMainWindowLeft;
extern int32_t gnMainWindowTop;
extern int32_t gnMainWindowWidth;
extern int32_t gnMainWindowHeight;

// Section "Options".
extern int16_t gbShowTaskbar;       // the main window's top toolbar is shown
extern int16_t gbShowMessageBar;    // the main window's status bar is shown
extern int16_t gbCreateBackup;      // saving keeps a backup copy of the old file
extern int16_t gbLoadDefaultAxis;   // a new axis is opened after start-up
extern int16_t gbPromptDeleteAxis;  // the axis dialog asks before deleting
extern double gdMinTorqueFactor;
extern double gdMaxTorqueFactor;
extern double gdMinInertiaFactor;
extern double gdMaxInertiaWarning;
extern double gdMaxInertiaDiscard;
extern double gdTravelRangeWarning;       // per cent
extern double gdTerminalVelocityWarning;  // per cent
extern int32_t glReportBackColor;   // red + 256 * green + 65536 * blue
extern int32_t glReportTextColor;
extern int16_t gnReportFontSize;    // 8 or 10

// What the Options dialog offers for the report: the two font sizes and,
// for either colour, any RGB value from 0 to kLargestColour.
inline constexpr std::array<int16_t, 2> kReportFontSizes{8, 10};
inline constexpr int16_t kDefaultReportFontSize = 10;
inline constexpr int32_t kDefaultReportBackColor = 16777215;  // white
inline constexpr int32_t kDefaultReportTextColor = 0;         // black
inline constexpr int32_t kLargestColour = 0xFFFFFF;

// The seven safety factors in the order of the Options dialog's fields:
// settings key, global, default and the values the factor takes (the two
// torque factors at least 1, the three inertia factors above 0, the two
// warning percentages any value).
enum class FactorRule { AtLeastOne, AboveZero, None };
struct SafetyFactorSetting {
    const char* key;
    double* global;
    double defaultValue;
    FactorRule rule;
};
inline constexpr int kSafetyFactorCount = 7;
extern const std::array<SafetyFactorSetting, kSafetyFactorCount> kSafetyFactors;

// True (-1) when the factor takes the value.
int16_t bFctFactorTakes(const SafetyFactorSetting& factor, double value);

// Reads every setting from the file at path into its global; a missing key
// or file gives the key's default, and so does a value the program does not
// offer or could not have written: a Language other than 0 or 1000, Units
// other than 0 or 1, a unit position below -1, a window Status other than
// 0, 1 or 2, a number with anything before or after its digits ("2.5",
// "12abc", "abc", empty) or outside its global's range, a flag other than
// "True" and "False", a factor the Options dialog refuses (no number text
// to its end, more digits than it shows, or a value its rule refuses), a
// report font size other than 8 or 10, a colour outside 0 to kLargestColour.
// A recent file longer than a text value reads is no entry. Returns True
// (-1) when the file existed. Begins the session in which a failed write of
// the settings is told once.
int16_t nFctReadIniFile(const std::string& path);

// Writes every setting from its global to the file at path, keeping any
// other section or key the file holds; the file is replaced whole or, when
// it cannot be written, left as it was. The first write of a session that
// fails tells the user that the settings could not be kept, naming the file
// and the reason (message 2020); a later one says nothing more.
void SubWriteIniFile(const std::string& path);

// Puts path at the top of the recent-file list: an equal entry (exact
// comparison) moves up from where it was, otherwise the oldest of ten drops
// out. An empty path, or one the settings file cannot keep as it is (a line
// end, a NUL, more than a text value reads), changes nothing.
void SubAddRecentFile(const std::string& path);

// Shows the recent-file list in the File menu, when the functionality
// switch gbDynamicMenu is on: item first is the separator before the
// entries, items first + 1 to first + 10 the entries. Every such item is
// hidden first; with at least one entry the separator is shown, then the
// entries from the top down to the first empty one, each captioned with its
// path shortened to 60 characters.
void SubUpdateRecentFileMenu(int16_t first);
