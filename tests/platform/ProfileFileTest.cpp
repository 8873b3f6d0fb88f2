#include "platform/core/ProfileFile.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <algorithm>
#include <iterator>
#include <optional>
#include <sys/wait.h>
#include <unistd.h>
#include <utility>

namespace fs = std::filesystem;
using platform::ProfileFile;

namespace {

class ProfileFileTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "orvamis-ini-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern + "/";
        path_ = folder_ + "Settings.Ini";
    }
    void TearDown() override { fs::remove_all(folder_); }

    void WriteFile(const std::string& text) { std::ofstream(path_, std::ios::binary) << text; }
    std::string ReadFile() const
    {
        std::ifstream in(path_, std::ios::binary);
        return std::string((std::istreambuf_iterator<char>(in)), {});
    }

    std::string folder_;
    std::string path_;
};

TEST_F(ProfileFileTest, ReadsValuesIgnoringCaseAndBlanks)
{
    WriteFile("; a comment\r\n"
              "[System Settings]\r\n"
              "  Language = 1000 \r\n"
              "WordPath=\r\n"
              "Last App 1=/home/u/a=b.dat\r\n"
              "language=7\r\n"  // a second equal key: the first counts
              "[ unit settings ]\r\n"
              "Units=-1xyz\r\n"
              "Rotary Length=abc\r\n"
              "Huge=99999999999999999999999\r\n"
              "Lowest=-9223372036854775808\r\n"
              "Plus=+3\r\n"
              "Decimal=2.5\r\n"
              "Quoted=\"-7\"\r\n");
    ProfileFile ini;
    ASSERT_TRUE(ini.Load(path_));

    EXPECT_EQ(ini.GetString("SYSTEM SETTINGS", "language", "x"), "1000");
    EXPECT_EQ(ini.GetString("System Settings", "WordPath", "default"), "");  // present, empty
    EXPECT_EQ(ini.GetString("System Settings", "Last App 1", ""), "/home/u/a=b.dat");
    EXPECT_EQ(ini.GetString("System Settings", "Missing", "default"), "default");
    EXPECT_EQ(ini.GetString("No Section", "Language", "default"), "default");
    EXPECT_TRUE(ini.HasKey("Unit Settings", "UNITS"));
    EXPECT_FALSE(ini.HasKey("Unit Settings", "Language"));

    // Only a whole integer as a number is written reads as one.
    struct IntCase { const char* section; const char* key; std::optional<int64_t> expected; };
    const IntCase cases[] = {
        {"System Settings", "Language", 1000},         // blanks around it aside
        {"Unit Settings", "Lowest", INT64_MIN},
        {"Unit Settings", "Quoted", -7},                // the quotes are the file's, not the value's
        {"Unit Settings", "Units", std::nullopt},       // something after the number
        {"Unit Settings", "Decimal", std::nullopt},
        {"Unit Settings", "Plus", std::nullopt},
        {"Unit Settings", "Rotary Length", std::nullopt},
        {"Unit Settings", "Huge", std::nullopt},        // beyond 64 bits
        {"System Settings", "WordPath", std::nullopt},  // empty
        {"Unit Settings", "Missing", std::nullopt},
    };
    for (const auto& c : cases)
        EXPECT_EQ(ini.GetInt(c.section, c.key), c.expected) << c.key;
}

TEST_F(ProfileFileTest, MissingFileReadsAsEmpty)
{
    ProfileFile ini;
    EXPECT_FALSE(ini.Load(path_));
    EXPECT_EQ(ini.GetString("Options", "Show Taskbar", "True"), "True");
    EXPECT_EQ(ini.GetInt("Options", "Report Font Size"), std::nullopt);
    EXPECT_FALSE(fs::exists(path_));
}

TEST_F(ProfileFileTest, WritesKeepOtherSectionsKeysAndComments)
{
    WriteFile("[A]\n; keep me\nOne=1\nTwo=2\n\n[B]\nThree=3\n");
    ProfileFile ini;
    ASSERT_TRUE(ini.Load(path_));
    ini.SetString("a", "TWO", "zwei");          // replaced in place
    ini.SetString("A", "Four", "4");            // appended to its section
    ini.SetString("C", "Five", "line\nbreak");  // new section; one line stays one line
    ASSERT_TRUE(ini.Save(path_));
    EXPECT_EQ(ReadFile(), "[A]\n; keep me\nOne=1\nTWO=zwei\nFour=4\n\n[B]\nThree=3\n[C]\nFive=line break\n");

    ProfileFile again;
    ASSERT_TRUE(again.Load(path_));
    EXPECT_EQ(again.GetString("A", "Two", ""), "zwei");
    EXPECT_EQ(again.GetString("C", "Five", ""), "line break");
}

