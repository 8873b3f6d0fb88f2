#include "foundation/basGlobalFunctions.h"

#include "foundation/basTextResources.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

int16_t gbWaitDone = 0;
int16_t gnAnalysisAxis = 0;

namespace {

constexpr int16_t kTrue = -1;
constexpr int16_t kFalse = 0;

// ---- numbers ---------------------------------------------------------------

struct DecimalsByMagnitude {
    double below;
    int decimals;
};

// The most decimals shown, by the magnitude of the value (each bound
// belongs to the next row); 100000 and above show none.
constexpr DecimalsByMagnitude kDecimalsByMagnitude[] = {
    {1.0, 6}, {10.0, 4}, {100.0, 3}, {10000.0, 2}, {100000.0, 1}};
// Below this magnitude six decimals would keep fewer than four significant
// digits: such a value shows its first kSmallValueDigits digits instead.
constexpr double kSmallValuesBelow = 0.001;
constexpr int kSmallValueDigits = 4;
// Smaller magnitudes show as 0: no quantity of the program is entered that
// small in the units it offers, and the rounding rests of the calculations
// lie below it.
constexpr double kSmallestShown = 1e-9;
// The widest display of a number with its sign (see kMostEnteredIntegerDigits).
constexpr std::size_t kMostShownCharacters = kMostEnteredIntegerDigits + 1;

int DecimalsFor(double magnitude)
{
    for (const auto& row : kDecimalsByMagnitude) {
        if (magnitude < row.below)
            return row.decimals;
    }
    return 0;
}

bool IsDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\r';
}

// The number at the start of the text with "." as decimal mark; 0 when no
// number starts there. False when one starts but lies outside the range of
// a 64-bit value.
bool ReadLeadingNumber(const std::string& text, double& value)
{
    value = 0.0;
    const char* p = text.data();
    const char* end = p + text.size();
    while (p != end && IsBlank(*p))
        ++p;
    double sign = 1.0;
    if (p != end && (*p == '-' || *p == '+')) {
        sign = *p == '-' ? -1.0 : 1.0;
        ++p;
    }
    // Only digits or a decimal mark start a number (no "inf" or "nan").
    if (p == end || !(IsDigit(*p) || *p == '.'))
        return true;
    double read = 0.0;
    const auto [next, error] = std::from_chars(p, end, read, std::chars_format::general);
    if (error == std::errc::result_out_of_range)
        return false;
    if (error == std::errc())
        value = sign * read;
    return true;
}

// Whether the text (with "." as decimal mark) is one number and nothing
// more, blanks around it aside; an empty text, a lone sign or a lone mark
// count as one (they store 0). What is left of a shown "1.546E-5" after a
// key took a character of its power of ten ("1.546E-", "1.546-5") is none.
bool IsWholeNumberText(const std::string& text)
{
    const auto first = text.find_first_not_of(" \t");
    if (first == std::string::npos)
        return true;
    const auto last = text.find_last_not_of(" \t");
    std::string_view number(text.data() + first, last - first + 1);
    if (number.front() == '-' || number.front() == '+')
        number.remove_prefix(1);
    if (number.empty() || number == ".")
        return true;
    double read = 0.0;
    const auto [next, error] = std::from_chars(number.data(), number.data() + number.size(), read,
                                               std::chars_format::general);
    return (error == std::errc() || error == std::errc::result_out_of_range)
           && next == number.data() + number.size();
}

// A decimal mark of a typed number: the locale's, or "." in any locale.
bool IsDecimalMark(const std::string& key)
{
    return key == "." || (!gsDecimalSeparator.empty() && key == gsDecimalSeparator);
}

bool HasDecimalMark(const std::string& text)
{
    return text.find('.') != std::string::npos
           || (!gsDecimalSeparator.empty() && text.find(gsDecimalSeparator) != std::string::npos);
}

// The text with its first gsDecimalSeparator as ".".
std::string WithDecimalPoint(const std::string& text)
{
    std::string copy = text;
    if (!gsDecimalSeparator.empty()) {
        const auto separator = copy.find(gsDecimalSeparator);
        if (separator != std::string::npos)
            copy.replace(separator, gsDecimalSeparator.size(), ".");
    }
    return copy;
}

// The digits of a typed number from its first to its last digit other
// than 0.
int SignificantDigits(const std::string& text)
{
    const auto first = text.find_first_of("123456789");
    if (first == std::string::npos)
        return 0;
    const auto last = text.find_last_of("123456789");
    return static_cast<int>(std::count_if(text.begin() + static_cast<std::ptrdiff_t>(first),
                                          text.begin() + static_cast<std::ptrdiff_t>(last) + 1, IsDigit));
}

