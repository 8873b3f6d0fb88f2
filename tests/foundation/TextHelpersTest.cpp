// Text lookup by id and language, the number display and parsing, the key
// filter of numeric cells, path shortening, free text and the small string
// and integer helpers.
#include "foundation/basGlobalFunctions.h"
#include "foundation/basTextResources.h"
#include "platform/core/ResourceStrings.h"
#include "tests/support/Utf8Samples.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>
#include <string>

namespace {

// Every test starts in English with no separator and leaves it so.
class TextHelpers : public ::testing::Test {
protected:
    void TearDown() override
    {
        gnLanguageOffset = 0;
        gsDecimalSeparator.clear();
    }
};

// ---- sFctGetText -----------------------------------------------------------

TEST_F(TextHelpers, LooksUpTheTextOfTheCurrentLanguage)
{
    EXPECT_EQ(sFctGetText(31), "Orvamis Kestravo");
    EXPECT_EQ(sFctGetText(14), "Critical Message");
    gnLanguageOffset = 1000;
    EXPECT_EQ(sFctGetText(14), std::string(platform::FindResourceString(1014)));
    EXPECT_NE(sFctGetText(14), "Critical Message");
}

TEST_F(TextHelpers, VersionLineEndsInTheProgramVersionInBothLanguages)
{
    EXPECT_EQ(sFctGetText(26), "Version 3.00.010");  // "Version" + " " + version
    gnLanguageOffset = 1000;
    EXPECT_EQ(sFctGetText(26), "Version 3.00.010");
}

TEST_F(TextHelpers, MissingIdGivesQuestionMarks)
{
    EXPECT_EQ(sFctGetText(0), "???");
    EXPECT_EQ(sFctGetText(434), "???");
    gnLanguageOffset = 2000;  // French: accepted, but no texts exist
    EXPECT_EQ(sFctGetText(31), "???");
    EXPECT_EQ(sFctGetText(26), "???");
    gnLanguageOffset = 1000;  // 32000 + 1000 leaves the 16-bit range
    EXPECT_EQ(sFctGetText(32000), "???");
}

// ---- sFctFormatNumber ------------------------------------------------------

struct Formatted {
    double value;
    const char* text;
};

void ExpectFormats(const char* separator, std::initializer_list<Formatted> cases)
{
    gsDecimalSeparator = separator;
    for (const auto& c : cases)
        EXPECT_EQ(sFctFormatNumber(c.value), c.text) << "value " << c.value << " separator '" << separator << "'";
}

TEST_F(TextHelpers, FormatsByMagnitudeWithTheLocaleSeparator)
{
    ExpectFormats(",", {
        {0.00123456, "0,001235"},   // 6 decimals below 1
        {3.14159, "3,1416"},        // 4 below 10
        {12.34567, "12,346"},       // 3 below 100
        {1234.5, "1234,5"},         // 2 below 10000, trailing zero dropped
        {12345.67, "12345,7"},      // 1 below 100000
        {250000.4, "250000"},       // none from 100000
        {20, "20"},                 // the dangling separator cut
        {5, "5"},
        {1, "1"},
        {-0.5, "-0,5"},
        {-250000.4, "-250000"},
        {123456789.7, "123456790"},
    });
}

TEST_F(TextHelpers, RoundsAcrossTheMagnitudeBounds)
{
    ExpectFormats(",", {
        {0.9999999, "1"},     // six decimals: 1.000000
        {99999.96, "100000"}, // one decimal: 100000.0
        {9.99996, "10"},      // four decimals: 10.0000
        {0.00099996, "0,001"}, // four digits reach 0.001: six decimals there
    });
}

TEST_F(TextHelpers, TinyZeroAndNonFiniteValuesShowZeroWithoutSign)
{
    const double inf = std::numeric_limits<double>::infinity();
    ExpectFormats(",", {
        {0.0, "0"},
        {-0.0, "0"},
        {5e-10, "0"},       // below 1e-9
        {-5e-10, "0"},      // never "-0"
        {9.9999e-10, "0"},
        {std::nan(""), "0"},
        {inf, "0"},
        {-inf, "0"},
    });
}

// Below 0.001 six decimals would lose digits (an inertia of 1.546e-5 kg.m^2
// showed 0.000015, 3 % low): four significant digits show, in plain
// decimals where they fit into nine characters, else with a power of ten.
TEST_F(TextHelpers, SmallValuesShowFourSignificantDigits)
{
    ExpectFormats(",", {
        {0.0000003, "0,0000003"},    // 9 characters
        {1.546e-5, "1,546E-5"},      // 0,00001546 would be 10
        {-1.546e-5, "-1,546E-5"},
        {2.5e-6, "0,0000025"},       // 0.025 kg.cm^2 in kg.m^2
        {0.000123456, "0,0001235"},
        {-0.000123456, "-1,235E-4"}, // -0,0001235 would be 10
        {0.0009999, "0,0009999"},
        {1.5e-5, "0,000015"},        // all its digits in 8 characters
        {1.5e-7, "1,5E-7"},          // trailing zeros dropped
        {5e-8, "5E-8"},
        {1e-9, "1E-9"},
        {-1.23456e-8, "-1,235E-8"},
    });
    ExpectFormats(".", {{1.546e-5, "1.546E-5"}, {0.0000003, "0.0000003"}});
}

// What the display writes reads back as the value it shows, and shows
// again as the same text (the settings file keeps factors so), in nine
// characters or less for every magnitude an entry may have; from 0.001 up
// nothing changed, below it at least four significant digits show.
TEST_F(TextHelpers, DisplayedNumbersReadBackAsShown)
{
    for (const char* separator : {",", "."}) {
        gsDecimalSeparator = separator;
        for (double magnitude = 1e-9; magnitude < 1e8; magnitude *= 1.37) {
            for (double value : {magnitude, -magnitude}) {
                const std::string text = sFctFormatNumber(value);
                const double read = dFctTextToDouble(text);
                EXPECT_LE(text.size(), 9u) << text;
                // What the display writes is a number text that can be
                // typed, pasted and stored back.
                EXPECT_EQ(nFctNumberTextForm(text), NumberTextForm::Whole) << text;
                EXPECT_EQ(nFctPastedNumberFault(text, NumberKeyRule{true, true}), NumberFault::None) << text;
                EXPECT_EQ(nFctNumberTextFault(text), NumberFault::None) << text;
                EXPECT_EQ(sFctFormatNumber(read), text) << value;
                const double allowed = std::fabs(value) < 0.001 ? 5e-4 * std::fabs(value) : 0.5e-6 * 1.0001;
                if (std::fabs(value) < 1.0) {
                    EXPECT_LE(std::fabs(read - value), allowed) << value << " shows " << text;
                }
            }
        }
    }
}

TEST_F(TextHelpers, PointAndEmptySeparator)
{
    ExpectFormats(".", {{3.14159, "3.1416"}, {95, "95"}, {-0.25, "-0.25"}});
    // Before the texts are loaded: the "." stays, integral values have no mark.
    ExpectFormats("", {{3.14159, "3.1416"}, {95, "95"}, {-5, "-5"}, {0.5, "0.5"}});
}

// A C++ locale that writes a decimal comma, for streams.
struct CommaPunctuation : std::numpunct<char> {
    char do_decimal_point() const override { return ','; }
};

TEST_F(TextHelpers, FormattingIgnoresTheProcessLocale)
{
    const std::locale previous = std::locale::global(std::locale(std::locale::classic(), new CommaPunctuation));
    // The C functions follow a comma locale too when one is installed.
    for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8"}) {
        if (std::setlocale(LC_ALL, name))
            break;
    }
    gsDecimalSeparator = ".";
    EXPECT_EQ(sFctFormatNumber(3.14159), "3.1416");
    EXPECT_DOUBLE_EQ(dFctTextToDouble("2.5"), 2.5);
    EXPECT_DOUBLE_EQ(dFctTextToDouble("2,5"), 2.0);
    std::setlocale(LC_ALL, "C");
    std::locale::global(previous);
}

