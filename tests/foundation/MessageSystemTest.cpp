// The message object: defaults and reset, the composition of the dialog
// (title, caption, icon, text, buttons, focus, close result), the display
// through a recording stand-in, the message catalogue and the loaders'
// plain critical box.
#include "foundation/ClsMessageSystem.h"
#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "platform/core/CurrentError.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

const std::string kBlankLine = "\r\n\r\n";

class RecordingDisplay : public platform::MessageDisplay {
public:
    int beeps = 0;
    int cursorResets = 0;
    std::vector<MessageComposition> shown;
    std::vector<std::pair<std::string, std::string>> criticalBoxes;
    int16_t answer = kResultOk;

    void Beep() override { ++beeps; }
    void RestoreDefaultCursor() override { ++cursorResets; }
    int16_t ShowMessage(const MessageComposition& message) override
    {
        shown.push_back(message);
        return answer;
    }
    void ShowCriticalBox(const std::string& title, const std::string& body) override
    {
        criticalBoxes.emplace_back(title, body);
    }
};

class MessageSystem : public ::testing::Test {
protected:
    RecordingDisplay display;
    void SetUp() override
    {
        gnLanguageOffset = 0;
        glScreenColors = 16777216;
        platform::InstallMessageDisplay(&display);
        platform::ClearCurrentError();
    }
    void TearDown() override
    {
        platform::InstallMessageDisplay(nullptr);
        platform::ClearCurrentError();
        gnLanguageOffset = 0;
        glScreenColors = 0;
    }
};

// The captions of the three places, "" for a hidden button.
std::vector<std::string> Captions(const MessageComposition& c)
{
    std::vector<std::string> out;
    for (const auto& b : c.buttons)
        out.push_back(b.visible ? b.caption : "");
    return out;
}

std::vector<int> Results(const MessageComposition& c)
{
    std::vector<int> out;
    for (const auto& b : c.buttons)
        out.push_back(b.visible ? b.result : 0);
    return out;
}

TEST_F(MessageSystem, NewObjectHasTheDefaults)
{
    const ClsMessageSystem m;
    EXPECT_EQ(m.sTitle, "");
    EXPECT_EQ(m.nButtons, 0);
    EXPECT_EQ(m.nTextID, 0);
    EXPECT_EQ(m.sExtraText, "");
    EXPECT_EQ(m.nMessageNumber, 0);
    EXPECT_EQ(m.bShowError, 0);
    EXPECT_EQ(m.nErrorNumber, 0);
    EXPECT_EQ(m.sErrorText, "");
    EXPECT_EQ(m.nKind, 64);
    EXPECT_EQ(m.bCustomButtons, 0);
    EXPECT_EQ(m.sButton1Text, "");
    EXPECT_EQ(m.nDefaultButton, 0);
    EXPECT_EQ(m.nResult, 1);
}

TEST_F(MessageSystem, EveryButtonSetWithItsResultsFocusAndCloseResult)
{
    struct Set {
        int16_t buttons;
        std::vector<std::string> captions;
        std::vector<int> results;
        int focus;
        int16_t closeResult;
    };
    const Set sets[] = {
        {0, {"", "", "Okay"}, {0, 0, 1}, 2, 1},
        {1, {"", "Okay", "Cancel"}, {0, 1, 2}, 1, 2},
        {2, {"&Abort", "&Retry", "&Ignore"}, {3, 4, 5}, 0, 5},
        {3, {"&Yes", "&No", "Cancel"}, {6, 7, 2}, 0, 2},
        {4, {"", "&Yes", "&No"}, {0, 6, 7}, 1, 7},   // no Cancel: closing answers No
        {5, {"", "&Retry", "Cancel"}, {0, 4, 2}, 2, 2},
        {6, {"", "", "Okay"}, {0, 0, 1}, 2, 1},      // unknown sets show OK
        {-1, {"", "", "Okay"}, {0, 0, 1}, 2, 1},
    };
    for (const auto& s : sets) {
        ClsMessageSystem m;
        m.nButtons = s.buttons;
        const MessageComposition c = ComposeMessage(m);
        EXPECT_EQ(Captions(c), s.captions) << "set " << s.buttons;
        EXPECT_EQ(Results(c), s.results) << "set " << s.buttons;
        EXPECT_EQ(c.focusButton, s.focus) << "set " << s.buttons;
        EXPECT_EQ(c.closeResult, s.closeResult) << "set " << s.buttons;
    }
}

