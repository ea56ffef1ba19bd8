// Finding a player's row by name: whole names, comma names, "Jr.", shared last names,
// initials, and the position that tells rows apart.

#include <gtest/gtest.h>

#include "sites/PlayerRows.h"

namespace quillbat::testing {
namespace {

TextTable Roster() {
    const char* rows[][3] = {
        {"Mike Trout", "CF", "150"},   {"Ken Griffin Jr.", "RF", "140"}, {"Jose Molina", "C", "50"},
        {"Yadier Molina", "C", "130"}, {"Julio Perez", "2B", "80"},      {"Juan Perez", "SS", "90"},
        {"Carl Best", "2B", "20"},     {"Carl Best", "SS", "100"},       {"Michael Stone", "3B", "60"}};
    TextTable table(3, 0);
    for (const auto& cells : rows) {
        int row = table.AddRow();
        for (int k = 0; k < 3; ++k) table.Set(k + 1, row, cells[k]);
    }
    return table;
}

TEST(FindPlayerRow, PicksTheRowAPersonWould) {
    struct Case {
        const char* name;
        const char* position;
        int row;
    } cases[] = {
        {"Mike Trout", "", 1},       {"Trout, Mike", "", 1},  // comma name: first and last names equal
        {"Ken Griffin", "", 2},  // the row carries " Jr."
        {"griffin jr., ken", "", 2},  // the request carries it, in another case
        {"Yadi Molina", "", 4},  // two Molinas: the first letter decides
        {"Joe Molina", "C", 3},  // both at C: the first letter decides
        {"Jules Perez", "", 5},  // first names part at the third letter
        {"Jorge Perez", "", 0},  // no Perez starts "Jo"
        {"Carl Best", "SS", 8},  // the same name twice: the position decides
        {"Carl Best", "", 7},        {"Carl Best", "OF", 7},  // OF asks for no position
        {"Mike Stone", "3B", 9},  // last name and position
        {"Mike Stone", "1B", 9},  // initial and last word
        {"M. Trout", "1B", 1},       {"Mike Jones", "", 0},  {"", "", 0},
    };
    TextTable table = Roster();
    for (const Case& c : cases) EXPECT_EQ(FindPlayerRow(c.name, c.position, {1, 2}, table), c.row) << c.name;
}

TEST(FindPlayerRow, NameWithoutPositionColumn) {
    TextTable table = Roster();
    // Without a position column a requested position cannot tell rows apart.
    EXPECT_EQ(FindPlayerRow("Mike Stone", "3B", {1, 0}, table), 9);
    EXPECT_EQ(FindPlayerRow("Carl Best", "SS", {1, 0}, table), 7);
}

TEST(ResolveFielderPosition, TakesThePositionWithTheMostGames) {
    TextTable table = Roster();
    std::string position = "IF";
    ResolveFielderPosition("Best, Carl", position, {1, 2}, 3, table);
    EXPECT_EQ(position, "SS");
    position = "OF";
    ResolveFielderPosition("Mike Jones", position, {1, 2}, 3, table);
    EXPECT_EQ(position, "OF");
}

TEST(PlayerNames, SuffixesCommasAndWords) {
    EXPECT_EQ(DropJr("Ken Griffin Jr."), "Ken Griffin");
    EXPECT_EQ(DropJr("Ken Griffin JR. jr."), "Ken Griffin ");
    EXPECT_EQ(SwapCommaName("Trout, Mike"), " Mike Trout");
    EXPECT_EQ(SwapCommaName("Mike Trout"), "Mike Trout");
    for (auto [name, split] : {std::pair{"  Ken  de Jesus ", "Ken de/Jesus"}, {"Ichiro", "/Ichiro"}}) {
        PlayerName parts = SplitPlayerName(name);
        EXPECT_EQ(parts.first + "/" + parts.last, split);
    }
}

}  // namespace
}  // namespace quillbat::testing
