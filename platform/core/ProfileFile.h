#pragma once
// A profile file: sections in square brackets, each followed by lines of
// "key=value". The whole file is read into memory, read and changed there,
// and saved in one piece.
//
//   platform::ProfileFile ini;
//   const bool existed = ini.Load(path);         // a missing file reads as empty
//   std::string v = ini.GetString("Options", "Show Taskbar", "True");
//   std::optional<int64_t> n = ini.GetInt("Unit Settings", "Units");
//   ini.SetString("Options", "Show Taskbar", "False");
//   ini.Save(path);                              // through a temporary file
//
// Section and key names are compared without regard to case (ASCII); blanks
// around names and values are ignored. A value that begins or ends with a
// blank or a tab, or that itself begins and ends with a double quote, is
// written inside a pair of double quotes, and reading takes one such pair
// off again, so every value without a line end reads back as written (a
// value without quotes reads as it stands). The first of several equal
// sections or keys counts. Lines that are not "key=value" (comments starting
// with ";" or "#", blank lines) are kept as they are when the file is saved.

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace platform {

class ProfileFile {
public:
    // Reads the file; returns true when it existed and was read. A missing
    // or unreadable file leaves the profile empty. A byte order mark at the
    // start of the file is no part of its text.
    bool Load(const std::string& path);

    // True when the section holds the key.
    bool HasKey(const std::string& section, const std::string& key) const;
    // The value of a key (blanks around it removed, then one pair of
    // enclosing double quotes), or defaultValue when the section or key is
    // missing. A key present with an empty value gives "".
    std::string GetString(const std::string& section, const std::string& key,
                          const std::string& defaultValue) const;
    // The value of a key when it is a decimal integer as SetString of a
    // number writes one: an optional "-" and digits, nothing else, within
    // the range of int64_t. Nothing when the key is missing or its value is
    // anything else ("", "2.5", "12abc", "+3", "abc").
    std::optional<int64_t> GetInt(const std::string& section, const std::string& key) const;

    // Sets a key's value: in place when the key exists, else appended to its
    // section, which is appended to the file when missing. Line breaks in the
    // names or the value become blanks, so one key stays one line.
    void SetString(const std::string& section, const std::string& key, const std::string& value);

    // Why a file could not be saved.
    enum class SaveFault {
        None,
        FolderInPlace,  // a folder has the file's name
        NotPermitted,   // the folder or the file may not be written (read-only, no right)
        DiskFull,       // no room left on the disk or in the user's quota
        Other,
    };
    // Writes the profile in the place of the file path names, as
    // platform::ReplaceFileContents does (platform/core/FileAccess.h): the
    // target of a symbolic link, which stays; whole or not at all; in place
    // where the folder takes no new file; its mode, owner and group kept, a
    // new file with the mode the umask gives. Returns false (the old file
    // untouched) when it cannot be written, a read-only file or one this
    // user may not write included, and then says why in fault when one is
    // given.
    bool Save(const std::string& path, SaveFault* fault = nullptr) const;

    // The file's text as Save writes it.
    std::string Text() const;

private:
    struct Line {
        std::string text;   // the line as read or written
        std::string key;    // trimmed key, empty for a line without one
        std::string value;  // trimmed value as it stands in the file (quotes and all)
    };
    struct Section {
        std::string header;  // the "[name]" line as read or written
        std::string name;    // trimmed name; empty for lines before the first section
        std::vector<Line> lines;
    };

    // Index of a named section in sections_, or -1.
    int SectionIndex(const std::string& name) const;
    const Line* FindKey(const std::string& section, const std::string& key) const;

    std::vector<Section> sections_;
};

} // namespace platform
