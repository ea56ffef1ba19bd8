#include "SampleSites.h"

#include "RunningSampleServer.h"
#include "SampleSettings.h"
#include "Writers.h"

namespace quillbat::testing {

namespace {

struct Sites {
    Sites() {
        sample::BuildWorld(world, ReadFile(QUILLBAT_TEAMS_SQL), 2014);
        sample::TreeWriter tree(folder.path());
        sample::WriteFanGraphsPages(world, tree);
        sample::WriteBaseballReferencePages(world, tree);
        sample::WriteEspnPages(world, tree);
    }

    TempFolder folder;
    sample::World world;
    RunningSampleServer server{folder.path()};
};

Sites& TheSites() {
    static Sites sites;
    return sites;
}

}  // namespace

const sample::World& SampleWorld() { return TheSites().world; }

Sources SampleSources() {
    Sources sources;
    for (const sample::SampleSource& s : sample::SampleSources(TheSites().server.Port())) {
        std::string key = s.key;
        if (key == "FanGraphsHost") sources.fanGraphsHost = s.value;
        if (key == "BaseballReferenceHost") sources.baseballReferenceHost = s.value;
        if (key == "ESPNHost") sources.espnHost = s.value;
    }
    return sources;
}

TeamTables SampleTeamTables() {
    TeamTables tables;
    for (const sample::Club& club : SampleWorld().clubs) {
        int row = tables.espnTeams.AddRow();
        tables.espnTeams.Set(EspnTeamField::kFileCode, row, club.fileCode);
        tables.espnTeams.Set(EspnTeamField::kEspnFileCode, row, club.espnCode);
        tables.espnTeams.Set(EspnTeamField::kEspnTeamId, row, club.espnTeamId);
    }
    return tables;
}

const sample::Team& SampleTeam(const std::string& fileCode) {
    for (const sample::Team& t : SampleWorld().teams)
        if (t.club.fileCode == fileCode) return t;
    throw std::runtime_error("no club " + fileCode);
}

}  // namespace quillbat::testing