TEST_F(MessageSystem, TitleAndIconByKind)
{
    struct Kind {
        int16_t kind;
        const char* title;
        int icon;
    };
    const Kind kinds[] = {
        {16, "Critical Message", kIconCritical},
        {48, "Warning Message", kIconWarning},
        {64, "Information Message", kIconInformation},
        {32, "Warning Query", kIconQuery},
        {99, "Information Message", kIconNone},
    };
    for (const auto& k : kinds) {
        ClsMessageSystem m;
        m.nKind = k.kind;
        const MessageComposition c = ComposeMessage(m);
        EXPECT_EQ(c.title, k.title) << "kind " << k.kind;
        EXPECT_EQ(c.caption, k.title) << "kind " << k.kind;  // number 0: the title alone
        EXPECT_EQ(c.icon, k.icon) << "kind " << k.kind;
    }
    ClsMessageSystem own;
    own.sTitle = "Own title";
    own.nKind = 16;
    EXPECT_EQ(ComposeMessage(own).title, "Own title");
    EXPECT_EQ(ComposeMessage(own).icon, kIconCritical);
}

TEST_F(MessageSystem, CaptionCarriesTheMessageNumber)
{
    ClsMessageSystem m;
    SubPrepareCatalogueMessage(m, 2001);
    const MessageComposition c = ComposeMessage(m);
    EXPECT_EQ(c.title, "Warning Message");
    EXPECT_EQ(c.caption, "Warning Message - 2001");
    EXPECT_EQ(c.icon, kIconWarning);
    EXPECT_EQ(Captions(c), (std::vector<std::string>{"", "", "Okay"}));
    EXPECT_EQ(c.focusButton, 2);
    EXPECT_EQ(c.text, "Max. number of axes has been reached.");
}

TEST_F(MessageSystem, TextJoinsErrorLineTextAndExtraTextWithBlankLines)
{
    ClsMessageSystem m;
    EXPECT_EQ(ComposeMessage(m).text, "Sorry, BIG mistake! There is no message.");

    m.nTextID = 110;
    m.sExtraText = " 2 - Feed axis";
    EXPECT_EQ(ComposeMessage(m).text, "Are you sure you want to delete the axis ?" + kBlankLine + " 2 - Feed axis");

    ClsMessageSystem extraOnly;
    extraOnly.sExtraText = "only this";
    EXPECT_EQ(ComposeMessage(extraOnly).text, "only this");

    ClsMessageSystem errorOnly;
    errorOnly.bShowError = -1;
    errorOnly.nErrorNumber = 3024;
    errorOnly.sErrorText = "File not found";
    EXPECT_EQ(ComposeMessage(errorOnly).text, "3024 - File not found");
    errorOnly.sExtraText = "x";
    EXPECT_EQ(ComposeMessage(errorOnly).text, "3024 - File not found" + kBlankLine + "x");
}

TEST_F(MessageSystem, ColourSchemeFromMoreThan256Colours)
{
    ClsMessageSystem m;
    glScreenColors = 256;
    EXPECT_FALSE(ComposeMessage(m).colorScheme);
    glScreenColors = 257;
    EXPECT_TRUE(ComposeMessage(m).colorScheme);
}

TEST_F(MessageSystem, CustomButtonsShowTheirTextsAndFocusByDefaultButton)
{
    ClsMessageSystem m;
    m.bCustomButtons = -1;
    m.sButton1Text = "Keep";
    m.sButton3Text = "Drop";
    m.nButtons = 4;  // ignored in custom mode
    struct Focus {
        int16_t code;
        int button;
    };
    for (const Focus f : {Focus{0, 0}, Focus{256, 1}, Focus{512, 2}, Focus{1, -1}}) {
        m.nDefaultButton = f.code;
        const MessageComposition c = ComposeMessage(m);
        EXPECT_EQ(Captions(c), (std::vector<std::string>{"Keep", "", "Drop"}));
        EXPECT_EQ(Results(c), (std::vector<int>{1, 0, 3}));
        EXPECT_EQ(c.closeResult, 3);  // the rightmost shown button
        EXPECT_EQ(c.focusButton, f.button) << "code " << f.code;
    }
}