// The digits before the decimal mark of a displayed number.
int IntegerDigits(const std::string& shown)
{
    const auto start = shown.begin() + (!shown.empty() && shown.front() == '-' ? 1 : 0);
    return static_cast<int>(std::find_if_not(start, shown.end(), IsDigit) - start);
}

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

// The text with "." replaced by the first character of gsDecimalSeparator
// (an empty separator leaves it).
std::string WithLocaleMark(std::string text)
{
    const auto point = text.find('.');
    if (point != std::string::npos && !gsDecimalSeparator.empty())
        text[point] = gsDecimalSeparator.front();
    return text;
}

// A magnitude from kSmallestShown up to below kSmallValuesBelow, rounded
// to kSmallValueDigits significant digits (trailing zeros dropped): in
// plain decimals where they fit into kMostShownCharacters, else as mantissa
// and power of ten ("1.546E-5"). Empty when the rounding reaches
// kSmallValuesBelow, where the decimals by magnitude show it.
std::string SmallNumberText(double value)
{
    char buffer[64];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value),
                                       std::chars_format::scientific, kSmallValueDigits - 1);
    const std::string scientific(buffer, written.ptr);  // "d.ddde-XX"
    const auto e = scientific.find('e');
    int exponent = 0;
    std::from_chars(scientific.data() + e + 1, scientific.data() + scientific.size(), exponent);
    if (std::pow(10.0, exponent) >= kSmallValuesBelow)
        return {};
    std::string digits = scientific.substr(0, 1) + scientific.substr(2, e - 2);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    const std::string sign = value < 0 ? "-" : "";
    const std::string plain = sign + "0." + std::string(static_cast<std::size_t>(-exponent - 1), '0') + digits;
    if (plain.size() <= kMostShownCharacters)
        return WithLocaleMark(plain);
    const std::string mantissa = digits.size() > 1 ? digits.substr(0, 1) + "." + digits.substr(1) : digits;
    return WithLocaleMark(sign + mantissa + "E" + std::to_string(exponent));
}

} // namespace

// ---- UTF-8 -----------------------------------------------------------------

