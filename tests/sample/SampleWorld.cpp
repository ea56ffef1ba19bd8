#include "SampleWorld.h"

#include <chrono>
#include <csignal>
#include <fcntl.h>
#include <set>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "SampleTree.h"

extern char** environ;

namespace quillbat::testing {
namespace {

TempFolder& Folder() {
    static TempFolder folder;
    return folder;
}

}  // namespace

const std::string& WrittenWith(Writer writer) {
    static std::set<Writer> written;
    if (written.insert(writer).second) {
        sample::TreeWriter tree(Folder().path());
        writer(TheWorld(), tree);
    }
    return Folder().path();
}

std::string SampleFile(const std::string& host, const std::string& target) {
    auto path = sample::TreePath(Folder().path(), host, target);
    return path ? ReadFile(*path) : "";
}

pid_t Spawn(std::vector<std::string> argv, int out) {
    std::vector<char*> args;
    for (std::string& a : argv) args.push_back(a.data());
    args.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    if (out < 0)
        posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    else
        posix_spawn_file_actions_adddup2(&actions, out, 1);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    return spawned == 0 ? pid : -1;
}

int WaitForExit(pid_t pid, int ms) {
    int status = 0;
    for (int waited = 0; waited < ms; waited += 10) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

}  // namespace quillbat::testing
