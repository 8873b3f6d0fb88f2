#pragma once
// Saving the open application (every axis in use and the window-status
// list) into an application file, and opening one. An application file is
// an SQLite database built from the template gsTemplateDbPath.
#include <cstdint>
#include <string>

// True (-1) when the last save or open of an application file failed, False
// (0) otherwise. Both operations set it False when they start. The save
// prompt of the main window reads it after a save.
extern int16_t gbFileAccessError;

// Writes the open application to sFile. The file is built beside sFile under
// a temporary name (a copy of the template, then every row in one
// transaction, then flushed to the disk) and moved over sFile in one step
// only when it is complete (platform/core/ReplacementFile.h). A file that
// replaces another keeps its mode, owner and group as far as this user may
// set them; a new file has the mode the umask gives, its owner's to write
// whatever the template's mode. When sFile is a symbolic link, the file it
// points to is written and the link kept. When gbCreateBackup and
// bRenewBackup are True, the file found at sFile becomes the backup (sFile
// less its last three characters, then "bak"; none when sFile itself ends in
// "bak"), with the file's mode, owner and group, but only once the new file
// is in place (a backup that may not be written is kept as it is); a save of nothing but window states passes bRenewBackup
// False, so the backup keeps the previous generation. A save
// first removes the temporary files that killed writes of this machine left
// in its folder, and nothing else (platform::RemoveLeftoversBeside). A file
// that may not be written (platform::WriteRefusal: read-only, or not this
// user's to write) is refused and left as it is, and the message says which.
// After a successful save gbWindowStatusChanged is False, the file as written
// is what the program knows of sFile (appfile/AppFileOnDisk.h), and the
// window-status list keeps its in-memory axis numbers (the file holds the
// stored ones). The error of a failed save names sFile.
//
// On failure the file at sFile and its backup are left as they were, the
// message is shown (1010 when the template is missing, 1005 otherwise, also
// for sFile naming a folder or a file the program reads itself: the
// template, the reference or materials database, the settings file),
// gbFileAccessError is True and the result is False (0). Returns True (-1)
// when the file was written.
int16_t nFctWriteApplicationFile(const std::string& sFile, int16_t bRenewBackup = -1);

// Writes the open application to sFile as nFctWriteApplicationFile does with
// bRenewBackup False, but a failure shows no message: for a save that may be
// given up, such as the window states of a file being left. The result and
// gbFileAccessError are as there.
int16_t nFctWriteApplicationFileUntold(const std::string& sFile);

// True when file names (through any symbolic links) one of the files the
// program itself reads from its folder, which nothing it writes may
// replace: the template, the reference and materials databases, the
// settings file.
bool IsProgramFile(const std::string& file);

// Reads the application file sFile (opened read-only) into gAxis, replacing
// every axis, with the axis IDs 1 to N in file order, and its window-status
// list into gWindowStatus (gbWindowStatusChanged False). The whole file is
// read and checked first (every page of the database, then every row); the
// model is changed only when it passed. Anything that is not a regular file
// is refused unopened, and reading leaves nothing beside the file. The file
// as read is what the program knows of sFile afterwards; after a failure it
// knows no file.
//
// On failure the message is shown (1013 when the file carries another
// company marker, 1006 for every other reason), the application is left
// empty as after a close (no axis, empty window-status list),
// gbFileAccessError is True and the result is False (0). Returns True (-1)
// when the file was read.
int16_t nFctReadApplicationFile(const std::string& sFile);
