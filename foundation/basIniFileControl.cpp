#include "foundation/basIniFileControl.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/RecentFileMenu.h"
#include "foundation/basAppPaths.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "platform/core/ProfileFile.h"

#include <algorithm>
#include <charconv>
#include <filesystem>
#include <limits>
#include <optional>

std::string gsWordPath;
std::string gsLastUsedPath;
std::string gsLastDocPath;
std::array<std::string, 11> gsRecentFiles;

int16_t gnMainWindowState = 2;
int32_t gnMainWindowLeft = 0;
int32_t gnMainWindowTop = 0;
int32_t gnMainWindowWidth = 0;
int32_t gnMainWindowHeight = 0;

int16_t gbShowTaskbar = -1;
int16_t gbShowMessageBar = -1;
int16_t gbCreateBackup = -1;
int16_t gbLoadDefaultAxis = -1;
int16_t gbPromptDeleteAxis = -1;
double gdMinTorqueFactor = 1;
double gdMaxTorqueFactor = 20;
double gdMinInertiaFactor = 1;
double gdMaxInertiaWarning = 6;
double gdMaxInertiaDiscard = 10;
double gdTravelRangeWarning = 95;
double gdTerminalVelocityWarning = 98;
int32_t glReportBackColor = kDefaultReportBackColor;
int32_t glReportTextColor = kDefaultReportTextColor;
int16_t gnReportFontSize = kDefaultReportFontSize;

const std::array<SafetyFactorSetting, kSafetyFactorCount> kSafetyFactors{{
    {"Min. Torque Factor", &gdMinTorqueFactor, 1, FactorRule::AtLeastOne},
    {"Max. Torque Factor", &gdMaxTorqueFactor, 20, FactorRule::AtLeastOne},
    {"Min. Inertia Factor", &gdMinInertiaFactor, 1, FactorRule::AboveZero},
    {"Max. Inertia Factor Warning", &gdMaxInertiaWarning, 6, FactorRule::AboveZero},
    {"Max. Inertia Factor Discard", &gdMaxInertiaDiscard, 10, FactorRule::AboveZero},
    {"Travel Range Warning", &gdTravelRangeWarning, 95, FactorRule::None},
    {"Terminal Velocity Warning", &gdTerminalVelocityWarning, 98, FactorRule::None},
}};

int16_t bFctFactorTakes(const SafetyFactorSetting& factor, double value)
{
    switch (factor.rule) {
    case FactorRule::AtLeastOne:
        return value >= 1 ? -1 : 0;
    case FactorRule::AboveZero:
        return value > 0 ? -1 : 0;
    case FactorRule::None:
        break;
    }
    return -1;
}

