#include "foundation/basIniFileControl.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/MessageDisplay.h"
#include "foundation/RecentFileMenu.h"
#include "foundation/basDatabaseAccess.h"
#include "foundation/basTextResources.h"
#include "foundation/basUnitSystem.h"
#include "tests/support/OtherProcesses.h"
#include "tests/support/TestAppFolder.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <algorithm>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <map>
#include <vector>

namespace {

class SettingsTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        iniPath_ = folder_.file(kIniFileName);
        savedSeparator_ = gsDecimalSeparator;
        savedDynamicMenu_ = gbDynamicMenu;
    }
    void TearDown() override
    {
        gsDecimalSeparator = savedSeparator_;
        gbDynamicMenu = savedDynamicMenu_;
        platform::InstallRecentFileMenu(nullptr);
        // Leave the defaults for the next test.
        std::remove(iniPath_.c_str());
        nFctReadIniFile(iniPath_);
    }

    void WriteIni(const std::string& text) { std::ofstream(iniPath_) << text; }
    std::string ReadIni() const
    {
        std::ifstream in(iniPath_);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    testing_support::TestAppFolder folder_;
    std::string iniPath_;
    std::string savedSeparator_;
    int16_t savedDynamicMenu_ = 0;
};

std::string ReadFileText(const std::string& path)
{
    std::ifstream in(path);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

// Every global away from its default, so that reading must set each one.
void Scramble()
{
    gnLanguageOffset = 1000;
    gsWordPath = gsLastUsedPath = gsLastDocPath = "stale";
    gsRecentFiles.fill("stale");
    gnUnitSystem = 1;
    gnRotaryLengthUnit = gnEEKtUnit = gnMKtUnit = 7;
    gnMainWindowState = 0;
    gnMainWindowLeft = gnMainWindowTop = gnMainWindowWidth = gnMainWindowHeight = 123;
    gbShowTaskbar = gbShowMessageBar = gbCreateBackup = gbLoadDefaultAxis = gbPromptDeleteAxis = 0;
    gdMinTorqueFactor = gdMaxTorqueFactor = gdMinInertiaFactor = gdMaxInertiaWarning = 0;
    gdMaxInertiaDiscard = gdTravelRangeWarning = gdTerminalVelocityWarning = 0;
    glReportBackColor = glReportTextColor = 5;
    gnReportFontSize = 8;
}

TEST_F(SettingsTest, FirstRunGivesDefaultsAndWritesThemAll)
{
    Scramble();
    EXPECT_EQ(nFctReadIniFile(iniPath_), 0);

    EXPECT_EQ(gnLanguageOffset, 0);
    EXPECT_EQ(gsWordPath, "");
    EXPECT_EQ(gsLastUsedPath, "");
    EXPECT_EQ(gsRecentFiles[0], "");
    EXPECT_EQ(gsRecentFiles[9], "");
    EXPECT_EQ(gnUnitSystem, 0);
    EXPECT_EQ(gnRotaryLengthUnit, -1);
    EXPECT_EQ(gnEEKtUnit, -1);
    EXPECT_EQ(gnMKtUnit, -1);
    EXPECT_EQ(gnMainWindowState, 2);
    EXPECT_EQ(gnMainWindowWidth, 0);
    EXPECT_EQ(gbShowTaskbar, -1);
    EXPECT_EQ(gbPromptDeleteAxis, -1);
    EXPECT_EQ(gdMinTorqueFactor, 1);
    EXPECT_EQ(gdMaxTorqueFactor, 20);
    EXPECT_EQ(gdMinInertiaFactor, 1);
    EXPECT_EQ(gdMaxInertiaWarning, 6);
    EXPECT_EQ(gdMaxInertiaDiscard, 10);
    EXPECT_EQ(gdTravelRangeWarning, 95);
    EXPECT_EQ(gdTerminalVelocityWarning, 98);
    EXPECT_EQ(glReportBackColor, 16777215);
    EXPECT_EQ(glReportTextColor, 0);
    EXPECT_EQ(gnReportFontSize, 10);

    gsDecimalSeparator = "";  // a first run writes before the separator is known
    SubWriteIniFile(iniPath_);
    std::string expected =
        "[System Settings]\nLanguage=0\nWordPath=\nLast Used Path=\nLast Doc Path=\n";
    for (int i = 1; i <= 10; ++i)
        expected += "Last App " + std::to_string(i) + "=\n";
    expected += "[Unit Settings]\nUnits=0\n";
    for (const char* key : {"Rotary Length", "Rotary Velocity", "Rotary Acceleration", "EE Linear Length",
                            "EE Linear Velocity", "EE Linear Acceleration", "EE Pitch/Lead", "EE Weight",
                            "EE Torque", "EE Inertia", "EE Kt", "M Linear Length", "M Linear Velocity",
                            "M Linear Acceleration", "M Pitch/Lead", "M Weight", "M Torque", "M Inertia",
                            "M Kt"})
        expected += std::string(key) + "=-1\n";
    expected += "[Window Size]\nStatus=2\nLeft=0\nTop=0\nWidth=0\nHeight=0\n"
                "[Options]\nSystemDB=" + folder_.path() + "Orvamis.Mdw\n"
                "Show Taskbar=True\nShow Message Bar=True\nCreate Backup File=True\n"
                "Load Default Axis=True\nPrompt For Delete Axis=True\n"
                "Min. Torque Factor=1\nMax. Torque Factor=20\nMin. Inertia Factor=1\n"
                "Max. Inertia Factor Warning=6\nMax. Inertia Factor Discard=10\n"
                "Travel Range Warning=95\nTerminal Velocity Warning=98\n"
                "Report Back Color=16777215\nReport Text Color=0\nReport Font Size=10\n";
    EXPECT_EQ(ReadIni(), expected);
    EXPECT_EQ(nFctReadIniFile(iniPath_), -1);
}

TEST_F(SettingsTest, ValuesTheProgramCannotUseFallBackToDefaults)
{
    struct Case {
        const char* text;     // the file
        const char* what;
        std::function<bool()> holds;
    };
    const Case cases[] = {
        {"[System Settings]\nLanguage=1000\n", "German without Units gives metric",
         [] { return gnLanguageOffset == 1000 && gnUnitSystem == 1; }},
        {"\xEF\xBB\xBF[System Settings]\r\nLanguage=1000\r\n", "a byte order mark and CRLF line ends",
         [] { return gnLanguageOffset == 1000 && gnUnitSystem == 1; }},
        {"[System Settings]\nLanguage=0\n", "English without Units gives EE",
         [] { return gnLanguageOffset == 0 && gnUnitSystem == 0; }},
        {"[System Settings]\nLanguage=1000\n[Unit Settings]\nUnits=0\n", "a stored Units wins",
         [] { return gnUnitSystem == 0; }},
        {"[System Settings]\nLanguage=500\n", "unknown language",
         [] { return gnLanguageOffset == 0 && gnUnitSystem == 0; }},
        {"[System Settings]\nLanguage=2000\n", "no French texts", [] { return gnLanguageOffset == 0; }},
        {"[System Settings]\nLanguage=1000\n[Unit Settings]\nUnits=5\n", "unknown system",
         [] { return gnUnitSystem == 1; }},
        {"[Unit Settings]\nEE Weight=-7\nM Weight=3\nEE Torque=70000\n", "unit positions",
         [] { return gnEEWeightUnit == -1 && gnMWeightUnit == 3 && gnEETorqueUnit == -1; }},
        {"[Window Size]\nStatus=0\nLeft=-200\nWidth=40000\nHeight=99999999999\n", "placement is 32-bit",
         [] {
             return gnMainWindowState == 0 && gnMainWindowLeft == -200 && gnMainWindowWidth == 40000 &&
                    gnMainWindowHeight == 0;
         }},
        {"[Options]\nShow Taskbar=True\nShow Message Bar=False\n", "flags in the program's two forms",
         [] { return gbShowTaskbar == -1 && gbShowMessageBar == 0 && gbLoadDefaultAxis == -1; }},
        {"[Options]\nMin. Torque Factor=1.5\nMax. Torque Factor=12,25\nMin. Inertia Factor=\n"
         "Max. Inertia Factor Warning=abc\nMax. Inertia Factor Discard=7.5x\n",
         "factors: either mark, empty or unreadable give the default",
         [] {
             return gdMinTorqueFactor == 1.5 && gdMaxTorqueFactor == 12.25 && gdMinInertiaFactor == 1 &&
                    gdMaxInertiaWarning == 6 && gdMaxInertiaDiscard == 10;
         }},
        {"[Options]\nReport Back Color=99999999999\nReport Text Color=65281\n", "colours: range",
         [] { return glReportBackColor == 16777215 && glReportTextColor == 65281; }},
        {"[options]\nreport font size=8\n", "names ignore case", [] { return gnReportFontSize == 8; }},
        // Only what the Options dialog offers: font size 8 or 10, colours
        // 0 to FFFFFF, each factor by its rule (torque at least 1, inertia
        // above 0, the warnings any value).
        {"[Options]\nReport Font Size=9999\nReport Back Color=-1\nReport Text Color=-1\n",
         "font size 9999 and colours -1", [] {
             return gnReportFontSize == 10 && glReportBackColor == 16777215 && glReportTextColor == 0;
         }},
        {"[Options]\nReport Font Size=9\nReport Back Color=16777216\nReport Text Color=16777215\n",
         "font size between the two, colours past white", [] {
             return gnReportFontSize == 10 && glReportBackColor == 16777215 && glReportTextColor == 16777215;
         }},
        {"[Options]\nReport Font Size=0\nReport Back Color=0\n", "font size 0, black is a colour",
         [] { return gnReportFontSize == 10 && glReportBackColor == 0; }},
        {"[Options]\nMin. Torque Factor=0.5\nMax. Torque Factor=0\nMin. Inertia Factor=0\n"
         "Max. Inertia Factor Warning=-1\nMax. Inertia Factor Discard=-0.1\n"
         "Travel Range Warning=-5\nTerminal Velocity Warning=0\n",
         "factors their rule refuses", [] {
             return gdMinTorqueFactor == 1 && gdMaxTorqueFactor == 20 && gdMinInertiaFactor == 1 &&
                    gdMaxInertiaWarning == 6 && gdMaxInertiaDiscard == 10 && gdTravelRangeWarning == -5 &&
                    gdTerminalVelocityWarning == 0;
         }},
        {"[Options]\nMin. Torque Factor=1\nMax. Torque Factor=1\nMin. Inertia Factor=0.001\n",
         "factors at their limits", [] {
             return gdMinTorqueFactor == 1 && gdMaxTorqueFactor == 1 && gdMinInertiaFactor == 0.001;
         }},
        {"[Window Size]\nStatus=3\n", "no such window state", [] { return gnMainWindowState == 2; }},
        {"[Window Size]\nStatus=-1\n", "no such window state", [] { return gnMainWindowState == 2; }},
        {"[Window Size]\nStatus=1\n", "minimised", [] { return gnMainWindowState == 1; }},
    };
    for (const auto& c : cases) {
        Scramble();
        WriteIni(c.text);
        EXPECT_EQ(nFctReadIniFile(iniPath_), -1) << c.what;
        EXPECT_TRUE(c.holds()) << c.what;
    }
}

// A setting read as its default is written back as read.
TEST_F(SettingsTest, SettingsOutsideWhatIsOfferedAreWrittenBackAsRead)
{
    WriteIni("[Options]\nMin. Torque Factor=0.5\nReport Back Color=-1\nReport Text Color=-1\n"
             "Report Font Size=9999\n[Window Size]\nStatus=7\n");
    nFctReadIniFile(iniPath_);
    gsDecimalSeparator = ".";
    SubWriteIniFile(iniPath_);
    const std::string text = ReadIni();
    for (const char* line : {"Min. Torque Factor=1\n", "Report Back Color=16777215\n", "Report Text Color=0\n",
                             "Report Font Size=10\n", "Status=2\n"})
        EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

// A value the program could not have written (a number with anything after
// it, a flag in another form, a factor the Options dialog refuses) is read
// as its key's default and written back so; a value it writes is kept.
TEST_F(SettingsTest, ValuesTheProgramCouldNotHaveWrittenAreReadAndWrittenAsDefaults)
{
    struct Case {
        const char* section;
        const char* key;
        const char* stored;
        const char* written;  // the key's line after reading and writing
    };
    const Case cases[] = {
        // flags: "True" and "False" only
        {"Options", "Create Backup File", "2", "True"},
        {"Options", "Create Backup File", "maybe", "True"},
        {"Options", "Create Backup File", "", "True"},
        {"Options", "Show Message Bar", "true", "True"},
        {"Options", "Show Taskbar", "-1", "True"},
        {"Options", "Prompt For Delete Axis", "False", "False"},
        // counts: an optional "-" and digits
        {"System Settings", "Language", "1000abc", "0"},
        {"System Settings", "Language", "1e3", "0"},
        {"Unit Settings", "Units", "1.0", "0"},
        {"Options", "Report Font Size", "8.5", "10"},
        {"Options", "Report Font Size", "8pt", "10"},
        {"Options", "Report Font Size", "8", "8"},
        // unit positions
        {"Unit Settings", "EE Torque", "2.5", "-1"},
        {"Unit Settings", "M Weight", "3 kg", "-1"},
        {"Unit Settings", "M Torque", "abc", "-1"},
        {"Unit Settings", "M Inertia", "+2", "-1"},
        {"Unit Settings", "EE Torque", "2", "2"},
        // the main window's placement
        {"Window Size", "Left", "100px", "0"},
        {"Window Size", "Width", "", "0"},
        {"Window Size", "Status", "0.5", "2"},
        // colours: whole numbers from 0 to FFFFFF
        {"Options", "Report Back Color", "abc", "16777215"},
        {"Options", "Report Back Color", "255abc", "16777215"},
        {"Options", "Report Text Color", "65280.6", "0"},
        {"Options", "Report Text Color", "blue", "0"},
        {"Options", "Report Back Color", "255", "255"},
        // factors as the Options dialog takes them
        {"Options", "Max. Torque Factor", "1e308", "20"},             // 309 digits before the mark
        {"Options", "Max. Inertia Factor Discard", "99999999999", "10"},  // 11 digits, the dialog shows 8
        {"Options", "Max. Inertia Factor Warning", "99999999.5", "6"},    // shows as 100000000
        {"Options", "Min. Torque Factor", "7.5x", "1"},
        {"Options", "Min. Inertia Factor", "-", "1"},
        {"Options", "Travel Range Warning", "1e-12", "95"},           // shows as 0
        {"Options", "Terminal Velocity Warning", "1.23456789012345678", "98"},  // 18 significant digits
        {"Options", "Terminal Velocity Warning", ".", "98"},
        {"Options", "Max. Torque Factor", "99999999", "99999999"},
        {"Options", "Max. Inertia Factor Discard", "12,5", "12.5"},
        {"Options", "Travel Range Warning", "-5", "-5"},
    };
    for (const auto& c : cases) {
        const std::string what = std::string(c.key) + "=" + c.stored;
        Scramble();
        WriteIni("[" + std::string(c.section) + "]\n" + c.key + "=" + c.stored + "\n");
        nFctReadIniFile(iniPath_);
        gsDecimalSeparator = ".";
        SubWriteIniFile(iniPath_);
        const std::string line = "\n" + std::string(c.key) + "=" + c.written + "\n";
        EXPECT_NE(ReadIni().find(line), std::string::npos) << what << " in\n" << ReadIni();
    }
}

TEST_F(SettingsTest, RoundTripKeepsEverySettingAndForeignKeys)
{
    WriteIni("[Extra]\nKept=yes\n[Options]\nMy Own=1\n");
    nFctReadIniFile(iniPath_);
    gsDecimalSeparator = ",";  // a locale with a decimal comma
    gnLanguageOffset = 1000;
    gsWordPath = "/opt/writer/bin/writer";
    gsLastUsedPath = "/home/eng/Projekte/";
    gsLastDocPath = "/home/eng/Dokumente/";
    for (int i = 0; i < 10; ++i)
        gsRecentFiles[i] = "/home/eng/Projekte/axis " + std::to_string(i) + ".dat";
    gnUnitSystem = 1;
    gnRotaryVelocityUnit = 1;
    gnMInertiaUnit = 2;
    gnEEPitchLeadUnit = 0;
    gnMainWindowState = 0;
    gnMainWindowLeft = -120;
    gnMainWindowTop = 345;
    gnMainWindowWidth = 40000;
    gnMainWindowHeight = 9000;
    gbShowTaskbar = 0;
    gbCreateBackup = 0;
    gdMaxTorqueFactor = 6.123456;  // display precision: 4 decimals below 10
    gdMaxInertiaWarning = 12.5;
    gdMinInertiaFactor = 1.546e-5;  // four digits and a power of ten
    gdTravelRangeWarning = 90;
    glReportBackColor = 12632256;
    glReportTextColor = 255;
    gnReportFontSize = 8;
    SubWriteIniFile(iniPath_);

    const std::string text = ReadIni();
    EXPECT_NE(text.find("Max. Torque Factor=6.1235\n"), std::string::npos) << text;
    EXPECT_NE(text.find("Max. Inertia Factor Warning=12.5\n"), std::string::npos);
    EXPECT_NE(text.find("Min. Inertia Factor=1.546E-5\n"), std::string::npos);
    EXPECT_NE(text.find("[Extra]\nKept=yes\n"), std::string::npos);
    EXPECT_NE(text.find("My Own=1\n"), std::string::npos);

    Scramble();
    gsDecimalSeparator = ".";  // read back under another locale
    ASSERT_EQ(nFctReadIniFile(iniPath_), -1);
    EXPECT_EQ(gnLanguageOffset, 1000);
    EXPECT_EQ(gsWordPath, "/opt/writer/bin/writer");
    EXPECT_EQ(gsLastUsedPath, "/home/eng/Projekte/");
    EXPECT_EQ(gsLastDocPath, "/home/eng/Dokumente/");
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(gsRecentFiles[i], "/home/eng/Projekte/axis " + std::to_string(i) + ".dat");
    EXPECT_EQ(gnUnitSystem, 1);
    EXPECT_EQ(gnRotaryVelocityUnit, 1);
    EXPECT_EQ(gnMInertiaUnit, 2);
    EXPECT_EQ(gnEEPitchLeadUnit, 0);
    EXPECT_EQ(gnRotaryLengthUnit, -1);
    EXPECT_EQ(gnMainWindowState, 0);
    EXPECT_EQ(gnMainWindowLeft, -120);
    EXPECT_EQ(gnMainWindowTop, 345);
    EXPECT_EQ(gnMainWindowWidth, 40000);
    EXPECT_EQ(gnMainWindowHeight, 9000);
    EXPECT_EQ(gbShowTaskbar, 0);
    EXPECT_EQ(gbShowMessageBar, -1);
    EXPECT_EQ(gbCreateBackup, 0);
    EXPECT_DOUBLE_EQ(gdMaxTorqueFactor, 6.1235);
    EXPECT_EQ(gdMaxInertiaWarning, 12.5);
    EXPECT_EQ(gdMinInertiaFactor, 1.546e-5);
    EXPECT_EQ(gdTravelRangeWarning, 90);
    EXPECT_EQ(gdMinTorqueFactor, 1);
    EXPECT_EQ(glReportBackColor, 12632256);
    EXPECT_EQ(glReportTextColor, 255);
    EXPECT_EQ(gnReportFontSize, 8);
}

std::array<std::string, 11> Entries(std::initializer_list<const char*> filled)
{
    std::array<std::string, 11> list;
    int i = 0;
    for (const char* path : filled)
        list[i++] = path;
    return list;
}

TEST_F(SettingsTest, RecentFileListKeepsTheMostRecentFirst)
{
    gsRecentFiles = Entries({"/a", "/b", "/c", "/d", "/e", "/f", "/g", "/h", "/i", "/j"});
    SubAddRecentFile("/f");  // entry 5 moves to the top; 6 to 9 stay
    EXPECT_EQ(gsRecentFiles, Entries({"/f", "/a", "/b", "/c", "/d", "/e", "/g", "/h", "/i", "/j"}));
    SubAddRecentFile("/k");  // an eleventh path drops the oldest
    EXPECT_EQ(gsRecentFiles, Entries({"/k", "/f", "/a", "/b", "/c", "/d", "/e", "/g", "/h", "/i"}));

    gsRecentFiles = Entries({"/x/Axis.dat"});
    SubAddRecentFile("/x/axis.dat");  // letter case makes a different path
    SubAddRecentFile("/x/axis.dat");  // the same path again stays one entry
    SubAddRecentFile("");             // nothing to add
    EXPECT_EQ(gsRecentFiles, Entries({"/x/axis.dat", "/x/Axis.dat"}));
}

// A name the settings file keeps whole reads back as it was saved; one it
// cannot keep (a line end, more than a text value reads) is not listed, so
// no entry ever names another file.
TEST_F(SettingsTest, RecentFilesReadBackAsSaved)
{
    const std::string longName = "/p/" + std::string(1021, 'L') + ".dat";  // 1028 bytes
    gsRecentFiles = Entries({});
    for (const std::string& path : {std::string("/p/sp.dat"), std::string("/p/sp.dat "), std::string(" /p/lead.dat"),
                                    std::string("\"/p/quoted.dat\""), std::string("/p/line\nend.dat"),
                                    std::string("/p/return\r.dat"), longName})
        SubAddRecentFile(path);
    const auto kept = Entries({"\"/p/quoted.dat\"", " /p/lead.dat", "/p/sp.dat ", "/p/sp.dat"});
    EXPECT_EQ(gsRecentFiles, kept);

    SubWriteIniFile(iniPath_);
    gsRecentFiles = Entries({"stale"});
    nFctReadIniFile(iniPath_);
    EXPECT_EQ(gsRecentFiles, kept);

    // A longer name in the file (written by hand or by an older version) is
    // no entry: cut to what a text value reads it would name another file.
    WriteIni("[System Settings]\nLast App 1=/p/one.dat\nLast App 2=" + longName + "\nLast App 3=/p/three.dat\n");
    nFctReadIniFile(iniPath_);
    EXPECT_EQ(gsRecentFiles[0], "/p/one.dat");
    EXPECT_EQ(gsRecentFiles[1], "");
    EXPECT_EQ(gsRecentFiles[2], "/p/three.dat");
}

class RecordingDisplay : public platform::MessageDisplay {
public:
    RecordingDisplay() { platform::InstallMessageDisplay(this); }
    ~RecordingDisplay() override { platform::InstallMessageDisplay(nullptr); }
    void Beep() override {}
    void RestoreDefaultCursor() override {}
    int16_t ShowMessage(const MessageComposition& message) override
    {
        shown.push_back(message);
        return kResultOk;
    }
    void ShowCriticalBox(const std::string&, const std::string&) override {}
    std::vector<MessageComposition> shown;
};

// A settings file that cannot be written is told once a session, with the
// file and the reason; a write that succeeds says nothing.
TEST_F(SettingsTest, SettingsThatCannotBeKeptAreToldOncePerSession)
{
    RecordingDisplay display;
    nFctReadIniFile(iniPath_);
    SubWriteIniFile(iniPath_);
    EXPECT_TRUE(display.shown.empty());

    std::remove(iniPath_.c_str());
    ASSERT_TRUE(std::filesystem::create_directory(iniPath_));  // a folder in the file's place
    nFctReadIniFile(iniPath_);
    gbCreateBackup = 0;
    SubWriteIniFile(iniPath_);
    SubWriteIniFile(iniPath_);
    ASSERT_EQ(display.shown.size(), 1u);
    const MessageComposition& told = display.shown[0];
    EXPECT_EQ(told.caption, sFctGetText(15) + " - 2020");
    EXPECT_EQ(told.icon, kIconWarning);
    EXPECT_EQ(told.text, sFctGetText(380) + "\r\n\r\n" + iniPath_ + "\r\n\r\n" + sFctGetText(381));
    EXPECT_TRUE(std::filesystem::is_directory(iniPath_));

    nFctReadIniFile(iniPath_);  // the next session is told again
    SubWriteIniFile(iniPath_);
    EXPECT_EQ(display.shown.size(), 2u);
}

// Each way the settings file cannot be written is told with its reason,
// and the file stays as it was; a file reached through a symbolic link is
// written there, the link kept, and nothing is told.
TEST_F(SettingsTest, EachWayTheSettingsCannotBeWrittenIsToldWithItsReason)
{
    namespace fs = std::filesystem;
    struct Case {
        const char* what;
        std::function<std::string(const std::string& folder)> prepare;  // gives the settings path
        int16_t reason;  // 0: written, nothing told
    };
    const std::string kept = "[System Settings]\nLanguage=1000\n";
    const auto writeKept = [&kept](const std::string& path) { std::ofstream(path) << kept; };
    const Case cases[] = {
        {"a folder in the file's place",
         [](const std::string& folder) {
             fs::create_directory(folder + "a.ini");
             return folder + "a.ini";
         },
         381},
        {"a read-only file",
         [&writeKept](const std::string& folder) {
             writeKept(folder + "b.ini");
             fs::permissions(folder + "b.ini", fs::perms::owner_write | fs::perms::group_write |
                                                   fs::perms::others_write, fs::perm_options::remove);
             return folder + "b.ini";
         },
         382},
        {"a folder that is gone", [](const std::string& folder) { return folder + "gone/c.ini"; }, 384},
        {"a link to a file in another folder",
         [&writeKept](const std::string& folder) {
             fs::create_directory(folder + "elsewhere");
             writeKept(folder + "elsewhere/d.ini");
             fs::create_symlink(folder + "elsewhere/d.ini", folder + "d.ini");
             return folder + "d.ini";
         },
         0},
    };
    for (const Case& c : cases) {
        RecordingDisplay display;
        const std::string path = c.prepare(folder_.path());
        const std::string before = fs::is_regular_file(path) ? ReadFileText(path) : std::string();
        nFctReadIniFile(path);
        gbCreateBackup = 0;  // a change of the session
        SubWriteIniFile(path);
        SubWriteIniFile(path);
        if (c.reason == 0) {
            EXPECT_TRUE(display.shown.empty()) << c.what;
            EXPECT_TRUE(fs::is_symlink(path)) << c.what;
            nFctReadIniFile(path);
            EXPECT_EQ(gbCreateBackup, 0) << c.what;
            EXPECT_EQ(gnLanguageOffset, 1000) << c.what;
            continue;
        }
        EXPECT_EQ(display.shown.size(), 1u) << c.what;
        if (display.shown.size() == 1) {
            EXPECT_EQ(display.shown[0].text,
                      sFctGetText(380) + "\r\n\r\n" + path + "\r\n\r\n" + sFctGetText(c.reason))
                << c.what;
        }
        if (!before.empty()) {
            EXPECT_EQ(ReadFileText(path), before) << c.what;
        }
    }
}

// A settings write killed half-way leaves its file beside the settings
// file; the next write removes it, and keeps another container's write in
// progress and a user's file named like the program's own.
TEST_F(SettingsTest, AKilledSettingsWritesLeftoverGoesAtTheNextWrite)
{
    namespace fs = std::filesystem;
    const std::string folder = folder_.file("shared/");
    fs::create_directory(folder);
    const std::string path = folder + kIniFileName;
    const std::string leftover = testing_support::LeaveAKilledWrite(path);
    ASSERT_FALSE(leftover.empty());
    const std::vector<std::string> kept = {testing_support::AnotherContainersName(leftover),
                                           ".orvamis-saving-" + leftover.substr(16, 16) + "-notes"};
    for (const std::string& name : kept)
        std::ofstream(folder + name) << "not a leftover of this machine";

    RecordingDisplay display;
    nFctReadIniFile(path);
    SubWriteIniFile(path);
    EXPECT_TRUE(display.shown.empty());
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::vector<std::string> expected = kept;
    expected.push_back(kIniFileName);
    std::sort(names.begin(), names.end());
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(names, expected);
}

// A new settings file has the mode the umask gives; one written again keeps
// the mode it has.
TEST_F(SettingsTest, ANewSettingsFileTakesTheUmasksMode)
{
    struct Case {
        mode_t umask;
        mode_t mode;
    };
    for (const Case c : {Case{077, 0600}, Case{002, 0664}}) {
        SCOPED_TRACE(c.umask);
        std::remove(iniPath_.c_str());
        const mode_t previous = umask(c.umask);
        nFctReadIniFile(iniPath_);
        SubWriteIniFile(iniPath_);
        struct stat status {};
        stat(iniPath_.c_str(), &status);
        EXPECT_EQ(status.st_mode & 07777, c.mode);
        chmod(iniPath_.c_str(), 0640);
        SubWriteIniFile(iniPath_);
        stat(iniPath_.c_str(), &status);
        EXPECT_EQ(status.st_mode & 07777, 0640u);
        umask(previous);
    }
}

// A disk that is full when the settings are written is told as such, with
// the file; the file stays as it was. (A copy of the program whose writes
// into files find no room.)
TEST_F(SettingsTest, AFullDiskIsToldWithItsReason)
{
    namespace fs = std::filesystem;
    WriteIni("[System Settings]\nLanguage=1000\n");
    const auto names = [this] {
        std::vector<fs::path> listing(fs::directory_iterator(folder_.path()), {});
        std::sort(listing.begin(), listing.end());
        return listing;
    };
    const auto before = names();
    if (!testing_support::RunInAnotherProcess([] { return testing_support::LetWritesFindTheDiskFull(); }))
        GTEST_SKIP() << "this system lets no process filter its calls";
    const bool told = testing_support::RunInAnotherProcess([this] {
        testing_support::LetWritesFindTheDiskFull();
        RecordingDisplay display;
        nFctReadIniFile(iniPath_);
        gbCreateBackup = 0;
        SubWriteIniFile(iniPath_);
        return display.shown.size() == 1 &&
               display.shown[0].text == sFctGetText(380) + "\r\n\r\n" + iniPath_ + "\r\n\r\n" + sFctGetText(383);
    });
    EXPECT_TRUE(told);
    EXPECT_EQ(ReadIni(), "[System Settings]\nLanguage=1000\n");
    EXPECT_EQ(names(), before);
}

class RecordingMenu : public platform::RecentFileMenu {
public:
    void SetItemVisible(int index, bool visible) override { visible_[index] = visible; }
    void SetItemCaption(int index, const std::string& caption) override { captions_[index] = caption; }
    std::map<int, bool> visible_;
    std::map<int, std::string> captions_;
};

TEST_F(SettingsTest, RecentFileMenuShowsTheFilledEntries)
{
    RecordingMenu menu;
    platform::InstallRecentFileMenu(&menu);
    const std::string longPath = "/home/engineer/projects/2024/packaging line 3/station 7/axis data.dat";
    ASSERT_GT(longPath.size(), 60u);

    gbDynamicMenu = -1;
    gsRecentFiles = Entries({"/p/one.dat", longPath.c_str()});
    menu.visible_[12] = true;  // left from an earlier, longer list
    SubUpdateRecentFileMenu(9);
    EXPECT_TRUE(menu.visible_[9]);
    EXPECT_TRUE(menu.visible_[10]);
    EXPECT_TRUE(menu.visible_[11]);
    for (int item = 12; item <= 19; ++item)
        EXPECT_FALSE(menu.visible_[item]) << item;
    EXPECT_EQ(menu.captions_[10], "/p/one.dat");
    EXPECT_LE(menu.captions_[11].size(), 60u);
    EXPECT_NE(menu.captions_[11].find("axis data.dat"), std::string::npos);

    // A hand-edited list whose first entry is empty: the separator only.
    gsRecentFiles = Entries({""});
    gsRecentFiles[1] = "/p/two.dat";
    SubUpdateRecentFileMenu(9);
    EXPECT_TRUE(menu.visible_[9]);
    for (int item = 10; item <= 19; ++item)
        EXPECT_FALSE(menu.visible_[item]) << item;

    // An empty list hides the separator too.
    gsRecentFiles = Entries({});
    SubUpdateRecentFileMenu(9);
    EXPECT_FALSE(menu.visible_[9]);

    // With the switch off the menu is never touched.
    RecordingMenu untouched;
    platform::InstallRecentFileMenu(&untouched);
    gbDynamicMenu = 0;
    gsRecentFiles = Entries({"/p/one.dat"});
    SubUpdateRecentFileMenu(9);
    EXPECT_TRUE(untouched.visible_.empty());
    EXPECT_TRUE(untouched.captions_.empty());
}

} // namespace
