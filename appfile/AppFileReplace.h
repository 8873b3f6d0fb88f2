#pragma once
// The file steps of saving an application file, on the program's one way of
// replacing a file (platform/core/ReplacementFile.h): the new file begins as
// a copy of the template in a ReplacementFile beside the target, the
// database engine writes its rows there, and it is moved over the target in
// one step only when it is complete.
#include "appfile/AppFileError.h"

#include <string>

namespace platform { class ReplacementFile; }

namespace appfile {

// A file step for `target` that failed with `reason` (an errno value or a
// platform::WriteRefusal), as the error of a save: it names target.
AppFileError FileStepError(const std::string& target, int reason);

// Copies the template at `source` into `file`, the new file of a save into
// `target`. False with `error` set when it cannot: the template missing
// (kFileNotFound, naming source) or no file, or the new file not made or
// not written (naming target).
bool CopyTemplateInto(platform::ReplacementFile& file, const std::string& source, const std::string& target,
                      AppFileError& error);

} // namespace appfile
