// The compiled string table: English ids 1 to 433, German ids 1001 to 1433, no gaps,
// the texts the program relies on character for character, and German texts that keep
// the structure (grid columns, line breaks, accelerators, blanks) of their English twin.
#include "platform/core/ResourceStrings.h"

#include <gtest/gtest.h>

#include <string>

namespace {

constexpr int kFirstId = 1;
constexpr int kLastId = 433;
constexpr int kGermanOffset = 1000;

std::string Text(int id)
{
    const char* text = platform::FindResourceString(id);
    return text ? std::string(text) : std::string("<missing>");
}

TEST(StringTable, EveryIdOfBothLanguagesIsPresentAndNotEmpty)
{
    for (int id = kFirstId; id <= kLastId; ++id) {
        for (int offset : {0, kGermanOffset}) {
            const char* text = platform::FindResourceString(id + offset);
            ASSERT_NE(text, nullptr) << "id " << id + offset;
            EXPECT_STRNE(text, "") << "id " << id + offset;
        }
    }
}

TEST(StringTable, HoldsNoIdOutsideTheTwoLanguageRanges)
{
    for (int id = -2; id <= 99999; ++id) {
        const bool english = id >= kFirstId && id <= kLastId;
        const bool german = id >= kFirstId + kGermanOffset && id <= kLastId + kGermanOffset;
        if (!english && !german) {
            EXPECT_EQ(platform::FindResourceString(id), nullptr) << "id " << id;
        }
    }
}

struct QuotedText {
    int id;
    const char* text;
};

TEST(StringTable, KeepsTheQuotedTextsExactly)
{
    const QuotedText cases[] = {
        // no trailing blank: the lookup appends " " and the version number
        {26, "Version"},
        {1026, "Version"},
        // the second sentence of the disclaimer, appended to the first, starts with its blank
        {27, "This software package is made available as an aid to the selection of electrical "
             "motors, drives, and additional components."},
        {28, " Orvamis does not guarantee the results and cannot accept the responsibility for "
             "their interpretation. Consult a qualified representative of the components' vendors "
             "to confirm the final selection."},
        // the ramp times written alike
        {137, "Accel. Time"},
        {138, "Decel. Time"},
        {1137, "Beschl.-Zeit"},
        {1138, "Verz.-Zeit"},
        {31, "Orvamis Kestravo"},
        {1031, "Orvamis Kestravo"},
        {14, "Critical Message"},
        {18, "Sorry, BIG mistake! There is no message."},
        {21, "&Abort"},
        {215, "Warning : "},
        {269, "The factor of load to motor inertia is greater than "},
        {424, "Required Speed: "},
        {429, " or higher"},
        {114, " &1 Display top taskbar"},
        {287, " (Motoring)"},
        {309, "Page   Of "},
        // grid format strings
        {241, "^ |<Parameter|<Data|<Unit"},
        {248, "^#|<Parameter|<Data Entry|<Calculated|<Unit"},
        {295, "<__  Material|<g/cm\xC2\xB3|<lb/in\xC2\xB3"},
        {97, "Orvamis Kestravo (*.dat)|*.dat|All Types (*.*)|*.*"},
        {305, "Orvamis Kestravo Report Generator||Page %d"},
        // line breaks stored as line feed and carriage return
        {41, "Serious error while attempting to open databases. Program will abort.\n\r\n\r"
             "Please, re-install the program."},
        {158, "The distance travelled during acceleration and deceleration exceeds the entered "
              "distance.\n\r\n\rDo either of the following:\n\r1. Decrease accel\\decel time\n\r"
              "2. Increase distance\n\r3. Lower velocity"},
        // ... except the blank line of 201 and 202, two line feeds
        {201, "Unable to switch the motion mode due to missing pitch/lead.\n\nPlease, enter a "
              "pitch or lead for the last mechanism in the axis setup."},
        // completeness texts end in two carriage return / line feed pairs of their own
        {165, "Unable to accomplish calculations.\r\n\r\n"},
        {346, "Insufficient load parameters.\r\n\r\n"},
        {348, "\"Weight Only\" does not apply to a rotary axis setup.\n\r\n\r"
              "Please, use another load option."},
        {371, "Winder - \r\nCenter Driven"},
        {6, "Belt-Pulley"},
        {373, "Center Driven Winder"},
        {260, "Stepper Motor"},
        {1152, "Ja"},
        {1153, "J"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Text(c.id), c.text) << "id " << c.id;
}

TEST(StringTable, DisclaimerSentencesStandApartInBothLanguages)
{
    // The report and the about box append the second sentence to the first.
    EXPECT_NE((Text(27) + Text(28)).find("components. Orvamis does"), std::string::npos);
    EXPECT_NE((Text(1027) + Text(1028)).find("gestellt. Orvamis "), std::string::npos);
}

TEST(StringTable, GermanTextsAreTranslations)
{
    for (int id : {14, 35, 96, 101, 140, 215, 264, 400})
        EXPECT_NE(Text(id), Text(id + kGermanOffset)) << "id " << id;
    EXPECT_EQ(Text(1400), "&Datei");
    EXPECT_EQ(Text(1215), "Warnung : ");
}

int Count(const std::string& text, const std::string& token)
{
    int n = 0;
    for (auto pos = text.find(token); pos != std::string::npos; pos = text.find(token, pos + token.size()))
        ++n;
    return n;
}

bool EndsWith(const std::string& text, const std::string& end)
{
    return text.size() >= end.size() && text.compare(text.size() - end.size(), end.size(), end) == 0;
}

// Code splits grid formats at "|", joins message lines, strips trailing line breaks and
// appends numbers after texts that end in a blank: a translation must keep all of that.
TEST(StringTable, GermanTextsKeepTheStructureOfTheEnglishOnes)
{
    for (int id = kFirstId; id <= kLastId; ++id) {
        const std::string en = Text(id);
        const std::string de = Text(id + kGermanOffset);
        for (const char* token : {"|", "<", "^", "&", "\r", "\n", "%d"})
            EXPECT_EQ(Count(en, token), Count(de, token)) << "id " << id << " token " << token;
        EXPECT_EQ(en.front() == ' ', de.front() == ' ') << "id " << id;
        EXPECT_EQ(en.back() == ' ', de.back() == ' ') << "id " << id;
        EXPECT_EQ(EndsWith(en, "\r\n"), EndsWith(de, "\r\n")) << "id " << id;
    }
}

} // namespace
