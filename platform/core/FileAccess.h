#pragma once
#include <string>

// Files as the program writes them: through their symbolic links, whole or
// not at all, and never over a file its owner keeps from being written.
namespace platform {

// The file a name stands for once its symbolic links are followed: the name
// itself when it is no link, the file a link names also when that file is
// not there yet. "" for a chain of links that does not end.
std::string LinkedFile(const std::string& path);

// True when a regular file at path may not be written: read-only (no write
// permission for anyone, as its owner may make it to keep it as it is, which
// holds for every user) or not this user's to write. A file replaced by a
// rename in its folder would pass over that; a save leaves such a file as
// it is. False where there is no file.
bool IsReadOnlyFile(const std::string& path);

// Puts bytes in the place of a file's contents, a new file where there is
// none. A symbolic link is followed to the file it names, which takes the
// bytes; the link stays. The bytes go into a new file beside that file,
// which is renamed over it only once every byte is on the disk, so a write
// that fails leaves the file as it was; it keeps the old file's
// permissions. Where its folder takes no new file but the file itself may
// be written, the bytes are written into the file itself, and its old
// content is put back as far as it goes should that fail. An existing file
// this user may not write is refused, and so is a name that stands for
// something other than a regular file. 0 when every byte was written, else
// the reason as an errno value: ELOOP for links without end, EISDIR for a
// folder, ENODEV for a device, pipe or socket.
int ReplaceFileContents(const std::string& path, const std::string& bytes);

// The reason ReplaceFileContents gave, for the user, in English.
std::string FileErrorText(int error);

} // namespace platform
