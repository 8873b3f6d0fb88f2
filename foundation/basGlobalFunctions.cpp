#include "foundation/basGlobalFunctions.h"

#include "foundation/basTextResources.h"

#include <algorithm>
#include <cstdio>
#include <limits>

int16_t gbWaitDone = 0;
int16_t gnAnalysisAxis = 0;

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;
constexpr char32_t kReplacement = 0xFFFD;  // the replacement character

// ---- paths -----------------------------------------------------------------

bool IsSeparator(char32_t c)
{
    return c == U'/' || c == U'\\';
}

std::size_t FindSeparator(const std::u32string& path, std::size_t from)
{
    for (std::size_t i = from; i < path.size(); ++i) {
        if (IsSeparator(path[i]))
            return i;
    }
    return std::u32string::npos;
}

std::size_t FindLastSeparator(const std::string& path)
{
    return path.find_last_of("/\\");
}

std::u32string CutWithEllipsis(const std::u32string& text, std::size_t length)
{
    return text.substr(0, length) + U"...";
}

} // namespace

// ---- UTF-8 -----------------------------------------------------------------

namespace {

// The length of the well-formed sequence that starts at text[i] (its code in
// code), 0 when the byte there starts none: the lead byte gives the length
// and the range of the byte after it (which keeps out overlong forms,
// surrogates and codes beyond U+10FFFF), every later byte is 80..BF.
std::size_t WellFormedSequence(const std::string& text, std::size_t i, char32_t& code)
{
    const auto byte = [&text](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        code = lead;
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        if (lead == 0xE0) low = 0xA0;   // below: overlong
        if (lead == 0xED) high = 0x9F;  // above: surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        if (lead == 0xF0) low = 0x90;   // below: overlong
        if (lead == 0xF4) high = 0x8F;  // above: beyond U+10FFFF
    } else {
        return 0;  // a continuation byte, C0, C1 or F5..FF
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high)
        return 0;
    char32_t value = lead & (0x7F >> length);
    for (std::size_t k = 1; k < length; ++k) {
        if (k > 1 && (byte(i + k) & 0xC0) != 0x80)
            return 0;
        value = (value << 6) | (byte(i + k) & 0x3F);
    }
    code = value;
    return length;
}

} // namespace

std::u32string DecodeUtf8(const std::string& text)
{
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        char32_t code = 0;
        const std::size_t length = WellFormedSequence(text, i, code);
        out += length ? code : kReplacement;
        i += length ? length : 1;
    }
    return out;
}

