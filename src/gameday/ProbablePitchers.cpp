#include "gameday/ProbablePitchers.h"

#include <string_view>

#include "platform/FileSystem.h"
#include "gameday/XmlText.h"

namespace quillbat {

namespace {

bool IsXmlSpace(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

// The value of `name="..."` (after white space) inside the element text, entities decoded;
// "" when absent.
std::string Attribute(std::string_view element, std::string_view name) {
    std::string key = std::string(name) + "=\"";
    std::size_t at = element.find(key);
    while (at != std::string_view::npos && (at == 0 || !IsXmlSpace(element[at - 1]))) at = element.find(key, at + 1);
    if (at == std::string_view::npos) return "";
    std::size_t start = at + key.size();
    std::size_t end = element.find('"', start);
    if (end == std::string_view::npos) return "";
    return DecodeXmlText(element.substr(start, end - start));
}

// The start tag of the first `<tag ...>` in the game's text (attribute lines included).
std::string_view StartTag(std::string_view game, std::string_view tag) {
    std::string open = "<" + std::string(tag);
    std::size_t at = game.find(open);
    while (at != std::string_view::npos) {
        char next = at + open.size() < game.size() ? game[at + open.size()] : '>';
        if (IsXmlSpace(next) || next == '/' || next == '>') break;
        at = game.find(open, at + 1);
    }
    if (at == std::string_view::npos) return {};
    std::size_t end = game.find('>', at);
    return game.substr(at, end == std::string_view::npos ? std::string_view::npos : end - at);
}

ProbablePitcher PitcherOf(std::string_view element) {
    return {Attribute(element, "name_display_roster"), Attribute(element, "number"), Attribute(element, "wins"),
            Attribute(element, "losses"), Attribute(element, "era")};
}

}  // namespace

std::vector<GamePitchers> ReadProbablePitchers(const std::string& scoreboardXml) {
    std::string text;
    std::vector<GamePitchers> pitchers;
    if (!ReadWholeFile(scoreboardXml, text)) return pitchers;
    std::string_view all(text);
    std::size_t at = all.find("<game ");
    while (at != std::string_view::npos) {
        std::size_t next = all.find("<game ", at + 1);
        std::string_view game = all.substr(at, next == std::string_view::npos ? std::string_view::npos : next - at);
        std::string id = Attribute(StartTag(game, "game"), "id");
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
