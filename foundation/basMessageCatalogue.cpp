#include "foundation/basMessageCatalogue.h"

#include "foundation/ClsMessageSystem.h"
#include "foundation/basTextResources.h"

#include <algorithm>
#include <iterator>

namespace {

constexpr bool kError = true;
constexpr bool kLoaderBox = true;

constexpr MessageCatalogueEntry kCatalogue[] = {
    // number kind              buttons                  text extra error    plain box
    {1001, kKindCritical,    kButtonsOk,          41,  0,   kError, kLoaderBox},  // opening the reference database
    {1002, kKindCritical,    kButtonsOk,          86,  0,   kError, kLoaderBox},  // reading the unit list
    {1003, kKindCritical,    kButtonsOk,          85,  0,   kError, kLoaderBox},  // building the parameter control table
    {1004, kKindCritical,    kButtonsOk,          87,  0,   kError, kLoaderBox},  // reading the conversion factors
    {1005, kKindCritical,    kButtonsOk,          98,  0,   kError, false},       // saving an application file
    {1006, kKindCritical,    kButtonsOk,          99,  0,   kError, false},       // reading an application file
    {1010, kKindCritical,    kButtonsOk,          297, 0,   kError, false},       // the file template is missing
    {1012, kKindCritical,    kButtonsOk,          310, 0,   kError, kLoaderBox},  // reading the functionality settings
    {1013, kKindCritical,    kButtonsOk,          349, 0,   false,  false},       // a file of another customised version
    {2001, kKindWarning,     kButtonsOk,          100, 0,   false,  false},       // three axes in use already
    {2002, kKindWarning,     kButtonsOk,          140, 0,   false,  false},       // unit change refused (extra text by mechanism)
    {2003, kKindWarning,     kButtonsOkCancel,    156, 0,   false,  false},       // quick setup: accel or decel time zero
    {2004, kKindWarning,     kButtonsOkCancel,    157, 0,   false,  false},       // quick setup: too few data
    {2005, kKindWarning,     kButtonsOkCancel,    158, 0,   false,  false},       // quick setup: accel + decel distance too long
    {2006, kKindWarning,     kButtonsOkCancel,    159, 0,   false,  false},       // quick setup: accel + decel time too long
    {2007, kKindWarning,     kButtonsOkCancel,    160, 0,   false,  false},       // quick setup: distance inconsistent
    {2009, kKindWarning,     kButtonsOk,          181, 0,   kError, false},       // the report's output failed
    {2010, kKindWarning,     kButtonsOk,          201, 0,   false,  false},       // linear motion without pitch or lead
    {2013, kKindInformation, kButtonsOk,          0,   238, false,  false},       // word-processor path empty
    {2014, kKindInformation, kButtonsOk,          0,   238, false,  false},       // word-processor path names no file
    {2015, kKindWarning,     kButtonsOk,          347, 0,   false,  false},       // showing the report without a printer
    {2016, kKindWarning,     kButtonsOk,          347, 0,   false,  false},       // printing the report without a printer
    {2017, kKindWarning,     kButtonsOk,          58,  0,   false,  false},       // the print dialog's page range names no page
    {2020, kKindWarning,     kButtonsOk,          380, 0,   false,  false},       // the settings could not be kept (extra: file and reason)
    {3001, kKindWarning,     kButtonsOk,          348, 0,   false,  false},       // Weight Only on a rotary axis
    {4001, kKindQuery,       kButtonsYesNoCancel, 96,  0,   false,  false},       // save changes? (Yes/No when no Cancel allowed)
    {4002, kKindQuery,       kButtonsYesNo,       110, 0,   false,  false},       // delete the axis? (extra: the axis entry)
    {4003, kKindQuery,       kButtonsYesNo,       202, 0,   false,  false},       // switch the profile to rotary motion?
    {4004, kKindQuery,       kButtonsYesNo,       392, 0,   false,  false},       // replace a file changed since? (extra: the file)
};

struct RefusalExtraText {
    int16_t mechanismType;
    int16_t textId;
    bool mechanismTableOnly;
};

constexpr RefusalExtraText kUnitChangeRefusalExtraTexts[] = {
    {1, 142, false},  // conveyor: the motor pulley diameter
    {5, 141, false},  // leadscrew: the pitch or lead
    {6, 141, false},  // rack and pinion: the pitch or lead
    {9, 375, true},   // nip roll: the drive roller diameter
};

} // namespace

const MessageCatalogueEntry* FindCatalogueMessage(int16_t number)
{
    const auto entry = std::find_if(std::begin(kCatalogue), std::end(kCatalogue),
                                    [number](const MessageCatalogueEntry& e) { return e.number == number; });
    return entry == std::end(kCatalogue) ? nullptr : entry;
}

void SubPrepareCatalogueMessage(ClsMessageSystem& message, int16_t number)
{
    const MessageCatalogueEntry* entry = FindCatalogueMessage(number);
    if (!entry)
        return;
    message.nKind = entry->kind;
    message.nButtons = entry->buttons;
    message.nTextID = entry->textId;
    message.sExtraText = entry->extraTextId != 0 ? sFctGetText(entry->extraTextId) : std::string();
    message.nMessageNumber = entry->number;
    message.bShowError = entry->showError ? -1 : 0;
}

int16_t nFctUnitChangeRefusalExtraTextId(int16_t mechanismType, bool inMechanismTable)
{
    for (const auto& row : kUnitChangeRefusalExtraTexts) {
        if (row.mechanismType == mechanismType)
            return !row.mechanismTableOnly || inMechanismTable ? row.textId : 0;
    }
    return 0;
}
