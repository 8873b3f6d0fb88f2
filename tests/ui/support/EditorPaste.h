#pragma once
// Text put into an open line editor as a user puts it there: Ctrl+V, the
// Paste entry of the editor's context menu, a drop, the commit of an input
// method.
#include <QString>

class QLineEdit;

namespace testing_support {

enum class PasteRoute { Keys, Menu, Drop, InputMethod };

// Keys and Menu paste from the clipboard (set to the text) over the
// selection, or at the cursor; Drop lets the text fall where the cursor
// stands; InputMethod commits it over the selection, or at the cursor.
// False when the route could not be taken (no Paste entry in the menu).
bool PutIntoEditor(QLineEdit* editor, const QString& text, PasteRoute route);

// The route's name for a test row.
const char* RouteName(PasteRoute route);

} // namespace testing_support
