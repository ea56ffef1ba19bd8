#include "gameday/RosterPage.h"

#include <cctype>

#include "gameday/GamedayAddresses.h"
#include "gameday/LineEnds.h"
#include "platform/FileSystem.h"
#include "platform/TextFunctions.h"
#include "sites/MarkupText.h"

namespace quillbat {

namespace {

// A surname whose particle stays where the page put it: a first name holding it (in lower
// case) is left as it is.
constexpr std::string_view kParticleException = "de jesus";

bool IsLettersAndDigits(std::string_view text) {
    if (text.empty()) return false;
    for (char c : text)
        if (!std::isalnum(static_cast<unsigned char>(c))) return false;
    return true;
}

std::vector<std::string> Words(std::string_view text) {
    std::vector<std::string> words;
    std::size_t start = 0;
    for (std::size_t blank = text.find(' '); blank != std::string_view::npos; blank = text.find(' ', start)) {
        words.emplace_back(text.substr(start, blank - start));
        start = blank + 1;
    }
    words.emplace_back(text.substr(start));
    return words;
}

std::string JoinWords(const std::vector<std::string>& words, std::size_t from, std::size_t to) {
    std::string joined;
    for (std::size_t i = from; i < to; ++i) joined += (i > from ? " " : "") + words[i];
    return joined;
}

std::string PositionGroup(std::string_view heading) {
    if (heading == "Pitchers") return "P";
    if (heading == "Catchers") return "C";
    if (heading == "Infielders") return "IF";
    if (heading == "Outfielders") return "OF";
    if (heading == "Designated Hitter") return "DH";
    return "";
}

// The heading text of a position group's header cell, when the line holds one.
bool HeadingOf(std::string_view line, std::string& heading) {
    std::size_t at = line.find("playernameHead\">");
    if (at == std::string_view::npos) return false;
    std::size_t end = line.find("</th>", at + 16);
    heading = std::string(
        line.substr(at + 16, end == std::string_view::npos ? std::string_view::npos : end - at - 16));
    return true;
}

// The link's player id and displayed name, when the line links a player.
bool PlayerLinkOf(std::string_view line, std::string& id, std::string& name) {
    std::size_t at = line.find("?player_id=");
    if (at == std::string_view::npos) return false;
    std::size_t close = line.find('>', at), open = line.find('<', at);
    if (close == std::string_view::npos || open == std::string_view::npos || open < close || close < at + 12)
        return false;
    id = std::string(line.substr(at + 11, close - 1 - (at + 11)));
    name = std::string(line.substr(close + 1, open - close - 1));
    return true;
}

class LineReader {
public:
    explicit LineReader(std::string_view text) : text_(text) {}
    bool Next(std::string& line) {
        if (at_ >= text_.size()) return false;
        std::size_t end = text_.find('\n', at_);
        if (end == std::string_view::npos) end = text_.size();
        line = std::string(text_.substr(at_, end - at_));
        if (!line.empty() && line.back() == '\r') line.pop_back();
        at_ = end + 1;
        return true;
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

// Reads the seven lines after a player's link: whether he is starred (not counted) and his
// bats-throws cell, which becomes the previous line.
bool ReadPlayerCells(LineReader& lines, RosterEntry& entry, std::string& previous) {
    std::string line[8];
    for (int i = 1; i <= 7; ++i) lines.Next(line[i]);
    bool starred = line[2].find("&#042;") != std::string::npos || line[3].find("&#042;") != std::string::npos;
    previous = HtmlToText(line[7]);
    if (previous.size() == 3 && previous[1] == '-') {
        entry.bats = previous.substr(0, 1);
        entry.throws = previous.substr(2, 1);
    }
    return !starred;
}

}  // namespace

std::string RosterSubHost(std::string_view cityName, std::string_view teamName) {
    std::string city = ToLower(RemoveDots(RemoveSpaces(cityName))), team = ToLower(RemoveSpaces(teamName));
    return IsLettersAndDigits(city) && IsLettersAndDigits(team) ? city + "." + team : "";
}

std::string RosterPageUrl(std::string_view domain, std::string_view cityName, std::string_view teamName,
                          std::string_view fileCode) {
    std::string subHost = RosterSubHost(cityName, teamName);
    if (subHost.empty() || !IsLettersAndDigits(fileCode)) return "";
    return "http://" + subHost + "." + std::string(domain) +
           "/team/roster_40man.jsp?c_id=" + ToLower(fileCode);
}

std::vector<RosterEntry> ReadRosterLines(std::string_view page) {
    std::vector<RosterEntry> roster;
    LineReader lines(page);
    std::string raw, previous, group, heading, id, name;
    bool started = false;
    while (roster.size() < kMaxRosterEntries && lines.Next(raw)) {
        started = started || raw.find("team_table_results") != std::string::npos;
        if (!started) continue;
        std::string line = ReplaceEntities(raw);
        if (HeadingOf(line, heading)) group = PositionGroup(heading);
        if (PlayerLinkOf(line, id, name)) {
            std::vector<std::string> words = Words(name);
            RosterEntry entry{id, JoinWords(words, 0, words.size() - 1), words.back(), group, "", "", ""};
            NormalizePlayerName(entry.firstName, entry.lastName);
            std::string number = HtmlToText(previous);
            entry.number = IsAllDigits(number) ? number : "";
            if (ReadPlayerCells(lines, entry, previous)) roster.push_back(entry);
            continue;
        }
        previous = line;
    }
    return roster;
}

std::vector<RosterEntry> ReadRosterPage(const NetSession& session, std::string_view cityName,
                                        std::string_view teamName, std::string_view fileCode) {
    std::string url = RosterPageUrl(session.settings.sources.teamSiteDomain, cityName, teamName, fileCode);
    if (url.empty()) return {};
    FetchedPage page = GetData(session, url);
    if (!page.error.empty()) return {};
    std::string local = RosterPageFile(session.settings.tempFolder);
    WriteFileAtomically(local, page.raw);
    NormalizeLineEnds(local);
    std::string text;
    ReadWholeFile(local, text);
    return ReadRosterLines(text);
}

void NormalizePlayerName(std::string& firstName, std::string& lastName) {
    firstName = TrimBlanks(firstName);
    lastName = TrimBlanks(lastName);
    std::vector<std::string> words = Words(firstName);
    if (words.size() < 2) return;
    if (lastName == "Jr." || lastName == "III") {
        // A suffix is the whole of the particle question: running the particle step as well
        // would put the particle words into the last name twice.
        lastName = JoinWords(words, 1, words.size()) + " " + lastName;
        firstName = words[0];
        return;
    }
    if (ToLower(firstName).find(kParticleException) != std::string::npos) return;
    for (std::size_t k = 1; k < words.size(); ++k) {
        std::string word = ToLower(words[k]);
        if (word != "de" && word != "del" && word != "van" && word != "st.") continue;
        lastName = JoinWords(words, k, words.size()) + " " + lastName;
        firstName = JoinWords(words, 0, k);
        return;
    }
}

}  // namespace quillbat
