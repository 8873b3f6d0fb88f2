#pragma once
#include <string>

namespace platform {

// True when a regular file at path may not be written: read-only (no write
// permission for anyone, as its owner may make it to keep it as it is, which
// holds for every user) or not this user's to write. A file replaced by a
// rename in its folder would pass over that; a save leaves such a file as
// it is. False where there is no file.
bool IsReadOnlyFile(const std::string& path);

} // namespace platform