namespace {

using platform::ProfileFile;

constexpr const char* kSystemSection = "System Settings";
constexpr const char* kUnitSection = "Unit Settings";
constexpr const char* kWindowSection = "Window Size";
constexpr const char* kOptionsSection = "Options";

// Text values are read as the classic profile reader does, into a buffer
// of 1024 characters.
constexpr size_t kMaxTextLength = 1023;

constexpr int16_t kEnglish = 0;
constexpr int16_t kGerman = 1000;
constexpr int16_t kDefaultUnitPosition = -1;
constexpr int16_t kNormalState = 0;
constexpr int16_t kMaximisedState = 2;

struct TextKey {
    const char* key;
    std::string* global;
};
const TextKey kPathKeys[] = {
    {"WordPath", &gsWordPath},
    {"Last Used Path", &gsLastUsedPath},
    {"Last Doc Path", &gsLastDocPath},
};

struct UnitKey {
    const char* key;
    int16_t* global;
};
const UnitKey kUnitKeys[] = {
    {"Rotary Length", &gnRotaryLengthUnit},
    {"Rotary Velocity", &gnRotaryVelocityUnit},
    {"Rotary Acceleration", &gnRotaryAccelerationUnit},
    {"EE Linear Length", &gnEELinearLengthUnit},
    {"EE Linear Velocity", &gnEELinearVelocityUnit},
    {"EE Linear Acceleration", &gnEELinearAccelerationUnit},
    {"EE Pitch/Lead", &gnEEPitchLeadUnit},
    {"EE Weight", &gnEEWeightUnit},
    {"EE Torque", &gnEETorqueUnit},
    {"EE Inertia", &gnEEInertiaUnit},
    {"EE Kt", &gnEEKtUnit},
    {"M Linear Length", &gnMLinearLengthUnit},
    {"M Linear Velocity", &gnMLinearVelocityUnit},
    {"M Linear Acceleration", &gnMLinearAccelerationUnit},
    {"M Pitch/Lead", &gnMPitchLeadUnit},
    {"M Weight", &gnMWeightUnit},
    {"M Torque", &gnMTorqueUnit},
    {"M Inertia", &gnMInertiaUnit},
    {"M Kt", &gnMKtUnit},
};

struct PlacementKey {
    const char* key;
    int32_t* global;
};
const PlacementKey kPlacementKeys[] = {
    {"Left", &gnMainWindowLeft},
    {"Top", &gnMainWindowTop},
    {"Width", &gnMainWindowWidth},
    {"Height", &gnMainWindowHeight},
};

struct FlagKey {
    const char* key;
    int16_t* global;
};
const FlagKey kFlagKeys[] = {
    {"Show Taskbar", &gbShowTaskbar},
    {"Show Message Bar", &gbShowMessageBar},
    {"Create Backup File", &gbCreateBackup},
    {"Load Default Axis", &gbLoadDefaultAxis},
    {"Prompt For Delete Axis", &gbPromptDeleteAxis},
};

struct ColourKey {
    const char* key;
    int32_t* global;
    int32_t defaultValue;
};
const ColourKey kColourKeys[] = {
    {"Report Back Color", &glReportBackColor, kDefaultReportBackColor},
    {"Report Text Color", &glReportTextColor, kDefaultReportTextColor},
};

std::string RecentFileKey(int index)
{
    return "Last App " + std::to_string(index + 1);
}

// An integer key of the range [low, high], written as the program writes a
// number; any other value (or no value) gives the default.
int64_t ReadInteger(const ProfileFile& ini, const char* section, const char* key, int64_t defaultValue,
                    int64_t low, int64_t high)
{
    const std::optional<int64_t> value = ini.GetInt(section, key);
    return value && *value >= low && *value <= high ? *value : defaultValue;
}

int16_t ReadInt16(const ProfileFile& ini, const char* section, const char* key, int16_t defaultValue,
                  int16_t low = std::numeric_limits<int16_t>::min())
{
    return static_cast<int16_t>(
        ReadInteger(ini, section, key, defaultValue, low, std::numeric_limits<int16_t>::max()));
}

// A text value as the classic reader gives it: at most kMaxTextLength
// bytes, never cut inside a UTF-8 character.
std::string ReadText(const ProfileFile& ini, const char* section, const std::string& key)
{
    std::string text = ini.GetString(section, key, "");
    if (text.size() > kMaxTextLength) {
        size_t cut = kMaxTextLength;
        while (cut > 0 && (static_cast<unsigned char>(text[cut]) & 0xC0) == 0x80)
            --cut;
        text.resize(cut);
    }
    return text;
}

// True when the settings file keeps the name as it is: no line end (which
// the file turns into a blank), no NUL, and no more than a text value reads.
bool KeptWhole(const std::string& name)
{
    return name.size() <= kMaxTextLength && name.find_first_of(std::string("\r\n\0", 3)) == std::string::npos;
}

// A recent file as the list was written; a longer name than a text value
// reads would open another file, and is no entry.
std::string ReadRecentFile(const ProfileFile& ini, int index)
{
    const std::string name = ini.GetString(kSystemSection, RecentFileKey(index), "");
    return KeptWhole(name) ? name : std::string();
}

// A flag in one of the two forms the program writes, else the default.
int16_t ReadFlag(const ProfileFile& ini, const char* key)
{
    const std::string text = ini.GetString(kOptionsSection, key, "True");
    return text == "False" ? 0 : -1;
}

// A factor written with "." or "," as decimal mark, as the Options dialog
// takes it: a number text to its end whose display the dialog can show and
// whose value the factor's rule takes; anything else gives the default.
double ReadFactor(const ProfileFile& ini, const SafetyFactorSetting& entry)
{
    std::string text = ini.GetString(kOptionsSection, entry.key, "");
    for (char& c : text)
        if (c == ',')
            c = '.';
    double value = 0.0;
    const char* first = text.data();
    const char* last = first + text.size();
    const auto [end, ec] = std::from_chars(first, last, value);
    const bool read = !text.empty() && ec == std::errc() && end == last;
    if (!read || nFctNumberTextFault(text) != NumberFault::None || !bFctFactorTakes(entry, value))
        return entry.defaultValue;
    return value;
}

// The display text of a factor with "." as its decimal mark in every locale.
std::string FactorText(double value)
{
    std::string text = sFctFormatNumber(value);
    if (!gsDecimalSeparator.empty() && gsDecimalSeparator[0] != '.') {
        const size_t mark = text.find(gsDecimalSeparator[0]);
        if (mark != std::string::npos)
            text[mark] = '.';
    }
    return text;
}

std::string FlagText(int16_t flag)
{
    return flag ? "True" : "False";
}

// The settings could not be kept: told once a session (from the reading of
// the settings on), at the first write that fails.
bool gbSettingsNotKeptTold = false;
constexpr int16_t kSettingsNotKeptMessage = 2020;

int16_t ReasonTextId(ProfileFile::SaveFault fault)
{
    switch (fault) {
    case ProfileFile::SaveFault::FolderInPlace:
        return 381;  // a folder has the name of the settings file
    case ProfileFile::SaveFault::NotPermitted:
        return 382;  // the file or its folder is read-only, or not this user's to write
    case ProfileFile::SaveFault::DiskFull:
        return 383;  // no room left on the disk
    case ProfileFile::SaveFault::None:
    case ProfileFile::SaveFault::Other:
        break;
    }
    return 384;  // the file could not be written
}

void TellSettingsNotKept(const std::string& path, ProfileFile::SaveFault fault)
{
    if (gbSettingsNotKeptTold)
        return;
    gbSettingsNotKeptTold = true;
    SubPrepareCatalogueMessage(*gMsg, kSettingsNotKeptMessage);
    gMsg->sExtraText = path + "\r\n\r\n" + sFctGetText(ReasonTextId(fault));
    gMsg->nFctDisplay();
}

} // namespace

