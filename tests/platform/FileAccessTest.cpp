#include "platform/core/FileAccess.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace fs = std::filesystem;

namespace {

std::string ReadBytes(const std::string& path)
{
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), {});
}

ino_t InodeOf(const std::string& path)
{
    struct stat status {};
    return stat(path.c_str(), &status) == 0 ? status.st_ino : 0;
}

// Any name a folder takes (255 bytes at most) takes the bytes, a new file
// as an existing one, which is replaced whole (a new file moved over it,
// not written into); nothing else is left in the folder.
TEST(FileAccessTest, EveryNameAFolderTakesIsReplacedWhole)
{
    std::string pattern = (fs::temp_directory_path() / "orvamis-files-XXXXXX").string();
    ASSERT_NE(mkdtemp(pattern.data()), nullptr);
    const std::string folder = pattern + "/";
    for (const std::string& name : {std::string(251, 'r') + ".pdf", std::string("report.pdf")}) {
        SCOPED_TRACE(name.size());
        const std::string path = folder + name;
        ASSERT_EQ(platform::ReplaceFileContents(path, "first"), 0);
        EXPECT_EQ(ReadBytes(path), "first");
        const ino_t before = InodeOf(path);
        ASSERT_EQ(platform::ReplaceFileContents(path, "second"), 0);
        EXPECT_EQ(ReadBytes(path), "second");
        EXPECT_NE(InodeOf(path), before);
        EXPECT_EQ(std::distance(fs::directory_iterator(folder), {}), 1);
        fs::remove(path);
    }
    fs::remove_all(folder);
}

} // namespace
