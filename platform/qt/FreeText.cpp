#include "platform/qt/FreeText.h"

namespace platform {

std::u32string FreeTextCharacters(const QString& text)
{
    std::u32string characters;
    characters.reserve(static_cast<std::size_t>(text.size()));
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar unit = text[i];
        if (unit.isHighSurrogate() && i + 1 < text.size() && text[i + 1].isLowSurrogate()) {
            characters += QChar::surrogateToUcs4(unit, text[i + 1]);
            ++i;
        } else {
            characters += unit.unicode();
        }
    }
    return characters;
}

QString AsFreeTextLine(const QString& text)
{
    return QString::fromStdU32String(FreeTextLine(FreeTextCharacters(text)));
}

QString WithoutControlsAround(const QString& text)
{
    const auto control = [](QChar unit) { return nFctFreeTextCharacter(unit.unicode()) == FreeTextCharacter::Blank; };
    qsizetype first = 0;
    qsizetype end = text.size();
    while (first < end && control(text[first]))
        ++first;
    while (end > first && control(text[end - 1]))
        --end;
    return text.mid(first, end - first);
}

QString TypedTextCharacter(const QString& keyText)
{
    const std::u32string characters = FreeTextCharacters(keyText);
    if (characters.empty() || nFctFreeTextCharacter(characters.front()) != FreeTextCharacter::Text)
        return {};
    return QString::fromStdU32String(characters.substr(0, 1));
}

QValidator::State FreeTextLineGuard::validate(QString& input, int& pos) const
{
    const QString line = AsFreeTextLine(input);
    if (line != input) {
        // A tab or line end is one blank, as is CR LF: the cursor stays
        // after what it stood after.
        pos = static_cast<int>(AsFreeTextLine(input.left(pos)).size());
        input = line;
    }
    return Acceptable;
}

} // namespace platform
