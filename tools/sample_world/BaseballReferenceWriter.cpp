// Baseball-Reference team pitching pages (/teams/<code>/2014-pitching.shtml) with the three
// tables the pitcher profile reads: "Team Pitching Pitches", "Team Pitching Ratios" and "Team
// Batting Against", each with a league-average row. Rows span several lines, a repeated
// header row sits inside the body, header cells carry tip= texts with markup in them, the
// rank is a header cell of its own, left-handers carry a "*", and the ratios table sits in an
// HTML comment. Lines end in LF.

#include <functional>

#include "Writers.h"

namespace quillbat::sample {
namespace {

using Cells = std::vector<std::string>;

std::string N(int n) { return std::to_string(n); }
double Ratio(double a, double b) { return b > 0 ? a / b : 0.0; }
std::string P1(double fraction) { return Fixed(100 * fraction, 1); }

struct Column {
    std::string name;
    std::string tip;
};

// The figures of one line of the three tables.
Cells PitchesCells(const PitchingLine& p) {
    int balls = p.pitches - p.strikes;
    return {N(p.bf), N(p.pitches), Fixed(Ratio(p.pitches, p.bf), 2), N(p.strikes), P1(Ratio(p.strikes, p.pitches)),
            P1(Ratio(p.strikes * 0.27, p.strikes)), P1(0.16), P1(0.28), N(balls), P1(Ratio(p.so, p.bf) * 0.9)};
}

Cells RatiosCells(const PitchingLine& p) {
    int xbh = p.d + p.t + p.hr;
    double gbfb = 0.8 + Ratio(p.so % 7, 10);
    return {Innings(p.outs), N(p.bf), P1(Ratio(p.hr, p.bf)), P1(Ratio(p.so, p.bf)), P1(Ratio(p.bb, p.bf)),
            P1(Ratio(xbh, p.bf)), P1(Ratio(xbh, p.h)), Fixed(gbfb, 2), Fixed(gbfb * 1.2, 2),
            P1(Ratio(p.bf - p.so - p.bb - p.hr - p.hbp, p.bf)), P1(0.19 + Ratio(p.h % 9, 100)),
            P1(Ratio(p.hr, p.bf * 0.3)), P1(0.08 + Ratio(p.bb % 7, 100)), N(p.bf / 9), N(p.bf / 90),
            P1(Ratio(p.bf / 90, p.bf / 9))};
}

Cells AgainstCells(const PitchingLine& p) {
    BattingLine b;
    b.ab = p.ab; b.h = p.h; b.d = p.d; b.t = p.t; b.hr = p.hr; b.bb = p.bb; b.hbp = p.hbp; b.sf = p.sf;
    int inPlay = p.ab - p.so - p.hr + p.sf;
    return {Innings(p.outs), N(p.bf), N(p.ab), N(p.r), N(p.h), N(p.d), N(p.t), N(p.hr), N(p.bb), N(p.so),
            Rate3(b.Avg()), Rate3(b.Obp()), Rate3(b.Slg()), Rate3(b.Ops()), Rate3(Ratio(p.h - p.hr, inPlay))};
}

const std::vector<Column>& PitchesColumns() {
    static const std::vector<Column> columns = {
        {"PA", "Plate Appearances"}, {"Pit", "Number of pitches thrown"}, {"Pit/PA", "Pitches per plate appearance"},
        {"Str", "Strikes"}, {"Str%", "Strikes/Pitches<br>Strikes include swinging, looking, fouls and balls in play"},
        {"L/Str", "Looking strikes/Strikes"}, {"S/Str", "Swinging strikes/Strikes"}, {"F/Str", "Foul balls/Strikes"},
        {"Ball", "Balls thrown"}, {"L/SO%", "Looking strikeouts/Strikeouts"}};
    return columns;
}

const std::vector<Column>& RatiosColumns() {
    static const std::vector<Column> columns = {
        {"IP", "Innings Pitched"}, {"PA", "Plate Appearances"}, {"HR%", "Home runs/PA"}, {"SO%", "Strikeouts/PA"},
        {"BB%", "Walks/PA<br>includes intentional walks"}, {"XBH%", "Extra base hits/PA"}, {"X/H%", "Extra base hits/Hits"},
        {"GB/FB", "Ground balls/Fly balls"}, {"GO/AO", "Ground outs/Air outs"}, {"IP%", "Balls in play/PA"},
        {"LD%", "Line drives/Balls in play"}, {"HR/FB", "Home runs/Fly balls"}, {"IF/FB", "Infield fly balls/Fly balls"},
        {"Opp", "Double play opportunities"}, {"DP", "Double plays"}, {"%", "Double plays/Opportunities"}};
    return columns;
}

const std::vector<Column>& AgainstColumns() {
    static const std::vector<Column> columns = {
        {"IP", "Innings Pitched"}, {"PA", "Plate Appearances"}, {"AB", "At Bats"}, {"R", "Runs"}, {"H", "Hits"},
        {"2B", "Doubles"}, {"3B", "Triples"}, {"HR", "Home Runs"}, {"BB", "Bases on Balls"}, {"SO", "Strikeouts"},
        {"BA", "Batting Average<br>Hits/At Bats"}, {"OBP", "On-Base Percentage"}, {"SLG", "Slugging"},
        {"OPS", "On-Base + Slugging"}, {"BAbip", "Batting average on balls in play"}};
    return columns;
}

std::string HeaderRow(const std::vector<Column>& columns, bool inBody) {
    std::string text = inBody ? "<tr class=\"thead\">\n" : "<tr>\n";
    text += "<th>Rk</th>\n<th data-stat=\"player\" tip=\"Player name<br>* means left-handed\" class=\"left\">Name</th>\n"
            "<th data-stat=\"age\" class=\"right\">Age</th>\n";
    for (const Column& c : columns)
        text += "<th data-stat=\"" + c.name + "\" tip=\"" + c.tip + "\" class=\"right\">" + c.name + "</th>\n";
    return text + "</tr>\n";
}

std::string DataRow(int rank, const std::string& sortKey, const std::string& name, const std::string& age,
                    const Cells& cells) {
    std::string text = "<tr >\n<th scope=\"row\" class=\"right\">" + (rank > 0 ? N(rank) : std::string()) + "</th>\n";
    text += "<td class=\"left\" csk=\"" + sortKey + "\">" + name + "</td>\n<td class=\"right\">" + age + "</td>\n";
    for (const std::string& cell : cells) text += "<td class=\"right\">" + (cell == "0.0" ? "" : cell) + "</td>\n";
    return text + "</tr>\n";
}

// Left-handers carry a "*"; rotation pitchers a superscript note, as the site marked
// pitchers who also pitched for another club.
std::string PlayerName(const Player& p) {
    std::string name = "<a href=\"/players/s/sample" + p.id + ".shtml\">" + p.name.first + "&nbsp;" + p.name.last + "</a>";
    if (p.throws == 'L') name += "*";
    return p.starter ? name + "<sup>1</sup>" : name;
}

using CellsOf = std::function<Cells(const PitchingLine&)>;

std::string Table(const std::string& id, const std::string& caption, const std::vector<Column>& columns,
                  const Team& team, const PitchingLine& league, const CellsOf& cellsOf) {
    std::string text = "<div class=\"section_heading\"><span class=\"section_anchor\" data-label=\"" + caption +
                       "\"></span><h2>" + caption + "</h2></div>\n<div class=\"table_container\" id=\"div_" + id + "\">\n"
                       "<table class=\"sortable stats_table\" id=\"" + id + "\" data-cols-to-freeze=\"2\"><caption>" + caption +
                       " Table</caption>\n<thead>\n" + HeaderRow(columns, false) + "</thead>\n<tbody>\n";
    int rank = 0;
    for (const Player& p : team.players) {
        if (!p.IsPitcher() || p.pitching.season.bf == 0) continue;
        if (rank == 10) text += HeaderRow(columns, true);
        text += DataRow(++rank, p.name.last + "," + p.name.first, PlayerName(p), N(2014 - std::stoi(p.dob.substr(6))), cellsOf(p.pitching.season));
    }
    text += "</tbody>\n<tfoot>\n" + DataRow(0, "ZZZZZZ", "<em>League Average</em>", "", cellsOf(league));
    PitchingLine teamLine;
    for (const Player& p : team.players) teamLine.Add(p.pitching.season);
    text += DataRow(0, "zzzzzz", "Team Totals", "", cellsOf(teamLine));
    return text + "</tfoot>\n</table>\n</div>\n";
}

// The league-average line: all of the league's pitching taken together, so its rates are
// the league's.
PitchingLine LeagueAverage(const World& world, const std::string& league) {
    PitchingLine total;
    for (const Team& t : world.teams)
        if (t.club.league == league)
            for (const Player& p : t.players) total.Add(p.pitching.season);
    return total;
}

std::string Page(const World& world, const Team& team) {
    PitchingLine league = LeagueAverage(world, team.club.league);
    std::string title = "2014 " + team.club.FullName() + " Pitching Statistics";
    std::string text = "<!DOCTYPE html>\n<html data-version=\"klecko-\" lang=\"en\">\n<head>\n<title>" + title +
                       " | Sample Baseball-Reference</title>\n</head>\n<body>\n"
                       "<div id=\"timeline\"><span class=\"poptip\" tip=\"1. Mar 31, " + team.club.abbrev +
                       " (1-0) beat a rival, 3-0\">W</span></div>\n"
                       "<p>Sample data: an invented season, not real players.</p>\n";
    text += Table("pitching_pitches", "Team Pitching Pitches", PitchesColumns(), team, league, PitchesCells);
    text += "<div id=\"all_pitching_ratios\" class=\"table_wrapper setup_commented commented\">\n<!--\n";
    text += Table("pitching_ratios", "Team Pitching Ratios", RatiosColumns(), team, league, RatiosCells);
    text += "-->\n</div>\n";
    text += Table("batting_against", "Team Batting Against", AgainstColumns(), team, league, AgainstCells);
    return text + "</body>\n</html>\n";
}

}  // namespace

void WriteBaseballReferencePages(const World& world, TreeWriter& tree) {
    for (const Team& team : world.teams)
        tree.Write(kBaseballReferenceHost, "/teams/" + team.club.BaseballReferenceCode() + "/" + kSeason + "-pitching.shtml",
                   Page(world, team));
}

}  // namespace quillbat::sample
