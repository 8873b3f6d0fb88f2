#pragma once
#include <QString>

namespace platform {

// Qt's own texts (file, colour and message dialogs, the system menus of the
// child windows, the context menus of text fields) in the program's
// language: "de" installs Qt's German translation, "" (or a language Qt has
// no translation for) takes it away again, so that Qt speaks English.
// Returns whether Qt now speaks the language asked for.
bool UseQtLanguage(const QString& language);

} // namespace platform