TEST_F(MessageSystem, DisplayShowsBeepsReturnsAndResets)
{
    ClsMessageSystem m;
    m.sTitle = "T";
    m.nKind = 32;
    m.nButtons = 4;
    m.nTextID = 110;
    m.sExtraText = "e";
    m.nMessageNumber = 4002;
    m.bCustomButtons = 0;
    m.nDefaultButton = 256;  // kept: only the custom-button properties survive
    m.sButton2Text = "kept";
    display.answer = kResultNo;

    EXPECT_EQ(m.nFctDisplay(), kResultNo);
    EXPECT_EQ(display.beeps, 1);
    EXPECT_EQ(display.cursorResets, 1);
    ASSERT_EQ(display.shown.size(), 1u);
    EXPECT_EQ(display.shown[0].caption, "T - 4002");

    EXPECT_EQ(m.sTitle, "");
    EXPECT_EQ(m.nKind, 64);
    EXPECT_EQ(m.nButtons, 0);
    EXPECT_EQ(m.nTextID, 0);
    EXPECT_EQ(m.sExtraText, "");
    EXPECT_EQ(m.nMessageNumber, 0);
    EXPECT_EQ(m.nResult, 1);
    EXPECT_EQ(m.nDefaultButton, 256);
    EXPECT_EQ(m.sButton2Text, "kept");

    // A caller that sets no button set gets OK only.
    m.nFctDisplay();
    EXPECT_EQ(Captions(display.shown[1]), (std::vector<std::string>{"", "", "Okay"}));
}

TEST_F(MessageSystem, DisplayCapturesTheCurrentErrorOnlyWhenAsked)
{
    platform::SetCurrentError(3024, "Could not find file");
    ClsMessageSystem m;
    SubPrepareCatalogueMessage(m, 1005);
    m.nFctDisplay();
    EXPECT_EQ(display.shown.back().text,
              "3024 - Could not find file" + kBlankLine + "Error while attempting to save application data.");
    EXPECT_EQ(m.nErrorNumber, 0);  // reset after the display

    SubPrepareCatalogueMessage(m, 1013);  // no error line
    m.nFctDisplay();
    EXPECT_EQ(display.shown.back().text, sFctGetText(349));
}

TEST_F(MessageSystem, WithoutADisplayTheResultIsThatOfClosing)
{
    platform::InstallMessageDisplay(nullptr);
    ClsMessageSystem m;
    SubPrepareCatalogueMessage(m, 4001);
    EXPECT_EQ(m.nFctDisplay(), kResultCancel);  // never "Yes, save" nor "No, discard"
    EXPECT_EQ(m.nButtons, 0);
}

TEST_F(MessageSystem, GlobalObjectIsOneObjectResetAfterEachDisplay)
{
    ClsMessageSystem* first = &*gMsg;
    EXPECT_EQ(&*gMsg, first);
    gMsg->nButtons = kButtonsYesNo;
    gMsg->nTextID = 202;
    display.answer = kResultYes;
    EXPECT_EQ(gMsg->nFctDisplay(), kResultYes);
    EXPECT_EQ(gMsg->nButtons, 0);
    EXPECT_EQ(gMsg->nTextID, 0);
}

// ---- the catalogue ---------------------------------------------------------

