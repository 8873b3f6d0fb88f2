// What the program knows of the application file it last read or wrote, and
// the changes to the file on disk that a save has to ask about.

#include "tests/appfile/AppFileTestSupport.h"

#include "appfile/AppFileOnDisk.h"

#include <filesystem>

namespace fs = std::filesystem;

namespace appfile_test {
namespace {

enum class Change { None, SavedByAnother, SameSizeAndTimeOtherBytes, TimeOnly, OwnBytesPutBack, Removed };

struct ChangeCase {
    const char* name;
    Change change;
    bool changed;
};

void PrintTo(const ChangeCase& c, std::ostream* os) { *os << c.name; }

class FileOnDiskTest : public ApplicationFileTest, public ::testing::WithParamInterface<ChangeCase> {
protected:
    void TearDown() override
    {
        appfile::ForgetFileOnDisk();
        ApplicationFileTest::TearDown();
    }

    // What another program does to the file; otherSave is a save of
    // another copy of the program.
    static void Apply(Change change, const std::string& file, const std::string& otherSave)
    {
        const auto time = fs::last_write_time(file);
        std::string bytes = ReadBytes(file);
        switch (change) {
        case Change::None:
            break;
        case Change::SavedByAnother:
            WriteBytes(file, otherSave);
            break;
        case Change::SameSizeAndTimeOtherBytes:
            bytes.back() ^= 1;
            WriteBytes(file, bytes);
            fs::last_write_time(file, time);
            break;
        case Change::TimeOnly:  // touched, or a sync tool's doing
            fs::last_write_time(file, time + std::chrono::seconds(2));
            break;
        case Change::OwnBytesPutBack:  // a copy of the file put back
            fs::remove(file);
            WriteBytes(file, bytes);
            fs::last_write_time(file, time + std::chrono::seconds(2));
            break;
        case Change::Removed:
            fs::remove(file);
            break;
        }
    }
};

// Whatever name the file is asked about by: its own, a symbolic link to it,
// its folder reached through a link, "." in its path.
TEST_P(FileOnDiskTest, AfterTheLastWriteOrRead)
{
    const ChangeCase& c = GetParam();
    const std::string file = folder_.file("machine.dat");
    AddAxis(1, "saved by the other copy");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    const std::string otherSave = ReadBytes(file);
    fs::create_symlink(file, folder_.file("link.dat"));
    fs::create_directory_symlink(folder_.path(), folder_.file("linked folder"));
    const std::vector<std::string> names = {file, folder_.file("link.dat"), folder_.file("linked folder/machine.dat"),
                                            folder_.file("./machine.dat")};
    SubSetAxisTitle(1, "this copy");
    for (const bool lastWasRead : {false, true}) {
        SCOPED_TRACE(lastWasRead ? "after a read" : "after a write");
        ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
        if (lastWasRead) {
            ASSERT_EQ(nFctReadApplicationFile(file), model::kTrue);
        }
        for (const std::string& name : names)
            EXPECT_FALSE(appfile::FileChangedOnDisk(name)) << name;

        Apply(c.change, file, otherSave);
        for (const std::string& name : names)
            EXPECT_EQ(appfile::FileChangedOnDisk(name), c.changed) << name;
        EXPECT_FALSE(appfile::FileChangedOnDisk(folder_.file("other.dat")));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Changes, FileOnDiskTest,
    ::testing::Values(ChangeCase{"Unchanged", Change::None, false},
                      ChangeCase{"SavedByAnotherCopy", Change::SavedByAnother, true},
                      ChangeCase{"SameSizeAndTimeOtherBytes", Change::SameSizeAndTimeOtherBytes, true},
                      ChangeCase{"TimeOnlyIsNoChange", Change::TimeOnly, false},
                      ChangeCase{"OwnBytesPutBackIsNoChange", Change::OwnBytesPutBack, false},
                      ChangeCase{"RemovedIsNoChange", Change::Removed, false}),
    [](const auto& info) { return std::string(info.param.name); });

// Each read and write takes the file as it then is: a change seen before is
// no change after the file was read or written again; a failed read leaves
// no file known.
TEST_F(ApplicationFileTest, EveryReadAndWriteRenewsWhatIsKnown)
{
    const std::string file = folder_.file("machine.dat");
    AddAxis(1, "first");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    const std::string first = ReadBytes(file);
    SubSetAxisTitle(1, "second");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);

    // Another program puts the first save back.
    WriteBytes(file, first);
    ASSERT_TRUE(appfile::FileChangedOnDisk(file));
    ASSERT_EQ(nFctReadApplicationFile(file), model::kTrue);
    EXPECT_FALSE(appfile::FileChangedOnDisk(file));

    SubSetAxisTitle(1, "third");
    WriteBytes(file, "changed by another program");
    ASSERT_TRUE(appfile::FileChangedOnDisk(file));
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_FALSE(appfile::FileChangedOnDisk(file));

    // A failed save leaves the file, and what is known of it, as it was.
    WriteBytes(file, first);
    fs::remove(gsTemplateDbPath);
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kFalse);
    EXPECT_TRUE(appfile::FileChangedOnDisk(file));

    // After a failed read no file is known.
    WriteBytes(file, "not an application file");
    ASSERT_EQ(nFctReadApplicationFile(file), model::kFalse);
    WriteBytes(file, first);
    EXPECT_FALSE(appfile::FileChangedOnDisk(file));
}

} // namespace
} // namespace appfile_test
