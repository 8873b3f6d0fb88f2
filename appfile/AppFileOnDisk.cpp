#include "appfile/AppFileOnDisk.h"

#include <filesystem>
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
    std::ifstream in(path, std::ios::binary);
    if (!in.is_open())
        return stamp;
    stamp.content.assign(std::istreambuf_iterator<char>(in), {});
    stamp.present = !in.bad();
    return stamp;
}

bool SameFile(const std::string& a, const std::string& b)
{
    std::error_code ec;
    if (fs::equivalent(a, b, ec))
        return true;
    std::error_code ecA;
    std::error_code ecB;
    const fs::path canonicalA = fs::weakly_canonical(a, ecA);
    const fs::path canonicalB = fs::weakly_canonical(b, ecB);
    return !ecA && !ecB && canonicalA == canonicalB;
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
    if (!gKnownFile.stamp.present || !SameFile(path, gKnownFile.path))
        return false;
    const FileStamp now = TakeFileStamp(path);
    return now.present && now != gKnownFile.stamp;
}

} // namespace appfile
