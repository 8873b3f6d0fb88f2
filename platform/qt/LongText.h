#pragma once
#include <QString>

class QFont;

namespace platform {

// How a text of any length (an axis title) shows in a list entry or a menu
// entry: whole when it is at most LongTextWidth wide, else cut to that width
// with "..." at its end; the entry then carries the whole text in its tip.
// So a long title widens no list, dialog or menu past the screen.

// About 60 average characters of the font.
int LongTextWidth(const QFont& font);
QString ElidedLongText(const QString& text, const QFont& font);

// A text shown as typed in a menu entry (an axis title, a file's path):
// each "&" doubled, so that none marks the next character as the entry's
// key, and each tab a blank, so that none starts a shortcut's text.
QString AsTypedInMenu(const QString& text);

} // namespace platform
