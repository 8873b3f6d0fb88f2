#include "foundation/basGlobalFunctionsNumbers.h"

#include "foundation/MessageBar.h"
#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <string_view>

namespace {

// ---- display ---------------------------------------------------------------

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
        return sFctWithSessionDecimalMark(plain);
    const std::string mantissa = digits.size() > 1 ? digits.substr(0, 1) + "." + digits.substr(1) : digits;
    return sFctWithSessionDecimalMark(sign + mantissa + "E" + std::to_string(exponent));
}

// ---- grammar ---------------------------------------------------------------

// The length of the decimal mark at position i of the text (the locale's,
// or "." in any locale); 0 when none stands there.
std::size_t DecimalMarkAt(const std::string& text, std::size_t i)
{
    if (text[i] == '.')
        return 1;
    if (!gsDecimalSeparator.empty() && text.compare(i, gsDecimalSeparator.size(), gsDecimalSeparator) == 0)
        return gsDecimalSeparator.size();
    return 0;
}

bool IsDecimalMark(const std::string& key)
{
    return !key.empty() && DecimalMarkAt(key, 0) == key.size();
}

// A text read against the grammar, character by character.
struct ScannedNumber {
    NumberTextForm form = NumberTextForm::Whole;
    bool negative = false;          // a minus sign before the mantissa
    bool hasMark = false;           // a decimal mark in the mantissa
    std::size_t mantissaEnd = 0;    // where the exponent starts (the size without one)
};

ScannedNumber ScanNumberText(const std::string& text)
{
    enum class At { Start, Sign, Integer, MarkOnly, Fraction, ExponentMark, ExponentSign, Exponent, Broken };
    ScannedNumber scan;
    scan.mantissaEnd = text.size();
    At at = At::Start;
    for (std::size_t i = 0; i < text.size();) {
        const char c = text[i];
        const std::size_t mark = DecimalMarkAt(text, i);
        const bool beforeDigits = at == At::Start || at == At::Sign;
        const bool inExponent = at == At::ExponentMark || at == At::ExponentSign || at == At::Exponent;
        At next = At::Broken;
        if (IsDigit(c))
            next = beforeDigits || at == At::Integer ? At::Integer
                   : at == At::MarkOnly || at == At::Fraction ? At::Fraction
                   : inExponent ? At::Exponent
                                : At::Broken;
        else if (mark > 0)
            next = beforeDigits ? At::MarkOnly : at == At::Integer ? At::Fraction : At::Broken;
        else if (c == 'e' || c == 'E')
            next = at == At::Integer || at == At::Fraction ? At::ExponentMark : At::Broken;
        else if (c == '-' || c == '+')
            next = at == At::ExponentMark ? At::ExponentSign : at == At::Start && c == '-' ? At::Sign : At::Broken;
        if (next == At::Broken) {
            scan.form = NumberTextForm::Broken;
            return scan;
        }
        scan.negative = scan.negative || next == At::Sign;
        scan.hasMark = scan.hasMark || next == At::MarkOnly || (at == At::Integer && next == At::Fraction);
        if (next == At::ExponentMark)
            scan.mantissaEnd = i;
        at = next;
        i += mark > 0 ? mark : 1;
    }
    if (at == At::ExponentMark || at == At::ExponentSign)
        scan.form = NumberTextForm::Unfinished;
    return scan;
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

std::string Trimmed(const std::string& text)
{
    const auto first = std::find_if_not(text.begin(), text.end(), IsBlank);
    const auto last = std::find_if_not(text.rbegin(), text.rend(), IsBlank).base();
    return first < last ? std::string(first, last) : std::string();
}

// Whether the value of a number text beyond the range of a 64-bit value
// lies above it (else below): where its first significant digit stands,
// counted in powers of ten, the power of the exponent included.
bool IsAboveTheRange(const std::string& pointed, std::size_t mantissaEnd)
{
    const std::string mantissa = pointed.substr(0, mantissaEnd);
    const auto first = mantissa.find_first_of("123456789");
    const auto mark = std::min(mantissa.find('.'), mantissa.size());
    long long order = first < mark ? static_cast<long long>(mark - first) - 1 : -static_cast<long long>(first - mark);
    if (mantissaEnd < pointed.size()) {
        long long exponent = 0;
        const char* digits = pointed.data() + mantissaEnd + 1;
        const char* end = pointed.data() + pointed.size();
        const bool down = *digits == '-';
        if (*digits == '-' || *digits == '+')
            ++digits;
        // An exponent beyond any range decides alone.
        constexpr long long kBeyond = std::numeric_limits<long long>::max() / 2;
        if (std::from_chars(digits, end, exponent).ec == std::errc::result_out_of_range)
            exponent = kBeyond;
        exponent = std::min(exponent, kBeyond);
        order += down ? -exponent : exponent;
    }
    return order >= 0;
}

bool IsNumberKey(const std::string& key)
{
    return key.size() == 1 && (IsDigit(key.front()) || std::string_view("eE+-").find(key.front()) != std::string_view::npos);
}

} // namespace

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

    text = sFctWithSessionDecimalMark(text);
    if (!IsDigit(text.back()))
        text.pop_back();
    return text;
}

double dFctTextToDouble(const std::string& text)
{
    double value = 0.0;
    return ReadLeadingNumber(WithDecimalPoint(text), value) ? value : 0.0;
}

NumberTextForm nFctNumberTextForm(const std::string& text)
{
    return ScanNumberText(text).form;
}

