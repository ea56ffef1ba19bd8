#pragma once
// The real captured scoreboards served over loopback as a gameday host, and a started-up
// program pointed at it.

#include <filesystem>
#include <map>

#include "StartupFixture.h"
#include "TestHttpServer.h"
#include "TestText.h"
#include "platform/IniFile.h"

namespace quillbat::testing {

inline const std::string kGamedayData = QUILLBAT_TEST_DATA "/gameday";

class GameWorld : public StartupFixture {
public:
    GameWorld() : server(root / "world") {
        namespace fs = std::filesystem;
        fs::create_directories(root / "world/components/game");
        fs::copy(kGamedayData, root / "world/components/game/mlb", fs::copy_options::recursive);
        CloseSources();
        WriteIniValue(Ini(), "Sources", "GamedayHost", server.Url(""));
        WriteIniValue(Ini(), "Sources", "Provider", "gameday");
    }

    // A day's scoreboard of our own.
    void AddScoreboard(const std::string& dayPath, const std::string& xml) {
        root.Write("world/components/game/mlb/" + dayPath + "/master_scoreboard.xml", xml);
    }

    std::string ProgramLog() const { return ReadFile(root / "prog/Quillbat.log"); }

    TestHttpServer server;
};

// The expected entries of each real day, keyed by its day path ("year_2013/month_04/day_22").
inline std::map<std::string, std::vector<std::string>> ExpectedGameLists() {
    std::map<std::string, std::vector<std::string>> lists;
    for (const auto& [file, entries] : ExpectedCases(kGamedayData + "/expected_game_lists.txt"))
        lists[file.substr(0, file.find("/master_scoreboard.xml"))] = entries;
    return lists;
}

// "year_2013/month_04/day_22" as "04/22/2013".
inline std::string DateOfDayPath(const std::string& day) {
    return day.substr(16, 2) + "/" + day.substr(23, 2) + "/" + day.substr(5, 4);
}

}  // namespace quillbat::testing
