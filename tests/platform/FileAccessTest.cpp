#include "platform/core/FileAccess.h"
#include "platform/core/ReplacementFile.h"
#include "tests/support/OtherProcesses.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <vector>

namespace fs = std::filesystem;
using testing_support::RunAsAnotherUser;
using testing_support::RunInAnotherProcess;

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

void WriteBytes(const std::string& path, const std::string& bytes)
{
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

struct stat StatusOf(const std::string& path)
{
    struct stat status {};
    stat(path.c_str(), &status);
    return status;
}

std::vector<std::string> FolderListing(const std::string& folder)
{
    std::vector<std::string> names;
    for (const auto& entry : fs::directory_iterator(folder))
        names.push_back(entry.path().filename().string());
    std::sort(names.begin(), names.end());
    return names;
}

// The umask of a scope; the one before comes back at its end.
class Umask {
public:
    explicit Umask(mode_t mask) : previous_(umask(mask)) {}
    ~Umask() { umask(previous_); }

private:
    mode_t previous_;
};

class FileAccessTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::string pattern = (fs::temp_directory_path() / "orvamis-files-XXXXXX").string();
        ASSERT_NE(mkdtemp(pattern.data()), nullptr);
        folder_ = pattern + "/";
    }
    void TearDown() override
    {
        fs::permissions(folder_, fs::perms::owner_all);
        fs::remove_all(folder_);
    }
    // Lets other users reach the files of the folder, as a shared folder does.
    void ShareFolder() const { chmod(folder_.c_str(), 0755); }

    std::string folder_;
};

// Any name a folder takes (255 bytes at most) takes the bytes, a new file
// as an existing one, which is replaced whole (a new file moved over it,
// not written into); nothing else is left in the folder.
TEST_F(FileAccessTest, EveryNameAFolderTakesIsReplacedWhole)
{
    for (const std::string& name : {std::string(251, 'r') + ".pdf", std::string("report.pdf")}) {
        SCOPED_TRACE(name.size());
        const std::string path = folder_ + name;
        ASSERT_EQ(platform::ReplaceFileContents(path, "first"), 0);
        EXPECT_EQ(ReadBytes(path), "first");
        const ino_t before = StatusOf(path).st_ino;
        ASSERT_EQ(platform::ReplaceFileContents(path, "second"), 0);
        EXPECT_EQ(ReadBytes(path), "second");
        EXPECT_NE(StatusOf(path).st_ino, before);
        EXPECT_EQ(FolderListing(folder_).size(), 1u);
        fs::remove(path);
    }
}

// A write killed half-way (a print, the settings) leaves its file beside the
// target; the next write into that folder removes it, and only such files:
// another container's write in progress (its space identity differs) and a
// user's files named like the program's own (or as its earlier versions
// named theirs) stay.
TEST_F(FileAccessTest, AKilledWritesLeftoverGoesAtTheNextWrite)
{
    const std::string target = folder_ + "report.pdf";
    const std::string leftover = testing_support::LeaveAKilledWrite(target);
    ASSERT_FALSE(leftover.empty());
    const std::vector<std::string> kept = {testing_support::AnotherContainersName(leftover),
                                           ".orvamis-saving-notes.txt", ".orvamis-writing-a1B2c3"};
    for (const std::string& name : kept)
        WriteBytes(folder_ + name, "not a leftover of this machine");
    ASSERT_EQ(FolderListing(folder_).size(), kept.size() + 1);

    ASSERT_EQ(platform::ReplaceFileContents(target, "%PDF-1.4 a report"), 0);
    std::vector<std::string> expected = kept;
    expected.push_back("report.pdf");
    std::sort(expected.begin(), expected.end());
    EXPECT_EQ(FolderListing(folder_), expected);
}

// A new file has the mode the umask gives, and is always its owner's to
// read and write (a umask that takes that away would leave a file the next
// write refuses as read-only); a file replaced keeps its own mode whatever
// the umask, and (where root may set them) its owner and group.
TEST_F(FileAccessTest, ANewFileTakesTheUmasksModeAndAReplacedOneKeepsItsOwn)
{
    struct Case {
        mode_t umask;
        mode_t newMode;
    };
    for (const Case c : {Case{077, 0600}, Case{002, 0664}, Case{022, 0644}, Case{0277, 0600}, Case{0222, 0644}}) {
        SCOPED_TRACE(c.umask);
        const Umask mask(c.umask);
        const std::string path = folder_ + "new.pdf";
        ASSERT_EQ(platform::ReplaceFileContents(path, "new"), 0);
        EXPECT_EQ(StatusOf(path).st_mode & 07777, c.newMode);
        ASSERT_EQ(chmod(path.c_str(), 0640), 0);
        ASSERT_EQ(platform::ReplaceFileContents(path, "again"), 0);
        EXPECT_EQ(StatusOf(path).st_mode & 07777, 0640u);
        fs::remove(path);
    }
    if (geteuid() != 0)
        GTEST_SKIP() << "only root gives a file to another user";
    const std::string path = folder_ + "users.pdf";
    WriteBytes(path, "the user's");
    ASSERT_EQ(chown(path.c_str(), testing_support::kOtherUserId, testing_support::kOtherUserId), 0);
    ASSERT_EQ(platform::ReplaceFileContents(path, "root's print"), 0);
    EXPECT_EQ(StatusOf(path).st_uid, testing_support::kOtherUserId);
    EXPECT_EQ(StatusOf(path).st_gid, testing_support::kOtherUserId);
    EXPECT_EQ(ReadBytes(path), "root's print");
}

