#pragma once
#include <cstdint>
#include <string>

#include "foundation/PlatformServices.h"
#include "foundation/basGlobalFunctionsNumbers.h"

// Number display and parsing (basGlobalFunctionsNumbers.h), path and
// string helpers, and the placement and start-up wait of windows. Texts are
// UTF-8; lengths count characters.

// A UTF-8 text as characters and back. Only well-formed sequences are
// characters: each continuation byte is checked, and overlong forms (C0, C1,
// E0 80..9F, F0 80..8F), surrogates (ED A0..BF), codes beyond U+10FFFF
// (F4 90..BF, F5..FF) are not. Every byte that belongs to no well-formed
// sequence becomes one U+FFFD and decoding goes on at the byte after it, so
// the characters around it stay: a cut sequence counts one U+FFFD per byte
// it has (E2 82 "A" gives U+FFFD U+FFFD "A"), as at the end of the text.
// Qt's QString::fromUtf8 and fromStdString decode the same bytes to the
// same characters.
std::u32string DecodeUtf8(const std::string& text);
std::string EncodeUtf8(const std::u32string& text);

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

// The text with the first occurrence of placeholder (such as "%1") replaced
// by value; unchanged where it has none.
std::string sFctFillPlaceholder(const std::string& text, const std::string& placeholder, const std::string& value);

// Every run of ampersands that contains "&&" collapsed to a single "&".
std::string sFctCollapseAmpersands(const std::string& text);

// Free text (a manufacturer, a product key, an axis title) is one line,
// judged character by character: a character beyond the Basic Multilingual
// Plane (an emoji) is one, and a format character (a soft hyphen, a
// joiner, a direction mark) is text like any other. A tab, a line end (LF,
// CR, VT, FF, NEL, U+2028, U+2029) and every other control character
// (U+0000 to U+001F, U+007F to U+009F) stand for a blank. A surrogate half
// on its own and a code beyond U+10FFFF are no character.
enum class FreeTextCharacter : int16_t { Text, Blank, NoCharacter };
FreeTextCharacter nFctFreeTextCharacter(char32_t code);

// The first code of the text that is no character; 0 when there is none.
char32_t nFctFirstNoCharacter(const std::u32string& text);

// The text as one line of free text: each character that stands for a
// blank one blank (CR LF together one), each code that is no character
// U+FFFD.
std::u32string FreeTextLine(const std::u32string& text);
// The same for UTF-8 text (DecodeUtf8: each byte of no well-formed
// sequence U+FFFD); the result is well-formed UTF-8.
std::string sFctFreeTextLine(const std::string& text);

// The refusal of a text that holds a code that is no character, in the
// current language ("Not pasted: the text holds half a character
// (U+D83D)").
std::string sFctFreeTextFaultText(NumberEntry entry, char32_t code);

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
