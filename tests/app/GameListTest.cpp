#include "app/GameList.h"

#include <gtest/gtest.h>

#include <array>

namespace quillbat {
namespace {

GameTable Games(const std::vector<std::array<const char*, 3>>& rows) {
    GameTable games;
    for (const auto& r : rows) {
        int g = games.AddRow();
        games.Set(GameField::kAwayCity, g, r[0]);
        games.Set(GameField::kHomeCity, g, r[1]);
        games.Set(GameField::kDoubleHeaderGame, g, r[2]);
    }
    return games;
}

TEST(GameListTest, EntriesWithDoubleHeaderMarks) {
    auto entries = GameListEntries(Games({{"Boston", "NY Yankees", "1"},
                                          {"St. Louis", "Chi Cubs", ""},
                                          {"Boston", "NY Yankees", "2"}}));
    EXPECT_EQ(entries, (std::vector<std::string>{"Boston at NY Yankees (1)", "St. Louis at Chi Cubs",
                                                 "Boston at NY Yankees (2)"}));
    EXPECT_TRUE(GameListEntries(GameTable{}).empty());
}

TEST(GameListTest, FavouriteTeamPreselection) {
    std::vector<std::string> entries = {"Texas at LA Angels", "Boston at NY Yankees", "NY Yankees at Tampa Bay",
                                        "Chi Cubs at St. Louis"};
    struct Case {
        const char* favorite;
        std::size_t selected;
    } cases[] = {
        {"NY Yankees", 1}, {"St. Louis", 3}, {"", 0}, {"ny yankees", 0}, {"Seattle", 0}, {"Angels", 0},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.favorite);
        EXPECT_EQ(PreselectedEntry(entries, c.favorite), c.selected);
    }
}

}  // namespace
}  // namespace quillbat
