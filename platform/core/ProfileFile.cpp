#include "platform/core/ProfileFile.h"
#include "platform/core/FileAccess.h"
#include "platform/core/TextCompare.h"

#include <cerrno>
#include <charconv>
#include <fstream>
#include <string_view>

namespace platform {

namespace {

std::string Trim(const std::string& text)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t' || c == '\r'; };
    size_t first = 0, last = text.size();
    while (first < last && blank(text[first])) ++first;
    while (last > first && blank(text[last - 1])) --last;
    return text.substr(first, last - first);
}

bool Enclosed(const std::string& value)
{
    return value.size() >= 2 && value.front() == '"' && value.back() == '"';
}

// The value as the file holds it: inside double quotes where the reader
// would otherwise take blanks or quotes off its ends.
std::string Quoted(const std::string& value)
{
    const auto blank = [](char c) { return c == ' ' || c == '\t'; };
    const bool quote = !value.empty() && (blank(value.front()) || blank(value.back()) || Enclosed(value));
    return quote ? '"' + value + '"' : value;
}

std::string Unquoted(const std::string& stored)
{
    return Enclosed(stored) ? stored.substr(1, stored.size() - 2) : stored;
}

ProfileFile::SaveFault FaultOf(int error)
{
    switch (error) {
    case EISDIR:
        return ProfileFile::SaveFault::FolderInPlace;
    case kReadOnlyFile:
    case kNotThisUsersFile:
    case EACCES:
    case EPERM:
    case EROFS:
        return ProfileFile::SaveFault::NotPermitted;
    case ENOSPC:
    case EDQUOT:
        return ProfileFile::SaveFault::DiskFull;
    default:
        return ProfileFile::SaveFault::Other;
    }
}

std::string OneLine(std::string text)
{
    for (char& c : text)
        if (c == '\n' || c == '\r')
            c = ' ';
    return text;
}

// "name" of a "[name]" line, or false when the line is no section header.
bool SectionName(const std::string& line, std::string& name)
{
    const std::string trimmed = Trim(line);
    if (trimmed.size() < 2 || trimmed.front() != '[')
        return false;
    const size_t close = trimmed.find(']');
    if (close == std::string::npos)
        return false;
    name = Trim(trimmed.substr(1, close - 1));
    return true;
}

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool IsComment(const std::string& trimmed)
{
    return !trimmed.empty() && (trimmed.front() == ';' || trimmed.front() == '#');
}

} // namespace

bool ProfileFile::Load(const std::string& path)
{
    sections_.clear();
    sections_.push_back(Section{});  // lines before the first section
    std::ifstream in(path, std::ios::binary);
    if (!in)
        return false;
    std::string text;
    for (bool first = true; std::getline(in, text); first = false) {
        // An editor may begin the file with a byte order mark, which is no
        // part of its first line.
        if (first && text.starts_with(kByteOrderMark))
            text.erase(0, kByteOrderMark.size());
        if (!text.empty() && text.back() == '\r')
            text.pop_back();
        std::string name;
        if (SectionName(text, name)) {
            sections_.push_back(Section{text, name, {}});
            continue;
        }
        Line line{text, {}, {}};
        const std::string trimmed = Trim(text);
        const size_t equals = trimmed.find('=');
        if (!IsComment(trimmed) && equals != std::string::npos && equals > 0) {
            line.key = Trim(trimmed.substr(0, equals));
            line.value = Trim(trimmed.substr(equals + 1));
        }
        sections_.back().lines.push_back(std::move(line));
    }
    return true;
}

int ProfileFile::SectionIndex(const std::string& name) const
{
    const std::string wanted = Trim(name);
    // The unnamed part before the first section is never looked up.
    for (size_t i = 1; i < sections_.size(); ++i)
        if (EqualNoCase(sections_[i].name, wanted))
            return static_cast<int>(i);
    return -1;
}

const ProfileFile::Line* ProfileFile::FindKey(const std::string& section, const std::string& key) const
{
    const int index = SectionIndex(section);
    if (index < 0)
        return nullptr;
    const std::string wanted = Trim(key);
    for (const Line& line : sections_[index].lines)
        if (!line.key.empty() && EqualNoCase(line.key, wanted))
            return &line;
    return nullptr;
}

bool ProfileFile::HasKey(const std::string& section, const std::string& key) const
{
    return FindKey(section, key) != nullptr;
}

std::string ProfileFile::GetString(const std::string& section, const std::string& key,
                                   const std::string& defaultValue) const
{
    const Line* line = FindKey(section, key);
    return line ? Unquoted(line->value) : defaultValue;
}

std::optional<int64_t> ProfileFile::GetInt(const std::string& section, const std::string& key) const
{
    if (!HasKey(section, key))
        return std::nullopt;
    const std::string text = GetString(section, key, "");
    const char* first = text.data();
    const char* last = first + text.size();
    // from_chars takes a leading "-" but no "+" and no blanks.
    int64_t value = 0;
    const auto [end, error] = std::from_chars(first, last, value);
    if (text.empty() || error != std::errc() || end != last)
        return std::nullopt;
    return value;
}

void ProfileFile::SetString(const std::string& section, const std::string& key, const std::string& value)
{
    if (sections_.empty())
        sections_.push_back(Section{});
    const std::string sectionName = Trim(OneLine(section));
    const std::string keyName = Trim(OneLine(key));
    const std::string stored = Quoted(OneLine(value));
    const std::string text = keyName + "=" + stored;

    int index = SectionIndex(sectionName);
    if (index < 0) {
        sections_.push_back(Section{"[" + sectionName + "]", sectionName, {}});
        index = static_cast<int>(sections_.size()) - 1;
    }
    Section* target = &sections_[index];
    for (Line& line : target->lines) {
        if (!line.key.empty() && EqualNoCase(line.key, keyName)) {
            line = Line{text, keyName, stored};
            return;
        }
    }
    // A new key goes after the section's last key, before trailing blank lines.
    auto position = target->lines.end();
    while (position != target->lines.begin() && Trim((position - 1)->text).empty())
        --position;
    target->lines.insert(position, Line{text, keyName, stored});
}

std::string ProfileFile::Text() const
{
    std::string text;
    for (const Section& section : sections_) {
        if (!section.header.empty())
            text += section.header + "\n";
        for (const Line& line : section.lines)
            text += line.text + "\n";
    }
    return text;
}

bool ProfileFile::Save(const std::string& path, SaveFault* fault) const
{
    const int error = ReplaceFileContents(path, Text());
    if (fault)
        *fault = error == 0 ? SaveFault::None : FaultOf(error);
    return error == 0;
}

} // namespace platform