int16_t nFctReadIniFile(const std::string& path)
{
    std::error_code ignored;
    const bool existed = std::filesystem::exists(path, ignored);
    ProfileFile ini;
    ini.Load(path);
    gbSettingsNotKeptTold = false;

    gnLanguageOffset = ReadInt16(ini, kSystemSection, "Language", kEnglish);
    if (gnLanguageOffset != kEnglish && gnLanguageOffset != kGerman)
        gnLanguageOffset = kEnglish;
    for (const auto& entry : kPathKeys)
        *entry.global = ReadText(ini, kSystemSection, entry.key);
    for (int i = 0; i < kRecentFileCount; ++i)
        gsRecentFiles[i] = ReadRecentFile(ini, i);

    const int16_t defaultSystem = gnLanguageOffset != kEnglish ? 1 : 0;
    gnUnitSystem = ReadInt16(ini, kUnitSection, "Units", defaultSystem);
    if (gnUnitSystem != 0 && gnUnitSystem != 1)
        gnUnitSystem = defaultSystem;
    for (const auto& entry : kUnitKeys)
        *entry.global = ReadInt16(ini, kUnitSection, entry.key, kDefaultUnitPosition, kDefaultUnitPosition);

    gnMainWindowState = static_cast<int16_t>(
        ReadInteger(ini, kWindowSection, "Status", kMaximisedState, kNormalState, kMaximisedState));
    for (const auto& entry : kPlacementKeys)
        *entry.global = static_cast<int32_t>(ReadInteger(ini, kWindowSection, entry.key, 0,
                                                         std::numeric_limits<int32_t>::min(),
                                                         std::numeric_limits<int32_t>::max()));

    for (const auto& entry : kFlagKeys)
        *entry.global = ReadFlag(ini, entry.key);
    for (const auto& entry : kSafetyFactors)
        *entry.global = ReadFactor(ini, entry);
    for (const auto& entry : kColourKeys)
        *entry.global = static_cast<int32_t>(
            ReadInteger(ini, kOptionsSection, entry.key, entry.defaultValue, 0, kLargestColour));
    gnReportFontSize = ReadInt16(ini, kOptionsSection, "Report Font Size", kDefaultReportFontSize);
    if (std::find(kReportFontSizes.begin(), kReportFontSizes.end(), gnReportFontSize) == kReportFontSizes.end())
        gnReportFontSize = kDefaultReportFontSize;

    return existed ? -1 : 0;
}

