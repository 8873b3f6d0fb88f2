#pragma once
// What this program knows of the open application's file on disk: its
// content as this program last read or wrote it. A save compares it with the
// file as it is now, so that it never replaces unasked what another program
// (or another copy of this one) saved into the file since.
#include <string>

namespace appfile {

struct FileStamp {
    bool present = false;  // a regular file that could be read
    std::string content;

    bool operator==(const FileStamp&) const = default;
};

// The file at path as it is now; not present when there is no regular file
// there or it cannot be read.
FileStamp TakeFileStamp(const std::string& path);

// True when a and b name the same file, however each is spelt (symbolic
// links to it or to a folder on its way, "." and ".." in the path); names of
// files not there yet are compared by their resolved paths.
bool SameFile(const std::string& a, const std::string& b);

// Records `stamp` as the file at path that this program last read or wrote
// (a stamp that is not present forgets the file).
void RememberFileOnDisk(const std::string& path, const FileStamp& stamp);

// Forgets the file: nothing is known of any file.
void ForgetFileOnDisk();

// True when path names the file this program last read or wrote, by any
// spelling, and the file's content now differs from what the program read or
// wrote. A new modification time alone (the file touched, or its own bytes
// put back) is no change; nor is a file that has been removed since, or one
// this program does not know.
bool FileChangedOnDisk(const std::string& path);

} // namespace appfile
