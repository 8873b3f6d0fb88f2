#include "appfile/AppFileReplace.h"

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>
#include <atomic>
#include <cerrno>
#include <charconv>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string_view>
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

// Temporary files are named kTempNamePrefix + the identity of the process
// space of the save (kSpaceIdDigits lowercase hex digits) + "-" + the process
// ID + "-" + two numbers that make the name unique: a short name of its own,
// so that a target whose name is as long as the file system allows still has
// one.
constexpr std::string_view kTempNamePrefix = ".orvamis-saving-";
constexpr std::size_t kSpaceIdDigits = 16;

// The first line of a file, "" when it cannot be read.
std::string FirstLine(const char* path)
{
    std::ifstream in(path);
    std::string line;
    std::getline(in, line);
    return line;
}

// The identity of a space that cannot be known, which no save takes for its
// own.
std::string UnknownSpaceId()
{
    return std::string(kSpaceIdDigits, '0');
}

// What tells process IDs apart: this boot of this machine and the pid
// namespace of this process (a container, `unshare --pid`), as hex digits.
// The same process ID in another space is another process, so a save only
// ever judges the temporary files of its own space. Taken afresh for every
// name: a forked process may live in a namespace of its own.
std::string ProcessSpaceId()
{
    const std::string bootId = FirstLine("/proc/sys/kernel/random/boot_id");
    struct stat pidNamespace {};
    if (bootId.empty() || ::stat("/proc/self/ns/pid", &pidNamespace) != 0)
        return UnknownSpaceId();
    // 64-bit FNV-1a over both, so that the name stays short.
    std::uint64_t hash = 14695981039346656037ULL;
    for (const char c : bootId + "/" + std::to_string(pidNamespace.st_ino)) {
        hash ^= static_cast<unsigned char>(c);
        hash *= 1099511628211ULL;
    }
    char digits[kSpaceIdDigits + 1];
    std::snprintf(digits, sizeof digits, "%016llx", static_cast<unsigned long long>(hash));
    return digits;
}

// A name in the folder of `target` that no other save of this process uses;
// the exclusive copy below still refuses a name that exists.
std::string TempNameBeside(const std::string& target)
{
    static std::atomic<unsigned> counter{0};
    const auto ticks = static_cast<unsigned long long>(
        std::chrono::steady_clock::now().time_since_epoch().count());
    const std::string name = std::string(kTempNamePrefix) + ProcessSpaceId() + "-" +
                             std::to_string(::getpid()) + "-" + std::to_string(ticks % 1000000007ULL) +
                             "-" + std::to_string(counter++);
    return (fs::path(FolderOf(target)) / name).string();
}

// True when text is a number as std::to_string writes one: decimal digits
// without a leading zero.
bool IsWrittenNumber(std::string_view text)
{
    return !text.empty() && (text[0] != '0' || text.size() == 1) &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The process ID in a temporary file name exactly of the form above with
// the space `spaceId`; 0 for any other name.
pid_t SaverOfTempName(std::string_view name, const std::string& spaceId)
{
    const std::string head = std::string(kTempNamePrefix) + spaceId + "-";
    if (!name.starts_with(head))
        return 0;
    name.remove_prefix(head.size());
    // The process ID and the two unique numbers.
    const std::size_t firstDash = name.find('-');
    const std::size_t secondDash = name.find('-', firstDash == name.npos ? name.npos : firstDash + 1);
    if (secondDash == name.npos)
        return 0;
    const std::string_view pidText = name.substr(0, firstDash);
    if (!IsWrittenNumber(pidText) || !IsWrittenNumber(name.substr(firstDash + 1, secondDash - firstDash - 1)) ||
        !IsWrittenNumber(name.substr(secondDash + 1)))
        return 0;
    pid_t pid = 0;
    const auto [rest, failure] = std::from_chars(pidText.data(), pidText.data() + pidText.size(), pid);
    return failure == std::errc{} && rest == pidText.data() + pidText.size() ? pid : 0;
}

// The database engine names the rollback journal of a temporary file being
// written after it; a save killed while it wrote its rows leaves both.
constexpr std::string_view kJournalSuffix = "-journal";

// True when a temporary file of this name, or its journal, can no longer be
// in use: one of this process's own space made by this process (which saves
// one file at a time) or by a process of this space that has ended. A file
// of another machine or pid namespace, which may be a save in progress
// there, or any other name, is never a leftover.
bool LeftBehind(std::string_view name, const std::string& spaceId)
{
    if (name.ends_with(kJournalSuffix))
        name.remove_suffix(kJournalSuffix.size());
    const pid_t pid = SaverOfTempName(name, spaceId);
    if (pid <= 0)
        return false;
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
            // A replaced file keeps the permissions it had; a new one takes
            // those of its source. Either is its owner's to read and write,
            // so that a read-only template still gives files that save.
            if (fs::is_regular_file(target, ec)) {
                const auto perms = fs::status(target, ec).permissions();
                if (!ec)
                    fs::permissions(candidate, perms, ec);
            }
            fs::permissions(candidate, fs::perms::owner_read | fs::perms::owner_write, fs::perm_options::add, ec);
            ec.clear();
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

void RemoveFileQuietly(const std::string& path)
{
    std::error_code ignored;
    fs::remove(path, ignored);
}

void RemoveLeftoverTempFiles(const std::string& target)
{
    const std::string spaceId = ProcessSpaceId();
    if (spaceId == UnknownSpaceId())
        return;  // no file can be told to be a leftover
    std::error_code ec;
    std::vector<fs::path> leftovers;
    for (fs::directory_iterator it(FolderOf(target), ec), end; !ec && it != end; it.increment(ec)) {
        if (LeftBehind(it->path().filename().string(), spaceId) && it->is_regular_file(ec))
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