// ---- dFctTextToDouble ------------------------------------------------------

struct Parsed {
    const char* text;
    double value;
};

void ExpectParses(const char* separator, std::initializer_list<Parsed> cases)
{
    gsDecimalSeparator = separator;
    for (const auto& c : cases)
        EXPECT_DOUBLE_EQ(dFctTextToDouble(c.text), c.value) << "'" << c.text << "' separator '" << separator << "'";
}

TEST_F(TextHelpers, ParsesTheLeadingNumber)
{
    ExpectParses(",", {
        {"1,5", 1.5},
        {"1.5", 1.5},       // "." always counts too
        {"1,2,3", 1.2},     // only the first separator is converted
        {"  -2,5 mm", -2.5},
        {",5", 0.5},
        {"+3", 3.0},
        {"1e3", 1000.0},
        {"12abc", 12.0},
        {"abc", 0.0},
        {"", 0.0},
        {",", 0.0},
        {"-", 0.0},
        {"inf", 0.0},
        {"nan", 0.0},
    });
    ExpectParses(".", {{"1,5", 1.0}, {"2.75", 2.75}});
    ExpectParses("", {{"1.5", 1.5}, {"1,5", 1.0}});
}

// ---- the grammar of a number text -----------------------------------------

TEST_F(TextHelpers, NumberTextsFollowOneGrammar)
{
    using F = NumberTextForm;
    const std::pair<const char*, F> comma[] = {
        {"", F::Whole}, {"-", F::Whole}, {",", F::Whole}, {"-,", F::Whole},  // read 0
        {"12", F::Whole}, {"12,5", F::Whole}, {",5", F::Whole}, {"5,", F::Whole}, {"-0,25", F::Whole},
        {"1.5", F::Whole},                        // "." is a decimal mark in every locale
        {"1e-7", F::Whole}, {"1,546E-5", F::Whole}, {"2.5E3", F::Whole}, {"1.546E-05", F::Whole},
        {"1,5e+4", F::Whole}, {"5,e2", F::Whole},
        {"1e", F::Unfinished}, {"1,546E-", F::Unfinished}, {"-3E+", F::Unfinished},
        {"1,2,3", F::Broken}, {"1.234,5", F::Broken}, {"1,546-5", F::Broken}, {"e5", F::Broken},
        {",e5", F::Broken}, {"1e5,5", F::Broken}, {"1e--5", F::Broken}, {"1ee5", F::Broken},
        {"+5", F::Broken}, {"--5", F::Broken}, {"5-", F::Broken}, {" 5", F::Broken}, {"50 mm", F::Broken},
        {"inf", F::Broken}, {"0x1p3", F::Broken}, {"\xef\xbc\x95", F::Broken},  // a wide digit
    };
    gsDecimalSeparator = ",";
    for (const auto& [text, form] : comma)
        EXPECT_EQ(nFctNumberTextForm(text), form) << "'" << text << "'";
    gsDecimalSeparator = ".";
    EXPECT_EQ(nFctNumberTextForm("1,5"), F::Broken);  // a grouping mark is none
    EXPECT_EQ(nFctNumberTextForm("1.5e-4"), F::Whole);
}

