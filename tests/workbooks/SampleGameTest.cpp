// End to end on either source: `quillbat-cli games` and one `create` of the scorecards, rosters
// and pitcher profiles of a sample game served by the sample server. LibreOffice reads the
// workbooks back: they hold the sample world's players and figures, filled and shaded.

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <filesystem>
#include <map>
#include <regex>
#include <sstream>

#include "LibreOfficeRun.h"
#include "RunningSampleServer.h"
#include "SampleSettings.h"
#include "SampleWorld.h"
#include "TestText.h"
#include "Versus.h"
#include "World.h"
#include "Writers.h"
#include "cli/CliCommands.h"
#include "platform/FileSystem.h"
#include "platform/Process.h"
#include "workbooks/ProfileTables.h"

namespace quillbat {
namespace {

using ::testing::MatchesRegex;
using testing::ShownCell;

const char* const kWorkbooks[] = {"ScorecardAway", "ScorecardHome", "Rosters", "Starting Pitchers Profiles"};

std::string Record(int wins, int losses) { return std::to_string(wins) + "-" + std::to_string(losses); }

// A figure to one decimal as the sheet shows it: one that rounds to zero has no sign (adding
// +0.0 turns -0.0 into 0.0).
std::string Tenths(double value) { return sample::Fixed(std::round(value * 10) / 10 + 0.0, 1); }

// The pages of a PDF our renderer wrote (0 when there is no such file).
int PdfPageCount(const std::string& path) {
    return testing::Occurrences(testing::ReadFile(path), "/Type /Page\n");
}

// The parameter is the settings' [Sources] Provider.
class SampleGameTest : public ::testing::TestWithParam<std::string> {
protected:
    // The cell as shown, "" when it is empty.
    ShownCell Cell(const std::string& workbook, const std::string& column, int row) {
        const std::map<std::string, ShownCell>& cells = shown[workbook];
        auto it = cells.find(column + std::to_string(row));
        return it == cells.end() ? ShownCell() : it->second;
    }
    std::string Text(const std::string& workbook, const std::string& column, int row) {
        return Cell(workbook, column, row).text;
    }
    std::string Output(const std::string& name) const { return root / ("prog/Output/" + name); }
    // Runs `quillbat-cli` from a program folder of the build's data files (root/prog) whose
    // settings point at the server; its exit status, its standard error in `err`.
    int Run(const std::vector<std::string>& args, std::string* out = nullptr) {
        namespace fs = std::filesystem;
        ::setenv("no_proxy", "127.0.0.1,localhost", 1);
        ::setenv("NO_PROXY", "127.0.0.1,localhost", 1);
        fs::create_directories(root / "prog");
        for (const char* entry : {"Quillbat.db", "Templates", "Logos"})
            fs::copy(fs::path(QUILLBAT_PROGRAM_DIR) / entry, root / (std::string("prog/") + entry),
                     fs::copy_options::recursive | fs::copy_options::skip_existing);
        if (!sample::WriteSampleSettings(root / "prog/Quillbat.ini", server.Port(), GetParam())) return -1;
        std::map<std::string, std::string> env = {{"HOME", root / "home"}, {"TMPDIR", root / "tmp"}};
        auto lookup = [&](const std::string& name) { return env.count(name) ? env[name] : std::string(); };
        std::ostringstream output, errors;
        int status = RunCli(args, root / "prog", lookup, output, errors);
        err = errors.str();
        if (out) *out = output.str();
        return status;
    }

    void CheckCard(const std::string& card, const sample::Team& team, const sample::Team& opponent,
                   const sample::Player& starter);
    void CheckRosters();
    void CheckProfiles();

