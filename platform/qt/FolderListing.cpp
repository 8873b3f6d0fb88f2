#include "platform/qt/FolderListing.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <system_error>

namespace fs = std::filesystem;

namespace platform {

namespace {

// A mount point as /proc/self/mounts writes it: blanks, tabs, newlines and
// backslashes as three-digit octal escapes.
std::string DecodeMountPoint(const std::string& field)
{
    std::string path;
    for (size_t k = 0; k < field.size(); ++k) {
        const bool escape = field[k] == '\\' && k + 3 < field.size()
                            && std::all_of(field.begin() + k + 1, field.begin() + k + 4,
                                           [](char c) { return c >= '0' && c <= '7'; });
        if (escape) {
            path += static_cast<char>((field[k + 1] - '0') * 64 + (field[k + 2] - '0') * 8 + (field[k + 3] - '0'));
            k += 3;
        } else {
            path += field[k];
        }
    }
    return path;
}

bool IsAtOrBelow(const std::string& path, const std::string& folder)
{
    return path == folder || path.rfind(folder + "/", 0) == 0;
}

bool IsBelowSystemFolder(const std::string& path)
{
    return IsAtOrBelow(path, "/proc") || IsAtOrBelow(path, "/sys") || IsAtOrBelow(path, "/dev");
}

char FoldCase(char c)
{
    return (c >= 'A' && c <= 'Z') ? static_cast<char>(c - 'A' + 'a') : c;
}

} // namespace

std::vector<std::string> MountedDrives()
{
    std::vector<std::string> drives;
    std::ifstream mounts("/proc/self/mounts");
    std::string line;
    while (std::getline(mounts, line)) {
        std::istringstream fields(line);
        std::string device, mountPoint;
        if (!(fields >> device >> mountPoint))
            continue;
        const std::string path = DecodeMountPoint(mountPoint);
        if (!path.empty() && path[0] == '/' && !IsBelowSystemFolder(path))
            drives.push_back(path);
    }
    std::sort(drives.begin(), drives.end());
    drives.erase(std::unique(drives.begin(), drives.end()), drives.end());
    if (drives.empty())
        drives.push_back("/");
    return drives;
}

bool IsSystemFolder(const std::string& path)
{
    return path == "/proc" || path == "/sys" || path == "/dev";
}

std::vector<std::string> ListSubfolders(const std::string& folder)
{
    std::vector<std::string> subfolders;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        if (it->is_directory(typeError) && !it->is_symlink(typeError))
            subfolders.push_back(JoinPath(folder, it->path().filename().string()));
    }
    std::sort(subfolders.begin(), subfolders.end());
    return subfolders;
}

std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& pattern)
{
    std::vector<std::string> names;
    std::error_code error;
    for (fs::directory_iterator it(folder, error), end; !error && it != end; it.increment(error)) {
        std::error_code typeError;
        const std::string name = it->path().filename().string();
        if (it->is_regular_file(typeError) && MatchesPattern(name, pattern))
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

bool MatchesPattern(const std::string& name, const std::string& pattern)
{
    // Greedy match with one back-track point at the last "*".
    size_t n = 0, p = 0, starP = std::string::npos, starN = 0;
    while (n < name.size()) {
        if (p < pattern.size() && (pattern[p] == '?' || FoldCase(pattern[p]) == FoldCase(name[n]))) {
            ++n;
            ++p;
        } else if (p < pattern.size() && pattern[p] == '*') {
            starP = p++;
            starN = n;
        } else if (starP != std::string::npos) {
            p = starP + 1;
            n = ++starN;
        } else {
            return false;
        }
    }
    while (p < pattern.size() && pattern[p] == '*')
        ++p;
    return p == pattern.size();
}

std::string JoinPath(const std::string& folder, const std::string& name)
{
    if (!folder.empty() && folder.back() == '/')
        return folder + name;
    return folder + "/" + name;
}

} // namespace platform
