#pragma once
#include <string>

// Files as the program writes them: through their symbolic links, whole or
// not at all, and never over a file its owner keeps from being written.
namespace platform {

// The file a name stands for once its symbolic links are followed: the name
// itself when it is no link, the file a link names also when that file is
// not there yet. "" for a chain of links that does not end.
std::string LinkedFile(const std::string& path);

// Reasons besides the errno values why an existing file is not written.
inline constexpr int kReadOnlyFile = -1;      // no write permission for anyone, as its owner
                                              // may make it to keep it as it is; holds for
                                              // every user, root included
inline constexpr int kNotThisUsersFile = -2;  // writable by its mode, but not by this user
                                              // (a colleague's file in a shared folder)

// Why the regular file at path may not be written: 0 when it may (or there
// is no regular file), kReadOnlyFile, kNotThisUsersFile, or the errno of a
// file that cannot be written at all (EROFS). A file replaced by a move in
// its folder would pass over that; every writer of the program refuses such
// a file and leaves it as it is.
int WriteRefusal(const std::string& path);

// Puts bytes in the place of a file's contents, a new file where there is
// none. A symbolic link is followed to the file it names, which takes the
// bytes; the link stays. The bytes go into a ReplacementFile beside that
// file (platform/core/ReplacementFile.h), which is moved over it only once
// every byte is on the disk, so a write that fails leaves the file as it
// was and nothing beside it; the new file keeps the old file's mode, owner
// and group as far as this user may set them, and a new file has the mode
// the umask gives. Where its folder takes no new file but the file itself
// may be written, the bytes are written into the file itself, and its old
// content is put back as far as it goes should that fail. Each write first
// removes what killed writes left in the folder (RemoveLeftoversBeside). A
// file that WriteRefusal refuses is left as it is, and so is a name that
// stands for something other than a regular file. 0 when every byte was
// written, else the reason: WriteRefusal's, or an errno value (ELOOP for
// links without end, EISDIR for a folder, ENODEV for a device, pipe or
// socket).
int ReplaceFileContents(const std::string& path, const std::string& bytes);

// The reason ReplaceFileContents or WriteRefusal gave, for the user, in
// English.
std::string FileErrorText(int error);

} // namespace platform
