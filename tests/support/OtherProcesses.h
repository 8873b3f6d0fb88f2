#pragma once
// Running part of a test as something other than this process: a copy of
// it (to be killed half-way, or to change what only a whole process can),
// another user, a process whose writes find the disk full.
#include <functional>
#include <string>

namespace testing_support {

// Runs work in a copy of this process (as another copy of the program with
// the same application in memory would) and waits for it to end; true when
// work returned true there. Nothing work changes in memory reaches this
// process.
bool RunInAnotherProcess(const std::function<bool()>& work);

// The user and group another user's processes run as in these tests.
inline constexpr unsigned kOtherUserId = 65534;

// Runs work with the user and group ids of another user (kOtherUserId, no
// supplementary groups) as this process's real and effective ids, then
// takes root's back. False, without running work, when this process is not
// root, who alone may act as another user.
bool RunAsAnotherUser(const std::function<void()>& work);

// From now on every write of this process into a file (any descriptor but
// standard input, output and error) fails as on a full disk (ENOSPC); for a
// copy of the process only (RunInAnotherProcess), since it cannot be
// undone. False when the system does not let a process filter its calls.
bool LetWritesFindTheDiskFull();

// Begins a write into target in a copy of this process, as the program's
// writers do (a platform::ReplacementFile beside it, part of the bytes
// written), and kills that copy there. Returns the name of the file it
// left in target's folder ("" when none was left).
std::string LeaveAKilledWrite(const std::string& target);

// The name `leftover` (a name LeaveAKilledWrite gave) would have if another
// container's copy of the program had made it, under a process ID that no
// process has: a write that may still be in progress there.
std::string AnotherContainersName(const std::string& leftover);

} // namespace testing_support