    const sample::World& world = testing::TheWorld();
    const sample::Game* game = nullptr;
    testing::TempFolder root;
    // The sample world generated into root/world and served.
    bool generated = RunAndCapture({QUILLBAT_SAMPLE_WORLD, root / "world"}).has_value();
    testing::RunningSampleServer server{root / "world"};
    std::string err;
    std::map<std::string, std::map<std::string, ShownCell>> shown;  // by workbook
};

TEST_P(SampleGameTest, GamesAndCreateShowTheSampleWorldsPlayersAndFiguresFilledAndShaded) {
    if (!testing::HasLibreOffice()) GTEST_SKIP() << "LibreOffice is not installed";
    ASSERT_TRUE(generated);
    for (const sample::Day& day : world.days)
        if (day.UsDate() == sample::kLineupsDay) game = &day.games.front();
    ASSERT_NE(game, nullptr);

    std::string out;
    ASSERT_EQ(Run({"games", "07/04/2014"}, &out), 0) << err;
    EXPECT_EQ(out.substr(0, out.find('\n')),
              "* " + game->away->club.teamCity + " at " + game->home->club.teamCity);
    EXPECT_EQ(std::count(out.begin(), out.end(), '\n'), 15);

    const std::size_t before = server.Server().Requests().size();
    ASSERT_EQ(Run({"create", "07/04/2014", "1", "--scorecards", "--rosters", "--profiles", "--pdf"}), 0)
        << err;
    // Each source's game data comes from its own hosts; the profiles' pitch figures come from
    // FanGraphs and Baseball-Reference on both.
    auto requests = server.Server().Requests();
    auto count = [&](auto predicate) {
        return std::count_if(requests.begin() + before, requests.end(), predicate);
    };
    if (GetParam() == "statsapi") {
        EXPECT_EQ(count([](const std::string& r) { return r.starts_with("gd2/") || r.starts_with("espn/"); }),
                  0);
        // A handful, whatever the size of the rosters, each response fetched once.
        EXPECT_LE(count([](const std::string& r) { return r.starts_with("statsapi/"); }), 11);
    } else {
        EXPECT_EQ(count([](const std::string& r) { return r.starts_with("statsapi/"); }), 0);
    }

    std::vector<testing::LibreOfficeJob> jobs;
    for (std::string name : kWorkbooks) jobs.push_back({Output(name + ".xls"), "", root / (name + ".txt")});
    ASSERT_TRUE(testing::RunLibreOfficeJobs(root, jobs));
    for (std::string name : kWorkbooks)
        shown[name] = testing::ShownCells(testing::ReadFile(root / (name + ".txt")));
    CheckCard("ScorecardAway", *game->away, *game->home, *game->awayStarter);
    CheckCard("ScorecardHome", *game->home, *game->away, *game->homeStarter);
    CheckRosters();
    CheckProfiles();
}

// The card holds the game, the team's nine and its starter on one page.
void SampleGameTest::CheckCard(const std::string& card, const sample::Team& team,
                               const sample::Team& opponent, const sample::Player& starter) {
    SCOPED_TRACE(card);
    EXPECT_EQ(PdfPageCount(Output(card + ".pdf")), 1);
    EXPECT_EQ(Text(card, "A", 1),
              "Team: " + team.club.FullName() + " (" + Record(team.wins, team.losses) + ")");
    EXPECT_EQ(Text(card, "A", 2),
              "Opponent: " + opponent.club.FullName() + " (" + Record(opponent.wins, opponent.losses) + ")");
    EXPECT_EQ(Text(card, "L", 1), "Date: 07/04/2014");
    EXPECT_EQ(Text(card, "L", 2), "Ballpark: " + game->home->club.venue);
    EXPECT_EQ(Text(card, "C", 5), "Player (BA)");
    int slot = 0;
    for (const auto& [player, position] : team.Lineup(&starter, game->DesignatedHitter())) {
        int row = 6 + 3 * slot++;
        SCOPED_TRACE(player->name.Display());
        EXPECT_EQ(Text(card, "A", row), std::to_string(slot));
        EXPECT_EQ(Text(card, "B", row), player->number);
        EXPECT_EQ(Text(card, "C", row),
                  player->name.Display() + " (" + sample::Rate3(player->batting.season.Avg()) + ")");
        EXPECT_EQ(Text(card, "D", row), position);
        EXPECT_EQ(Text(card, "E", row), std::string(1, player->bats));
    }
    EXPECT_EQ(slot, 9);
    const sample::PitchingLine& line = starter.pitching.season;
    EXPECT_EQ(Text(card, "A", 39), starter.name.Display() + " (" + Record(line.w, line.l) + ", " +
                                       sample::Fixed(line.Era(), 2) + ")");
    EXPECT_EQ(Text(card, "D", 39), starter.number);
    EXPECT_EQ(Text(card, "E", 39), std::string(1, starter.throws));
}

// The rosters hold each team in a block: its shaded title row, every active player with his
// season and sabermetric figures, shaded leaders, and the two average rows.
void SampleGameTest::CheckRosters() {
    SCOPED_TRACE("rosters");
    ASSERT_FALSE(FileExists(Output("Rosters_Page2.xls")));
    auto text = [&](const std::string& column, int row) { return Text("Rosters", column, row); };
    EXPECT_EQ(text("O", 1), "Date: 07/04/2014");
    int row = 4;
    for (const sample::Team* team : {game->away, game->home}) {
        SCOPED_TRACE(team->club.FullName());
        EXPECT_NE(Cell("Rosters", "B", row).fill, "");
        std::map<std::string, int> rowOf;  // by name, batters' and pitchers' sides
        const std::regex name("[^,]+, .+");
        int shadedBa = 0;
        for (++row; !text("B", row).starts_with("Team Avg"); ++row) {
            ASSERT_LT(row, 60);
            for (const char* column : {"B", "P"})
                if (std::regex_match(text(column, row), name)) rowOf[text(column, row)] = row;
            shadedBa += !Cell("Rosters", "I", row).fill.empty();
        }
        int active = 0;
        for (const sample::Player& p : team->players) {
            if (p.status != "A") continue;
            ++active;
            SCOPED_TRACE(p.name.Display());
            int at = rowOf[p.name.last + ", " + p.name.first];
            ASSERT_GT(at, 0);
            if (p.IsPitcher()) {
                EXPECT_EQ(text("U", at), sample::Fixed(p.pitching.season.Era(), 2));
                EXPECT_EQ(text("AA", at), Tenths(p.war));
            } else {
                EXPECT_EQ(text("I", at), sample::Rate3(p.batting.season.Avg()));
                EXPECT_EQ(text("M", at), Tenths(p.war));
            }
        }
        EXPECT_EQ(static_cast<int>(rowOf.size()), active);
        EXPECT_GE(shadedBa, 1);
        EXPECT_THAT(text("I", row), MatchesRegex(R"(\.[0-9]{3})"));  // the team's BA
        EXPECT_THAT(text("B", row + 1), MatchesRegex("[AN]L League Avg"));
        EXPECT_THAT(text("U", row + 1), MatchesRegex("[0-9]\\.[0-9]{2}"));
        row += 3;  // the next block's title row
    }
}

// Each side's pitcher figures are shaded as the marks say; the visitors' side lists the home
// batters who have faced its starter, by name, with their career lines against him.
void SampleGameTest::CheckProfiles() {
    const std::string book = "Starting Pitchers Profiles";
    EXPECT_EQ(PdfPageCount(Output(book + ".pdf")), 1);
    for (auto [name, pitcher, batter, average, atBats] :
         {std::tuple{"A", "B", "E", "F", "G"}, {"K", "L", "O", "P", "Q"}}) {
        SCOPED_TRACE(name);
        auto at = [&](const char* column, int row) { return Cell(book, column, row); };
        EXPECT_THAT(at(name, 3).text, MatchesRegex(".+: .+ \\([0-9]+-[0-9]+, [0-9.]+\\)"));
        EXPECT_EQ(at(name, 5).text, "Fastball");
        EXPECT_THAT(at(pitcher, 5).text, MatchesRegex("[0-9.]+ ?%"));
        for (const ReferenceRow& row : ReferenceRows()) {
            SCOPED_TRACE(row.sheetRow);
            EXPECT_EQ(at(name, row.sheetRow).text, row.description);
            ShownCell value = at(pitcher, row.sheetRow);
            EXPECT_THAT(value.text, MatchesRegex("[0-9]*\\.[0-9]+ ?%?"));
            EXPECT_EQ(value.fill == "808080", IsBeyondMarks(row, value.text));
        }
        for (int row = 5; !at(batter, row).text.empty(); ++row)
            EXPECT_EQ(at(average, row).fill == "808080",
                      IsNotableBatterAverage(at(atBats, row).text, at(average, row).text));
    }
    std::vector<std::string> versus, listed;
    for (const sample::Player& batter : game->home->players) {
        sample::BattingLine career = sample::VersusPitcher(batter, *game->awayStarter).Career();
        if (!batter.IsPitcher() && batter.status == "A" && career.pa > 0)
            versus.push_back(batter.name.last + ", " + batter.name.first + " " + sample::Rate3(career.Avg()) +
                             " " + std::to_string(career.ab) + " " + std::to_string(career.h) + " " +
                             std::to_string(career.hr));
    }
    std::sort(versus.begin(), versus.end());
    for (int row = 5; !Text(book, "E", row).empty(); ++row) {
        std::string line = Text(book, "E", row);
        for (const char* column : {"F", "G", "H", "I"}) line += " " + Text(book, column, row);
        listed.push_back(line);
    }
    ASSERT_FALSE(versus.empty());
    EXPECT_EQ(listed, versus);
}

INSTANTIATE_TEST_SUITE_P(Sources, SampleGameTest, ::testing::Values("gameday", "statsapi"),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quillbat