// A key goes in where the text it makes can still become a number; a
// refusal names its reason.
TEST_F(TextHelpers, KeysAreHeldToTheGrammarAndTheirCellsRule)
{
    const NumberKeyRule positive;                  // the design window's grids
    const NumberKeyRule startsValue{true, false};  // the quick setup's velocity
    const NumberKeyRule signedValue{true, true};   // a segment's velocity
    struct Key {
        const char* before;
        const char* key;
        const char* after;
        bool replacing;
        NumberKeyRule rule;
        NumberFault fault;
    };
    using N = NumberFault;
    gsDecimalSeparator = ",";
    const Key cases[] = {
        {"10", "5", "", true, positive, N::None},       // replaces the old value
        {"12", ",", "", true, positive, N::None},       // a mark first
        {"1", ",", "", false, positive, N::None},
        {"1", ".", "", false, positive, N::None},       // the point in a comma locale
        {"1,5", ",", "", false, positive, N::SecondDecimalMark},
        {"1,5", ".", "", false, positive, N::SecondDecimalMark},
        {"1", "e", "", false, positive, N::None},       // a power of ten
        {"1e", "-", "", false, positive, N::None},      // its sign is no minus of the value
        {"1e-", "7", "", false, positive, N::None},
        {"3,457", "E", "", false, positive, N::None},
        {"1e5", ",", "", false, positive, N::MisplacedKey},
        {"1e", "e", "", false, positive, N::MisplacedKey},
        {"10", "e", "", true, positive, N::MisplacedKey},  // a first key starts a mantissa
        {"", "+", "", false, positive, N::MisplacedKey},
        {"", "-", "", false, positive, N::Negative},
        {"10", "-", "", true, positive, N::Negative},
        {"", "-", "5", false, positive, N::Negative},
        {"5", "-", "", false, positive, N::MisplacedKey},  // no number has it there
        {"1", "-", "e5", false, positive, N::MisplacedKey},
        {"1", "x", "", false, positive, N::ForeignKey},
        {"1", " ", "", false, positive, N::ForeignKey},
        {"1", "'", "", false, positive, N::ForeignKey},
        {"", "\xef\xbc\x95", "", false, positive, N::ForeignKey},
        {"10", "-", "", true, startsValue, N::None},    // minus starts a value
        {"", "-", "5", false, startsValue, N::MinusStartsValue},  // but goes into no text
        {"5", "-", "", false, startsValue, N::MisplacedKey},
        {"1", "-", "e5", false, startsValue, N::MisplacedKey},
        {"", "-", "", false, signedValue, N::None},
        {"", "-", "3", false, signedValue, N::None},    // before the digits at the cursor
        {"4", "-", "", false, signedValue, N::MisplacedKey},
        {"1", "e", "5", false, positive, N::None},      // at the cursor, not at the end
        {"1", "e", ",5", false, positive, N::MisplacedKey},
    };
    for (const Key& k : cases)
        EXPECT_EQ(nFctNumberKeyFault(k.before, k.key, k.after, k.replacing, k.rule), k.fault)
            << "'" << k.before << "' + '" << k.key << "' + '" << k.after << "'";
    gsDecimalSeparator = ".";
    EXPECT_EQ(nFctNumberKeyFault("1", ",", "", false, positive), N::GroupingMark);
    EXPECT_EQ(nFctNumberKeyFault("1.5", ".", "", false, positive), N::SecondDecimalMark);
}