TEST_F(MessageSystem, CatalogueMessagesTakeTheirPropertiesAndTexts)
{
    struct Expected {
        int16_t number;
        int16_t kind;
        int16_t buttons;
        int16_t textId;
        int16_t showError;
    };
    const Expected rows[] = {
        {1005, 16, 0, 98, -1}, {1006, 16, 0, 99, -1}, {1010, 16, 0, 297, -1}, {1013, 16, 0, 349, 0},
        {2001, 48, 0, 100, 0}, {2002, 48, 0, 140, 0}, {2003, 48, 1, 156, 0}, {2007, 48, 1, 160, 0},
        {2009, 48, 0, 181, -1}, {2010, 48, 0, 201, 0}, {2013, 64, 0, 0, 0},  {2015, 48, 0, 347, 0},
        {3001, 48, 0, 348, 0},  {4001, 32, 3, 96, 0},  {4002, 32, 4, 110, 0}, {4003, 32, 4, 202, 0},
        {4004, 32, 4, 392, 0},
    };
    for (const auto& r : rows) {
        ClsMessageSystem m;
        SubPrepareCatalogueMessage(m, r.number);
        EXPECT_EQ(m.nMessageNumber, r.number);
        EXPECT_EQ(m.nKind, r.kind) << r.number;
        EXPECT_EQ(m.nButtons, r.buttons) << r.number;
        EXPECT_EQ(m.nTextID, r.textId) << r.number;
        EXPECT_EQ(m.bShowError, r.showError) << r.number;
    }

    // 2013 and 2014 carry only an extra text: no leading blank lines.
    ClsMessageSystem pathUnknown;
    SubPrepareCatalogueMessage(pathUnknown, 2014);
    EXPECT_EQ(ComposeMessage(pathUnknown).text, sFctGetText(238));
    EXPECT_EQ(ComposeMessage(pathUnknown).title, "Information Message");

    ClsMessageSystem unknown;
    SubPrepareCatalogueMessage(unknown, 1234);
    EXPECT_EQ(unknown.nMessageNumber, 0);
    EXPECT_EQ(FindCatalogueMessage(1234), nullptr);
}

TEST_F(MessageSystem, EveryCatalogueTextExistsInBothLanguages)
{
    for (int16_t number = 1000; number < 5000; ++number) {
        const MessageCatalogueEntry* entry = FindCatalogueMessage(number);
        if (!entry)
            continue;
        for (int16_t offset : {0, 1000}) {
            gnLanguageOffset = offset;
            for (int16_t id : {entry->textId, entry->extraTextId}) {
                if (id != 0) {
                    EXPECT_NE(sFctGetText(id), "???") << "message " << number << " string " << id + offset;
                }
            }
        }
    }
}

TEST_F(MessageSystem, UnitChangeRefusalExtraTextByMechanism)
{
    EXPECT_EQ(nFctUnitChangeRefusalExtraTextId(1, false), 142);  // conveyor
    EXPECT_EQ(nFctUnitChangeRefusalExtraTextId(5, true), 141);   // leadscrew
    EXPECT_EQ(nFctUnitChangeRefusalExtraTextId(6, false), 141);  // rack and pinion
    EXPECT_EQ(nFctUnitChangeRefusalExtraTextId(9, true), 375);   // nip roll, mechanism table
    EXPECT_EQ(nFctUnitChangeRefusalExtraTextId(9, false), 0);    // nip roll, quick setup
    EXPECT_EQ(nFctUnitChangeRefusalExtraTextId(4, true), 0);     // gearbox
}

// ---- the loaders' plain critical box ---------------------------------------

TEST_F(MessageSystem, LoaderCriticalBoxIsPlainAndSeparate)
{
    const CriticalBoxText box = ComposeCriticalBox(1002, 3078, "Table UnitList not found");
    EXPECT_EQ(box.title, "Critical Message - 1002");
    EXPECT_EQ(box.body, "3078 - Table UnitList not found" + kBlankLine + sFctGetText(86));
    EXPECT_EQ(box.body.substr(box.body.size() - 31), "Please, re-install the program.");

    gMsg->nTextID = 100;  // a message being prepared is not touched
    SubShowCriticalBox(1012, 3021, "No current record");
    ASSERT_EQ(display.criticalBoxes.size(), 1u);
    EXPECT_EQ(display.criticalBoxes[0].first, "Critical Message - 1012");
    EXPECT_EQ(display.criticalBoxes[0].second,
              "3021 - No current record" + kBlankLine + "Error while attempting to read functionality settings.");
    EXPECT_TRUE(display.shown.empty());
    EXPECT_EQ(display.beeps, 0);
    EXPECT_EQ(gMsg->nTextID, 100);
    gMsg->nTextID = 0;

    for (int16_t number : {1001, 1002, 1003, 1004, 1012}) {
        EXPECT_TRUE(FindCatalogueMessage(number)->plainBox) << number;
    }
}

} // namespace
