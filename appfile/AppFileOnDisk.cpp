#include "appfile/AppFileOnDisk.h"

#include <fstream>
#include <iterator>
#include <system_error>

namespace fs = std::filesystem;

namespace appfile {

namespace {

struct KnownFile {
    std::string path;
    FileStamp stamp;
};

KnownFile gKnownFile;

} // namespace

FileStamp TakeFileStamp(const std::string& path)
{
    FileStamp stamp;
    std::error_code ec;
    if (!fs::is_regular_file(path, ec))
        return stamp;
    stamp.modified = fs::last_write_time(path, ec);
    if (ec)
        return stamp;
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return stamp;
    const std::string content{std::istreambuf_iterator<char>(in), {}};
    stamp.size = content.size();
    stamp.contentHash = std::hash<std::string>{}(content);
    stamp.present = true;
    return stamp;
}

void RememberFileOnDisk(const std::string& path, const FileStamp& stamp)
{
    if (!stamp.present) {
        ForgetFileOnDisk();
        return;
    }
    gKnownFile = {path, stamp};
}

void ForgetFileOnDisk()
{
    gKnownFile = {};
}

bool FileChangedOnDisk(const std::string& path)
{
    if (!gKnownFile.stamp.present || path != gKnownFile.path)
        return false;
    const FileStamp now = TakeFileStamp(path);
    return now.present && now != gKnownFile.stamp;
}

} // namespace appfile
