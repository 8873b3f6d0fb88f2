#include "platform/core/ReplacementFile.h"

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

namespace platform {

namespace {

std::string FolderOf(const std::string& path)
{
    const fs::path folder = fs::path(path).parent_path();
    return folder.empty() ? std::string(".") : folder.string();
}

// Temporary files are named kTempNamePrefix + the identity of the process
// space of the writer (kSpaceIdDigits lowercase hex digits) + "-" + the
// process ID + "-" + two numbers that make the name unique.
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

// The identity of a space that cannot be known, which no writer takes for
// its own.
std::string UnknownSpaceId()
{
    return std::string(kSpaceIdDigits, '0');
}

// What tells process IDs apart: this boot of this machine and the pid
// namespace of this process (a container, `unshare --pid`), as hex digits.
// The same process ID in another space is another process, so a writer only
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

// A name in the folder of `target` that no other write of this process
// uses; the exclusive create still refuses a name that exists.
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
pid_t WriterOfTempName(std::string_view name, const std::string& spaceId)
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
// in use: one of this process's own space made by this process or by a
// process of this space that has ended. A file of another machine or pid
// namespace, which may be a write in progress there, or any other name, is
// never a leftover.
bool LeftBehind(std::string_view name, const std::string& spaceId)
{
    if (name.ends_with(kJournalSuffix))
        name.remove_suffix(kJournalSuffix.size());
    const pid_t pid = WriterOfTempName(name, spaceId);
    if (pid <= 0)
        return false;
    if (pid == ::getpid())
        return true;
    return ::kill(pid, 0) != 0 && errno == ESRCH;
}

int WriteBuffer(int descriptor, const char* data, std::size_t size)
{
    for (std::size_t written = 0; written < size;) {
        const ssize_t n = ::write(descriptor, data + written, size - written);
        if (n <= 0)
            return n < 0 ? errno : ENOSPC;
        written += static_cast<std::size_t>(n);
    }
    return 0;
}

int RenameStep(const std::string& from, const std::string& to)
{
    return std::rename(from.c_str(), to.c_str()) == 0 ? 0 : errno;
}

MoveStep currentMoveStep = RenameStep;

// A new file's mode is what the umask leaves of 0666, with read and write
// for its owner, so that a file the program made is always its owner's to
// write again.
void LetTheOwnerReadAndWrite(int descriptor)
{
    struct stat status {};
    if (::fstat(descriptor, &status) == 0 && (status.st_mode & 0600) != 0600)
        ::fchmod(descriptor, (status.st_mode & 07777) | 0600);
}

} // namespace

ReplacementFile::ReplacementFile(std::string target) : target_(std::move(target))
{
    for (int attempt = 0; attempt < 20; ++attempt) {
        const std::string candidate = TempNameBeside(target_);
        descriptor_ = ::open(candidate.c_str(), O_RDWR | O_CREAT | O_EXCL | O_CLOEXEC, 0666);
        if (descriptor_ >= 0) {
            path_ = candidate;
            error_ = 0;
            LetTheOwnerReadAndWrite(descriptor_);
            return;
        }
        error_ = errno;
        if (error_ != EEXIST)
            return;
    }
}

ReplacementFile::~ReplacementFile()
{
    if (descriptor_ >= 0)
        ::close(descriptor_);
    if (!path_.empty() && !moved_)
        ::unlink(path_.c_str());
}

int ReplacementFile::Write(const std::string& bytes)
{
    return descriptor_ < 0 ? EBADF : WriteAllBytes(descriptor_, bytes);
}

int ReplacementFile::CopyFrom(const std::string& source)
{
    if (descriptor_ < 0)
        return EBADF;
    const int from = ::open(source.c_str(), O_RDONLY | O_CLOEXEC);
    if (from < 0)
        return errno;
    int error = 0;
    char buffer[64 * 1024];
    for (ssize_t n; error == 0 && (n = ::read(from, buffer, sizeof buffer)) != 0;)
        error = n < 0 ? errno : WriteBuffer(descriptor_, buffer, static_cast<std::size_t>(n));
    ::close(from);
    return error;
}

void ReplacementFile::TakePermissionsOf(const std::string& model)
{
    struct stat status {};
    if (descriptor_ < 0 || ::stat(model.c_str(), &status) != 0 || !S_ISREG(status.st_mode))
        return;
    // The owner first: a change of owner clears the set-id bits, which the
    // mode then puts back. Where this user may not give the file away, the
    // group alone may still be kept.
    if (::fchown(descriptor_, status.st_uid, status.st_gid) != 0)
        (void)::fchown(descriptor_, static_cast<uid_t>(-1), status.st_gid);
    (void)::fchmod(descriptor_, status.st_mode & 07777);
}

int ReplacementFile::MoveOverTarget()
{
    if (descriptor_ < 0)
        return error_ != 0 ? error_ : EBADF;
    int error = ::fsync(descriptor_) == 0 ? 0 : errno;
    if (::close(descriptor_) != 0 && error == 0)
        error = errno;
    descriptor_ = -1;
    if (error == 0)
        error = currentMoveStep(path_, target_);
    if (error != 0)
        return error;
    moved_ = true;
    // The new name is durable once the folder is on the disk; a file system
    // that cannot sync folders has nothing more to offer.
    const int folder = ::open(FolderOf(target_).c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (folder >= 0) {
        (void)::fsync(folder);
        ::close(folder);
    }
    return 0;
}

void RemoveLeftoversBeside(const std::string& target)
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
        fs::remove(path, ec);
}

int WriteAllBytes(int descriptor, const std::string& text)
{
    return WriteBuffer(descriptor, text.data(), text.size());
}

MoveStep SetMoveStep(MoveStep step)
{
    const MoveStep previous = currentMoveStep;
    currentMoveStep = step ? step : RenameStep;
    return previous;
}

} // namespace platform
