#pragma once
// The one way the program replaces a file: the new content goes into a file
// of its own beside the target, which is moved over the target in one step
// once it is complete, so that the target is either kept whole or replaced
// whole. Every file the program writes (the application file and its
// backup, the settings file, a printed PDF) is written so.
//
//   platform::RemoveLeftoversBeside(target);
//   platform::ReplacementFile file(target);
//   int error = file.Error();
//   if (error == 0) error = file.Write(bytes);
//   if (error == 0) { file.TakePermissionsOf(target); error = file.MoveOverTarget(); }
//   // a file not moved over its target is removed with the object
#include <string>

namespace platform {

class ReplacementFile {
public:
    // Makes a new, empty file in the folder of `target` (the target itself
    // is not touched), under a short temporary name of the program's own
    // form (".orvamis-saving-", the identity of this machine's boot and pid
    // namespace in 16 hex digits, "-", the process ID and two numbers that
    // make it unique), so that a target whose name is as long as the folder
    // takes still has one. The name is taken exclusively: an existing file
    // is never reused. The file has the mode the umask gives a new file,
    // and its owner may always read and write it. Error() tells whether it
    // could be made.
    explicit ReplacementFile(std::string target);
    // Removes the file unless it was moved over its target.
    ~ReplacementFile();
    ReplacementFile(const ReplacementFile&) = delete;
    ReplacementFile& operator=(const ReplacementFile&) = delete;

    // 0 when the file was made, else the reason as an errno value.
    int Error() const { return error_; }
    // The file's name ("" when it could not be made); other writers (the
    // database engine) may open it by this name while it is being built.
    const std::string& Path() const { return path_; }

    // Appends every byte; 0 or the reason (ENOSPC when no more fits).
    int Write(const std::string& bytes);
    // Appends the whole content of the file at `source`; 0 or the reason
    // (ENOENT when there is none).
    int CopyFrom(const std::string& source);

    // Gives the file the mode, owner and group of the regular file at
    // `model` as far as this user may set them (a refusal is passed over);
    // nothing changes where there is no such file.
    void TakePermissionsOf(const std::string& model);

    // Forces the content to the disk, moves the file over its target in one
    // step (an existing target is replaced) and makes the move durable; 0 or
    // the reason, and then the target is as it was.
    int MoveOverTarget();

private:
    std::string target_;
    std::string path_;
    int descriptor_ = -1;
    int error_ = 0;
    bool moved_ = false;
};

// Removes the files (and the database engine's journals beside them) that
// writes killed half-way left in the folder of `target`: only names exactly
// of ReplacementFile's form, made on this machine since its last start, in
// this process's pid namespace, by this process (which writes one file at a
// time) or by one that no longer runs. A write running elsewhere (another
// container, another machine sharing the folder) keeps its file, and so
// does every other name. Errors are passed over.
void RemoveLeftoversBeside(const std::string& target);

// Writes every byte of text to the open file from where it stands; 0 or the
// reason (ENOSPC when no more fits).
int WriteAllBytes(int descriptor, const std::string& text);

// The step that moves a finished file over its target (a rename), returning
// 0 or the errno. Tests put in one that fails, to see what a failed move
// leaves; nullptr puts the rename back. Returns the step that was in place.
using MoveStep = int (*)(const std::string& from, const std::string& to);
MoveStep SetMoveStep(MoveStep step);

} // namespace platform
