// The generator as a program: writes the whole world below the folder it is given, the same
// bytes for the same seed, and refuses a bad command line.

#include <gtest/gtest.h>

#include "SampleWorld.h"

namespace quillbat::testing {
namespace {

// Runs the generator with the arguments; its exit status, or -1 when it did not end in time.
int RunGenerator(std::vector<std::string> arguments) {
    arguments.insert(arguments.begin(), QUILLBAT_SAMPLE_WORLD);
    pid_t pid = Spawn(arguments);
    return pid < 0 ? -1 : WaitForExit(pid, 30000);
}

TEST(SampleWorldProgram, WritesTheSameWorldForOneSeed) {
    TempFolder first, second;
    ASSERT_EQ(RunGenerator({first.path(), "--seed", "5"}), 0);
    ASSERT_EQ(RunGenerator({second.path() + "/world", "--seed", "5"}), 0);
    // Every host the program reads is served from this output in the sample-game tests.
    for (const char* file :
         {"gd2/components/game/mlb/year_2014/month_07/day_04/master_scoreboard.xml",
          "baseball-reference/teams/LAD/2014-pitching.shtml", "updates/autoupdates/UpdateInfo.dat"}) {
        EXPECT_NE(ReadFile(first / file), "") << file;
        EXPECT_EQ(ReadFile(first / file), ReadFile(second.path() + "/world/" + file)) << file;
    }
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
