#include "foundation/ClsMessageSystem.h"

#include "foundation/basMessageCatalogue.h"
#include "foundation/basTextResources.h"
#include "foundation/basWinAPICalls.h"
#include "platform/core/CurrentError.h"

#include <string>

namespace platform {

namespace {
MessageDisplay* gInstalledDisplay = nullptr;
}

void InstallMessageDisplay(MessageDisplay* display)
{
    gInstalledDisplay = display;
}

MessageDisplay* InstalledMessageDisplay()
{
    return gInstalledDisplay;
}

} // namespace platform

MessageObjectHolder gMsg;

namespace {

constexpr const char* kBlankLine = "\r\n\r\n";
constexpr int32_t kLeastColorsForScheme = 257;
constexpr int16_t kNoMessageTextId = 18;
constexpr int16_t kCriticalTitleId = 14;

struct KindLook {
    int16_t kind;
    int16_t titleId;
    int icon;
};

// Title and icon by kind; any other kind has the information title and no
// icon.
constexpr KindLook kKindLooks[] = {
    {kKindCritical, kCriticalTitleId, kIconCritical},
    {kKindWarning, 15, kIconWarning},
    {kKindInformation, 16, kIconInformation},
    {kKindQuery, 17, kIconQuery},
};
constexpr int16_t kOtherKindTitleId = 16;

struct ButtonPlace {
    int16_t textId;  // 0: hidden
    int16_t result;
};

struct ButtonSet {
    ButtonPlace places[3];  // left to right; fewer buttons take the right places
    int focus;
    int16_t closeResult;    // Cancel where the set has it, else its last button
};

// Indexed by MessageButtons; any other value is shown as OK.
constexpr ButtonSet kButtonSets[] = {
    {{{0, 0}, {0, 0}, {19, kResultOk}}, 2, kResultOk},                                         // OK
    {{{0, 0}, {19, kResultOk}, {20, kResultCancel}}, 1, kResultCancel},                        // OK/Cancel
    {{{21, kResultAbort}, {22, kResultRetry}, {23, kResultIgnore}}, 0, kResultIgnore},         // Abort/Retry/Ignore
    {{{24, kResultYes}, {25, kResultNo}, {20, kResultCancel}}, 0, kResultCancel},              // Yes/No/Cancel
    {{{0, 0}, {24, kResultYes}, {25, kResultNo}}, 1, kResultNo},                               // Yes/No
    {{{0, 0}, {22, kResultRetry}, {20, kResultCancel}}, 2, kResultCancel},                     // Retry/Cancel
};

std::string TitleOf(const ClsMessageSystem& message)
{
    if (!message.sTitle.empty())
        return message.sTitle;
    for (const auto& look : kKindLooks) {
        if (look.kind == message.nKind)
            return sFctGetText(look.titleId);
    }
    return sFctGetText(kOtherKindTitleId);
}

int IconOf(int16_t kind)
{
    for (const auto& look : kKindLooks) {
        if (look.kind == kind)
            return look.icon;
    }
    return kIconNone;
}

// A number as the caption shows it: a leading blank when it is positive.
std::string NumberWithSignPlace(int32_t number)
{
    return (number > 0 ? " " : "") + std::to_string(number);
}

void AppendParagraph(std::string& text, const std::string& paragraph)
{
    if (!text.empty())
        text += kBlankLine;
    text += paragraph;
}

std::string TextOf(const ClsMessageSystem& message)
{
    std::string text;
    if (message.bShowError)
        text = std::to_string(message.nErrorNumber) + " - " + message.sErrorText;
    if (message.nTextID != 0)
        AppendParagraph(text, sFctGetText(message.nTextID));
    if (!message.sExtraText.empty())
        AppendParagraph(text, message.sExtraText);
    return text.empty() ? sFctGetText(kNoMessageTextId) : text;
}

void SetStandardButtons(MessageComposition& composition, int16_t buttons)
{
    const bool known = buttons >= 0 && buttons < static_cast<int16_t>(std::size(kButtonSets));
    const ButtonSet& set = kButtonSets[known ? buttons : int16_t{kButtonsOk}];
    for (std::size_t k = 0; k < composition.buttons.size(); ++k) {
        const ButtonPlace& place = set.places[k];
        if (place.textId != 0)
            composition.buttons[k] = MessageButtonFace{true, sFctGetText(place.textId), place.result};
    }
    composition.focusButton = set.focus;
    composition.closeResult = set.closeResult;
}

// Custom buttons return 1, 2 and 3 from left to right; closing the dialog
// returns the rightmost shown button's result.
void SetCustomButtons(MessageComposition& composition, const ClsMessageSystem& message)
{
    const std::string* texts[] = {&message.sButton1Text, &message.sButton2Text, &message.sButton3Text};
    for (std::size_t k = 0; k < composition.buttons.size(); ++k) {
        const auto result = static_cast<int16_t>(k + 1);
        composition.buttons[k] = MessageButtonFace{!texts[k]->empty(), *texts[k], result};
        if (!texts[k]->empty())
            composition.closeResult = result;
    }
    constexpr int16_t kFocusCodes[] = {0, 256, 512};
    composition.focusButton = -1;
    for (int k = 0; k < 3; ++k) {
        if (message.nDefaultButton == kFocusCodes[k])
            composition.focusButton = k;
    }
}

} // namespace

