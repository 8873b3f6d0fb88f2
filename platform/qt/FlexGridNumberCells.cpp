// The number cells of a grid: each cell's rule of the minus sign, set where
// the window fills the grid, held to every key, paste and edit of its
// editor and to the text it finishes with.
#include "platform/qt/FlexGrid.h"

#include <QLineEdit>

namespace platform {

void FlexGrid::SetNumberCell(int row, int col, const NumberKeyRule& rule)
{
    numberRules_.insert({row, col}, rule);
}

bool FlexGrid::IsNumberCell(int row, int col) const
{
    return numberRules_.contains({row, col});
}

const NumberKeyRule* FlexGrid::EditedNumberRule() const
{
    if (!qobject_cast<QLineEdit*>(editor_.data()))
        return nullptr;
    const auto found = numberRules_.constFind({editRow_, editCol_});
    return found == numberRules_.constEnd() ? nullptr : &found.value();
}

// A key goes in where the text it makes is a number text or can still
// become one (where the old value waits to be replaced, the key replaces
// it: the editor is emptied first).
bool FlexGrid::TakeNumberKey(QChar key)
{
    const NumberKeyRule* rule = EditedNumberRule();
    if (!rule)
        return true;
    QString before;
    QString after;
    EditTextAroundCursor(before, after);
    const std::string typed = QString(key).toStdString();
    const NumberFault fault =
        nFctNumberKeyFault(before.toStdString(), typed, after.toStdString(), numberFirstKey_, *rule);
    if (fault != NumberFault::None) {
        SubShowNumberFault(NumberEntry::Typed, fault, typed);
        return false;
    }
    if (numberFirstKey_) {
        SetEditText(QString());
        numberFirstKey_ = false;
    }
    return true;
}

// Text pasted, dropped or committed must leave a number text, rounded to
// kMostEnteredDigits significant digits where it has more (where the old
// value waits to be replaced, the pasted text replaces it, as a first key
// does); an edit of the editor's own a text that is one or can become one,
// and, as Backspace, it leaves the old value waiting.
bool FlexGrid::TakeNumberText(QString& whole)
{
    const NumberKeyRule* rule = EditedNumberRule();
    if (!rule)
        return true;
    const bool pasting = PastingText();
    const NumberEntry entry = pasting ? NumberEntry::Pasted : NumberEntry::Typed;
    const std::string text = (pasting && numberFirstKey_ ? PastedText() : whole).toStdString();
    const NumberFault fault = pasting ? nFctPastedNumberFault(text, *rule) : nFctEditedNumberFault(text);
    SubShowNumberFault(entry, fault);
    if (fault != NumberFault::None)
        return false;
    if (!pasting)
        return true;
    whole = QString::fromStdString(sFctRoundToEnteredDigits(text));
    numberFirstKey_ = false;
    return true;
}

// A value other than the cell's, stored, takes an earlier refusal's text
// away.
bool FlexGrid::TakeFinishedNumber(int row, int col, const QString& text) const
{
    const auto found = numberRules_.constFind({row, col});
    if (found == numberRules_.constEnd())
        return true;
    const NumberFault fault = nFctStoredNumberFault(text.toStdString(), found.value());
    if (fault != NumberFault::None || text != TextMatrix(row, col))
        SubShowNumberFault(NumberEntry::Stored, fault);
    return fault == NumberFault::None;
}

} // namespace platform