// A paste leaves a number text or none; an edit of the editor's own may
// leave one still unfinished.
TEST_F(TextHelpers, PastesAndEditsAreHeldToTheGrammar)
{
    const NumberKeyRule positive;
    const NumberKeyRule startsValue{true, false};
    gsDecimalSeparator = ",";
    const std::pair<const char*, NumberFault> pasted[] = {
        {"2,5", NumberFault::None},         {"1,546E-5", NumberFault::None},  {"1.546E-05", NumberFault::None},
        {"1.546e-5", NumberFault::None},    {"2.5E3", NumberFault::None},     {"-5", NumberFault::Negative},
        {"1,546E-", NumberFault::NotANumber}, {"-4-", NumberFault::NotANumber}, {"50 mm", NumberFault::NotANumber},
        {"--5", NumberFault::NotANumber},
    };
    for (const auto& [text, fault] : pasted)
        EXPECT_EQ(nFctPastedNumberFault(text, positive), fault) << text;
    EXPECT_EQ(nFctPastedNumberFault("-5", startsValue), NumberFault::None);
    EXPECT_EQ(nFctPastedNumberFault("-1,5E-3", startsValue), NumberFault::None);

    EXPECT_EQ(nFctEditedNumberFault("1,546E-"), NumberFault::None);  // its last digit deleted
    EXPECT_EQ(nFctEditedNumberFault(""), NumberFault::None);
    EXPECT_EQ(nFctEditedNumberFault("1,546-5"), NumberFault::NotANumber);  // its "E" deleted
}

// ---- nFctNumberTextFault, nFctStoredNumberFault -----------------------------

