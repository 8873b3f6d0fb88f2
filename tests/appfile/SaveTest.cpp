// Saving keeps the user's file: backups, and failures that leave the old
// file as it was.

#include "tests/appfile/AppFileTestSupport.h"

#include <sys/stat.h>
#include <unistd.h>

#include <filesystem>

namespace fs = std::filesystem;

namespace appfile_test {
namespace {

// The names in a folder, to see that a save leaves nothing behind.
std::vector<std::string> FolderListing(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

TEST_F(ApplicationFileTest, BackupHoldsThePreviousSave)
{
    const std::string file = folder_.file("machine.dat");
    AddAxis(1, "first version");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_FALSE(fs::exists(folder_.file("machine.bak")));  // nothing to keep yet
    const std::string firstSave = ReadBytes(file);

    SubSetAxisTitle(1, "second version");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(ReadBytes(folder_.file("machine.bak")), firstSave);
    EXPECT_EQ(Column(file, "SELECT Description FROM AxisData"), std::vector<std::string>{"second version"});

    SubSetAxisTitle(1, "third version");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(Column(folder_.file("machine.bak"), "SELECT Description FROM AxisData"),
              std::vector<std::string>{"second version"});
}

TEST_F(ApplicationFileTest, NoBackupWhenBackupsAreOffOrTheFileIsItsOwnBackupName)
{
    AddAxis(1, "axis");
    const std::string file = folder_.file("machine.dat");
    const std::string backup = folder_.file("machine.bak");
    WriteBytes(file, "old");
    WriteBytes(backup, "older");
    gbCreateBackup = 0;
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(ReadBytes(backup), "older");

    // A file whose name already ends in "bak" would be its own backup.
    gbCreateBackup = -1;
    const std::string bakFile = folder_.file("copy.bak");
    auto expected = FolderListing(folder_.path());
    expected.push_back("copy.bak");
    std::sort(expected.begin(), expected.end());
    ASSERT_EQ(nFctWriteApplicationFile(bakFile), model::kTrue);
    ASSERT_EQ(nFctWriteApplicationFile(bakFile), model::kTrue);
    EXPECT_EQ(Column(bakFile, "SELECT Description FROM AxisData"), std::vector<std::string>{"axis"});
    EXPECT_EQ(FolderListing(folder_.path()), expected);
}

enum class Breakage { MissingTemplate, TemplateLacksColumn, TargetIsFolder, TargetIsTemplate, ReadOnlyFolder };

struct FailedSaveCase {
    const char* name;
    Breakage breakage;
    int message;
};

void PrintTo(const FailedSaveCase& c, std::ostream* os) { *os << c.name; }

class FailedSaveTest : public ApplicationFileTest, public ::testing::WithParamInterface<FailedSaveCase> {};

TEST_P(FailedSaveTest, LeavesTheOldFileAndTheModelAsTheyWere)
{
    const FailedSaveCase& c = GetParam();
    const std::string folder = folder_.file("work/");
    fs::create_directory(folder);
    std::string file = folder + "machine.dat";

    // The old file and its backup, as an earlier save left them.
    AddAxis(1, "saved");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    WriteBytes(folder + "machine.bak", "previous backup");
    const std::string oldFile = ReadBytes(file);
    SubSetAxisTitle(1, "edited");
    SubSetWindowStatus(1, WindowKind::Report, WindowState::Maximised, 0);
    const std::vector<AxisRec> axesBefore = gAxis;
    const auto windowsBefore = gWindowStatus;

    switch (c.breakage) {
    case Breakage::MissingTemplate:
        fs::remove(gsTemplateDbPath);
        break;
    case Breakage::TemplateLacksColumn:
        Execute(gsTemplateDbPath, "ALTER TABLE DataType DROP COLUMN UnitText");
        break;
    case Breakage::TargetIsFolder:
        file = folder_.file("folder.dat");
        fs::create_directory(file);
        break;
    case Breakage::TargetIsTemplate:
        file = gsTemplateDbPath;
        break;
    case Breakage::ReadOnlyFolder:
        if (geteuid() == 0)
            GTEST_SKIP() << "a folder's permissions do not hold for root";
        chmod(folder.c_str(), 0555);
        break;
    }
    const std::string templateBytes = ReadBytes(gsTemplateDbPath);
    const auto listing = FolderListing(folder);

    EXPECT_EQ(nFctWriteApplicationFile(file), model::kFalse);
    chmod(folder.c_str(), 0755);

    EXPECT_EQ(gbFileAccessError, model::kTrue);
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_EQ(display_.Number(), c.message);
    // The error line comes first, then the message's text.
    EXPECT_NE(display_.shown[0].text.find(" - "), std::string::npos);
    EXPECT_EQ(ReadBytes(folder + "machine.dat"), oldFile);
    EXPECT_EQ(ReadBytes(folder + "machine.bak"), "previous backup");
    EXPECT_EQ(FolderListing(folder), listing);  // no temporary file left
    EXPECT_EQ(ReadBytes(gsTemplateDbPath), templateBytes);
    ASSERT_EQ(gAxis.size(), axesBefore.size());
    EXPECT_EQ(gAxis[0].Description, "edited");
    EXPECT_EQ(gWindowStatus.size(), windowsBefore.size());
    EXPECT_EQ(gbWindowStatusChanged, model::kTrue);
}

INSTANTIATE_TEST_SUITE_P(
    Causes, FailedSaveTest,
    ::testing::Values(FailedSaveCase{"MissingTemplate", Breakage::MissingTemplate, 1010},
                      FailedSaveCase{"TemplateLacksColumn", Breakage::TemplateLacksColumn, 1005},
                      FailedSaveCase{"TargetIsFolder", Breakage::TargetIsFolder, 1005},
                      FailedSaveCase{"TargetIsTemplate", Breakage::TargetIsTemplate, 1005},
                      FailedSaveCase{"ReadOnlyFolder", Breakage::ReadOnlyFolder, 1005}),
    [](const auto& info) { return std::string(info.param.name); });

// A folder that cannot take a new file at all.
TEST_F(ApplicationFileTest, SaveIntoAFolderThatCannotBeWrittenFails)
{
    AddAxis(1, "axis");
    EXPECT_EQ(nFctWriteApplicationFile("/proc/machine.dat"), model::kFalse);
    EXPECT_EQ(gbFileAccessError, model::kTrue);
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_EQ(display_.Number(), 1005);
}

} // namespace
} // namespace appfile_test
