#pragma once
#include <cstdint>
#include <memory>
#include <string>

#include "foundation/MessageDisplay.h"

// Every error, warning, note and question goes through gMsg: the caller sets
// the properties its message needs and calls nFctDisplay, which shows the
// message dialog modally, resets the object and returns the pressed button.

// MessageKind: chooses the title and the icon.
enum MessageKind : int16_t { kKindCritical = 16, kKindQuery = 32, kKindWarning = 48, kKindInformation = 64 };

// MessageButtons: the button set.
enum MessageButtons : int16_t {
    kButtonsOk = 0,
    kButtonsOkCancel = 1,
    kButtonsAbortRetryIgnore = 2,
    kButtonsYesNoCancel = 3,
    kButtonsYesNo = 4,
    kButtonsRetryCancel = 5
};

// MessageResult: the pressed button.
enum MessageResult : int16_t {
    kResultOk = 1,
    kResultCancel = 2,
    kResultAbort = 3,
    kResultRetry = 4,
    kResultIgnore = 5,
    kResultYes = 6,
    kResultNo = 7
};

class ClsMessageSystem {
public:
    ClsMessageSystem();

    // Reset after every display to the defaults below.
    std::string sTitle;              // empty: the title of the kind
    int16_t nButtons = 0;            // a MessageButtons
    int16_t nTextID = 0;             // string id of the text; 0 none
    std::string sExtraText;          // shown after the text
    int16_t nMessageNumber = 0;      // shown in the caption; 0 none
    int16_t bShowError = 0;          // True (-1): the current error line first
    int32_t nErrorNumber = 0;        // captured by nFctDisplay
    std::string sErrorText;          // captured by nFctDisplay
    int16_t nKind = kKindInformation;
    // Kept from one display to the next.
    int16_t bCustomButtons = 0;      // True: the three texts below as buttons
    std::string sButton1Text;
    std::string sButton2Text;
    std::string sButton3Text;
    int16_t nDefaultButton = 0;      // custom: 0, 256, 512 focus button 0, 1, 2
    // Reset after every display.
    int16_t nResult = kResultOk;

    // Beeps, captures the current error when bShowError is True, shows the
    // message dialog modally, resets the object and returns the result.
    // With no message display installed nothing is shown and the result is
    // that of closing the dialog without a button.
    int16_t nFctDisplay();

private:
    void Class_Initialize();
};

// The one message object, created at its first use. Used as gMsg->nKind.
class MessageObjectHolder {
public:
    ClsMessageSystem* operator->() { return &get(); }
    ClsMessageSystem& operator*() { return get(); }

private:
    ClsMessageSystem& get();
    std::unique_ptr<ClsMessageSystem> object_;
};
extern MessageObjectHolder gMsg;

// The dialog as the message's properties and the current language make it:
// title, caption, icon, text, buttons, focus and the close result.
MessageComposition ComposeMessage(const ClsMessageSystem& message);

// The plain critical box of a failing reference-data loader.
struct CriticalBoxText {
    std::string title;  // string 14, " - " and the message number
    std::string body;   // the error number, " - ", the description, a blank line, the message's text
};
CriticalBoxText ComposeCriticalBox(int16_t messageNumber, int32_t errorNumber, const std::string& errorDescription);

// Shows the plain critical box of catalogue message 1001, 1002, 1003, 1004
// or 1012 for the given error (not through gMsg).
void SubShowCriticalBox(int16_t messageNumber, int32_t errorNumber, const std::string& errorDescription);
