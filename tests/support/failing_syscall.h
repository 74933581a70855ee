// Makes one system call fail from now on in the calling process, as a failing
// disk or a refused folder would. Meant for a forked child: the filter
// cannot be lifted again.
#pragma once

#include <fcntl.h>
#include <linux/filter.h>
#include <linux/seccomp.h>
#include <sys/prctl.h>
#include <cstddef>
#include <vector>

namespace amorist::testing {

struct FailingSyscall {
    long number;               // __NR_fsync, __NR_openat, ...
    int error;                 // the errno it answers with
    bool foldersOnly = false;  // only opens of folders (openat with O_DIRECTORY)
};

// False when the filter could not be set up.
inline bool MakeFail(const FailingSyscall& call) {
    const auto jump = [](unsigned char ifTrue, unsigned char ifFalse, unsigned operand,
                         unsigned short kind) {
        return sock_filter BPF_JUMP(BPF_JMP | kind | BPF_K, operand, ifTrue, ifFalse);
    };
    std::vector<sock_filter> rules = {
        BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, nr)),
        jump(0, call.foldersOnly ? 3 : 1, static_cast<unsigned>(call.number), BPF_JEQ),
    };
    if (call.foldersOnly) {
        // The low half of openat's flags, on a little-endian machine.
        rules.push_back(BPF_STMT(BPF_LD | BPF_W | BPF_ABS, offsetof(seccomp_data, args[2])));
        rules.push_back(jump(0, 1, O_DIRECTORY, BPF_JSET));
    }
    rules.push_back(
        BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ERRNO | static_cast<unsigned>(call.error)));
    rules.push_back(BPF_STMT(BPF_RET | BPF_K, SECCOMP_RET_ALLOW));
    const sock_fprog program{static_cast<unsigned short>(rules.size()), rules.data()};
    return ::prctl(PR_SET_NO_NEW_PRIVS, 1, 0, 0, 0) == 0 &&
           ::prctl(PR_SET_SECCOMP, SECCOMP_MODE_FILTER, &program) == 0;
}

}  // namespace amorist::testing
