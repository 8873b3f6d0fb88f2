#pragma once
#include <string>
#include <vector>

// What the file-find dialog needs of the file system: the "drives" to search
// (the mount points of the mounted file systems) and, for one folder, its
// subfolders and its own files whose name matches a pattern. Paths use "/";
// nothing here follows a symbolic link into a folder, and a folder that
// cannot be read reads as empty.
namespace platform {

// The mount points from /proc/self/mounts, sorted ("/" first), without those
// at or below /proc, /sys and /dev; "/" alone when none can be read.
std::vector<std::string> MountedDrives();

// True for /proc, /sys and /dev, which a search never enters.
bool IsSystemFolder(const std::string& path);

// The full paths of the folder's real subfolders (not symbolic links), in
// name order.
std::vector<std::string> ListSubfolders(const std::string& folder);

// The names of the folder's own files (regular files, also through a
// symbolic link) that match the pattern, in name order.
std::vector<std::string> ListMatchingFiles(const std::string& folder, const std::string& pattern);

// A file name against a pattern: "*" any run of characters, "?" one
// character, letters compared without regard to case (ASCII).
bool MatchesPattern(const std::string& name, const std::string& pattern);

// folder + "/" + name, without doubling the "/" of the root.
std::string JoinPath(const std::string& folder, const std::string& name);

} // namespace platform