// Blanks and tabs at either end of a value, and quotes around it, read back
// as written; values a file holds without quotes read as they stand.
TEST_F(ProfileFileTest, EveryValueWithoutALineEndReadsBackAsWritten)
{
    struct Case { const char* value; const char* stored; };
    const Case cases[] = {
        {"/data/sp.dat ", "\"/data/sp.dat \""},
        {" /data/sp.dat", "\" /data/sp.dat\""},
        {"\tsp.dat\t", "\"\tsp.dat\t\""},
        {"   ", "\"   \""},
        {"\"sp.dat\"", "\"\"sp.dat\"\""},
        {"\"", "\""},
        {"\"sp.dat", "\"sp.dat"},
        {"sp \"1\".dat", "sp \"1\".dat"},
        {"/data/sp.dat", "/data/sp.dat"},
        {"", ""},
    };
    ProfileFile ini;
    for (size_t i = 0; i < std::size(cases); ++i)
        ini.SetString("Files", "File " + std::to_string(i), cases[i].value);
    ASSERT_TRUE(ini.Save(path_));
    const std::string text = ReadFile();
    ProfileFile again;
    ASSERT_TRUE(again.Load(path_));
    for (size_t i = 0; i < std::size(cases); ++i) {
        const std::string key = "File " + std::to_string(i);
        EXPECT_NE(text.find("\n" + key + "=" + cases[i].stored + "\n"), std::string::npos) << key << " in\n" << text;
        EXPECT_EQ(again.GetString("Files", key, "missing"), cases[i].value) << key;
    }

    WriteFile("[Files]\nA=  sp.dat  \nB=sp.dat\"\nC=\"\"\nD=\" sp.dat \"\n");
    ASSERT_TRUE(again.Load(path_));
    EXPECT_EQ(again.GetString("Files", "A", ""), "sp.dat");
    EXPECT_EQ(again.GetString("Files", "B", ""), "sp.dat\"");
    EXPECT_EQ(again.GetString("Files", "C", "missing"), "");
    EXPECT_EQ(again.GetString("Files", "D", ""), " sp.dat ");
}

TEST_F(ProfileFileTest, SaveReplacesTheFileWholeOrNotAtAll)
{
    WriteFile("[A]\nOne=1\n");
    ProfileFile ini;
    ASSERT_TRUE(ini.Load(path_));
    ini.SetString("A", "One", "2");
    ASSERT_TRUE(ini.Save(path_));
    EXPECT_EQ(ReadFile(), "[A]\nOne=2\n");

    // Failures report false and leave no temporary file behind: a folder
    // that does not exist, and a name taken by a folder (the rename fails).
    ProfileFile::SaveFault fault = ProfileFile::SaveFault::None;
    EXPECT_FALSE(ini.Save(folder_ + "missing/Settings.Ini", &fault));
    EXPECT_EQ(fault, ProfileFile::SaveFault::Other);
    fs::create_directory(folder_ + "Taken.Ini");
    EXPECT_FALSE(ini.Save(folder_ + "Taken.Ini", &fault));
    EXPECT_EQ(fault, ProfileFile::SaveFault::FolderInPlace);
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder_))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    EXPECT_EQ(names, (std::vector<std::string>{"Settings.Ini", "Taken.Ini"}));
    EXPECT_TRUE(fs::is_empty(folder_ + "Taken.Ini"));
}

// A byte order mark that an editor put before the first section is no part
// of it: the section reads, and a save writes each key once, in its place.
TEST_F(ProfileFileTest, AByteOrderMarkIsNoPartOfTheFirstSection)
{
    WriteFile("\xEF\xBB\xBF[System Settings]\r\nLanguage=1000\r\n[Options]\r\nShow Taskbar=False\r\n");
    ProfileFile ini;
    ASSERT_TRUE(ini.Load(path_));
    EXPECT_EQ(ini.GetString("System Settings", "Language", "missing"), "1000");
    EXPECT_EQ(ini.GetString("Options", "Show Taskbar", "missing"), "False");
    ini.SetString("System Settings", "Language", "0");
    ASSERT_TRUE(ini.Save(path_));
    EXPECT_EQ(ReadFile(), "[System Settings]\nLanguage=0\n[Options]\nShow Taskbar=False\n");
}