ClsMessageSystem& MessageObjectHolder::get()
{
    if (!object_)
        object_ = std::make_unique<ClsMessageSystem>();
    return *object_;
}

ClsMessageSystem::ClsMessageSystem()
{
    Class_Initialize();
}

void ClsMessageSystem::Class_Initialize()
{
    sTitle.clear();
    nButtons = kButtonsOk;
    nTextID = 0;
    sExtraText.clear();
    nMessageNumber = 0;
    bShowError = 0;
    nErrorNumber = 0;
    sErrorText.clear();
    nKind = kKindInformation;
    nResult = kResultOk;
}

int16_t ClsMessageSystem::nFctDisplay()
{
    platform::MessageDisplay* display = platform::InstalledMessageDisplay();
    if (display)
        display->Beep();
    if (bShowError) {
        nErrorNumber = platform::GetCurrentError().number;
        sErrorText = platform::GetCurrentError().description;
    }
    const MessageComposition composition = ComposeMessage(*this);
    if (display) {
        display->RestoreDefaultCursor();
        nResult = display->ShowMessage(composition);
    } else {
        nResult = composition.closeResult;
    }
    const int16_t result = nResult;
    Class_Initialize();
    return result;
}

MessageComposition ComposeMessage(const ClsMessageSystem& message)
{
    MessageComposition composition;
    composition.colorScheme = glScreenColors >= kLeastColorsForScheme;
    composition.title = TitleOf(message);
    composition.caption = composition.title;
    if (message.nMessageNumber != 0)
        composition.caption += " -" + NumberWithSignPlace(message.nMessageNumber);
    composition.icon = IconOf(message.nKind);
    if (message.bCustomButtons)
        SetCustomButtons(composition, message);
    else
        SetStandardButtons(composition, message.nButtons);
    composition.text = TextOf(message);
    return composition;
}

CriticalBoxText ComposeCriticalBox(int16_t messageNumber, int32_t errorNumber, const std::string& errorDescription)
{
    const MessageCatalogueEntry* entry = FindCatalogueMessage(messageNumber);
    CriticalBoxText box;
    box.title = sFctGetText(kCriticalTitleId) + " - " + std::to_string(messageNumber);
    box.body = std::to_string(errorNumber) + " - " + errorDescription + kBlankLine;
    if (entry)
        box.body += sFctGetText(entry->textId);
    return box;
}

void SubShowCriticalBox(int16_t messageNumber, int32_t errorNumber, const std::string& errorDescription)
{
    if (platform::MessageDisplay* display = platform::InstalledMessageDisplay()) {
        const CriticalBoxText box = ComposeCriticalBox(messageNumber, errorNumber, errorDescription);
        display->ShowCriticalBox(box.title, box.body);
    }
}