std::string EncodeUtf8(const std::u32string& text)
{
    std::string out;
    for (char32_t c : text) {
        if (c < 0x80) {
            out += static_cast<char>(c);
        } else if (c < 0x800) {
            out += static_cast<char>(0xC0 | (c >> 6));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else if (c < 0x10000) {
            out += static_cast<char>(0xE0 | (c >> 12));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        } else {
            out += static_cast<char>(0xF0 | (c >> 18));
            out += static_cast<char>(0x80 | ((c >> 12) & 0x3F));
            out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
            out += static_cast<char>(0x80 | (c & 0x3F));
        }
    }
    return out;
}

std::string sFctShortenPath(const std::string& pathText, int16_t max)
{
    constexpr int16_t kLeast = 20;
    constexpr std::size_t kBetween = 5;  // separator, "...", separator
    const std::size_t limit = static_cast<std::size_t>(std::max(max, kLeast));
    const std::u32string path = DecodeUtf8(pathText);
    if (path.size() <= limit)
        return pathText;

    const std::size_t first = FindSeparator(path, 0);
    if (first == std::u32string::npos)
        return EncodeUtf8(CutWithEllipsis(path, limit - 3));
    const std::u32string drive = path.substr(0, first);
    const std::size_t second = FindSeparator(path, first + 1);
    std::u32string head;
    std::u32string tail;
    if (second != std::u32string::npos) {
        head = path.substr(0, second);
        tail = path.substr(path.find_last_of(U"/\\") + 1);
    } else {
        head = drive;
        tail = path.substr(first + 1);
    }

    // Take in one folder after another while head and file name still fit;
    // each search starts after the separator that ends the current head.
    for (std::size_t next = FindSeparator(path, head.size() + 1);
         next != std::u32string::npos && tail.size() + next + kBetween <= limit;
         next = FindSeparator(path, next + 1))
        head = path.substr(0, next);

    if (head.size() + tail.size() + kBetween > limit) {
        head = drive;
        if (head.size() + tail.size() + kBetween > limit) {
            constexpr std::size_t kEllipsisAndBetween = 8;
            if (head.size() + kEllipsisAndBetween > limit)
                return EncodeUtf8(CutWithEllipsis(path, limit - 3));
            tail = CutWithEllipsis(tail, limit - head.size() - kEllipsisAndBetween);
        }
    }
    const char32_t separator = path[first];
    return EncodeUtf8(head + separator + U"..." + separator + tail);
}

std::string sFctPadRight(const std::string& text, int16_t width)
{
    const auto length = static_cast<int>(DecodeUtf8(text).size());
    return width - length >= 1 ? text + std::string(static_cast<std::size_t>(width - length), ' ') : text;
}

std::string sFctGetFolderPart(const std::string& path)
{
    const auto last = FindLastSeparator(path);
    return last == std::string::npos ? path : path.substr(0, last + 1);
}

std::string sFctGetFileNamePart(const std::string& path)
{
    const auto last = FindLastSeparator(path);
    return last == std::string::npos ? path : path.substr(last + 1);
}

std::string sFctFillPlaceholder(const std::string& text, const std::string& placeholder, const std::string& value)
{
    std::string result = text;
    if (const auto slot = result.find(placeholder); slot != std::string::npos)
        result.replace(slot, placeholder.size(), value);
    return result;
}

std::string sFctCollapseAmpersands(const std::string& text)
{
    std::string result = text;
    for (auto pair = result.find("&&"); pair != std::string::npos; pair = result.find("&&"))
        result.erase(pair + 1, 1);
    return result;
}

// ---- free text -------------------------------------------------------------

FreeTextCharacter nFctFreeTextCharacter(char32_t code)
{
    if ((code >= 0xD800 && code <= 0xDFFF) || code > 0x10FFFF)
        return FreeTextCharacter::NoCharacter;
    const bool control = code < 0x20 || (code >= 0x7F && code <= 0x9F);
    const bool lineSeparator = code == 0x2028 || code == 0x2029;
    return control || lineSeparator ? FreeTextCharacter::Blank : FreeTextCharacter::Text;
}

char32_t nFctFirstNoCharacter(const std::u32string& text)
{
    for (char32_t code : text)
        if (nFctFreeTextCharacter(code) == FreeTextCharacter::NoCharacter)
            return code;
    return 0;
}

std::u32string FreeTextLine(const std::u32string& text)
{
    std::u32string line;
    line.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        switch (nFctFreeTextCharacter(text[i])) {
        case FreeTextCharacter::Text:
            line += text[i];
            break;
        case FreeTextCharacter::Blank:
            line += U' ';
            if (text[i] == U'\r' && i + 1 < text.size() && text[i + 1] == U'\n')
                ++i;
            break;
        case FreeTextCharacter::NoCharacter:
            line += kReplacement;
            break;
        }
    }
    return line;
}

std::string sFctFreeTextLine(const std::string& text)
{
    return EncodeUtf8(FreeTextLine(DecodeUtf8(text)));
}

std::string sFctFreeTextFaultText(NumberEntry entry, char32_t code)
{
    constexpr int16_t kHalfCharacter = 386;  // the text holds half a character (U+%1)
    char hex[16];
    std::snprintf(hex, sizeof hex, "%04X", static_cast<unsigned>(code));
    return sFctEntryRefusalText(entry, sFctFillPlaceholder(sFctGetText(kHalfCharacter), "%1", hex));
}

int16_t nFctIntDivide(int32_t dividend, int16_t divisor)
{
    if (divisor <= 0 || dividend < divisor)
        return 0;
    return static_cast<int16_t>(std::min<int32_t>(dividend / divisor, std::numeric_limits<int16_t>::max()));
}

int16_t nFctWrapIndex(int32_t value, int16_t modulus)
{
    if (modulus <= 0)
        return 0;
    if (value < 0)
        return static_cast<int16_t>(value + modulus);
    return static_cast<int16_t>(value % modulus);
}

int32_t lFctGetColorByIndex(int16_t status)
{
    struct Rgb {
        int32_t red, green, blue;
    };
    constexpr Rgb kStatusColors[] = {{1, 0, 0}, {0, 120, 60}, {0, 60, 120}, {160, 0, 160}};
    if (status < 0 || status >= static_cast<int16_t>(std::size(kStatusColors)))
        return 0;
    const Rgb& c = kStatusColors[status];
    return c.red + 256 * c.green + 65536 * c.blue;
}

void SubCenterForm(platform::Window* window)
{
    if (platform::PlatformServices* services = platform::InstalledPlatformServices())
        services->CenterWindow(window);
}

void SubWaitForTimer(int32_t milliseconds)
{
    gbWaitDone = kFalse;
    platform::PlatformServices* services = platform::InstalledPlatformServices();
    if (!services) {
        gbWaitDone = kTrue;  // no event loop that could end the wait
        return;
    }
    services->WaitForTimer(milliseconds, gbWaitDone);
}
