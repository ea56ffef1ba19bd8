#include "sites/PlayerRows.h"

#include <vector>

#include "platform/NumberFormat.h"
#include "platform/TextFunctions.h"
#include "sites/MarkupText.h"

namespace quillbat {

namespace {

std::string RemoveFirstNoCase(const std::string& text, std::string_view part) {
    std::size_t at = FindNoCase(text, part);
    return at == std::string::npos ? text : text.substr(0, at) + text.substr(at + part.size());
}

// The words between spaces, runs of spaces counting as one.
std::vector<std::string> Words(const std::string& text) {
    std::vector<std::string> words;
    std::size_t at = 0;
    while (at < text.size()) {
        std::size_t end = text.find(' ', at);
        if (end == std::string::npos) end = text.size();
        if (end > at) words.push_back(text.substr(at, end - at));
        at = end + 1;
    }
    return words;
}

// "", "OF" and "IF" leave the position open.
bool AsksForPosition(const std::string& position) {
    return !position.empty() && position != "OF" && position != "IF";
}

std::string Prefix(const std::string& text, std::size_t length) { return text.substr(0, length); }

class RowMatcher {
public:
    RowMatcher(const std::string& position, NameColumns columns, const TextTable& table)
        : position_(position), columns_(columns), table_(table) {}

    int Rows() const { return table_.Rows(); }
    const std::string& NameCell(int row) const { return table_.At(columns_.name, row); }
    PlayerName NameOf(int row) const { return SplitPlayerName(DropJr(NameCell(row))); }
    // "" when the table has no position column.
    std::string PositionCell(int row) const {
        return columns_.position > 0 ? table_.At(columns_.position, row) : std::string();
    }
    bool PositionFits(int row) const { return !AsksForPosition(position_) || PositionCell(row) == position_; }

    // The first row with the whole name; among several, the first at the requested position.
    int WholeName(const std::string& name) const {
        std::string target = ToLower(DropJr(name));
        int first = 0;
        for (int row = 1; row <= Rows(); ++row) {
            if (ToLower(DropJr(NameCell(row))) != target) continue;
            if (PositionFits(row)) return row;
            if (first == 0) first = row;
        }
        return first;
    }

    // Rows with the last name and either the first name or the requested position.
    std::vector<int> LastNameAndSign(const PlayerName& target) const {
        std::vector<int> rows;
        for (int row = 1; row <= Rows(); ++row) {
            PlayerName n = NameOf(row);
            if (!EqualsNoCase(n.last, target.last)) continue;
            if (EqualsNoCase(n.first, target.first) || !AsksForPosition(position_) ||
                PositionCell(row) == position_)
                rows.push_back(row);
        }
        return rows;
    }

    // Rows whose first word starts with the same letter and whose last word is the same.
    std::vector<int> InitialAndLastWord(const std::vector<std::string>& words) const {
        std::vector<int> rows;
        for (int row = 1; row <= Rows(); ++row) {
            std::vector<std::string> cell = Words(NameCell(row));
            if (!cell.empty() && cell.front()[0] == words.front()[0] && cell.back() == words.back())
                rows.push_back(row);
        }
        return rows;
    }

    // Among rows with the last name, the one whose first name alone starts like the target's.
    int GrowingPrefix(const PlayerName& target) const {
        for (std::size_t length = 1; length <= target.first.size(); ++length) {
            int found = 0, count = 0;
            for (int row = 1; row <= Rows(); ++row) {
                PlayerName n = NameOf(row);
                if (EqualsNoCase(n.last, target.last) &&
                    EqualsNoCase(Prefix(n.first, length), Prefix(target.first, length)) &&
                    PositionFits(row)) {
                    found = row;
                    ++count;
                }
            }
            if (count == 0) return 0;
            if (count == 1) return found;
        }
        return 0;
    }

private:
    const std::string& position_;
    NameColumns columns_;
    const TextTable& table_;
};

}  // namespace

std::string DropJr(const std::string& text) {
    return RemoveFirstNoCase(RemoveFirstNoCase(text, " Jr."), "Jr.");
}

std::string SwapCommaName(const std::string& text) {
    std::size_t comma = text.find(',');
    return comma == std::string::npos ? text : text.substr(comma + 1) + " " + text.substr(0, comma);
}

PlayerName SplitPlayerName(const std::string& text) {
    std::vector<std::string> words = Words(TrimBlanks(text));
    PlayerName name;
    if (words.empty()) return name;
    name.last = TrimBlanks(DropJr(words.back()));
    for (std::size_t i = 0; i + 1 < words.size(); ++i) name.first += (i ? " " : "") + words[i];
    return name;
}

int FindPlayerRow(const std::string& name, const std::string& position, NameColumns columns,
                  const TextTable& table) {
    if (name.empty()) return 0;
    RowMatcher matcher(position, columns, table);
    PlayerName target = SplitPlayerName(DropJr(SwapCommaName(name)));
    if (int row = matcher.WholeName(name)) return row;

    std::vector<int> rows = matcher.LastNameAndSign(target);
    if (rows.size() == 1) return rows.front();
    if (rows.empty()) {
        std::vector<std::string> words = Words(name);
        if (words.empty()) return 0;
        rows = matcher.InitialAndLastWord(words);
        if (rows.size() <= 1) return rows.empty() ? 0 : rows.front();
        target.last = words.back();
    }
    return matcher.GrowingPrefix(target);
}

void ResolveFielderPosition(const std::string& name, std::string& position, NameColumns columns,
                            int gamesColumn, const TextTable& table) {
    PlayerName target = SplitPlayerName(DropJr(SwapCommaName(name)));
    RowMatcher matcher(position, columns, table);
    bool kept = false;
    double mostGames = 0;
    std::string best;
    for (int row = 1; row <= table.Rows(); ++row) {
        PlayerName n = matcher.NameOf(row);
        if (!EqualsNoCase(n.first, target.first) || !EqualsNoCase(n.last, target.last)) continue;
        double games = LeadingNumber(table.At(gamesColumn, row));
        if (kept && games < mostGames) continue;
        kept = true;
        mostGames = games;
        best = matcher.PositionCell(row);
    }
    if (kept) position = best;
}

}  // namespace quillbat