// A save through a symbolic link writes the file it names, through a
// temporary file beside that file, and keeps the link.
TEST_F(ProfileFileTest, SaveThroughALinkWritesTheFileItNames)
{
    fs::create_directory(folder_ + "kept");
    std::ofstream(folder_ + "kept/Settings.Ini") << "[A]\nOne=1\n";
    fs::create_symlink("kept/Settings.Ini", path_);
    ProfileFile ini;
    ASSERT_TRUE(ini.Load(path_));
    ini.SetString("A", "One", "2");
    ASSERT_TRUE(ini.Save(path_));
    EXPECT_TRUE(fs::is_symlink(path_));
    EXPECT_EQ(ReadFile(), "[A]\nOne=2\n");
    EXPECT_EQ(std::vector<fs::path>(fs::directory_iterator(folder_ + "kept"), {}),
              std::vector<fs::path>{folder_ + "kept/Settings.Ini"});
}

// A read-only file (no write permission for anyone) is left as it is, and
// the save says so, even where the folder would let it be replaced.
TEST_F(ProfileFileTest, AReadOnlyFileIsNotReplaced)
{
    WriteFile("[A]\nOne=1\n");
    fs::permissions(path_, fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    ProfileFile ini;
    ASSERT_TRUE(ini.Load(path_));
    ini.SetString("A", "One", "2");
    ProfileFile::SaveFault fault = ProfileFile::SaveFault::None;
    EXPECT_FALSE(ini.Save(path_, &fault));
    EXPECT_EQ(fault, ProfileFile::SaveFault::NotPermitted);
    EXPECT_EQ(ReadFile(), "[A]\nOne=1\n");
    EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
}

// The save of a user who may not make a new file in the folder, as in the
// program folder of a package installed for all users (run as another user
// where the tests run as root, whom no permission stops): the result and
// the fault.
std::pair<bool, ProfileFile::SaveFault> SaveAsUserOfASharedFolder(const std::string& path)
{
    const auto save = [&path] {
        ProfileFile ini;
        ini.Load(path);
        ini.SetString("A", "One", "2");
        ProfileFile::SaveFault fault = ProfileFile::SaveFault::None;
        const bool saved = ini.Save(path, &fault);
        return std::make_pair(saved, fault);
    };
    if (getuid() != 0)
        return save();
    const pid_t child = fork();
    if (child == 0) {
        constexpr uid_t kNobody = 65534;
        if (setgid(kNobody) != 0 || setuid(kNobody) != 0)
            _exit(100);
        const auto [saved, fault] = save();
        _exit((saved ? 10 : 0) + static_cast<int>(fault));
    }
    int status = 0;
    waitpid(child, &status, 0);
    const int code = WIFEXITED(status) ? WEXITSTATUS(status) : 100;
    if (code >= 100)
        return {false, ProfileFile::SaveFault::Other};
    return {code >= 10, static_cast<ProfileFile::SaveFault>(code % 10)};
}

// In a folder that takes no new file, a settings file every user may write
// is written in place; one this user may not write is left as it is, and
// the save says why.
TEST_F(ProfileFileTest, AFolderThatTakesNoNewFileKeepsAFileEveryUserMayWrite)
{
    struct Case {
        fs::perms file;
        bool saved;
        ProfileFile::SaveFault fault;
        const char* text;
    };
    constexpr fs::perms kRead = fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read;
    constexpr fs::perms kWrite = fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write;
    const Case cases[] = {
        {kRead | kWrite, true, ProfileFile::SaveFault::None, "[A]\nOne=2\n"},
        {kRead | fs::perms::owner_write, false, ProfileFile::SaveFault::NotPermitted, "[A]\nOne=1\n"},
    };
    for (const Case& c : cases) {
        fs::permissions(folder_, fs::perms::owner_all);
        WriteFile("[A]\nOne=1\n");
        fs::permissions(path_, c.file);
        fs::permissions(folder_, kRead | fs::perms::owner_exec | fs::perms::group_exec | fs::perms::others_exec);
        const auto [saved, fault] = SaveAsUserOfASharedFolder(path_);
        fs::permissions(folder_, fs::perms::owner_all);
        EXPECT_EQ(saved, c.saved) << c.text;
        EXPECT_EQ(fault, c.fault) << c.text;
        EXPECT_EQ(ReadFile(), c.text);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder_), {}), 1);
    }
}

} // namespace
