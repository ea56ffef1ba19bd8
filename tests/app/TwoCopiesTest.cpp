// Two copies of the program on one program folder and one temporary folder, side by side.

#include <fcntl.h>
#include <spawn.h>
#include <sys/wait.h>

#include <gtest/gtest.h>

#include <filesystem>

#include "GameWorld.h"

namespace quillbat {
namespace {

using testing::GameWorld;

// Starts `quillbat-cli games DATE` in the program folder, its output going to a file.
pid_t StartGames(const GameWorld& world, const std::string& date, const std::string& output) {
    std::string program = world.root / "prog/quillbat-cli";
    std::string home = "HOME=" + (world.root / "home"), tmp = "TMPDIR=" + (world.root / "tmp");
    char* envp[] = {home.data(), tmp.data(), const_cast<char*>("no_proxy=127.0.0.1"), nullptr};
    const char* argv[] = {program.c_str(), "games", date.c_str(), nullptr};
    posix_spawn_file_actions_t files;
    posix_spawn_file_actions_init(&files);
    posix_spawn_file_actions_addopen(&files, 1, output.c_str(), O_WRONLY | O_CREAT | O_TRUNC, 0644);
    posix_spawn_file_actions_addopen(&files, 2, (output + ".err").c_str(), O_WRONLY | O_CREAT | O_TRUNC,
                                     0644);
    pid_t pid = -1;
    posix_spawn(&pid, program.c_str(), &files, nullptr, const_cast<char**>(argv), envp);
    posix_spawn_file_actions_destroy(&files);
    return pid;
}

std::string ExpectedOutput(const std::vector<std::string>& entries) {
    std::string out;
    for (std::size_t i = 0; i < entries.size(); ++i) out += (i == 0 ? "* " : "  ") + entries[i] + "\n";
    return out;
}

TEST(TwoCopies, GameListsOfTwoDaysSideBySideAreEachRight) {
    GameWorld world;
    std::filesystem::copy_file(QUILLBAT_CLI, world.root / "prog/quillbat-cli");
    auto lists = testing::ExpectedGameLists();
    const std::string days[] = {"year_2013/month_04/day_22", "year_2009/month_05/day_04"};

    for (int round = 0; round < 8; ++round) {
        pid_t pids[2];
        for (int i = 0; i < 2; ++i)
            pids[i] =
                StartGames(world, testing::DateOfDayPath(days[i]), world.root / ("out" + std::to_string(i)));
        for (int i = 0; i < 2; ++i) {
            int status = 0;
            ASSERT_EQ(::waitpid(pids[i], &status, 0), pids[i]);
            std::string output = world.root / ("out" + std::to_string(i));
            EXPECT_EQ(testing::ReadFile(output), ExpectedOutput(lists[days[i]]))
                << "round " << round << ": " << testing::ReadFile(output + ".err");
            EXPECT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
        }
    }
}

}  // namespace
}  // namespace quillbat
