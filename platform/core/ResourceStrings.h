#pragma once

namespace platform {

// The program's string table, compiled in from resources/strings.
// Returns the UTF-8 text of a resource string id, or nullptr when the table
// holds no string of that id.
const char* FindResourceString(int id);

} // namespace platform
