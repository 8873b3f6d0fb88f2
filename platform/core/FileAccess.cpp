#include "platform/core/FileAccess.h"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <fcntl.h>
#include <filesystem>
#include <sys/stat.h>
#include <unistd.h>

namespace platform {

namespace {

namespace fs = std::filesystem;

constexpr int kMaxLinks = 40;

// Writes the whole text to the open file and flushes it to the disk; 0 or
// the error.
int WriteAll(int descriptor, const std::string& text)
{
    for (size_t written = 0; written < text.size();) {
        const ssize_t n = write(descriptor, text.data() + written, text.size() - written);
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        written += static_cast<size_t>(n);
    }
    return fsync(descriptor) == 0 ? 0 : errno;
}

// The bytes written to a temporary file beside path and renamed over it, so
// that the old file is either kept whole or replaced whole; 0 or the error.
// Sets `begun` when the temporary file could be made.
int ReplaceWhole(const std::string& path, const std::string& bytes, bool& begun)
{
    // A short name of its own, so that any name the folder takes (up to 255
    // bytes) can be written.
    const fs::path folder = fs::path(path).parent_path();
    std::string temporary = ((folder.empty() ? fs::path(".") : folder) / ".orvamis-writing-XXXXXX").string();
    const int descriptor = mkstemp(temporary.data());
    begun = descriptor >= 0;
    if (!begun)
        return errno;
    int error = WriteAll(descriptor, bytes);
    // mkstemp makes the file private; give it the old file's permissions, or
    // those of an ordinary new file.
    struct stat old {};
    fchmod(descriptor, stat(path.c_str(), &old) == 0 ? (old.st_mode & 07777) : 0644);
    if (close(descriptor) != 0 && error == 0)
        error = errno;
    if (error == 0 && std::rename(temporary.c_str(), path.c_str()) != 0)
        error = errno;
    if (error != 0)
        unlink(temporary.c_str());
    return error;
}

// The whole text as the file's content, from its start; 0 or the error.
int Overwrite(int descriptor, const std::string& text)
{
    if (lseek(descriptor, 0, SEEK_SET) != 0)
        return errno;
    const int error = WriteAll(descriptor, text);
    if (error != 0)
        return error;
    return ftruncate(descriptor, static_cast<off_t>(text.size())) == 0 ? 0 : errno;
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

bool IsReadOnlyFile(const std::string& path)
{
    struct stat status {};
    if (stat(path.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return false;
    return (status.st_mode & 0222) == 0 || access(path.c_str(), W_OK) != 0;
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
    if (exists && access(target.c_str(), W_OK) != 0)
        return errno;
    bool begun = false;
    const int error = ReplaceWhole(target, bytes, begun);
    // A folder that takes no new file may hold a file that this user may
    // write (as a shared installation leaves it): it is written in place.
    return !begun && exists ? WriteInPlace(target, bytes) : error;
}

std::string FileErrorText(int error)
{
    switch (error) {
    case 0:
        return "";
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
