#pragma once
#include <cstdint>
#include <string>

// Numbers as the user sees and enters them: the one display of a value and
// the one grammar of a number text, which the keys of a number cell, a
// paste into it and its Enter all ask.
//
// A number text is
//   ["-"] mantissa [exponent]
//   mantissa: digits with at most one decimal mark, at least one digit
//             ("12", "12.5", ".5", "5."); the mark is gsDecimalSeparator, or
//             "." in every locale (the decimal key of a keypad, a number
//             copied with a point); a grouping mark is none
//   exponent: "e" or "E", an optional "+" or "-", digits ("E-5", "e+03")
// The empty text, a lone "-" and a lone mark count as number texts too:
// they read 0, as an emptied cell does.

// The display text of a number: decimals by magnitude (6 below 1, 4 below
// 10, 3 below 100, 2 below 10000, 1 below 100000, none above), trailing
// zeros dropped, gsDecimalSeparator as decimal mark. Below 0.001 the first
// four significant digits show, in plain decimals where they fit into nine
// characters ("0.0000003", "-0.000123"), else as mantissa and power of ten
// ("1.546E-5"). 0, values below 1e-9 in magnitude, NaN and infinities give
// "0". Every text it writes is a number text that reads back as shown.
std::string sFctFormatNumber(double value);

// The number at the start of a typed text: the first gsDecimalSeparator
// counts as ".", "." is always accepted, a power of ten is read, leading
// blanks are skipped, the rest after the number is ignored; a text without
// a number gives 0.
double dFctTextToDouble(const std::string& text);

// How far a text follows the grammar.
enum class NumberTextForm : int16_t {
    Whole,       // a number text to its end
    Unfinished,  // none yet, but characters at its end can make one ("1e", "1.5E-")
    Broken,      // nothing put at its end makes one ("1-5", "1.2.3", "5 mm")
};
NumberTextForm nFctNumberTextForm(const std::string& text);

// Where a numeric cell admits the minus sign before its number besides
// digits, one decimal mark and a power of ten: as the key that starts a new
// value while the old one waits to be replaced, and typed into a text with
// nothing before the cursor. The design window's grids admit it nowhere.
// The sign of a power of ten is no minus of the value: every cell takes it.
// A cell that admits the minus sign anywhere takes negative values.
struct NumberKeyRule {
    bool minusStartsValue = false;
    bool minusInText = false;
    bool AdmitsNegative() const { return minusStartsValue || minusInText; }
};

// The most digits before the decimal mark that an entered number may show:
// with its sign the display is then at most 9 characters wide, which the
// value column of the report (10 characters before the unit) holds with a
// blank before the unit, as the value columns of the grids do.
constexpr int kMostEnteredIntegerDigits = 8;
// The most significant digits of an entered number: what a 64-bit value
// holds exactly, so that the value stored is the value typed.
constexpr int kMostEnteredDigits = 15;

// Why a text or a key cannot go into a numeric cell, or None.
enum class NumberFault : int16_t {
    None,
    IntegerDigits,      // more than kMostEnteredIntegerDigits before the mark
    SignificantDigits,  // more than kMostEnteredDigits significant digits
    TooSmall,           // not 0, but the display shows 0
    NotANumber,         // a text that is no number text
    Negative,           // a minus sign of the value where the cell takes no negative value
    MinusStartsValue,   // a key: a minus sign of the value where it may only start a new value
    SecondDecimalMark,  // a key: a decimal mark where the number has one
    GroupingMark,       // a key: "," or "." where it is no decimal mark
    MisplacedKey,       // a key of a number where the number cannot take it
    ForeignKey,         // a key that is no part of any number
};

// The fault of a key typed into the editor of a number cell: before and
// after are the editor's text on either side of the cursor, its selection
// taken out; with replacing (the old value waits to be replaced) the key
// replaces the whole text. None when the text it makes is a number text or
// can still become one, and a minus sign it puts before the number is
// admitted by the rule. A minus sign the rule refuses there is Negative
// only where the cell takes no negative value (MinusStartsValue where it
// takes one as a new value); where no number can have it, it is misplaced.
NumberFault nFctNumberKeyFault(const std::string& before, const std::string& key, const std::string& after,
                               bool replacing, const NumberKeyRule& rule);

// The fault of a whole text that a paste, a drop or an input method would
// leave in the editor of a number cell: None when it is a number text whose
// minus sign, if any, the rule admits. Its value is held to the cell's
// limits when the edit finishes.
NumberFault nFctPastedNumberFault(const std::string& text, const NumberKeyRule& rule);

// The fault of the text that the editor's own edit (Delete, Cut, Undo,
// Redo) would leave: None when it is a number text or can still become one.
NumberFault nFctEditedNumberFault(const std::string& text);

// The fault of the text finished in a numeric cell: it must be a number
// text (blanks around it aside) whose value is finite, has at most
// kMostEnteredDigits significant digits in its mantissa, shows at most
// kMostEnteredIntegerDigits digits before the decimal mark (a number beyond
// the 64-bit range has too many) and does not show as "0" unless it is 0.
NumberFault nFctNumberTextFault(const std::string& text);

// The fault of the text finished in a number cell of that rule, as it is
// about to be stored: that of nFctNumberTextFault, or Negative for a minus
// sign of the value where the cell takes no negative value, whatever edit
// put it there.
NumberFault nFctStoredNumberFault(const std::string& text, const NumberKeyRule& rule);

// What a refusal refused: a key or an edit in the editor, a paste, or the
// value at the end of the edit.
enum class NumberEntry : int16_t { Typed, Pasted, Stored };

// The text, in the current language, that tells what was not taken and
// why ("Not taken: this value cannot be negative"); key is the key of a
// key fault. Empty for None.
std::string sFctNumberFaultText(NumberEntry entry, NumberFault fault, const std::string& key = {});

// Tells that text in the message bar (platform::MessageBar); None takes the
// last such text away again where the bar still shows it, and leaves any
// other.
void SubShowNumberFault(NumberEntry entry, NumberFault fault, const std::string& key = {});
// Tells a refusal text in the message bar; an empty one takes the last
// refusal away again where the bar still shows it, and leaves any other.
void SubShowEntryRefusal(const std::string& refusal);
// "Not taken:", "Not pasted:" or "Not stored:" by the entry, in the current
// language, a blank and the reason.
std::string sFctEntryRefusalText(NumberEntry entry, const std::string& reason);

// A number text rounded to kMostEnteredDigits significant digits of its
// mantissa, half up; a text with no more comes back unchanged. Dropped
// digits before the mark become zeros; zeros at the end of the decimals
// and a mark without decimals go; a power of ten stays as it was.
std::string sFctRoundToEnteredDigits(const std::string& text);

// The text with its first "." as gsDecimalSeparator (an empty separator
// leaves it): a number text given with a point, shown in the session's way.
std::string sFctWithSessionDecimalMark(std::string text);
