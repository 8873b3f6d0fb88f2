// Saving keeps the user's file: backups, and failures that leave the old
// file as it was.

#include "tests/appfile/AppFileTestSupport.h"

#include "appfile/AppFileReplace.h"
#include "platform/core/ReplacementFile.h"
#include "tests/support/OtherProcesses.h"
#include "foundation/basMaterialLists.h"

#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>

namespace fs = std::filesystem;

namespace appfile_test {
namespace {

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

TEST_F(ApplicationFileTest, SavingOnlyWindowStatesKeepsTheBackupGeneration)
{
    const std::string file = folder_.file("machine.dat");
    const std::string backup = folder_.file("machine.bak");
    AddAxis(1, "axis");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    WriteBytes(backup, "previous generation");
    SubSetWindowStatus(1, WindowKind::Report, WindowState::Minimised, 0);
    ASSERT_EQ(nFctWriteApplicationFile(file, model::kFalse), model::kTrue);
    EXPECT_EQ(ReadBytes(backup), "previous generation");
    EXPECT_EQ(Column(file, "SELECT Status FROM WindowStatus"), std::vector<std::string>{"1"});
}

// A backup its owner made read-only (a generation kept on purpose) is left
// as it is, bytes and mode, and the save goes on without renewing it.
TEST_F(ApplicationFileTest, AReadOnlyBackupIsKeptAndTheSaveGoesOn)
{
    const std::string file = folder_.file("machine.dat");
    const std::string backup = folder_.file("machine.bak");
    AddAxis(1, "first version");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    WriteBytes(backup, "kept generation");
    ASSERT_EQ(::chmod(backup.c_str(), 0444), 0);

    SubSetAxisTitle(1, "second version");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(ReadBytes(backup), "kept generation");
    EXPECT_EQ(fs::status(backup).permissions() & fs::perms::all,
              fs::perms::owner_read | fs::perms::group_read | fs::perms::others_read);
    EXPECT_EQ(Column(file, "SELECT Description FROM AxisData"), std::vector<std::string>{"second version"});
}

TEST_F(ApplicationFileTest, SavingOntoALinkWritesTheLinkedFileAndKeepsTheLink)
{
    const std::string store = folder_.file("store/");
    fs::create_directory(store);
    WriteBytes(store + "real.dat", "old");
    const std::string link = folder_.file("machine.dat");
    fs::create_symlink("store/real.dat", link);
    AddAxis(1, "through the link");
    ASSERT_EQ(nFctWriteApplicationFile(link), model::kTrue);
    EXPECT_TRUE(fs::is_symlink(link));
    EXPECT_EQ(Column(store + "real.dat", "SELECT Description FROM AxisData"),
              std::vector<std::string>{"through the link"});
    // The backup takes the name the user gave the file.
    EXPECT_EQ(ReadBytes(folder_.file("machine.bak")), "old");
    EXPECT_EQ(FolderListing(store), std::vector<std::string>{"real.dat"});
}

// A file whose backup name is another name of the file itself (here the
// file's name a link to the file named as its backup; on a file system that
// ignores letter case, "machine.BAK") is its own backup: the save keeps the
// new content there and makes no backup over it. A backup name that is a
// link to the file is no such name: the backup replaces the link.
TEST_F(ApplicationFileTest, NoBackupOverTheFileItselfByAnotherName)
{
    const std::string folder = folder_.file("work/");
    fs::create_directory(folder);
    const std::string dat = folder + "machine.dat";
    const std::string bak = folder + "machine.bak";
    AddAxis(1, "first");
    ASSERT_EQ(nFctWriteApplicationFile(bak), model::kTrue);
    fs::create_symlink("machine.bak", dat);
    SubSetAxisTitle(1, "second");
    ASSERT_EQ(nFctWriteApplicationFile(dat), model::kTrue);
    EXPECT_TRUE(fs::is_symlink(dat));
    EXPECT_EQ(Column(bak, "SELECT Description FROM AxisData"), std::vector<std::string>{"second"});
    EXPECT_EQ(FolderListing(folder), (std::vector<std::string>{"machine.bak", "machine.dat"}));

    fs::remove(dat);
    fs::rename(bak, dat);
    fs::create_symlink("machine.dat", bak);
    SubSetAxisTitle(1, "third");
    ASSERT_EQ(nFctWriteApplicationFile(dat), model::kTrue);
    EXPECT_FALSE(fs::is_symlink(bak));
    EXPECT_EQ(Column(bak, "SELECT Description FROM AxisData"), std::vector<std::string>{"second"});
    EXPECT_EQ(Column(dat, "SELECT Description FROM AxisData"), std::vector<std::string>{"third"});
}

// A save removes what killed saves of this machine and pid namespace left in
// its folder (of this process, or of one that has ended) and nothing else:
// another machine's or container's save in progress, and every name not
// exactly of the program's own form, stay.
TEST_F(ApplicationFileTest, ASaveRemovesOnlyWhatKilledSavesOfItsOwnLeft)
{
    const std::string file = folder_.file("machine.dat");
    AddAxis(1, "axis");
    // The first step of a save of this process, which then went no further.
    platform::ReplacementFile begun(file);
    appfile::AppFileError error;
    ASSERT_TRUE(appfile::CopyTemplateInto(begun, gsTemplateDbPath, file, error));
    const std::string mine = begun.Path();
    // Its name: the prefix, this machine's and namespace's 16 hex digits, and
    // "-" with the process ID and two numbers.
    const std::string myName = fs::path(mine).filename().string();
    const std::string prefix = ".orvamis-saving-";
    ASSERT_TRUE(myName.starts_with(prefix)) << myName;
    const std::string space = myName.substr(prefix.size(), 16);
    std::string otherSpace = space;
    otherSpace[0] = space[0] == 'a' ? 'b' : 'a';
    // No process has the largest ID; process 1 always runs.
    const std::string ended = prefix + space + "-2147483647-5-1";
    const std::vector<std::string> leftovers = {myName, ended, ended + "-journal"};
    const std::vector<std::string> kept = {
        prefix + otherSpace + "-2147483647-5-1",  // another machine's or container's
        prefix + space + "-1-5-3",                // a save running here
        prefix + "2147483647-5-1",                // names no machine
        prefix + "2147483647-my notes.txt",
        ended + ".txt",
        ended + "-journal.txt",
        ended + "-wal",
        prefix + otherSpace + "-2147483647-5-1-journal",
        prefix + space + "-2147483647-05-1",
        prefix + space + "-2147483647-5",
        prefix + space + "-2147483647-5-1-2",
        ".machine.dat.saving-2147483647-5-4",
        prefix + "notes"};
    for (const std::string& name : kept)
        WriteBytes(folder_.file(name), "another file");
    WriteBytes(folder_.file(ended), "half a file");
    WriteBytes(folder_.file(ended + "-journal"), "its rollback journal");
    const auto before = FolderListing(folder_.path());

    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    auto expected = before;
    for (const std::string& name : leftovers)
        expected.erase(std::find(expected.begin(), expected.end(), name));
    expected.push_back("machine.dat");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderListing(folder_.path()), expected);
}

// A save killed half-way through writing its rows leaves the database
// engine's rollback journal beside its temporary file: the next save removes
// both.
TEST_F(ApplicationFileTest, AKilledSavesJournalGoesWithItsFile)
{
    const std::string folder = folder_.file("work/");
    fs::create_directory(folder);
    const std::string file = folder + "machine.dat";
    const pid_t killed = ::fork();
    if (killed == 0) {
        platform::ReplacementFile begun(file);
        appfile::AppFileError error;
        sqlite3* db = nullptr;
        const bool halfWritten =
            appfile::CopyTemplateInto(begun, gsTemplateDbPath, file, error) &&
            sqlite3_open(begun.Path().c_str(), &db) == SQLITE_OK &&
            sqlite3_exec(db, "BEGIN; DELETE FROM DataType; CREATE TABLE Half (x)", nullptr, nullptr, nullptr) ==
                SQLITE_OK;
        ::_exit(halfWritten ? 0 : 1);  // killed there: no commit, no close
    }
    int status = 0;
    ASSERT_EQ(::waitpid(killed, &status, 0), killed);
    ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
    const auto leftBehind = FolderListing(folder);
    ASSERT_EQ(leftBehind.size(), 2u);
    ASSERT_EQ(leftBehind[1], leftBehind[0] + "-journal");

    AddAxis(1, "axis");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(FolderListing(folder), std::vector<std::string>{"machine.dat"});
}

// A template made read-only (to keep it from being changed) still gives new
// files that their owner can save again: the file is the user's, not a copy
// of the template's protection.
TEST_F(ApplicationFileTest, AReadOnlyTemplateGivesFilesTheirOwnerWrites)
{
    ASSERT_EQ(chmod(gsTemplateDbPath.c_str(), 0444), 0);
    const std::string file = folder_.file("machine.dat");
    AddAxis(1, "first");
    // The umask chosen here, not the one the tests run under, gives the mode.
    const mode_t previous = umask(022);
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    umask(previous);
    struct stat saved {};
    ASSERT_EQ(stat(file.c_str(), &saved), 0);
    EXPECT_EQ(saved.st_mode & 0777, 0644u);
    SubSetAxisTitle(1, "second");
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    EXPECT_EQ(Column(file, "SELECT Description FROM AxisData"), std::vector<std::string>{"second"});
    EXPECT_TRUE(display_.shown.empty());
}

// A new file has the mode the umask gives (whatever the template's); a file
// saved again keeps its own mode, and (where root may set them) its owner
// and group; its backup is a copy of the file under the file's protection,
// whatever the backup before it had.
TEST_F(ApplicationFileTest, ANewFileTakesTheUmasksModeAndASavedOneKeepsItsOwn)
{
    const std::string file = folder_.file("machine.dat");
    const std::string backup = folder_.file("machine.bak");
    const auto modeOf = [](const std::string& path) {
        struct stat status {};
        stat(path.c_str(), &status);
        return status.st_mode & 07777;
    };
    AddAxis(1, "axis");
    struct Case {
        mode_t umask;
        mode_t mode;
    };
    for (const Case c : {Case{077, 0600}, Case{002, 0664}}) {
        SCOPED_TRACE(c.umask);
        fs::remove(file);
        fs::remove(backup);
        const mode_t previous = umask(c.umask);
        ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
        EXPECT_EQ(modeOf(file), c.mode);
        ASSERT_EQ(chmod(file.c_str(), 0640), 0);
        ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
        EXPECT_EQ(modeOf(file), 0640u);
        EXPECT_EQ(modeOf(backup), 0640u);
        umask(previous);
    }
    if (geteuid() != 0)
        GTEST_SKIP() << "only root gives a file to another user";
    ASSERT_EQ(chown(file.c_str(), testing_support::kOtherUserId, testing_support::kOtherUserId), 0);
    ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
    for (const std::string& path : {file, backup}) {
        struct stat status {};
        ASSERT_EQ(stat(path.c_str(), &status), 0);
        EXPECT_EQ(status.st_uid, testing_support::kOtherUserId) << path;
        EXPECT_EQ(status.st_gid, testing_support::kOtherUserId) << path;
    }
    EXPECT_TRUE(display_.shown.empty());
}

// A file another user may not write is left as it is and the message says
// why: one made read-only (for every user), and a colleague's file that its
// mode lets its owner write but not this user.
TEST_F(ApplicationFileTest, AFileThisUserMayNotWriteIsToldSo)
{
    const std::string folder = folder_.file("shared/");
    fs::create_directory(folder);
    AddAxis(1, "axis");
    const std::string readOnly = folder + "kept.dat";
    const std::string colleagues = folder + "colleague.dat";
    ASSERT_EQ(nFctWriteApplicationFile(readOnly), model::kTrue);
    ASSERT_EQ(nFctWriteApplicationFile(colleagues), model::kTrue);
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    ASSERT_EQ(chmod(colleagues.c_str(), 0644), 0);
    // Other users reach the folder as they reach a shared one.
    for (const std::string& path : {folder_.path(), folder})
        ASSERT_EQ(chmod(path.c_str(), 0755), 0);
    const std::string kept = ReadBytes(readOnly);
    const std::string colleaguesBytes = ReadBytes(colleagues);
    const auto listing = FolderListing(folder);
    SubSetAxisTitle(1, "edited");

    const auto expectRefused = [&](const std::string& file, const std::string& reason) {
        display_.shown.clear();
        EXPECT_EQ(nFctWriteApplicationFile(file), model::kFalse) << file;
        const std::string text = display_.shown.empty() ? "" : display_.shown[0].text;
        EXPECT_NE(text.find("Permission denied: " + file + ": " + reason), std::string::npos) << text;
    };
    expectRefused(readOnly, "it is read-only");
    const bool asAnotherUser = testing_support::RunAsAnotherUser([&] {
        expectRefused(readOnly, "it is read-only");
        expectRefused(colleagues, "this user may not write it");
    });
    EXPECT_EQ(ReadBytes(readOnly), kept);
    EXPECT_EQ(ReadBytes(colleagues), colleaguesBytes);
    EXPECT_EQ(FolderListing(folder), listing);
    if (!asAnotherUser)
        GTEST_SKIP() << "acting as another user needs root";
}

// A chain of symbolic links without end is refused, with the reason, and
// nothing is written: neither beside the links nor in the current folder.
TEST_F(ApplicationFileTest, AnEndlessChainOfLinksIsRefused)
{
    const std::string folder = folder_.file("links/");
    fs::create_directory(folder);
    fs::create_symlink("b.dat", folder + "a.dat");
    fs::create_symlink("a.dat", folder + "b.dat");
    AddAxis(1, "axis");
    const auto listing = FolderListing(folder);
    const auto current = FolderListing(".");
    EXPECT_EQ(nFctWriteApplicationFile(folder + "a.dat"), model::kFalse);
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_EQ(display_.Number(), 1005);
    EXPECT_NE(display_.shown[0].text.find(folder + "a.dat: too many symbolic links"), std::string::npos)
        << display_.shown[0].text;
    EXPECT_EQ(FolderListing(folder), listing);
    EXPECT_EQ(FolderListing("."), current);
}

// The settings file is the program's before it is first written too: a save
// onto its name by another spelling of the path is refused and makes none.
TEST_F(ApplicationFileTest, TheSettingsFileIsTheProgramsBeforeItIsWritten)
{
    fs::create_directory(folder_.file("work"));
    const std::string settings = gsAppPath + kIniFileName;
    ASSERT_FALSE(fs::exists(settings));
    AddAxis(1, "axis");
    EXPECT_EQ(nFctWriteApplicationFile(folder_.file("work/../") + kIniFileName), model::kFalse);
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_NE(display_.shown[0].text.find("is a file of the program"), std::string::npos) << display_.shown[0].text;
    EXPECT_FALSE(fs::exists(settings));
}

// The longest names a folder takes (255 bytes) save, and so does their
// backup (a name as long); nothing is left beside them.
TEST_F(ApplicationFileTest, NamesUpToTheLongestAFolderTakesSave)
{
    for (const size_t length : {240u, 255u}) {
        SCOPED_TRACE(length);
        const std::string name = std::string(length - 4, 'n') + ".dat";
        const std::string backupName = std::string(length - 4, 'n') + ".bak";
        const std::string file = folder_.file(name);
        CloseApplication();
        AddAxis(1, "first");
        ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
        SubSetAxisTitle(1, "second");
        ASSERT_EQ(nFctWriteApplicationFile(file), model::kTrue);
        EXPECT_TRUE(display_.shown.empty());
        EXPECT_EQ(Column(file, "SELECT Description FROM AxisData"), std::vector<std::string>{"second"});
        EXPECT_EQ(Column(folder_.file(backupName), "SELECT Description FROM AxisData"),
                  std::vector<std::string>{"first"});
        const auto listing = FolderListing(folder_.path());
        EXPECT_EQ(std::count_if(listing.begin(), listing.end(),
                                [](const std::string& n) { return n.starts_with("."); }),
                  0);
        fs::remove(file);
        fs::remove(folder_.file(backupName));
    }
}

// A save that cannot write its file names that file in the message, not
// the folder it is in nor the temporary file: whether the new file cannot be
// moved into place or cannot even be begun beside it.
TEST_F(ApplicationFileTest, AFailedSaveNamesTheFile)
{
    AddAxis(1, "axis");
    WriteBytes(folder_.file("notes.txt"), "a file, not a folder");
    // A folder nested past the 512 bytes of a path the database engine opens.
    std::string deep = folder_.path();
    for (int level = 0; level < 5; ++level)
        deep += "/" + std::string(100, char('a' + level));
    fs::create_directories(deep);
    const std::vector<std::string> files = {
        folder_.file(std::string(252, 'n') + ".dat"),  // 256 bytes: the move fails
        folder_.file("notes.txt/machine.dat"),         // nothing can be made in a file
        folder_.file("gone/machine.dat"),              // nor in a folder that is not there
        deep + "/machine.dat"};                        // nor a database that deep
    const auto listing = FolderListing(folder_.path());
    for (const std::string& file : files) {
        SCOPED_TRACE(file);
        display_.shown.clear();
        EXPECT_EQ(nFctWriteApplicationFile(file), model::kFalse);
        ASSERT_EQ(display_.shown.size(), 1u);
        EXPECT_EQ(display_.Number(), 1005);
        EXPECT_NE(display_.shown[0].text.find(file), std::string::npos) << display_.shown[0].text;
        EXPECT_EQ(FolderListing(folder_.path()), listing);
    }
    EXPECT_TRUE(FolderListing(deep).empty());
}

TEST_F(ApplicationFileTest, NothingIsWrittenThatTheReaderWouldRefuse)
{
    // Four axes; an axis of eight mechanisms; an axis of eleven segments.
    const std::string file = folder_.file("machine.dat");
    auto fourAxes = [] { for (int16_t id = 1; id <= 4; ++id) AddAxis(id, "axis"); };
    auto eightMechanisms = [] {
        AddAxis(1, "axis");
        for (int k = 0; k < 8; ++k)
            SubAppendMechanism(1, MechanismType::Coupling);
    };
    auto elevenSegments = [] {
        AddAxis(1, "axis");
        AxisRec& axis = gAxis[0];
        axis.NumberOfMotionSegments = 11;
        axis.MotionSegments.resize(12);
    };
    for (const auto& build : {+fourAxes, +eightMechanisms, +elevenSegments}) {
        CloseApplication();
        display_.shown.clear();
        build();
        EXPECT_EQ(nFctWriteApplicationFile(file), model::kFalse);
        ASSERT_EQ(display_.shown.size(), 1u);
        EXPECT_EQ(display_.Number(), 1005);
        EXPECT_FALSE(fs::exists(file));
    }
}

enum class Breakage {
    MissingTemplate, TemplateLacksColumn, TargetIsFolder, TargetIsTemplate, TargetIsTemplateByLink,
    TargetIsReferenceDb, TargetIsMaterialsDb, TargetIsSettingsFile, ReadOnlyFolder, ReadOnlyFile, ReadOnlyFileByLink,
    FinalMoveFails
};

// The move of the new file over the application file fails, as a full or
// broken disk would make it fail; any other move (the backup's) is made, so
// that a backup renewed before the file is replaced would show.
int FailingMove(const std::string& from, const std::string& to)
{
    if (!to.ends_with(".dat"))
        return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
    return EIO;
}

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
    case Breakage::TargetIsTemplateByLink:
        fs::create_symlink(gsTemplateDbPath, folder + "template.dat");
        file = folder + "template.dat";
        break;
    case Breakage::TargetIsReferenceDb:
        file = gsReferenceDbPath;
        break;
    case Breakage::TargetIsMaterialsDb:
        file = gsAppPath + kMaterialsDbName;
        break;
    case Breakage::TargetIsSettingsFile:
        // by another spelling of the same path
        file = folder + "../" + kIniFileName;
        WriteBytes(gsAppPath + kIniFileName, "[Settings]\n");
        break;
    case Breakage::FinalMoveFails:
        platform::SetMoveStep(FailingMove);
        break;
    case Breakage::ReadOnlyFolder:
        if (geteuid() == 0)
            GTEST_SKIP() << "a folder's permissions do not hold for root";
        chmod(folder.c_str(), 0555);
        break;
    case Breakage::ReadOnlyFile:
        // kept from being written by its owner, in a folder that takes files
        chmod(file.c_str(), 0444);
        break;
    case Breakage::ReadOnlyFileByLink:
        chmod(file.c_str(), 0444);
        fs::create_symlink(file, folder + "link.dat");
        file = folder + "link.dat";
        break;
    }
    struct stat savedStatus {};
    stat((folder + "machine.dat").c_str(), &savedStatus);
    const std::string templateBytes = ReadBytes(gsTemplateDbPath);
    const std::string targetBytes = fs::is_regular_file(file) ? ReadBytes(file) : "";
    const auto listing = FolderListing(folder);

    EXPECT_EQ(nFctWriteApplicationFile(file), model::kFalse);
    chmod(folder.c_str(), 0755);
    platform::SetMoveStep(nullptr);

    EXPECT_EQ(gbFileAccessError, model::kTrue);
    ASSERT_EQ(display_.shown.size(), 1u);
    EXPECT_EQ(display_.Number(), c.message);
    // The error line comes first, then the message's text.
    EXPECT_NE(display_.shown[0].text.find(" - "), std::string::npos);
    EXPECT_EQ(ReadBytes(folder + "machine.dat"), oldFile);
    struct stat status {};
    stat((folder + "machine.dat").c_str(), &status);
    EXPECT_EQ(status.st_mode, savedStatus.st_mode);
    EXPECT_EQ(status.st_ino, savedStatus.st_ino);
    EXPECT_EQ(ReadBytes(folder + "machine.bak"), "previous backup");
    EXPECT_EQ(FolderListing(folder), listing);  // no temporary file left
    EXPECT_EQ(ReadBytes(gsTemplateDbPath), templateBytes);
    if (fs::is_regular_file(file)) {
        EXPECT_EQ(ReadBytes(file), targetBytes);
    }
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
                      FailedSaveCase{"TargetIsTemplateByLink", Breakage::TargetIsTemplateByLink, 1005},
                      FailedSaveCase{"TargetIsReferenceDb", Breakage::TargetIsReferenceDb, 1005},
                      FailedSaveCase{"TargetIsMaterialsDb", Breakage::TargetIsMaterialsDb, 1005},
                      FailedSaveCase{"TargetIsSettingsFile", Breakage::TargetIsSettingsFile, 1005},
                      FailedSaveCase{"ReadOnlyFolder", Breakage::ReadOnlyFolder, 1005},
                      FailedSaveCase{"ReadOnlyFile", Breakage::ReadOnlyFile, 1005},
                      FailedSaveCase{"ReadOnlyFileByLink", Breakage::ReadOnlyFileByLink, 1005},
                      FailedSaveCase{"FinalMoveFails", Breakage::FinalMoveFails, 1005}),
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
