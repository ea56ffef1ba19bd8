#include "SampleSites.h"

#include "RunningSampleServer.h"
#include "SampleSettings.h"
#include "Writers.h"

namespace quillbat::testing {

namespace {

struct Sites {
    Sites() {
        sample::TreeWriter tree(folder.path());
        sample::WriteFanGraphsPages(TheWorld(), tree);
        sample::WriteBaseballReferencePages(TheWorld(), tree);
        sample::WriteEspnPages(TheWorld(), tree);
    }

    TempFolder folder;
    RunningSampleServer server{folder.path()};
};

Sites& TheSites() {
    static Sites sites;
    return sites;
}

}  // namespace

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
    for (const sample::Club& club : TheWorld().clubs) {
        int row = tables.espnTeams.AddRow();
        tables.espnTeams.Set(EspnTeamField::kFileCode, row, club.fileCode);
        tables.espnTeams.Set(EspnTeamField::kEspnFileCode, row, club.espnCode);
        tables.espnTeams.Set(EspnTeamField::kEspnTeamId, row, club.espnTeamId);
    }
    return tables;
}

const sample::Team& SampleTeam(const std::string& fileCode) {
    for (const sample::Team& t : TheWorld().teams)
        if (t.club.fileCode == fileCode) return t;
    throw std::runtime_error("no club " + fileCode);
}

}  // namespace quillbat::testing