TEST_F(TextHelpers, OnlyNumbersTheDisplayShowsCanBeStored)
{
    gsDecimalSeparator = ".";
    const std::pair<std::string, bool> cases[] = {
        {"", true}, {".", true}, {"-", true}, {"0", true},  // read as 0
        {"50.8", true}, {"-5", true},
        {"99999999", true},              // 8 digits before the mark
        {"-99999999", true},
        {"99999999.4", true},            // shows 99999999
        {"99999999.6", false},           // shows 100000000
        {"100000000", false},
        {std::string(20, '9'), false},   // twenty nines
        {std::string(400, '9'), false},  // beyond the 64-bit range
        {"1e308", false},
        {"1e-320", false},
        {"0.000001", true},
        {"0.0000003", true},             // 0.003 kg.cm^2 in kg.m^2
        {"-0.0000004", true},
        {"0.00001546", true},
        {"0.000000001", true},           // shows 1E-9
        {"0.0000000009", false},         // shows 0
        {"1234567.12345678", true},      // 15 significant digits
        {"1234567.123456789", false},    // 16
        {"0.0000012345678901234", true}, // leading zeros are not significant
        {"1.000000000000000000", true},  // nor are zeros at the end
    };
    for (const auto& [text, storable] : cases)
        EXPECT_EQ(nFctNumberTextFault(text) == NumberFault::None, storable) << "'" << text.substr(0, 30) << "'";
    gsDecimalSeparator = ",";
    EXPECT_EQ(nFctNumberTextFault("0,25"), NumberFault::None);
    EXPECT_EQ(nFctNumberTextFault("0.25"), NumberFault::None);
    EXPECT_EQ(nFctNumberTextFault(std::string(9, '9') + ",5"), NumberFault::IntegerDigits);
}

// A value about to be stored is held to its cell's sign as well: a minus
// sign of the value, whatever edit left it, only where the cell takes
// negative values; that of a power of ten is none.
TEST_F(TextHelpers, StoredValuesKeepTheirCellsSign)
{
    const NumberKeyRule positive;
    const NumberKeyRule startsValue{true, false};
    const NumberKeyRule signedValue{true, true};
    gsDecimalSeparator = ".";
    struct Case {
        const char* text;
        NumberKeyRule rule;
        NumberFault fault;
    };
    using N = NumberFault;
    const Case cases[] = {
        {"-5", positive, N::Negative},      {" -5 ", positive, N::Negative},   {"-0.5e3", positive, N::Negative},
        {"-5", startsValue, N::None},       {"-5", signedValue, N::None},      {"5e-5", positive, N::None},
        {"5", positive, N::None},           {"-1e9", positive, N::IntegerDigits},  // the display's limit first
        {"-", signedValue, N::None},
    };
    for (const Case& c : cases)
        EXPECT_EQ(nFctStoredNumberFault(c.text, c.rule), c.fault) << "'" << c.text << "'";
}

// Why a text is refused, and the text that says it in both languages.
TEST_F(TextHelpers, RefusalsNameTheirFault)
{
    gsDecimalSeparator = ",";
    const std::pair<std::string, NumberFault> stored[] = {
        {"12,5", NumberFault::None},
        {std::string(20, '9'), NumberFault::IntegerDigits},
        {"1" + std::string(400, '0'), NumberFault::IntegerDigits},  // beyond the 64-bit range
        {"0," + std::string(400, '0') + "1", NumberFault::TooSmall},
        {"1,234567890123456", NumberFault::SignificantDigits},
        {"0,0000000001", NumberFault::TooSmall},
        // What keys leave of a shown power of ten is no number: "1,546E-"
        // would otherwise store 1.546 for 1.546E-5.
        {"1,546E-5", NumberFault::None},
        {"1,546E-", NumberFault::NotANumber},
        {"1,546E", NumberFault::NotANumber},
        {"1,546-5", NumberFault::NotANumber},
        // A power of ten typed: its value is held to the limits.
        {"1e-7", NumberFault::None},
        {"2,5E3", NumberFault::None},
        {"1e8", NumberFault::IntegerDigits},
        {"1e-10", NumberFault::TooSmall},
        {"1e400", NumberFault::IntegerDigits},
        {"1" + std::string(400, '0') + "e-395", NumberFault::None},  // 1e5
        {"1" + std::string(400, '0') + "e-10", NumberFault::IntegerDigits},
        {"0," + std::string(400, '0') + "1e380", NumberFault::TooSmall},
        {"1e-99999999999999999999999", NumberFault::TooSmall},
        {"1,23456789012345E-5", NumberFault::None},   // 15 digits in the mantissa
        {"1,234567890123456E-5", NumberFault::SignificantDigits},
        {"5 ", NumberFault::None},                    // blanks around it aside
        {"", NumberFault::None},
        {"-", NumberFault::None},
    };
    for (const auto& [text, fault] : stored)
        EXPECT_EQ(nFctNumberTextFault(text), fault) << text.substr(0, 30);
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Stored, NumberFault::None), "");
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Stored, NumberFault::IntegerDigits),
              "Not stored: more than 8 digits before the decimal mark");
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Pasted, NumberFault::NotANumber), "Not pasted: the text is not a number");
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Stored, NumberFault::NotANumber), "Not stored: the text is not a number");
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Typed, NumberFault::Negative), "Not taken: this value cannot be negative");
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Typed, NumberFault::ForeignKey, "x"), "Not taken: \"x\" is no part of a number");
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Typed, NumberFault::MinusStartsValue),
              "Not taken: a minus sign only starts a new value");
    gnLanguageOffset = 1000;
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Stored, NumberFault::IntegerDigits),
              "Nicht übernommen: mehr als 8 Stellen vor dem Dezimalzeichen");
    EXPECT_EQ(sFctNumberFaultText(NumberEntry::Typed, NumberFault::MisplacedKey, "e"),
              "Nicht angenommen: „e“ kann in einer Zahl dort nicht stehen");
    for (NumberEntry entry : {NumberEntry::Typed, NumberEntry::Pasted, NumberEntry::Stored})
        for (int fault = 1; fault <= static_cast<int>(NumberFault::ForeignKey); ++fault) {
            const std::string text = sFctNumberFaultText(entry, static_cast<NumberFault>(fault), "x");
            EXPECT_EQ(text.rfind("Nicht ", 0), 0u) << text;
            EXPECT_EQ(text.find("%1"), std::string::npos) << text;
            EXPECT_EQ(text.find("???"), std::string::npos) << text;
        }
}

