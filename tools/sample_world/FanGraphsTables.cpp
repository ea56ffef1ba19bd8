#include "FanGraphs.h"

#include <cmath>
#include <functional>
#include <map>

namespace quillbat::sample {
namespace {

using Cells = std::vector<std::string>;

std::string N(int n) { return std::to_string(n); }
std::string Pct(double fraction) { return Percent(fraction, true); }
double Ratio(double a, double b) { return b > 0 ? a / b : 0.0; }

// Figures that do not follow from the lines, drawn from the player's id so that every page
// shows the same ones.
Random PlayerRandom(const std::string& id, std::uint64_t salt) { return Random(std::stoull(id) * 31ull + salt); }

Cells BattingStandard(const BattingLine& b) {
    return {N(b.pa / 4), N(b.ab), N(b.pa), N(b.h), N(b.Singles()), N(b.d), N(b.t), N(b.hr), N(b.r),
            N(b.rbi), N(b.bb), N(b.bb / 10), N(b.so), N(b.hbp), N(b.sf), "0", N(b.ab / 40), N(b.sb),
            N(b.cs), Rate3(b.Avg())};
}

Cells BattingAdvanced(const BattingLine& b, double babip, double woba) {
    double iso = b.Slg() - b.Avg();
    return {N(b.pa), Pct(Ratio(b.bb, b.pa)), Pct(Ratio(b.so, b.pa)), Fixed(Ratio(b.bb, b.so), 2),
            Rate3(b.Avg()), Rate3(b.Obp()), Rate3(b.Slg()), Rate3(b.Ops()), Rate3(iso), Fixed(4.0 + 3 * iso, 1),
            Rate3(babip), Fixed(iso * 5 - 0.5, 1), Fixed(0.1 * b.sb - 0.3 * b.cs, 1), N(int(woba * b.pa / 1.2)),
            Fixed((woba - 0.315) * b.pa / 1.25, 1), Rate3(woba), N(int(std::lround(100 * woba / 0.315)))};
}

Cells PitchingStandard(const PitchingLine& p) {
    return {N(p.w), N(p.l), Fixed(p.Era(), 2), N(p.g), N(p.gs), "0", "0", N(p.sv), N(p.hld), N(p.bs),
            Innings(p.outs), N(p.bf), N(p.h), N(p.r), N(p.er), N(p.hr), N(p.bb), N(p.bb / 12), N(p.hbp),
            N(p.bf / 120), "0", N(p.so)};
}

Cells PitchingAdvanced(const PitchingLine& p, double fip) {
    double ip = p.outs / 3.0;
    double era = p.Era();
    return {Fixed(Ratio(p.so * 9.0, ip), 2), Fixed(Ratio(p.bb * 9.0, ip), 2), Fixed(Ratio(p.so, p.bb), 2),
            Fixed(Ratio(p.hr * 9.0, ip), 2), Pct(Ratio(p.so, p.bf)), Pct(Ratio(p.bb, p.bf)),
            Pct(Ratio(p.so - p.bb, p.bf)), Rate3(p.Avg()), Fixed(p.Whip(), 2),
            Rate3(Ratio(p.h - p.hr, p.ab - p.so - p.hr + p.sf)), Pct(0.72), N(int(std::lround(era / 0.0385))),
            N(int(std::lround(fip / 0.0385))), N(int(std::lround((fip + 0.1) / 0.0385))), Fixed(era, 2),
            Fixed(fip, 2), Fixed(era - fip, 2), Fixed(fip + 0.1, 2), Fixed(fip + 0.15, 2)};
}

Cells PlateDiscipline(Random random) {
    double o = 0.27 + 0.09 * random.Unit(), z = 0.60 + 0.10 * random.Unit();
    double zone = 0.42 + 0.08 * random.Unit();
    double oc = 0.57 + 0.18 * random.Unit(), zc = 0.82 + 0.10 * random.Unit();
    double swing = zone * z + (1 - zone) * o;
    double contact = (zone * z * zc + (1 - zone) * o * oc) / swing;
    return {Pct(o), Pct(z), Pct(swing), Pct(oc), Pct(zc), Pct(contact), Pct(zone),
            Pct(0.56 + 0.10 * random.Unit()), Pct(swing * (1 - contact))};
}

// Pitches a pitcher does not throw are blank cells.
Cells PitchTypes(Random random) {
    double fastball = 0.45 + 0.2 * random.Unit();
    double left = 1.0 - fastball;
    Cells cells = {Pct(fastball), Fixed(89.0 + 7 * random.Unit(), 1)};
    const double speeds[] = {84, 88, 77, 83, 85, 75};
    for (int pitch = 0; pitch < 6; ++pitch) {
        bool throws = pitch < 5 && random.Chance(0.55) && left > 0.02;
        double share = throws ? (pitch == 4 ? left : left * (0.3 + 0.4 * random.Unit())) : 0.0;
        left -= share;
        cells.push_back(throws ? Pct(share) : "&nbsp;");
        cells.push_back(throws ? Fixed(speeds[pitch] + 4 * random.Unit(), 1) : "&nbsp;");
    }
    cells.resize(14);
    cells.push_back(left > 0.005 ? Pct(left) : "&nbsp;");
    return cells;
}

const std::map<std::string, std::vector<std::string>>& Columns() {
    static const std::map<std::string, std::vector<std::string>> columns = {
        {"bat0", {"Name", "G", "AB", "PA", "H", "1B", "2B", "3B", "HR", "R", "RBI", "BB", "IBB", "SO", "HBP", "SF", "SH", "GDP", "SB", "CS", "AVG"}},
        {"bat1", {"Name", "PA", "BB%", "K%", "BB/K", "AVG", "OBP", "SLG", "OPS", "ISO", "Spd", "BABIP", "UBR", "wSB", "wRC", "wRAA", "wOBA", "wRC+"}},
        {"bat6", {"Name", "Batting", "Base Running", "Fielding", "Positional", "RAR", "WAR", "Dollars"}},
        {"pit0", {"Name", "W", "L", "ERA", "G", "GS", "CG", "ShO", "SV", "HLD", "BS", "IP", "TBF", "H", "R", "ER", "HR", "BB", "IBB", "HBP", "WP", "BK", "SO"}},
        {"pit1", {"Name", "K/9", "BB/9", "K/BB", "HR/9", "K%", "BB%", "K-BB%", "AVG", "WHIP", "BABIP", "LOB%", "ERA-", "FIP-", "xFIP-", "ERA", "FIP", "E-F", "xFIP", "SIERA"}},
        {"pit4", {"Name", "FB%", "FBv", "SL%", "SLv", "CT%", "CTv", "CB%", "CBv", "CH%", "CHv", "SF%", "SFv", "KN%", "KNv", "XX%"}},
        {"pit5", {"Name", "O-Swing%", "Z-Swing%", "Swing%", "O-Contact%", "Z-Contact%", "Contact%", "Zone%", "F-Strike%", "SwStr%"}},
        {"pit6", {"Name", "RA9-WAR", "BIP-Wins", "LOB-Wins", "FDP-Wins", "WAR", "Dollars"}},
        {"fld1", {"Name", "Pos", "G", "Inn", "rSZ", "rCERA", "rSB", "rGDP", "rARM", "rGFP", "rPM", "rTS", "DRS", "BIZ", "Plays", "RZR", "OOZ", "ARM", "DPR", "RngR", "ErrR", "UZR", "UZR/150", "Def"}},
        {"fld0", {"Name", "Pos", "G", "GS", "Inn", "PO", "A", "E", "FE", "TE", "DP", "DPS", "DPT", "DPF", "SB", "CS", "PB", "WP", "FP", "TZ"}},
    };
    return columns;
}

StatsTable::Row PlayerRow(const Player& p, const std::string& position, Cells stats) {
    stats.insert(stats.begin(), p.name.Display());
    std::string rookie = std::stoi(p.dob.substr(6)) >= 1991 ? "R" : "";
    return {stats, 0, "statss.aspx?playerid=" + p.fanGraphsId + "&position=" + position, rookie};
}

// The cells of one player's row, or nothing when he has no line of that kind.
Cells PlayerCells(const Player& p, const std::string& key, const std::string& month) {
    const BattingLine& b = month == "13" ? p.batting.vsLeft : month == "14" ? p.batting.vsRight : p.batting.season;
    const PitchingLine& pl = p.pitching.season;
    if (key.starts_with("bat")) {
        if (b.pa == 0) return {};
        if (key == "bat0") return BattingStandard(b);
        if (key == "bat1") return BattingAdvanced(b, p.babip, p.woba);
        double batting = (p.woba - 0.315) * b.pa / 1.25;
        return {Fixed(batting, 1), Fixed(0.1 * b.sb, 1), Fixed(p.uzr, 1), Fixed(p.position == "SS" || p.position == "C" ? 3.5 : -1.0, 1),
                Fixed(p.war * 10, 1), Fixed(p.war, 1), "$" + Fixed(p.war * 5.5, 1)};
    }
    if (pl.bf == 0) return {};
    if (key == "pit0") return PitchingStandard(pl);
    if (key == "pit1") return PitchingAdvanced(pl, p.fip);
    if (key == "pit4") return PitchTypes(PlayerRandom(p.id, 4));
    if (key == "pit5") return PlateDiscipline(PlayerRandom(p.id, 5));
    return {Fixed(p.war * 1.1, 1), Fixed(p.war * 0.1, 1), Fixed(p.war * -0.05, 1), Fixed(p.war * 0.9, 1),
            Fixed(p.war, 1), "$" + Fixed(p.war * 5.5, 1)};
}

Cells FieldingCells(const Player& p, const std::string& position, int games, bool advanced) {
    Random random = PlayerRandom(p.id, 7 + position.size());
    double uzr = p.uzr * games / std::max(1, p.gamesAtPosition);
    std::string innings = Fixed(games * 8.6, 1);
    if (!advanced)
        return {position, N(games), N(games * 9 / 10), innings, N(games * 2), N(games), N(random.Between(0, 5)), "0", "0",
                N(games / 8), "0", "0", "0", "0", "0", "0", "0", Rate3(0.975 + 0.02 * random.Unit()), "&nbsp;"};
    bool catcher = position == "C";
    auto catcherOnly = [&](double v) { return catcher ? Fixed(v, 0) : std::string("&nbsp;"); };
    return {position, N(games), innings, catcherOnly(0), catcherOnly(1), catcherOnly(random.Between(-2, 2)), "0",
            catcher ? "&nbsp;" : N(random.Between(-2, 2)), "&nbsp;", catcher ? "&nbsp;" : N(random.Between(-4, 6)), "0",
            N(random.Between(-6, 9)), N(games * 3), N(games * 2), Rate3(0.78 + 0.1 * random.Unit()), N(random.Between(5, 40)),
            Fixed(random.Unit() * 2 - 1, 1), Fixed(random.Unit() * 2 - 0.5, 1), Fixed(uzr * 0.6, 1), Fixed(uzr * 0.1, 1),
            Fixed(uzr, 1), Fixed(uzr * 150 / std::max(1, games), 1), Fixed(uzr + (catcher ? 4 : 0), 1)};
}

void AddFieldingRows(StatsTable& table, const Player& p, bool advanced) {
    if (p.IsPitcher() || p.position == "DH" || p.gamesAtPosition == 0) return;
    std::string main = p.position == "OF" ? "LF" : p.position;
    int games = p.gamesAtPosition;
    // Bench players also fill in at a second position, with fewer games there.
    if (!p.starter) {
        bool outfield = main == "LF" || main == "CF" || main == "RF";
        std::string second = outfield ? (main == "RF" ? "LF" : "RF") : (main == "1B" ? "3B" : "1B");
        int there = games / 3;
        if (there > 0) table.rows.push_back(PlayerRow(p, second, FieldingCells(p, second, there, advanced)));
        games -= there;
    }
    table.rows.push_back(PlayerRow(p, main, FieldingCells(p, main, games, advanced)));
}

}  // namespace

StatsTable TeamTable(const Team& team, const std::string& kind, const std::string& type, const std::string& month) {
    std::string key = kind + type;
    StatsTable table;
    auto columns = Columns().find(key);
    if (columns == Columns().end()) return table;
    table.columns = columns->second;
    for (const Player& p : team.players) {
        if (kind == "fld") {
            AddFieldingRows(table, p, type == "1");
            continue;
        }
        Cells cells = PlayerCells(p, key, kind == "bat" ? month : "0");
        if (!cells.empty()) table.rows.push_back(PlayerRow(p, p.IsPitcher() ? "P" : p.position, cells));
    }
    table.totals = {"Total"};
    return table;
}

// A club's row: the figures of its players taken together.
StatsTable LeagueTable(const std::vector<const Team*>& league, const std::string& kind, const std::string& type) {
    std::string key = kind + type;
    StatsTable table;
    auto columns = Columns().find(key);
    if (columns == Columns().end() || kind == "fld") return table;
    table.columns = columns->second;
    table.columns.front() = "Team";
    table.columns.insert(table.columns.begin(), "#");
    int rank = 0;
    for (const Team* team : league) {
        BattingLine batting;
        PitchingLine pitching;
        double woba = 0, babip = 0, fip = 0;
        for (const Player& p : team->players) {
            batting.Add(p.batting.season);
            pitching.Add(p.pitching.season);
            woba += p.woba * p.batting.season.pa;
            babip += p.babip * p.batting.season.pa;
            fip += p.fip * p.pitching.season.outs;
        }
        woba = Ratio(woba, batting.pa);
        babip = Ratio(babip, batting.pa);
        fip = Ratio(fip, pitching.outs);
        Random random(std::stoull(team->club.mlbTeamId) * 101ull);
        Cells cells = key == "bat0" ? BattingStandard(batting) : key == "bat1" ? BattingAdvanced(batting, babip, woba)
                    : key == "pit0" ? PitchingStandard(pitching) : key == "pit1" ? PitchingAdvanced(pitching, fip)
                    : key == "pit4" ? PitchTypes(random) : key == "pit5" ? PlateDiscipline(random) : Cells{};
        if (cells.empty()) continue;
        cells.insert(cells.begin(), {N(++rank), team->club.teamName});
        table.rows.push_back({cells, 1, "winss.aspx?team=" + team->club.teamName + "&pos=all&stats=" + kind, ""});
    }
    return table;
}

}  // namespace quillbat::sample
