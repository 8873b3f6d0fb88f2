#pragma once
#include "foundation/basGlobalFunctions.h"

#include <QString>
#include <QValidator>

#include <string>

namespace platform {

// Free text held in QStrings, by the rule of nFctFreeTextCharacter.

// The characters of the text: a surrogate pair is one character, a
// surrogate half on its own stays itself (and so is no character).
std::u32string FreeTextCharacters(const QString& text);

// The text as one line of free text (FreeTextLine).
QString AsFreeTextLine(const QString& text);

// The text without the tabs, line ends and other control characters at its
// ends; blanks stay.
QString WithoutControlsAround(const QString& text);

// The first character of a key's text, whole, when it is one that free
// text holds; else empty (a control character is a command, no text).
QString TypedTextCharacter(const QString& keyText);

// Keeps a line editor's text one line of free text, whatever puts text
// into it (keys, a paste, a drop, an input method): tabs, line ends and
// other control characters become blanks, half a character U+FFFD.
class FreeTextLineGuard : public QValidator {
public:
    using QValidator::QValidator;
    State validate(QString& input, int& pos) const override;
};

} // namespace platform