// A number copied from a calculator keeps its first 15 significant digits,
// rounded half up, so that the value stored is the one the editor shows.
TEST_F(TextHelpers, PastedNumbersAreRoundedToFifteenDigits)
{
    const std::pair<const char*, const char*> cases[] = {
        {"3.14159265358979323846", "3.14159265358979"},
        {"2.718281828459045", "2.71828182845905"},    // 16th digit 5: up
        {"-0.12345678901234549", "-0.123456789012345"},
        {"0.9999999999999999", "1"},                  // the carry runs through
        {"99999999999999999999", "100000000000000000000"},
        {"12345678901234567", "12345678901234600"},
        {"1234567890123456,7", "1234567890123460"},   // decimals and mark go
        {"0,00012345678901234567", "0,000123456789012346"},
        {"12.5", "12.5"},                             // few digits: unchanged
        {"1.50000000000000000000", "1.50000000000000000000"},
        {"3.14159265358979323846E-5", "3.14159265358979E-5"},  // the power of ten stays
        {"1.2345678901234567e+12", "1.23456789012346e+12"},
    };
    for (const auto& [text, rounded] : cases)
        EXPECT_EQ(sFctRoundToEnteredDigits(text), rounded) << text;
}

// ---- UTF-8 -----------------------------------------------------------------

// Each byte of no well-formed sequence is one U+FFFD, and the characters
// after it stay.
TEST_F(TextHelpers, DecodesWellFormedUtf8AndEachStrayByteAsOneReplacement)
{
    for (const auto& c : testing_support::kUtf8Samples) {
        EXPECT_EQ(DecodeUtf8(c.bytes), c.characters) << c.what;
        // What is written of it is well-formed and reads back the same.
        const std::string written = EncodeUtf8(DecodeUtf8(c.bytes));
        EXPECT_EQ(DecodeUtf8(written), c.characters) << c.what;
        EXPECT_EQ(EncodeUtf8(DecodeUtf8(written)), written) << c.what;
    }
}

// ---- sFctShortenPath -------------------------------------------------------

struct Shortened {
    const char* path;
    int16_t max;
    const char* text;
};

