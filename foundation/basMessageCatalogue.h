#pragma once
#include <cstdint>

class ClsMessageSystem;

// Every message the program shows, by its number: kind, button set, string
// ids of the text and the extra text, and whether the current error is shown
// first. The texts come from the string table in the current language.
struct MessageCatalogueEntry {
    int16_t number;
    int16_t kind;         // MessageKind
    int16_t buttons;      // MessageButtons
    int16_t textId;       // 0: none
    int16_t extraTextId;  // 0: none (or an extra text the caller supplies)
    bool showError;       // the error line comes first
    bool plainBox;        // a reference-data loader's plain critical box, not gMsg
};

// The entry of a message number, or nullptr for a number the program does
// not have.
const MessageCatalogueEntry* FindCatalogueMessage(int16_t number);

// Sets nKind, nButtons, nTextID, sExtraText (the text of the extra string or
// empty), nMessageNumber and bShowError of the message object from the
// catalogue; an unknown number changes nothing. Callers then set what the
// message takes from the situation (4001 without Cancel, 4002's axis entry,
// 4004's file, 2002's extra text, 2020's file and reason) and call nFctDisplay.
void SubPrepareCatalogueMessage(ClsMessageSystem& message, int16_t number);

// Message 2002 (a unit change refused): the string id of the extra text by
// the mechanism type, 0 for none. The nip roll's text belongs to the
// mechanism table only.
int16_t nFctUnitChangeRefusalExtraTextId(int16_t mechanismType, bool inMechanismTable);
