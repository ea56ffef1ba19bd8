// Two copies of the program on one program folder and one temporary folder, side by side.

#include <gtest/gtest.h>

#include <filesystem>
#include <future>

#include "GameWorld.h"
#include "platform/Process.h"

namespace quillbat {
namespace {

using testing::GameWorld;

// Runs `quillbat-cli games DATE` in the program folder with only the world's home and temporary
// root in its environment; what it printed, or nothing when it failed.
std::optional<std::string> Games(const GameWorld& world, const std::string& date) {
    return RunAndCapture({"env", "-i", "HOME=" + world.root / "home", "TMPDIR=" + world.root / "tmp",
                          "no_proxy=127.0.0.1", world.root / "prog/quillbat-cli", "games", date});
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
        std::future<std::optional<std::string>> copies[2];
        for (int i = 0; i < 2; ++i)
            copies[i] =
                std::async(std::launch::async, Games, std::cref(world), testing::DateOfDayPath(days[i]));
        for (int i = 0; i < 2; ++i)
            EXPECT_EQ(copies[i].get(), ExpectedOutput(lists[days[i]])) << "round " << round;
    }
}

}  // namespace
}  // namespace quillbat