std::u32string DecodeUtf8(const std::string& text)
{
    std::u32string out;
    for (std::size_t i = 0; i < text.size();) {
        const unsigned char lead = static_cast<unsigned char>(text[i]);
        int length = lead < 0x80 ? 1 : (lead >> 5) == 0x6 ? 2 : (lead >> 4) == 0xE ? 3 : (lead >> 3) == 0x1E ? 4 : 1;
        if (i + length > text.size())
            length = 1;
        char32_t code = length == 1 ? lead : lead & (0x7F >> length);
        for (int k = 1; k < length; ++k)
            code = (code << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3F);
        out += code;
        i += length;
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


std::string sFctFormatNumber(double value)
{
    if (value == 0.0 || !std::isfinite(value))
        return "0";
    const double magnitude = std::fabs(value);
    if (magnitude < kSmallestShown)
        return "0";
    if (magnitude < kSmallValuesBelow) {
        if (std::string small = SmallNumberText(value); !small.empty())
            return small;
    }
    const int decimals = DecimalsFor(magnitude);

    // Fixed notation always writes at least one integer digit, so the text
    // never begins with the decimal mark.
    char buffer[400];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
    std::string text(buffer, written.ptr);
    if (decimals > 0) {
        while (text.back() == '0')
            text.pop_back();
    }
    if (std::none_of(text.begin(), text.end(), [](char c) { return c >= '1' && c <= '9'; }))
        return "0";

    text = WithLocaleMark(text);
    if (!IsDigit(text.back()))
        text.pop_back();
    return text;
}

double dFctTextToDouble(const std::string& text)
{
    double value = 0.0;
    return ReadLeadingNumber(WithDecimalPoint(text), value) ? value : 0.0;
}

int16_t bFctIsNumericKeyAllowed(const std::string& current, const std::string& typed)
{
    if (typed == "-")
        return current.empty() ? kTrue : kFalse;
    if (IsDecimalMark(typed))
        return HasDecimalMark(current) ? kFalse : kTrue;
    return typed.size() == 1 && IsDigit(typed.front()) ? kTrue : kFalse;
}

bool bFctTypeNumberKeys(std::string& text, bool& firstKey, const std::string& keys, const NumberKeyRule& rule)
{
    std::string typed = text;
    bool waiting = firstKey;
    for (char32_t code : DecodeUtf8(keys)) {
        const std::string key = EncodeUtf8(std::u32string(1, code));
        const bool separator = IsDecimalMark(key);
        const bool minus = key == "-";
        const bool startsValue = separator || (minus && rule.minusStartsValue);
        if (!(waiting && startsValue)) {
            const bool candidate = separator || (key.size() == 1 && IsDigit(key.front())) || (minus && rule.minusInText);
            if (!candidate || !bFctIsNumericKeyAllowed(typed, key))
                return false;
        }
        if (waiting) {
            typed.clear();
            waiting = false;
        }
        typed += key;
    }
    text = typed;
    firstKey = waiting;
    return true;
}

NumberFault nFctNumberTextFault(const std::string& text)
{
    double value = 0.0;
    const std::string pointed = WithDecimalPoint(text);
    if (!ReadLeadingNumber(pointed, value) || !std::isfinite(value)) {
        // Beyond the range of a 64-bit value: too large when a digit other
        // than 0 stands before the decimal mark, else too small.
        const auto firstDigit = pointed.find_first_of("123456789");
        return firstDigit < pointed.find('.') ? NumberFault::IntegerDigits : NumberFault::TooSmall;
    }
    if (!IsWholeNumberText(pointed))
        return NumberFault::NotANumber;
    const std::string shown = sFctFormatNumber(value);
    if (IntegerDigits(shown) > kMostEnteredIntegerDigits)
        return NumberFault::IntegerDigits;
    if (SignificantDigits(text) > kMostEnteredDigits)
        return NumberFault::SignificantDigits;
    return value != 0.0 && shown == "0" ? NumberFault::TooSmall : NumberFault::None;
}

int16_t bFctIsStorableNumberText(const std::string& text)
{
    return nFctNumberTextFault(text) == NumberFault::None ? kTrue : kFalse;
}

NumberFault nFctTypedNumberFault(const std::string& text, const NumberKeyRule& rule)
{
    std::string typed;
    bool firstKey = true;
    if (bFctTypeNumberKeys(typed, firstKey, text, rule))
        return NumberFault::None;
    const bool leadingSign = !text.empty() && text.front() == '-';
    typed.clear();
    firstKey = true;
    return leadingSign && bFctTypeNumberKeys(typed, firstKey, text.substr(1), rule) ? NumberFault::Negative
                                                                                    : NumberFault::NotANumber;
}

std::string sFctNumberFaultText(NumberFault fault)
{
    struct FaultText {
        NumberFault fault;
        int16_t textId;
    };
    constexpr FaultText kFaultTexts[] = {
        {NumberFault::IntegerDigits, 62}, {NumberFault::SignificantDigits, 63}, {NumberFault::TooSmall, 64},
        {NumberFault::NotANumber, 65},    {NumberFault::Negative, 66},
    };
    for (const FaultText& entry : kFaultTexts)
        if (entry.fault == fault)
            return sFctGetText(entry.textId);
    return {};
}

std::string sFctRoundToEnteredDigits(const std::string& text)
{
    if (SignificantDigits(text) <= kMostEnteredDigits)
        return text;
    std::string rounded = text;
    // The positions of the digits kept and of the first one dropped.
    std::size_t position = rounded.find_first_of("123456789");
    std::size_t lastKept = position;
    for (int kept = 0; position < rounded.size(); ++position) {
        if (!IsDigit(rounded[position]))
            continue;
        if (kept == kMostEnteredDigits)
            break;
        lastKept = position;
        ++kept;
    }
    const bool up = rounded[position] >= '5';
    // Dropped digits before the decimal mark become zeros; after it they go.
    const std::size_t mark = rounded.find_first_not_of("-0123456789");
    for (std::size_t i = lastKept + 1; i < rounded.size() && (mark == std::string::npos || i < mark); ++i)
        rounded[i] = '0';
    if (mark == std::string::npos || lastKept < mark)
        rounded.erase(std::min(mark, rounded.size()));
    else
        rounded.erase(lastKept + 1);
    if (up) {
        std::size_t i = lastKept + 1;
        bool carry = true;
        while (carry && i-- > 0) {
            if (!IsDigit(rounded[i]))
                continue;
            carry = rounded[i] == '9';
            rounded[i] = carry ? '0' : static_cast<char>(rounded[i] + 1);
        }
        if (carry)
            rounded.insert(rounded.front() == '-' ? 1 : 0, "1");
    }
    // Zeros at the end of the decimals, and a mark left alone, go.
    const std::size_t markNow = rounded.find_first_not_of("-0123456789");
    if (markNow != std::string::npos) {
        while (rounded.back() == '0')
            rounded.pop_back();
        if (rounded.size() == markNow + 1)
            rounded.pop_back();
    }
    return rounded;
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

std::string sFctCollapseAmpersands(const std::string& text)
{
    std::string result = text;
    for (auto pair = result.find("&&"); pair != std::string::npos; pair = result.find("&&"))
        result.erase(pair + 1, 1);
    return result;
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