TEST_F(TextHelpers, ShortensPathsFolderByFolder)
{
    const char* windows = "C:\\Program Files\\Sizing\\Projects\\2004\\Line 3\\axis data.dat";  // 58 characters
    const char* linux = "/home/engineer/Sizing/Projects/2004/Line 3/axis data.dat";            // 56 characters
    const Shortened cases[] = {
        {windows, 58, windows},
        {windows, 50, "C:\\Program Files\\Sizing\\Projects\\...\\axis data.dat"},
        {windows, 40, "C:\\Program Files\\...\\axis data.dat"},
        {windows, 20, "C:\\...\\axis data.dat"},
        {windows, 10, "C:\\...\\axis data.dat"},  // a maximum below 20 counts as 20
        // "/home" is the first head; the empty text before the first "/" the drive.
        {linux, 56, linux},
        {linux, 50, "/home/engineer/Sizing/Projects/.../axis data.dat"},
        {linux, 30, "/home/.../axis data.dat"},
        {linux, 20, "/.../axis data.dat"},
        {"C:\\short.dat", 5, "C:\\short.dat"},
        // One separator: the drive and the rest.
        {"D:\\a very long file name of an axis.dat", 30, "D:\\...\\a very long file nam..."},
    };
    for (const auto& c : cases)
        EXPECT_EQ(sFctShortenPath(c.path, c.max), c.text) << c.path << " max " << c.max;
}

TEST_F(TextHelpers, ShortensALongFileNameToTheMaximum)
{
    // Drive "C:", 5 between, max - 2 - 8 = 20 characters of the name, "...".
    const std::string shortened = sFctShortenPath("C:\\Data\\measurements of the test bench sorted by size.dat", 30);
    EXPECT_EQ(shortened, "C:\\...\\measurements of the ...");
    EXPECT_EQ(shortened.size(), 30u);
    EXPECT_EQ(sFctShortenPath("/data/measurements of the test bench sorted by size.dat", 30),
              "/.../measurements of the te...");
}

TEST_F(TextHelpers, ShortenPathCountsCharactersAndHandlesNoSeparator)
{
    // 20 characters of "Prüfstandsmessungen der ..." are "Prüfstandsmessungen ".
    EXPECT_EQ(sFctShortenPath("C:\\Daten\\Prüfstandsmessungen der Größe nach sortiert.dat", 30),
              "C:\\...\\Prüfstandsmessungen ...");
    EXPECT_EQ(sFctShortenPath("a_file_name_without_any_folder_at_all.dat", 20), "a_file_name_witho...");
    // A Latin-1 folder name: 44 characters, the stray byte one of them;
    // head "C:\Caf\xE9 Noir" (12) + 5 + the file name (23) = 40.
    EXPECT_EQ(sFctShortenPath("C:\\Caf\xE9 Noir\\Linie 3\\Achsdaten der Linie.dat", 40),
              "C:\\Caf\xEF\xBF\xBD Noir\\...\\Achsdaten der Linie.dat");
}

// ---- small helpers ---------------------------------------------------------

TEST_F(TextHelpers, PadRightNeverCuts)
{
    EXPECT_EQ(sFctPadRight("ab", 5), "ab   ");
    EXPECT_EQ(sFctPadRight("abcdef", 3), "abcdef");
    EXPECT_EQ(sFctPadRight("ab", 2), "ab");
    EXPECT_EQ(sFctPadRight("Größe", 7), "Größe  ");  // 5 characters, 2 blanks
}

TEST_F(TextHelpers, FolderAndFileNameParts)
{
    struct Parts {
        const char* path;
        const char* folder;
        const char* file;
    };
    const Parts cases[] = {
        {"C:\\Projects\\axis.dat", "C:\\Projects\\", "axis.dat"},
        {"/home/engineer/axis.dat", "/home/engineer/", "axis.dat"},
        {"/home\\mixed/a\\axis.dat", "/home\\mixed/a\\", "axis.dat"},
        {"axis.dat", "axis.dat", "axis.dat"},
        {"/home/", "/home/", ""},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(sFctGetFolderPart(c.path), c.folder) << c.path;
        EXPECT_EQ(sFctGetFileNamePart(c.path), c.file) << c.path;
    }
}

TEST_F(TextHelpers, CollapsesAmpersands)
{
    EXPECT_EQ(sFctCollapseAmpersands("Belt && Pulley"), "Belt & Pulley");
    EXPECT_EQ(sFctCollapseAmpersands("&&&&"), "&");
    EXPECT_EQ(sFctCollapseAmpersands("a&&b&&&c"), "a&b&c");
    EXPECT_EQ(sFctCollapseAmpersands("&Yes"), "&Yes");
}

// ---- free text ---------------------------------------------------------------

