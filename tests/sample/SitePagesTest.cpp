// The roster, FanGraphs, Baseball-Reference, ESPN and update pages of the sample world carry
// what their readers look for, with the irregularities those readers must pass over.

#include <gtest/gtest.h>

#include <set>

#include "SampleWorld.h"
#include "gameday/RosterPage.h"

namespace quillbat::testing {
namespace {

using quillbat::RosterEntry;

using sample::Player;
using sample::Team;

const Team& TeamOf(const std::string& fileCode) {
    for (const Team& t : TheWorld().teams)
        if (t.club.fileCode == fileCode) return t;
    throw std::runtime_error("no club " + fileCode);
}

std::string RosterPage(const Team& team) {
    WrittenWith(sample::WriteRosterPages);
    return SampleFile(team.club.RosterSubHost(), "/team/roster_40man.jsp?c_id=" + team.club.fileCode);
}

TEST(SampleRosterPage, SubHostsFollowTheTeamDatabase) {
    EXPECT_EQ(TeamOf("nyy").club.RosterSubHost(), "newyork.yankees");
    EXPECT_EQ(TeamOf("stl").club.RosterSubHost(), "stlouis.cardinals");
    EXPECT_EQ(TeamOf("cws").club.RosterSubHost(), "chicago.whitesox");
    for (const Team& team : TheWorld().teams) EXPECT_FALSE(RosterPage(team).empty()) << team.club.fileCode;
}

// The roster reader finds every player of each page but those on the 60-day list, in the
// page's group order, with the names the world gave them.
TEST(SampleRosterPage, TheReaderFindsEveryCountedPlayer) {
    for (const Team& team : TheWorld().teams) {
        std::string expected, found;
        for (const char* group : {"Pitchers", "Catchers", "Infielders", "Outfielders", "Designated Hitter"})
            for (const Player& p : team.players)
                if (p.PositionGroup() == group && p.status != "D60")
                    expected += p.id + "|" + p.name.first + "|" + p.name.last + "|" + p.number + "|" +
                                p.bats + p.throws + "\n";
        for (const RosterEntry& e : ReadRosterLines(RosterPage(team)))
            found += e.playerId + "|" + e.firstName + "|" + e.lastName + "|" + e.number + "|" + e.bats +
                     e.throws + "\n";
        EXPECT_EQ(found, expected) << team.club.fileCode;
    }
    auto roster = ReadRosterLines(RosterPage(TeamOf("nyy")));
    std::set<std::string> groups;
    for (const RosterEntry& e : roster) groups.insert(e.positionGroup);
    EXPECT_EQ(groups, (std::set<std::string>{"P", "C", "IF", "OF", "DH"}));
}

TEST(SampleNames, AwkwardNamesAppearOnRosterAndFanGraphsPages) {
    WrittenWith(sample::WriteFanGraphsPages);
    std::string pages;
    for (const Team& team : TheWorld().teams) pages += RosterPage(team);
    std::string fanGraphs;
    for (const Team& team : TheWorld().teams)
        for (const char* kind : {"bat", "pit"})
            fanGraphs +=
                SampleFile("fangraphs", "/winss.aspx?team=" + team.club.teamName + "&pos=all&stats=" + kind +
                                            "&qual=0&type=0&season=2014&month=0");
    for (const sample::PersonName& name : sample::AwkwardNames()) {
        std::string html = name.Display();
        for (std::size_t at = html.find('\''); at != std::string::npos; at = html.find('\'', at))
            html.replace(at, 1, "&#039;");
        EXPECT_NE(pages.find(">" + html + "<"), std::string::npos) << name.Display();
        EXPECT_NE(fanGraphs.find(">" + name.Display() + "<"), std::string::npos) << name.Display();
    }
}

std::string FanGraphsTeamPage(const Team& team, const std::string& kind, const std::string& type,
                              const std::string& month) {
    WrittenWith(sample::WriteFanGraphsPages);
    return SampleFile("fangraphs", "/winss.aspx?team=" + team.club.teamName + "&pos=all&stats=" + kind +
                                       "&qual=0&type=" + type + "&season=2014&month=" + month);
}

std::string HeaderLine(const std::string& page) {
    for (const std::string& line : Lines(page))
        if (line.find("rgHeader") != std::string::npos) return line;
    return "";
}

// Every request the program makes, with the columns it takes from it.
TEST(SampleFanGraphs, TeamPagesHaveTheColumnsTheProgramReads) {
    struct Case {
        const char* kind;
        const char* type;
        const char* month;
        std::vector<std::string> columns;
    };
    const std::vector<Case> cases = {
        {"bat", "0", "0", {"PA", "SB", "CS", "AB", "HR", "R", "RBI", "BB", "SO"}},
        {"bat", "6", "0", {"WAR"}},
        {"bat", "1", "0", {"ISO", "BABIP", "wOBA", "AVG", "OBP", "SLG", "OPS"}},
        {"bat", "0", "13", {"AVG"}},
        {"bat", "0", "14", {"AVG"}},
        {"pit", "1", "0", {"FIP", "AVG", "K/9", "BB/9"}},
        {"pit", "6", "0", {"WAR"}},
        {"pit", "0", "0", {"SV"}},
        {"pit", "4", "0", {"FB%", "FBv", "SL%", "SLv", "CT%", "CB%", "CH%", "SF%", "KN%", "XX%"}},
        {"pit",
         "5",
         "0",
         {"Swing%", "Z-Swing%", "O-Swing%", "Contact%", "Z-Contact%", "O-Contact%", "Zone%", "F-Strike%",
          "SwStr%"}},
        {"fld", "1", "0", {"Pos", "G", "UZR"}},
    };
    const Team& team = TeamOf("bos");
    for (const Case& c : cases) {
        std::string page = FanGraphsTeamPage(team, c.kind, c.type, c.month);
        ASSERT_FALSE(page.empty()) << c.kind << c.type << c.month;
        std::string header = HeaderLine(page);
        EXPECT_NE(header.find(">Name</a></th>"), std::string::npos);
        for (const std::string& column : c.columns)
            EXPECT_NE(header.find(">" + column + "</a></th>"), std::string::npos)
                << column << " in " << c.kind << c.type;
        int headers = Count(header, "<th ");
        int rows = 0;
        for (const std::string& line : Lines(page)) {
            if (line.find("playerid=") == std::string::npos || line.find("<td") == std::string::npos)
                continue;
            if (page.find(line) < page.find("Export Data")) continue;
            ++rows;
            EXPECT_EQ(Count(line, "<td"), headers) << line.substr(0, 120);
        }
        EXPECT_GT(rows, 5) << c.kind << c.type << c.month;
    }
}

TEST(SampleFanGraphs, FieldersTableHasGamesInTheThirdColumn) {
    std::string header = HeaderLine(FanGraphsTeamPage(TeamOf("sea"), "fld", "1", "0"));
    std::size_t name = header.find(">Name<"), pos = header.find(">Pos<"), games = header.find(">G<");
    EXPECT_LT(name, pos);
    EXPECT_LT(pos, games);
    EXPECT_EQ(Count(header.substr(0, games), "<th "), 3);
}

TEST(SampleFanGraphs, PagesEndLinesInCrLfAndKeepRowsAfterExportData) {
    std::string page = FanGraphsTeamPage(TeamOf("nym"), "bat", "1", "0");
    EXPECT_EQ(Count(page, "\n"), Count(page, "\r\n"));
    std::size_t exportData = page.find("Export Data");
    EXPECT_LT(page.find("playerid="), exportData);  // menu links readers must pass over
    EXPECT_LT(exportData, page.find("rgHeader"));
    EXPECT_NE(page.find("%</td>"), std::string::npos);
    EXPECT_NE(page.find(" %</td>"), std::string::npos);
    // Markup the cell reduction must remove: tool tips holding ">" and superscripts.
    EXPECT_NE(HeaderLine(page).find("onmouseover=\"if (tipOn > 0)"), std::string::npos);
    EXPECT_NE(page.find("</a><sup>R</sup></td>"), std::string::npos);
}

TEST(SampleFanGraphs, LeaguePagesHaveOneRowPerClub) {
    WrittenWith(sample::WriteFanGraphsPages);
    for (const char* league : {"al", "nl"})
        for (const auto& [kind, type] :
             {std::pair{"bat", "1"}, std::pair{"pit", "1"}, std::pair{"pit", "5"}}) {
            std::string page =
                SampleFile("fangraphs", std::string("/teams.aspx?pos=all&lg=") + league + "&stats=" + kind +
                                            "&type=" + type + "&season=2014&month=0");
            ASSERT_FALSE(page.empty());
            int rows = 0;
            for (const std::string& line : Lines(page))
                rows += line.find("team=") != std::string::npos && line.find("<td") != std::string::npos;
            EXPECT_EQ(rows, 15) << league << kind << type;
            EXPECT_NE(HeaderLine(page).find(">Team</a></th>"), std::string::npos);
        }
}

std::string PitchingPage(const std::string& code) {
    WrittenWith(sample::WriteBaseballReferencePages);
    return SampleFile("baseball-reference", "/teams/" + code + "/2014-pitching.shtml");
}

TEST(SampleBaseballReference, PagesUseTheSiteCodes) {
    for (const char* code : {"CHW", "KCR", "LAA", "LAD", "SDP", "SFG", "TBR", "WSN", "NYY", "STL"})
        EXPECT_FALSE(PitchingPage(code).empty()) << code;
    EXPECT_TRUE(PitchingPage("ANA").empty());
}

// Each table: its name, then a head with tip= cells and the columns read, then rows over
// several lines ending with the league-average row before the table closes.
TEST(SampleBaseballReference, ThreeTablesWithLeagueAverageRows) {
    struct Case {
        const char* table;
        std::vector<std::string> columns;
    };
    const std::vector<Case> cases = {
        {"Team Pitching Pitches", {"PA", "Pit", "Str%"}},
        {"Team Pitching Ratios",
         {"SO%", "BB%", "HR%", "XBH%", "X/H%", "GB/FB", "GO/AO", "IP%", "LD%", "HR/FB", "IF/FB", "%"}},
        {"Team Batting Against", {"BA", "BAbip"}},
    };
    std::string page = PitchingPage("SFG");
    for (const Case& c : cases) {
        std::size_t name = page.find(c.table);
        ASSERT_NE(name, std::string::npos) << c.table;
        std::size_t head = page.find("<thead>", name), headEnd = page.find("</thead>", head);
        std::size_t end = page.find("</table>", headEnd);
        std::string header = page.substr(head, headEnd - head);
        EXPECT_GT(Count(header, "tip=\""), 3);
        for (const std::string& column : c.columns)
            EXPECT_NE(header.find(">" + column + "</th>"), std::string::npos) << column;
        std::string body = page.substr(headEnd, end - headEnd);
        EXPECT_NE(body.find("League Average"), std::string::npos);
        EXPECT_EQ(Count(body, "<tr >\n"), Count(body, "</tr>") - Count(body, "<tr class=\"thead\">"));
    }
    EXPECT_EQ(Count(page, "\r"), 0);
    EXPECT_NE(page.find("</a><sup>1</sup></td>"), std::string::npos);
    EXPECT_NE(page.find("&nbsp;"), std::string::npos);
}

TEST(SampleEspn, RosterPagesLinkEveryActivePlayerById) {
    WrittenWith(sample::WriteEspnPages);
    const Team& team = TeamOf("was");
    std::string page = SampleFile("espn", "/mlb/teams/roster?team=wsh");
    for (const Player& p : team.players) {
        bool linked = page.find("/mlb/player/_/id/" + p.espnId + "/") != std::string::npos;
        EXPECT_EQ(linked, p.status == "A") << p.id;
    }
}

TEST(SampleEspn, BatterVersusPitcherHeaderSharesItsLineWithTheFirstRow) {
    WrittenWith(sample::WriteEspnPages);
    const auto& day = TheWorld().days[2];
    for (const sample::Game& g : day.games) {
        std::string page = SampleFile("espn", "/mlb/player/batvspitch/_/id/" + g.awayStarter->espnId +
                                                  "/teamId/" + g.home->club.espnTeamId);
        ASSERT_FALSE(page.empty());
        auto lines = Lines(page);
        std::size_t header = 0;
        while (header < lines.size() && lines[header].find("<td>BATTER</td>") == std::string::npos) ++header;
        ASSERT_LT(header, lines.size());
        std::string rest = lines[header].substr(lines[header].find("<td>BATTER</td>") + 15);
        ASSERT_NE(rest.find("<tr "), std::string::npos);
        EXPECT_EQ(Count(rest.substr(0, rest.find("<tr ")), "<td"), 12);
        EXPECT_NE(rest.find("/mlb/player/_/id/"), std::string::npos);
        for (std::size_t i = header; i < lines.size(); ++i) {
            if (lines[i].find("/mlb/player/_/id/") == std::string::npos) continue;
            for (std::size_t k = 1; k <= 11; ++k) EXPECT_EQ(lines[i + k].rfind("<td", 0), 0u) << lines[i + k];
            EXPECT_EQ(lines[i + 12], "</tr>");
        }
    }
}

TEST(SampleUpdateInfo, HasQuillbatsLineAmongOthers) {
    WrittenWith([](const sample::World&, sample::TreeWriter& tree) { sample::WriteUpdateInfo(tree); });
    std::string text = SampleFile("updates", "/autoupdates/UpdateInfo.dat");
    EXPECT_EQ(Count(text, "\n"), Count(text, "\r\n"));
    EXPECT_EQ(text.front(), '\'');
    EXPECT_NE(text.find("  Quillbat , " + sample::SampleNewerVersion() + " , http://"), std::string::npos);
}

}  // namespace
}  // namespace quillbat::testing
