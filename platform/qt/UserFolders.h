#pragma once
#include <QString>

#include <string>

namespace platform {

// The folder in which the user's file dialogs start: the folder the user
// chose last (chosen), while it still is a folder and is not the program's
// own folder; else the user's documents folder, or the home folder where
// there is none. The program's folder stands in a settings file that no
// choice of the user's has changed yet, and an installed program's own
// folder often takes no file.
QString UserStartFolder(const std::string& chosen, const std::string& programFolder);

} // namespace platform