// A file no one may write by its mode is left as it is by every user, root
// included; a file writable by its mode that this user may not write (a
// colleague's) is refused as such. Nothing is left beside either.
TEST_F(FileAccessTest, AFileThatMayNotBeWrittenIsLeftAsItIs)
{
    const std::string readOnly = folder_ + "kept.pdf";
    WriteBytes(readOnly, "%PDF-1.4 kept");
    ASSERT_EQ(chmod(readOnly.c_str(), 0444), 0);
    const std::string colleagues = folder_ + "colleague.pdf";
    WriteBytes(colleagues, "%PDF-1.4 a colleague's");
    ASSERT_EQ(chmod(colleagues.c_str(), 0644), 0);
    ShareFolder();
    const auto listing = FolderListing(folder_);

    EXPECT_EQ(platform::ReplaceFileContents(readOnly, "new"), platform::kReadOnlyFile);
    EXPECT_EQ(platform::FileErrorText(platform::kReadOnlyFile), "it is read-only");
    int asUser = 0;
    int colleaguesFile = 0;
    const bool ran = RunAsAnotherUser([&] {
        asUser = platform::ReplaceFileContents(readOnly, "new");
        colleaguesFile = platform::ReplaceFileContents(colleagues, "new");
    });
    if (ran) {
        EXPECT_EQ(asUser, platform::kReadOnlyFile);
        EXPECT_EQ(colleaguesFile, platform::kNotThisUsersFile);
        EXPECT_EQ(platform::FileErrorText(platform::kNotThisUsersFile), "this user may not write it");
    }
    EXPECT_EQ(ReadBytes(readOnly), "%PDF-1.4 kept");
    EXPECT_EQ(ReadBytes(colleagues), "%PDF-1.4 a colleague's");
    EXPECT_EQ(FolderListing(folder_), listing);
    if (!ran)
        GTEST_SKIP() << "acting as another user needs root";
}

// True when writing bytes into path failed as the file size limit `limit`
// makes it fail (EFBIG), the limit standing in for a full disk. Run in a
// copy of the process, whose limit it is; as another user where asked (and
// this process is root).
bool FailsBeyondTheFileSizeLimit(const std::string& path, const std::string& bytes, rlim_t limit,
                                 bool asAnotherUser)
{
    return RunInAnotherProcess([&] {
        signal(SIGXFSZ, SIG_IGN);
        const rlimit limited{limit, limit};
        if (setrlimit(RLIMIT_FSIZE, &limited) != 0)
            return false;
        int error = 0;
        const auto write = [&] { error = platform::ReplaceFileContents(path, bytes); };
        if (!asAnotherUser || !RunAsAnotherUser(write))
            write();
        return error == EFBIG;
    });
}

// A write that fails part way (no room for all of it) leaves the file as it
// was: in a folder that takes new files the file being written goes again
// and nothing is left beside the file; where the folder takes no new file
// and the file is written in place, its old content is put back.
TEST_F(FileAccessTest, AFailedWriteLeavesTheFileAsItWas)
{
    const std::string path = folder_ + "report.pdf";
    const std::string old = "%PDF-1.4 an earlier report";
    const std::string larger(16 * 1024, 'x');
    WriteBytes(path, old);
    const auto listing = FolderListing(folder_);
    EXPECT_TRUE(FailsBeyondTheFileSizeLimit(path, larger, 4096, false));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderListing(folder_), listing);

    // The folder takes no new file from the user who writes: root's own
    // folder for another user, else a folder made read-only.
    ASSERT_EQ(chmod(path.c_str(), 0666), 0);
    const ino_t file = StatusOf(path).st_ino;
    const bool asAnotherUser = geteuid() == 0;
    ASSERT_EQ(chmod(folder_.c_str(), asAnotherUser ? 0755 : 0555), 0);
    EXPECT_TRUE(FailsBeyondTheFileSizeLimit(path, larger, 4096, asAnotherUser));
    EXPECT_EQ(ReadBytes(path), old);
    EXPECT_EQ(FolderListing(folder_), listing);
    int inPlace = -1;
    const auto write = [&] { inPlace = platform::ReplaceFileContents(path, "%PDF-1.4 in place"); };
    if (!asAnotherUser || !RunAsAnotherUser(write))
        write();
    EXPECT_EQ(inPlace, 0);
    EXPECT_EQ(ReadBytes(path), "%PDF-1.4 in place");
    EXPECT_EQ(StatusOf(path).st_ino, file);
}

// A chain of symbolic links that does not end (here two links naming each
// other) is refused at once, and nothing is written anywhere.
TEST_F(FileAccessTest, AnEndlessChainOfLinksIsRefused)
{
    fs::create_symlink("b.pdf", folder_ + "a.pdf");
    fs::create_symlink("a.pdf", folder_ + "b.pdf");
    const auto listing = FolderListing(folder_);
    EXPECT_TRUE(RunInAnotherProcess([this] {
        alarm(10);  // a chain followed without end is a failure, not a hang
        return platform::LinkedFile(folder_ + "a.pdf").empty() &&
               platform::ReplaceFileContents(folder_ + "a.pdf", "report") == ELOOP;
    }));
    EXPECT_EQ(platform::FileErrorText(ELOOP), "too many symbolic links");
    EXPECT_EQ(FolderListing(folder_), listing);
}

} // namespace
