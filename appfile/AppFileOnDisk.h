#pragma once
// What this program knows of the open application's file on disk: its
// modification time, size and content as this program last read or wrote
// them. A save compares them with the file as it is now, so that it never
// replaces unasked what another program (or another copy of this one) saved
// into the file since.
#include <cstdint>
#include <filesystem>
#include <string>

namespace appfile {

struct FileStamp {
    bool present = false;  // a regular file that could be read
    std::filesystem::file_time_type modified{};
    std::uintmax_t size = 0;
    std::size_t contentHash = 0;

    bool operator==(const FileStamp&) const = default;
};

// The file at path as it is now; not present when there is no regular file
// there or it cannot be read.
FileStamp TakeFileStamp(const std::string& path);

// Records `stamp` as the file at path that this program last read or wrote
// (a stamp that is not present forgets the file).
void RememberFileOnDisk(const std::string& path, const FileStamp& stamp);

// Forgets the file: nothing is known of any file.
void ForgetFileOnDisk();

// True when path is the file this program last read or wrote and the file
// there now differs from it in modification time, size or content. A file
// that has been removed since, or a path this program does not know, is not
// a changed file.
bool FileChangedOnDisk(const std::string& path);

} // namespace appfile
