#include "SampleSites.h"

#include <chrono>
#include <thread>

#include "SampleServer.h"
#include "SampleSettings.h"
#include "Writers.h"

namespace quillbat::testing {

namespace {

sample::ServerOptions Options(const std::string& root) {
    sample::ServerOptions options;
    options.root = root;
    return options;
}

struct Sites {
    Sites() : server(Options(folder.path())) {
        sample::BuildWorld(world, ReadFile(QUILLBAT_TEAMS_SQL), 2014);
        sample::TreeWriter tree(folder.path());
        sample::WriteFanGraphsPages(world, tree);
        sample::WriteBaseballReferencePages(world, tree);
        sample::WriteEspnPages(world, tree);
        port = server.Bind();
        thread = std::thread([this] { server.Run(); });
        for (int i = 0; i < 200 && !server.IsRunning(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    ~Sites() {
        server.Stop();
        thread.join();
    }

    TempFolder folder;
    sample::World world;
    sample::SampleServer server;
    int port = -1;
    std::thread thread;
};

Sites& TheSites() {
    static Sites sites;
    return sites;
}

}  // namespace

const sample::World& SampleWorld() { return TheSites().world; }

Sources SampleSources() {
    Sources sources;
    for (const sample::SampleSource& s : sample::SampleSources(TheSites().port)) {
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
