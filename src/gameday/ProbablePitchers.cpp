#include "gameday/ProbablePitchers.h"

#include "gameday/XmlScan.h"

namespace quillbat {

namespace {

ProbablePitcher PitcherOf(std::string_view element) {
    return {TagAttribute(element, "name_display_roster"), TagAttribute(element, "number"), TagAttribute(element, "wins"),
            TagAttribute(element, "losses"), TagAttribute(element, "era")};
}

}  // namespace

std::vector<GamePitchers> ReadProbablePitchers(std::string_view all) {
    std::vector<GamePitchers> pitchers;
    std::size_t at = all.find("<game ");
    while (at != std::string_view::npos) {
        std::size_t next = all.find("<game ", at + 1);
        std::string_view game = all.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at);
        std::string id = TagAttribute(StartTag(game, "game"), "id");
        std::string_view home = StartTag(game, "home_probable_pitcher");
        std::string_view away = StartTag(game, "away_probable_pitcher");
        if (!home.empty() || !away.empty()) pitchers.push_back({id, PitcherOf(home), PitcherOf(away)});
        at = next;
    }
    return pitchers;
}

const GamePitchers* FindGamePitchers(const std::vector<GamePitchers>& pitchers, const std::string& gameId) {
    for (const auto& game : pitchers)
        if (game.gameId == gameId) return &game;
    return nullptr;
}

}  // namespace quillbat
