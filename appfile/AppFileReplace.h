#pragma once
// File steps of saving an application file so that the file on disk is never
// lost: the new file is built under a temporary name in the target's folder
// and moved over the target in one step only when it is complete.
#include "appfile/AppFileError.h"

#include <string>
#include <system_error>

namespace appfile {

// Copies `source` byte for byte into a new file with a short unique name of
// its own in the folder of `target` (the target itself is not touched) and
// returns that name in `tempPath`. The copy takes the permissions of `target`
// when it exists, else those of `source`, and its owner may always read and
// write it. False with `error` set when the copy cannot be made (the error
// names `source` when it is missing, else `target`); no file is left behind
// then.
bool CreateTempCopyBeside(const std::string& source, const std::string& target,
                          std::string& tempPath, AppFileError& error);

// Forces the content of `tempPath`, the file being built for `target`, to
// the disk; a failure names `target`.
bool FlushTempFileToDisk(const std::string& tempPath, const std::string& target, AppFileError& error);

// Moves `tempPath` over `target` in one step (an existing target is replaced,
// a target that is a folder is an error) and makes the move durable.
bool ReplaceFileWith(const std::string& tempPath, const std::string& target,
                     AppFileError& error);

// Removes a file, ignoring every error.
void RemoveFileQuietly(const std::string& path);

// Removes the temporary files (and their database journals) that earlier
// saves left in the folder of `target` when they were killed half-way: only
// names exactly of the form the saves of this program give them, made on
// this machine since its last start, in this process's pid namespace, by
// this process or by one that no longer runs. A save running elsewhere
// (another container, another machine sharing the folder) keeps its file,
// and so does every other name.
void RemoveLeftoverTempFiles(const std::string& target);

// The step that moves a finished file over its target (a rename). Tests
// put in one that fails, to see what a failed move leaves; nullptr puts the
// rename back. Returns the step that was in place.
using MoveStep = void (*)(const std::string& from, const std::string& to, std::error_code& ec);
MoveStep SetMoveStep(MoveStep step);

} // namespace appfile
