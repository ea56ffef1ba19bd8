// The generator as a program: writes the whole world below the folder it is given, the same
// bytes for the same seed, and refuses a bad command line.

#include <gtest/gtest.h>

#include <chrono>
#include <fcntl.h>
#include <filesystem>
#include <csignal>
#include <spawn.h>
#include <sys/wait.h>
#include <thread>

#include "TempFolder.h"

extern char** environ;

namespace quillbat::testing {
namespace {

// Runs the generator with the arguments; its exit status, or -1 when it did not end in time.
int RunGenerator(std::vector<std::string> arguments) {
    std::string program = QUILLBAT_SAMPLE_WORLD;
    std::vector<char*> argv{program.data()};
    for (std::string& a : arguments) argv.push_back(a.data());
    argv.push_back(nullptr);
    posix_spawn_file_actions_t actions;
    posix_spawn_file_actions_init(&actions);
    posix_spawn_file_actions_addopen(&actions, 1, "/dev/null", O_WRONLY, 0);
    posix_spawn_file_actions_addopen(&actions, 2, "/dev/null", O_WRONLY, 0);
    pid_t pid = 0;
    int spawned = posix_spawn(&pid, program.c_str(), &actions, nullptr, argv.data(), environ);
    posix_spawn_file_actions_destroy(&actions);
    if (spawned != 0) return -1;
    int status = 0;
    for (int i = 0; i < 3000; ++i) {
        if (waitpid(pid, &status, WNOHANG) == pid) return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
        std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    kill(pid, SIGKILL);
    waitpid(pid, &status, 0);
    return -1;
}

TEST(SampleWorldProgram, WritesEveryHostAndRepeatsItselfForOneSeed) {
    TempFolder first, second;
    ASSERT_EQ(RunGenerator({first.path(), "--seed", "5"}), 0);
    ASSERT_EQ(RunGenerator({second.path() + "/world", "--seed", "5"}), 0);
    for (const char* host : {"gd2", "fangraphs", "baseball-reference", "espn", "updates", "newyork.yankees", "stlouis.cardinals"})
        EXPECT_TRUE(std::filesystem::is_directory(first / host)) << host;
    for (const char* file : {"gd2/components/game/mlb/year_2014/month_07/day_04/master_scoreboard.xml",
                             "baseball-reference/teams/LAD/2014-pitching.shtml",
                             "updates/autoupdates/UpdateInfo.dat"})
        EXPECT_EQ(ReadFile(first / file), ReadFile(second.path() + "/world/" + file)) << file;
}

TEST(SampleWorldProgram, RefusesABadCommandLine) {
    EXPECT_EQ(RunGenerator({}), 2);
    EXPECT_EQ(RunGenerator({"a", "b"}), 2);
    EXPECT_EQ(RunGenerator({"--seed"}), 2);
    TempFolder folder;
    EXPECT_EQ(RunGenerator({folder.path(), "--teams", folder / "missing.sql"}), 1);
}

}  // namespace
}  // namespace quillbat::testing