// Free text is one line, judged character by character (bytes are UTF-8).
TEST_F(TextHelpers, FreeTextIsOneLineOfWholeCharacters)
{
    struct Case {
        const char* what;
        std::string text;
        std::string line;
    };
    const Case cases[] = {
        {"an emoji (4 bytes) stays", "Acme \xF0\x9F\x98\x80", "Acme \xF0\x9F\x98\x80"},
        {"a soft hyphen stays", "Servo\xC2\xAD" "drive", "Servo\xC2\xAD" "drive"},
        {"a zero-width joiner stays", "A\xE2\x80\x8D" "B", "A\xE2\x80\x8D" "B"},
        {"umlauts stay", "Getriebe M\xC3\xBCller", "Getriebe M\xC3\xBCller"},
        {"a tab is a blank", "Mill\tDrill", "Mill Drill"},
        {"LF, CR, VT, FF are blanks", "a\nb\rc\vd\fe", "a b c d e"},
        {"CR LF is one blank", "Line 1\r\nLine 2", "Line 1 Line 2"},
        {"LF CR is two", "a\n\rb", "a  b"},
        {"NEL and the line and paragraph separators", "a\xC2\x85" "b\xE2\x80\xA8" "c\xE2\x80\xA9" "d", "a b c d"},
        {"another control character (BEL, ESC, DEL)", "a\x07" "b\x1B" "c\x7F" "d", "a b c d"},
        {"blanks around stay", " x\n", " x "},
        {"an encoded surrogate half is no character, each of its bytes U+FFFD", "a\xED\xA0\xBD" "b",
         "a\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD" "b"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(sFctFreeTextLine(c.text), c.line) << c.what;
}

TEST_F(TextHelpers, SurrogateHalvesAloneAreNoCharacters)
{
    EXPECT_EQ(nFctFirstNoCharacter(U"Acme \U0001F600"), 0u);
    EXPECT_EQ(nFctFirstNoCharacter(std::u32string{U'a', 0xD83D, U'b', 0xDE00}), 0xD83Du);
    EXPECT_EQ(nFctFirstNoCharacter(std::u32string{0x110000}), 0x110000u);
    EXPECT_EQ(sFctFreeTextFaultText(NumberEntry::Pasted, 0xD83D), "Not pasted: the text holds half a character (U+D83D)");
    gnLanguageOffset = 1000;
    EXPECT_EQ(sFctFreeTextFaultText(NumberEntry::Typed, 0xDE00),
              "Nicht angenommen: der Text enth\xC3\xA4lt ein halbes Zeichen (U+DE00)");
}

TEST_F(TextHelpers, IntegerDivisionAndWrap)
{
    EXPECT_EQ(nFctIntDivide(5, 6), 0);
    EXPECT_EQ(nFctIntDivide(12, 4), 3);
    EXPECT_EQ(nFctIntDivide(15, 4), 3);
    EXPECT_EQ(nFctIntDivide(-3, 4), 0);
    EXPECT_EQ(nFctIntDivide(7, 0), 0);   // instead of subtracting forever
    EXPECT_EQ(nFctIntDivide(7, -2), 0);

    EXPECT_EQ(nFctWrapIndex(7, 7), 0);
    EXPECT_EQ(nFctWrapIndex(-1, 7), 6);
    EXPECT_EQ(nFctWrapIndex(0, 7), 0);
    EXPECT_EQ(nFctWrapIndex(3, 7), 3);
    EXPECT_EQ(nFctWrapIndex(15, 7), 1);
    EXPECT_EQ(nFctWrapIndex(-7, 7), 0);
    EXPECT_EQ(nFctWrapIndex(5, 0), 0);
    EXPECT_EQ(nFctWrapIndex(5, -3), 0);
}

TEST_F(TextHelpers, StatusColors)
{
    EXPECT_EQ(lFctGetColorByIndex(0), 1);                          // RGB(1, 0, 0)
    EXPECT_EQ(lFctGetColorByIndex(1), 120 * 256 + 60 * 65536);     // 3962880
    EXPECT_EQ(lFctGetColorByIndex(2), 60 * 256 + 120 * 65536);     // 7879680
    EXPECT_EQ(lFctGetColorByIndex(3), 160 + 160 * 65536);          // 10485920
    EXPECT_EQ(lFctGetColorByIndex(4), 0);
    EXPECT_EQ(lFctGetColorByIndex(-1), 0);
}

} // namespace
