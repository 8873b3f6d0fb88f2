#pragma once
#include <cstdint>
#include <string>

#include "foundation/PlatformServices.h"

// Number display and parsing, the key filter of numeric cells, path and
// string helpers, and the placement and start-up wait of windows. Texts are
// UTF-8; lengths count characters.

// A UTF-8 text as characters and back (a malformed byte counts as one
// character).
std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::u32string& text);

// The display text of a number: decimals by magnitude (6 below 1, 4 below
// 10, 3 below 100, 2 below 10000, 1 below 100000, none above), trailing
// zeros dropped, gsDecimalSeparator as decimal mark. Below 0.001 the first
// four significant digits show, in plain decimals where they fit into nine
// characters ("0.0000003", "-0.000123"), else as mantissa and power of ten
// ("1.546E-5", which dFctTextToDouble reads back). 0, values below 1e-9 in
// magnitude, NaN and infinities give "0".
std::string sFctFormatNumber(double value);

// The number at the start of a typed text: the first gsDecimalSeparator
// counts as ".", "." is always accepted, leading blanks are skipped, the
// rest after the number is ignored; a text without a number gives 0.
double dFctTextToDouble(const std::string& text);

// True (-1) when the typed character may go into a numeric cell holding
// current: "-" into an empty cell, digits, and one decimal mark: the
// decimal separator or "." (in every locale, so that the decimal key of a
// keypad and a number copied with a point keep their meaning). A grouping
// mark is no part of a number.
int16_t bFctIsNumericKeyAllowed(const std::string& current, const std::string& typed);

// Where a numeric cell admits the minus sign besides digits and one decimal
// separator: as the key that starts a new value while the old one waits to
// be replaced, and typed into an empty text. The design window's grids admit
// it nowhere.
struct NumberKeyRule {
    bool minusStartsValue = false;
    bool minusInText = false;
};

// Keys that go, one after the other, into the editor of a numeric cell
// holding text; firstKey is set while the old value waits to be replaced.
// A key is taken when it is a digit, a decimal mark (once) or a minus
// sign where the rule admits one; the first key taken empties the text and
// clears the flag. False, with text and flag as they were, when a key is
// refused, so that pasted text obeys the rules of typed keys as a whole.
// Backspace is the caller's.
bool bFctTypeNumberKeys(std::string& text, bool& firstKey, const std::string& keys, const NumberKeyRule& rule);

// The most digits before the decimal mark that an entered number may show:
// with its sign the display is then at most 9 characters wide, which the
// value column of the report (10 characters before the unit) holds with a
// blank before the unit, as the value columns of the grids do.
constexpr int kMostEnteredIntegerDigits = 8;
// The most significant digits of an entered number: what a 64-bit value
// holds exactly, so that the value stored is the value typed.
constexpr int kMostEnteredDigits = 15;

// Why a number text cannot be stored, or None.
enum class NumberFault : int16_t {
    None,
    IntegerDigits,      // more than kMostEnteredIntegerDigits before the mark
    SignificantDigits,  // more than kMostEnteredDigits significant digits
    TooSmall,           // not 0, but the display shows 0
    NotANumber,         // a text the keys of a number cell cannot type
    Negative,           // a minus sign where the cell admits none
};

// The fault of the text finished in a numeric cell: an empty text, a lone
// separator or a lone minus sign read 0; any other text must read as a
// finite number of at most kMostEnteredDigits significant digits whose
// display shows at most kMostEnteredIntegerDigits digits before the decimal
// mark (a number beyond the 64-bit range has too many) and is not "0" for a
// value that is not 0.
NumberFault nFctNumberTextFault(const std::string& text);
// True (-1) when that text has no fault.
int16_t bFctIsStorableNumberText(const std::string& text);

// The fault of a whole text offered to a numeric cell as one value (pasted,
// dropped): None when bFctTypeNumberKeys takes it into an emptied cell,
// Negative when only its leading minus sign is refused, else NotANumber.
NumberFault nFctTypedNumberFault(const std::string& text, const NumberKeyRule& rule);

// The text, in the current language, that tells why an entry was not
// stored (or pasted); empty for None.
std::string sFctNumberFaultText(NumberFault fault);

// A number text (digits, one decimal mark, a leading minus) rounded to
// kMostEnteredDigits significant digits, half up; a text with no more
// comes back unchanged. Dropped digits before the mark become zeros;
// zeros at the end of the decimals and a mark without decimals go.
std::string sFctRoundToEnteredDigits(const std::string& text);

// A path of at most max characters (max raised to 20): the start of the
// path folder by folder as far as it fits, the separator, "...", the
// separator and the file name; "/" and "\" both count as separator. A path
// without separator is cut to max with "..." at its end.
std::string sFctShortenPath(const std::string& path, int16_t max);

// The text padded with blanks on the right to width (never cut).
std::string sFctPadRight(const std::string& text, int16_t width);

// The path up to and including its last "/" or "\"; the whole text when it
// has none.
std::string sFctGetFolderPart(const std::string& path);

// The text after the last "/" or "\"; the whole text when it has none.
std::string sFctGetFileNamePart(const std::string& path);

// Every run of ampersands that contains "&&" collapsed to a single "&".
std::string sFctCollapseAmpersands(const std::string& text);

// dividend / divisor rounded down for dividend >= divisor > 0; 0 when the
// dividend is smaller or the divisor is 0 or less.
int16_t nFctIntDivide(int32_t dividend, int16_t divisor);

// value wrapped into 0 .. modulus-1 (callers pass no value below -modulus);
// 0 for a modulus of 0 or less.
int16_t nFctWrapIndex(int32_t value, int16_t modulus);

// The text colour of a grid row by the Status of its parameter (red +
// 256 x green + 65536 x blue): 0 → RGB(1,0,0), 1 → RGB(0,120,60),
// 2 → RGB(0,60,120), 3 → RGB(160,0,160), any other → 0.
int32_t lFctGetColorByIndex(int16_t status);

// Ends the start-up wait when True (-1).
extern int16_t gbWaitDone;

// Puts the window in the normal state and centres it on the screen.
void SubCenterForm(platform::Window* window);

// Clears gbWaitDone, starts the wait timer of the given milliseconds and lets
// window events run until gbWaitDone is True (set by the timer's tick or by
// an event handler such as the start-up screen's OK button). With no
// platform services installed it returns at once with gbWaitDone True.
void SubWaitForTimer(int32_t milliseconds);

// The axis ID handed to the motor-requirements and axis-analysis windows;
// the axis design window sets it before it shows one of them.
extern int16_t gnAnalysisAxis;
