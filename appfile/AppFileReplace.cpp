#include "appfile/AppFileReplace.h"

#include <fcntl.h>
#include <signal.h>
#include <unistd.h>

#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <filesystem>
#include <system_error>
#include <vector>

namespace fs = std::filesystem;

namespace appfile {

namespace {

AppFileError AccessError(const std::string& what, const std::error_code& ec)
{
    return {kPathFileAccessError, "Path/File access error: " + what + ": " + ec.message()};
}

std::string FolderOf(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// Temporary files are named kTempNamePrefix + the process ID + "-" + two
// numbers that make the name unique: a short name of their own, so that a
// target whose name is as long as the file system allows still has one.
constexpr const char* kTempNamePrefix = ".orvamis-saving-";

// A name in the folder of `target` that no other save of this process uses;
// the exclusive copy below still refuses a name that exists.
std::string TempNameBeside(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string name = kTempNamePrefix + std::to_string(::getpid()) + "-" +
                             std::to_string(ticks % 1000000007ULL) + "-" + std::to_string(counter++);
    return (fs::path(FolderOf(target)) / name).string();
}

// True when the process that made a temporary file of this name cannot be
// using it any more: this process (which saves one file at a time) or one
// that has ended.
bool LeftBehind(const std::string& nameAfterPrefix)
{
    pid_t pid = 0;
    const char* first = nameAfterPrefix.data();
    const auto [rest, failure] = std::from_chars(first, first + nameAfterPrefix.size(), pid);
    if (failure != std::errc{} || rest == first || *rest != '-' || pid <= 0)
        return false;  // not one of ours
    if (pid == ::getpid())
        return true;
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

void RenameStep(const std::string& from, const std::string& to, std::error_code& ec)
{
    fs::rename(from, to, ec);
}

MoveStep currentMoveStep = RenameStep;

// Syncs path; a failure names `shownName`.
bool SyncDescriptor(const std::string& path, int flags, const std::string& shownName, AppFileError& error)
{
    const int fd = ::open(path.c_str(), flags);
    if (fd < 0) {
        error = AccessError(shownName, std::error_code(errno, std::generic_category()));
        return false;
    }
    const bool ok = ::fsync(fd) == 0;
    const int syncErrno = errno;
    ::close(fd);
    if (!ok) {
        error = AccessError(shownName, std::error_code(syncErrno, std::generic_category()));
        return false;
    }
    return true;
}

} // namespace

bool CreateTempCopyBeside(const std::string& source, const std::string& target,
                          std::string& tempPath, AppFileError& error)
{
    std::error_code ec;
    if (!fs::is_regular_file(source, ec)) {
        if (!fs::exists(source, ec))
            error = {kFileNotFound, "File not found: " + source};
        else
            error = {kPathFileAccessError, "Path/File access error: " + source + " is not a file"};
        return false;
    }
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::string candidate = TempNameBeside(target);
        if (fs::copy_file(source, candidate, fs::copy_options::none, ec)) {
            tempPath = candidate;
            // A replaced file keeps the permissions it had.
            if (fs::is_regular_file(target, ec)) {
                const auto perms = fs::status(target, ec).permissions();
                if (!ec)
                    fs::permissions(candidate, perms | fs::perms::owner_read | fs::perms::owner_write, ec);
                ec.clear();
            }
            return true;
        }
        RemoveFileQuietly(candidate);
        if (ec != std::errc::file_exists)
            break;
    }
    error = AccessError(target, ec);
    return false;
}

bool FlushTempFileToDisk(const std::string& tempPath, const std::string& target, AppFileError& error)
{
    return SyncDescriptor(tempPath, O_RDONLY, target, error);
}

bool ReplaceFileWith(const std::string& tempPath, const std::string& target,
                     AppFileError& error)
{
    std::error_code ec;
    if (fs::is_directory(target, ec)) {
        error = {kPathFileAccessError, "Path/File access error: " + target + " is a folder"};
        return false;
    }
    currentMoveStep(tempPath, target, ec);
    if (ec) {
        error = AccessError(target, ec);
        return false;
    }
    // The new name is durable once the folder is on the disk; a file system
    // that cannot sync folders has nothing more to offer.
    AppFileError ignored;
    const std::string folder = FolderOf(target);
    SyncDescriptor(folder, O_RDONLY | O_DIRECTORY, folder, ignored);
    return true;
}

bool CopyFileReplacing(const std::string& source, const std::string& copyPath,
                       AppFileError& error)
{
    std::string tempPath;
    if (!CreateTempCopyBeside(source, copyPath, tempPath, error))
        return false;
    if (FlushTempFileToDisk(tempPath, copyPath, error) && ReplaceFileWith(tempPath, copyPath, error))
        return true;
    RemoveFileQuietly(tempPath);
    return false;
}

void RemoveFileQuietly(const std::string& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

void RemoveLeftoverTempFiles(const std::string& target)
{
    const std::string prefix = kTempNamePrefix;
    std::error_code ec;
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        const std::string name = it->path().filename().string();
        if (name.starts_with(prefix) && LeftBehind(name.substr(prefix.size())) &&
            it->is_regular_file(ec))
            leftovers.push_back(it->path());
    }
    for (const fs::path& path : leftovers)
        RemoveFileQuietly(path.string());
}

MoveStep SetMoveStep(MoveStep step)
{
    const MoveStep previous = currentMoveStep;
    currentMoveStep = step ? step : RenameStep;
    return previous;
}

} // namespace appfile