NumberFault nFctNumberKeyFault(const std::string& before, const std::string& key, const std::string& after,
                               bool replacing, const NumberKeyRule& rule)
{
    const std::string left = replacing ? std::string() : before;
    const std::string right = replacing ? std::string() : after;
    const bool valueMinus = key == "-" && left.empty();
    if (ScanNumberText(left + key + right).form != NumberTextForm::Broken) {
        const bool admitted = rule.minusInText || (replacing && rule.minusStartsValue);
        if (!valueMinus || admitted)
            return NumberFault::None;
        return rule.AdmitsNegative() ? NumberFault::MinusStartsValue : NumberFault::Negative;
    }
    if (IsDecimalMark(key)) {
        const std::string rest = left + right;
        return ScanNumberText(rest.substr(0, ScanNumberText(rest).mantissaEnd)).hasMark ? NumberFault::SecondDecimalMark
                                                                                       : NumberFault::MisplacedKey;
    }
    if (key == "," || key == ".")
        return NumberFault::GroupingMark;
    return IsNumberKey(key) ? NumberFault::MisplacedKey : NumberFault::ForeignKey;
}

NumberFault nFctPastedNumberFault(const std::string& text, const NumberKeyRule& rule)
{
    const ScannedNumber scan = ScanNumberText(text);
    if (scan.form != NumberTextForm::Whole)
        return NumberFault::NotANumber;
    return scan.negative && !rule.AdmitsNegative() ? NumberFault::Negative : NumberFault::None;
}

NumberFault nFctEditedNumberFault(const std::string& text)
{
    return ScanNumberText(text).form == NumberTextForm::Broken ? NumberFault::NotANumber : NumberFault::None;
}

NumberFault nFctNumberTextFault(const std::string& text)
{
    const std::string number = Trimmed(text);
    const ScannedNumber scan = ScanNumberText(number);
    if (scan.form != NumberTextForm::Whole)
        return NumberFault::NotANumber;
    const std::string pointed = WithDecimalPoint(number);
    // The mark is one character now: the exponent starts that much sooner.
    const std::size_t mantissaEnd = scan.mantissaEnd - (number.size() - pointed.size());
    double value = 0.0;
    if (!ReadLeadingNumber(pointed, value) || !std::isfinite(value))
        return IsAboveTheRange(pointed, mantissaEnd) ? NumberFault::IntegerDigits : NumberFault::TooSmall;
    const std::string shown = sFctFormatNumber(value);
    if (IntegerDigits(shown) > kMostEnteredIntegerDigits)
        return NumberFault::IntegerDigits;
    if (SignificantDigits(pointed.substr(0, mantissaEnd)) > kMostEnteredDigits)
        return NumberFault::SignificantDigits;
    return value != 0.0 && shown == "0" ? NumberFault::TooSmall : NumberFault::None;
}

NumberFault nFctStoredNumberFault(const std::string& text, const NumberKeyRule& rule)
{
    const NumberFault fault = nFctNumberTextFault(text);
    if (fault != NumberFault::None || rule.AdmitsNegative())
        return fault;
    return ScanNumberText(Trimmed(text)).negative ? NumberFault::Negative : NumberFault::None;
}

std::string sFctNumberFaultText(NumberEntry entry, NumberFault fault, const std::string& key)
{
    struct FaultText {
        NumberFault fault;
        int16_t textId;
    };
    constexpr FaultText kFaultTexts[] = {
        {NumberFault::IntegerDigits, 62},     {NumberFault::SignificantDigits, 63}, {NumberFault::TooSmall, 64},
        {NumberFault::NotANumber, 65},        {NumberFault::Negative, 66},          {NumberFault::SecondDecimalMark, 70},
        {NumberFault::GroupingMark, 72},      {NumberFault::MisplacedKey, 73},      {NumberFault::ForeignKey, 74},
        {NumberFault::MinusStartsValue, 359},
    };
    for (const FaultText& row : kFaultTexts) {
        if (row.fault != fault)
            continue;
        return sFctEntryRefusalText(entry, sFctFillPlaceholder(sFctGetText(row.textId), "%1", key));
    }
    return {};
}

std::string sFctEntryRefusalText(NumberEntry entry, const std::string& reason)
{
    // "Not taken:", "Not pasted:", "Not stored:"
    constexpr int16_t kEntryTexts[] = {75, 76, 80};
    return sFctGetText(kEntryTexts[static_cast<int>(entry)]) + " " + reason;
}

void SubShowEntryRefusal(const std::string& refusal)
{
    platform::MessageBar* bar = platform::InstalledMessageBar();
    if (!bar)
        return;
    static std::string shownRefusal;  // the last refusal put into the bar
    if (!refusal.empty()) {
        shownRefusal = refusal;
        bar->SetMessageBarText(shownRefusal);
    } else if (!shownRefusal.empty() && bar->MessageBarText() == shownRefusal) {
        bar->SetMessageBarText({});
    }
}

void SubShowNumberFault(NumberEntry entry, NumberFault fault, const std::string& key)
{
    SubShowEntryRefusal(sFctNumberFaultText(entry, fault, key));
}

namespace {

// A mantissa (digits, one decimal mark, a leading minus) rounded to
// kMostEnteredDigits significant digits, half up.
std::string RoundedMantissa(const std::string& mantissa)
{
    if (SignificantDigits(mantissa) <= kMostEnteredDigits)
        return mantissa;
    std::string rounded = mantissa;
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

} // namespace

std::string sFctRoundToEnteredDigits(const std::string& text)
{
    const std::size_t mantissaEnd = std::min(text.find_first_of("eE"), text.size());
    return RoundedMantissa(text.substr(0, mantissaEnd)) + text.substr(mantissaEnd);
}

std::string sFctWithSessionDecimalMark(std::string text)
{
    const auto point = text.find('.');
    if (point != std::string::npos && !gsDecimalSeparator.empty())
        text[point] = gsDecimalSeparator.front();
    return text;
}