void SubWriteIniFile(const std::string& path)
{
    ProfileFile ini;
    ini.Load(path);  // other sections and keys of the file are kept

    ini.SetString(kSystemSection, "Language", std::to_string(gnLanguageOffset));
    for (const auto& entry : kPathKeys)
        ini.SetString(kSystemSection, entry.key, *entry.global);
    for (int i = 0; i < kRecentFileCount; ++i)
        ini.SetString(kSystemSection, RecentFileKey(i), gsRecentFiles[i]);

    ini.SetString(kUnitSection, "Units", std::to_string(gnUnitSystem));
    for (const auto& entry : kUnitKeys)
        ini.SetString(kUnitSection, entry.key, std::to_string(*entry.global));

    ini.SetString(kWindowSection, "Status", std::to_string(gnMainWindowState));
    for (const auto& entry : kPlacementKeys)
        ini.SetString(kWindowSection, entry.key, std::to_string(*entry.global));

    ini.SetString(kOptionsSection, "SystemDB", gsAppPath + "Orvamis.Mdw");
    for (const auto& entry : kFlagKeys)
        ini.SetString(kOptionsSection, entry.key, FlagText(*entry.global));
    for (const auto& entry : kSafetyFactors)
        ini.SetString(kOptionsSection, entry.key, FactorText(*entry.global));
    for (const auto& entry : kColourKeys)
        ini.SetString(kOptionsSection, entry.key, std::to_string(*entry.global));
    ini.SetString(kOptionsSection, "Report Font Size", std::to_string(gnReportFontSize));

    ProfileFile::SaveFault fault = ProfileFile::SaveFault::None;
    if (!ini.Save(path, &fault))  // a file that cannot be written stays as it was
        TellSettingsNotKept(path, fault);
}

void SubAddRecentFile(const std::string& path)
{
    if (path.empty() || !KeptWhole(path))
        return;
    for (int i = 0; i < kRecentFileCount; ++i) {
        if (gsRecentFiles[i] == path) {
            for (int j = i; j < kRecentFileCount - 1; ++j)
                gsRecentFiles[j] = gsRecentFiles[j + 1];
            gsRecentFiles[kRecentFileCount - 1].clear();
            break;
        }
    }
    for (int i = kRecentFileCount - 1; i > 0; --i)
        gsRecentFiles[i] = gsRecentFiles[i - 1];
    gsRecentFiles[0] = path;
}

void SubUpdateRecentFileMenu(int16_t first)
{
    platform::RecentFileMenu* menu = platform::InstalledRecentFileMenu();
    if (!gbDynamicMenu || !menu)
        return;
    constexpr int16_t kShortenedLength = 60;
    for (int item = first; item <= first + kRecentFileCount; ++item)
        menu->SetItemVisible(item, false);
    bool anyFilled = false;
    for (int i = 0; i < kRecentFileCount; ++i)
        anyFilled = anyFilled || !gsRecentFiles[i].empty();
    if (!anyFilled)
        return;
    menu->SetItemVisible(first, true);
    for (int i = 0; i < kRecentFileCount && !gsRecentFiles[i].empty(); ++i) {
        menu->SetItemCaption(first + 1 + i, sFctShortenPath(gsRecentFiles[i], kShortenedLength));
        menu->SetItemVisible(first + 1 + i, true);
    }
}
