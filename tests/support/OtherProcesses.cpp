#include "tests/support/OtherProcesses.h"

#include "platform/core/ReplacementFile.h"

#include <grp.h>
#include <signal.h>
#include <linux/audit.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <sys/syscall.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstddef>
#include <filesystem>
#include <vector>

namespace testing_support {

bool RunInAnotherProcess(const std::function<bool()>& work)
{
    const pid_t child = ::fork();
    if (child == 0)
        ::_exit(work() ? 0 : 1);  // no clean-up: the folders are this process's
    int status = 0;
    return child > 0 && ::waitpid(child, &status, 0) == child && WIFEXITED(status) &&
           WEXITSTATUS(status) == 0;
}

bool RunAsAnotherUser(const std::function<void()>& work)
{
    if (::geteuid() != 0)
        return false;
    std::vector<gid_t> groups(static_cast<std::size_t>(::getgroups(0, nullptr)));
    groups.resize(static_cast<std::size_t>(::getgroups(static_cast<int>(groups.size()), groups.data())));
    // The saved ids stay root's, so that root's can be taken back.
    if (::setgroups(0, nullptr) != 0 || ::setresgid(kOtherUserId, kOtherUserId, 0) != 0 ||
        ::setresuid(kOtherUserId, kOtherUserId, 0) != 0)
        return false;
    work();
    const bool back = ::setresuid(0, 0, 0) == 0 && ::setresgid(0, 0, 0) == 0 &&
                      ::setgroups(groups.size(), groups.data()) == 0;
    if (!back)
        ::_exit(99);  // a test process that cannot be root again must not go on
    return true;
}

bool LetWritesFindTheDiskFull()
{
#if defined(__x86_64__)
    constexpr unsigned kArchitecture = AUDIT_ARCH_X86_64;
#elif defined(__aarch64__)
    constexpr unsigned kArchitecture = AUDIT_ARCH_AARCH64;
#else
    return false;
#endif
    // write(descriptor > 2, ...) fails with ENOSPC; every other call runs.
    sock_filter filter[] = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, arch)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, kArchitecture, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        BPF_JUMP(BPF_JMP | BPF_JEQ | BPF_K, __NR_write, 1, 0),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[0])),  // the descriptor's low half
        BPF_JUMP(BPF_JMP | BPF_JGT | BPF_K, 2, 0, 1),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | ENOSPC),
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW),
    };
    sock_fprog program{static_cast<unsigned short>(sizeof filter / sizeof filter[0]), filter};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

std::string LeaveAKilledWrite(const std::string& target)
{
    int name[2];
    if (::pipe(name) != 0)
        return "";
    const pid_t child = ::fork();
    if (child == 0) {
        ::close(name[0]);
        platform::ReplacementFile file(target);
        const std::string path = file.Path();
        if (file.Error() == 0 && file.Write("half of the bytes") == 0 &&
            ::write(name[1], path.data(), path.size()) == static_cast<ssize_t>(path.size())) {
            ::close(name[1]);
            ::kill(::getpid(), SIGKILL);
        }
        ::_exit(1);
    }
    ::close(name[1]);
    std::string path;
    char buffer[4096];
    for (ssize_t n; (n = ::read(name[0], buffer, sizeof buffer)) > 0;)
        path.append(buffer, static_cast<std::size_t>(n));
    ::close(name[0]);
    int status = 0;
    const bool killed = child > 0 && ::waitpid(child, &status, 0) == child && WIFSIGNALED(status);
    return killed && std::filesystem::exists(path) ? std::filesystem::path(path).filename().string() : "";
}

std::string AnotherContainersName(const std::string& leftover)
{
    // The prefix, the space identity's 16 hex digits, "-", the process ID,
    // "-" and the two numbers.
    const std::size_t space = leftover.find("-saving-") + 8;
    std::string name = leftover.substr(0, space + 16);
    name[space] = name[space] == 'a' ? 'b' : 'a';
    return name + "-2147483647-5-1";  // no process has the largest ID
}

} // namespace testing_support
