#include "platform/core/FileAccess.h"

#include "platform/core/ReplacementFile.h"

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;

// The whole text as the file's content, from its start, on the disk; 0 or
// the error.
int Overwrite(int descriptor, const std::string& text)
{
    if (lseek(descriptor, 0, SEEK_SET) != 0)
        return errno;
    const int error = WriteAllBytes(descriptor, text);
    if (error != 0)
        return error;
    if (ftruncate(descriptor, static_cast<off_t>(text.size())) != 0)
        return errno;
    return fsync(descriptor) == 0 ? 0 : errno;
}

// The bytes written over the existing file at path; 0 or the error, and then
// the file's old content put back as far as it goes.
int WriteInPlace(const std::string& path, const std::string& bytes)
{
    const int descriptor = open(path.c_str(), O_RDWR | O_CLOEXEC);
    if (descriptor < 0)
        return errno;
    std::string old;
    char buffer[4096];
    for (ssize_t n; (n = read(descriptor, buffer, sizeof buffer)) > 0;)
        old.append(buffer, static_cast<size_t>(n));
    int error = Overwrite(descriptor, bytes);
    if (error != 0)
        Overwrite(descriptor, old);
    if (close(descriptor) != 0 && error == 0)
        error = errno;
    return error;
}

} // namespace

std::string LinkedFile(const std::string& path)
{
    fs::path file = path;
    std::error_code ec;
    for (int hops = 0; fs::is_symlink(file, ec); ++hops) {
        if (hops == kMaxLinks)
            return "";
        const fs::path next = fs::read_symlink(file, ec);
        if (ec)
            break;
        file = next.is_absolute() ? next : file.parent_path() / next;
    }
    return file.string();
}

int WriteRefusal(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return 0;
    if ((status.st_mode & 0222) == 0)
        return kReadOnlyFile;
    // By the ids the program writes with.
    if (faccessat(AT_FDCWD, path.c_str(), W_OK, AT_EACCESS) == 0)
        return 0;
    return errno == EACCES || errno == EPERM ? kNotThisUsersFile : errno;
}

int ReplaceFileContents(const std::string& path, const std::string& bytes)
{
    const std::string target = LinkedFile(path);
    if (target.empty())
        return ELOOP;
    struct stat status {};
    const bool exists = stat(target.c_str(), &status) == 0;
    if (exists && S_ISDIR(status.st_mode))
        return EISDIR;
    if (exists && !S_ISREG(status.st_mode))
        return ENODEV;
    if (const int refusal = WriteRefusal(target))
        return refusal;
    RemoveLeftoversBeside(target);
    ReplacementFile file(target);
    // A folder that takes no new file may hold a file that this user may
    // write (as a shared installation leaves it): it is written in place.
    if (file.Error() != 0)
        return exists ? WriteInPlace(target, bytes) : file.Error();
    int error = file.Write(bytes);
    if (error == 0) {
        file.TakePermissionsOf(target);
        error = file.MoveOverTarget();
    }
    return error;
}

std::string FileErrorText(int error)
{
    switch (error) {
    case 0:
        return "";
    case kReadOnlyFile:
        return "it is read-only";
    case kNotThisUsersFile:
        return "this user may not write it";
    case ELOOP:
        return "too many symbolic links";
    case EISDIR:
    case ENODEV:
        return "it is not a regular file";
    default:
        return std::strerror(error);
    }
}

} // namespace platform
