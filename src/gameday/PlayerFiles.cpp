// Each player's game file (handedness, splits against the day's pitcher, decisions) and
// season file (season figures and the rates worked out from them).

#include "gameday/GamedayAddresses.h"
#include "gameday/PlayerData.h"
#include "gameday/XmlScan.h"
#include "platform/FileSystem.h"
#include "platform/NumberFormat.h"

namespace quillbat {

namespace {

using namespace PlayerField;

bool IsPitcher(const PlayersTable& players, int p) { return players.At(kPosition, p) == "P"; }

double Number(const std::string& text, const char* name, int n = 1) {
    return LeadingNumber(GetXmlAttribute(text, name, n));
}

// The batter's 11th and 12th avg, ab, hr and rbi are his two splits against the day's pitcher.
void ReadBatterSplits(const std::string& text, PlayersTable& players, int p) {
    double abA = Number(text, "ab", 11), abB = Number(text, "ab", 12);
    double atBats = abA + abB;
    if (!(atBats > 0)) {
        for (int field : {kBatterSplitsAverage, kBatterSplitsAtBats, kBatterSplitsHomeRuns, kBatterSplitsRbi})
            players.Set(field, p, "-");
        return;
    }
    double average = (Number(text, "avg", 11) * abA + Number(text, "avg", 12) * abB) / atBats;
    players.Set(kBatterSplitsAverage, p, FormatNumber(average, "#.000"));
    players.Set(kBatterSplitsAtBats, p, FormatNumber(atBats, "##0"));
    players.Set(kBatterSplitsHomeRuns, p,
                FormatNumber(Number(text, "hr", 11) + Number(text, "hr", 12), "##0"));
    players.Set(kBatterSplitsRbi, p, FormatNumber(Number(text, "rbi", 11) + Number(text, "rbi", 12), "##0"));
}

void ReadGameFile(const std::string& text, PlayersTable& players, int p) {
    players.Set(kBats, p, GetXmlAttribute(text, "bats", 1));
    players.Set(kThrows, p, GetXmlAttribute(text, "throws", 1));
    if (IsPitcher(players, p)) {
        players.Set(kPitcherGameWins, p, GetXmlAttribute(text, "w", 1));
        players.Set(kPitcherGameLosses, p, GetXmlAttribute(text, "l", 1));
        players.Set(kPitcherSaves, p, GetXmlAttribute(text, "sv", 1));
        return;
    }
    players.Set(kBatterOps, p, GetXmlAttribute(text, "ops", 1));
    ReadBatterSplits(text, players, p);
}

// Innings as written ("45.2") in thirds: 45 and 2/3.
double InningsPitched(const std::string& written) {
    std::size_t point = written.find('.');
    if (point == std::string::npos) return LeadingNumber(written);
    return LeadingNumber(written.substr(0, point)) + LeadingNumber(written.substr(point + 1)) / 3;
}

void ReadBatterSeason(const std::string& text, PlayersTable& players, int p) {
    double atBats = Number(text, "s_ab");
    std::string average = ".000";
    double slugging = 0;
    if (atBats > 0) {
        average = FormatNumber(Number(text, "s_h") / atBats, "#.000");
        slugging = (Number(text, "s_single") + 2 * Number(text, "s_double") + 3 * Number(text, "s_triple") +
                    4 * Number(text, "s_hr")) /
                   atBats;
    }
    std::string sluggingText = atBats > 0 ? FormatNumber(slugging, "#.000") : ".000";
    players.Set(kBatterSeasonAtBats, p, GetXmlAttribute(text, "s_ab", 1));
    players.Set(kBatterOnBase, p, FormatNumber(LeadingNumber(players.At(kBatterOps, p)) - slugging, "#.000"));
    players.Set(kBatterSlugging, p, sluggingText);
    players.Set(kBatterSeasonHomeRuns, p, GetXmlAttribute(text, "s_hr", 1));
    players.Set(kBatterSeasonRbi, p, GetXmlAttribute(text, "s_rbi", 1));
    players.Set(kBatterSeasonHits, p, GetXmlAttribute(text, "s_h", 1));
    players.Set(kBatterSeasonAverage, p, average);
}

void ReadPitcherSeason(const std::string& text, PlayersTable& players, int p) {
    std::string inningsText = GetXmlAttribute(text, "s_ip", 1);
    double innings = LeadingNumber(inningsText);
    std::string whip = "0.00", walks = "0.0", strikeouts = "0.0";
    if (innings > 0) {
        whip = FormatNumber((Number(text, "s_h") + Number(text, "s_bb")) / InningsPitched(inningsText),
                            "##0.00");
        walks = FormatNumber(Number(text, "s_bb") / innings * 9, "#0.0");
        strikeouts = FormatNumber(Number(text, "s_k") / innings * 9, "#0.0");
    }
    players.Set(kPitcherSeasonInnings, p, inningsText);
    players.Set(kPitcherWhip, p, whip);
    players.Set(kPitcherWalksPerNine, p, walks);
    players.Set(kPitcherStrikeoutsPerNine, p, strikeouts);
    players.Set(kPitcherSeasonWins, p, GetXmlAttribute(text, "w", 1));
    players.Set(kPitcherSeasonLosses, p, GetXmlAttribute(text, "l", 1));
    players.Set(kPitcherSeasonEra, p, GetXmlAttribute(text, "era", 1));
}

// The rows whose player id may become part of an address; the files of the others are never
// fetched or read.
std::vector<int> CheckedRows(const NetSession& session, const PlayersTable& players) {
    std::vector<int> rows;
    for (int p = 1; p <= players.Rows(); ++p)
        if (CheckPlayerId(session.settings, players.At(kPlayerId, p))) rows.push_back(p);
    return rows;
}

}  // namespace

void ReadPlayerGameFiles(const NetSession& session, const std::string& gameUrl, PlayersTable& players,
                         const std::function<bool(const std::string& playerId)>& wanted) {
    std::vector<int> rows = CheckedRows(session, players);
    std::vector<DownloadRequest> files;
    for (int p : rows) {
        const std::string& id = players.At(kPlayerId, p);
        if (wanted(id))
            files.push_back({PlayerGameUrl(gameUrl, id, IsPitcher(players, p)),
                             PlayerGameFile(session.settings.tempFolder, id)});
    }
    DownloadFiles(session, files);
    for (int p : rows)
        ReadGameFile(ReadTextFile(PlayerGameFile(session.settings.tempFolder, players.At(kPlayerId, p))),
                     players, p);
}

void ReadPlayerSeasonFiles(const NetSession& session, const std::string& season, PlayersTable& players) {
    std::vector<int> rows = CheckedRows(session, players);
    std::vector<DownloadRequest> files;
    for (int p : rows) {
        const std::string& id = players.At(kPlayerId, p);
        files.push_back({PlayerSeasonUrl(session.settings.gamedayBaseUrl, season, id, IsPitcher(players, p)),
                         PlayerSeasonFile(session.settings.tempFolder, id)});
    }
    DownloadFiles(session, files);
    for (int p : rows) {
        std::string text =
            ReadTextFile(PlayerSeasonFile(session.settings.tempFolder, players.At(kPlayerId, p)));
        if (IsPitcher(players, p))
            ReadPitcherSeason(text, players, p);
        else
            ReadBatterSeason(text, players, p);
    }
}

}  // namespace quillbat
