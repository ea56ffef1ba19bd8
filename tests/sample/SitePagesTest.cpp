// The roster, FanGraphs and update pages of the sample world carry
// what their readers look for, with the irregularities those readers must pass over.

#include <gtest/gtest.h>

#include <set>

#include "SampleWorld.h"
#include "gameday/RosterPage.h"
#include "platform/TextFunctions.h"

namespace quillbat::testing {
namespace {

using sample::Player;
using sample::Team;

std::string RosterPage(const Team& team) {
    WrittenWith(sample::WriteRosterPages);
    return SampleFile(team.club.RosterSubHost(), "/team/roster_40man.jsp?c_id=" + team.club.fileCode);
}

// The roster reader finds every player of each page but those on the 60-day list, in the
// page's group order, with the names the world gave them and his group's code; the world
// holds every group.
TEST(SampleRosterPage, TheReaderFindsEveryCountedPlayer) {
    const std::pair<const char*, std::string> groups[] = {{"Pitchers", "P"},
                                                          {"Catchers", "C"},
                                                          {"Infielders", "IF"},
                                                          {"Outfielders", "OF"},
                                                          {"Designated Hitter", "DH"}};
    std::set<std::string> codes;
    for (const Team& team : TheWorld().teams) {
        std::string expected, found;
        for (const auto& [group, code] : groups)
            for (const Player& p : team.players)
                if (p.PositionGroup() == group && p.status != "D60")
                    expected += code + "|" + p.id + "|" + p.name.first + "|" + p.name.last + "|" + p.number +
                                "|" + p.bats + p.throws + "\n";
        for (const RosterEntry& e : ReadRosterLines(RosterPage(team))) {
            found += e.positionGroup + "|" + e.playerId + "|" + e.firstName + "|" + e.lastName + "|" +
                     e.number + "|" + e.bats + e.throws + "\n";
            codes.insert(e.positionGroup);
        }
        EXPECT_EQ(found, expected) << team.club.fileCode;
    }
    EXPECT_EQ(codes.size(), 5u);
}

// The names the name matching must cope with are on the FanGraphs pages (the roster pages'
// are checked above through the roster reader).
TEST(SampleNames, AwkwardNamesAppearOnFanGraphsPages) {
    WrittenWith(sample::WriteFanGraphsPages);
    std::string fanGraphs;
    for (const Team& team : TheWorld().teams)
        for (const char* kind : {"bat", "pit"})
            fanGraphs +=
                SampleFile("fangraphs", "/winss.aspx?team=" + team.club.teamName + "&pos=all&stats=" + kind +
                                            "&qual=0&type=0&season=2014&month=0");
    for (const sample::PersonName& name : sample::AwkwardNames())
        EXPECT_NE(fanGraphs.find(">" + name.Display() + "<"), std::string::npos) << name.Display();
}

TEST(SampleUpdateInfo, HasQuillbatsLineAmongOthers) {
    WrittenWith([](const sample::World&, sample::TreeWriter& tree) { sample::WriteUpdateInfo(tree); });
    std::string text = SampleFile("updates", "/autoupdates/UpdateInfo.dat");
    EXPECT_EQ(ReplaceAll(text, "\r\n", "").find_first_of("\r\n"), std::string::npos);  // CR LF only
    EXPECT_EQ(text.front(), '\'');
    EXPECT_NE(text.find("  Quillbat , " + sample::SampleNewerVersion() + " , http://"), std::string::npos);
}

}  // namespace
}  // namespace quillbat::testing
