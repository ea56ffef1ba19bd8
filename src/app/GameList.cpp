#include "app/GameList.h"

namespace quillbat {

std::vector<std::string> GameListEntries(const GameTable& games) {
    std::vector<std::string> entries;
    for (int game = 1; game <= games.Rows(); ++game) {
        std::string entry = games.At(GameField::kAwayCity, game) + " at " + games.At(GameField::kHomeCity, game);
        const std::string& part = games.At(GameField::kDoubleHeaderGame, game);
        if (!part.empty()) entry += " (" + part + ")";
        entries.push_back(entry);
    }
    return entries;
}

std::size_t PreselectedEntry(const std::vector<std::string>& entries, const std::string& favoriteTeam) {
    for (std::size_t i = 0; i < entries.size(); ++i)
        if (entries[i].find(favoriteTeam) != std::string::npos) return i;
    return 0;
}

}  // namespace quillbat
