#include "run_binary.h"

#include <fcntl.h>
#include <poll.h>
#include <spawn.h>
#include <sys/mman.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstring>
#include <stdexcept>
#include <string_view>

extern char** environ;

namespace amorist::cli::testing {
namespace {

void Check(bool ok, const char* what) {
    if (!ok)
        throw std::runtime_error(std::string(what) + ": " + std::strerror(errno));
}

// Both pipes are drained together so a long listing cannot stall the child.
void Drain(int outFd, int errFd, Finished& finished) {
    pollfd fds[2] = {{outFd, POLLIN, 0}, {errFd, POLLIN, 0}};
    std::string* sinks[2] = {&finished.out, &finished.err};
    int open = 2;
    char buffer[65536];
    while (open > 0) {
        Check(poll(fds, 2, -1) >= 0 || errno == EINTR, "poll");
        for (int i = 0; i < 2; ++i) {
            if (fds[i].fd < 0 || fds[i].revents == 0)
                continue;
            const ssize_t got = read(fds[i].fd, buffer, sizeof buffer);
            if (got > 0) {
                sinks[i]->append(buffer, static_cast<std::size_t>(got));
            } else {
                close(fds[i].fd);
                fds[i].fd = -1;
                --open;
            }
        }
    }
}

// A file in memory holding the text, read from its start.
int InputFile(const std::string& text) {
    const int fd = memfd_create("amorist-cli-input", MFD_CLOEXEC);
    Check(fd >= 0, "memfd_create");
    Check(write(fd, text.data(), text.size()) == static_cast<ssize_t>(text.size()), "write");
    Check(lseek(fd, 0, SEEK_SET) == 0, "lseek");
    return fd;
}

}  // namespace

Finished RunCli(const std::vector<std::string>& args, const Launch& launch) {
    const std::optional<std::string>& columns = launch.columns;
    // The first of two entries of one name is the one the program sees.
    std::vector<std::string> env = launch.environment;
    env.emplace_back("LANG=C.UTF-8");
    for (char** e = environ; *e != nullptr; ++e) {
        const std::string_view entry(*e);
        const std::string_view name = entry.substr(0, entry.find('='));
        if (name == "COLUMNS" || name == "LANG" || name == "LANGUAGE" || name.starts_with("LC_"))
            continue;
        env.emplace_back(entry);
    }
    if (columns)
        env.push_back("COLUMNS=" + *columns);

    std::vector<char*> argv{const_cast<char*>(AMORIST_CLI_PATH)};
    for (const std::string& a : args)
        argv.push_back(const_cast<char*>(a.c_str()));
    argv.push_back(nullptr);
    std::vector<char*> envp;
    for (std::string& e : env)
        envp.push_back(e.data());
    envp.push_back(nullptr);

    int outPipe[2], errPipe[2];
    Check(pipe2(outPipe, O_CLOEXEC) == 0 && pipe2(errPipe, O_CLOEXEC) == 0, "pipe");
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    const int input = InputFile(launch.input);
    posix_spawn_file_actions_adddup2(&actions, input, STDIN_FILENO);
    if (launch.stdoutPath != nullptr) {
        posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, launch.stdoutPath, O_WRONLY, 0);
    } else {
        posix_spawn_file_actions_adddup2(&actions, outPipe[1], STDOUT_FILENO);
    }
    posix_spawn_file_actions_adddup2(&actions, errPipe[1], STDERR_FILENO);
    pid_t pid = 0;
    const int spawned =
        posix_spawn(&pid, AMORIST_CLI_PATH, &actions, nullptr, argv.data(), envp.data());
    posix_spawn_file_actions_destroy(&actions);
    close(input);
    close(outPipe[1]);
    close(errPipe[1]);
    if (spawned != 0) {
        close(outPipe[0]);
        close(errPipe[0]);
        errno = spawned;
        Check(false, "posix_spawn");
    }

    Finished finished;
    Drain(outPipe[0], errPipe[0], finished);
    int status = 0;
    Check(waitpid(pid, &status, 0) == pid, "waitpid");
    finished.exitCode = WIFEXITED(status) ? WEXITSTATUS(status) : 128 + WTERMSIG(status);
    return finished;
}

}  // namespace amorist::cli::testing
