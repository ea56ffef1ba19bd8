// The sample server against 127.0.0.1 only: routing by host name, the 404 page, and its
// latency, failure and hang knobs. Every client call has short timeouts; every server is
// stopped and joined by the fixture, so no test can hang.

#include <gtest/gtest.h>
#include <httplib.h>

#include <chrono>
#include <csignal>
#include <poll.h>
#include <thread>
#include <unistd.h>

#include "RunningSampleServer.h"
#include "SampleWorld.h"

namespace quillbat::testing {
namespace {

using namespace std::chrono;
using sample::ServerOptions;

const std::string kScoreboard = "/components/game/mlb/day/master_scoreboard.xml";

// A GET from the server on 127.0.0.1:port with the given host name; the status is 0 when no
// answer came in time.
std::pair<int, std::string> Get(int port, const std::string& host, const std::string& target,
                                int readTimeoutMs = 3000) {
    httplib::Client client("127.0.0.1", port);
    client.set_connection_timeout(2, 0);
    client.set_read_timeout(readTimeoutMs / 1000, (readTimeoutMs % 1000) * 1000);
    auto result = client.Get(target.c_str(), {{"Host", host + ":" + std::to_string(port)}});
    if (!result) return {0, ""};
    return {result->status, result->body};
}

class SampleServerTest : public ::testing::Test {
protected:
    void SetUp() override {
        folder_.Write("gd2" + kScoreboard, "<games/>");
        folder_.Write("newyork.yankees/team/roster_40man.jsp@c_id=nyy", "<html>roster</html>");
        options_.root = folder_.path();
    }
    TempFolder folder_;
    ServerOptions options_;  // the folder's world with no knobs set
};

// Requests are routed by host name to the host's folder; a file of another host, a missing file
// and a folder get the 404 page. (Every sample host serving its files is run end to end by the
// sample-game tests; how targets map to files, escapes and paths leaving the world included, by
// SampleTreeTest.)
TEST_F(SampleServerTest, RoutesByHostNameAndAnswersTheRestWith404) {
    const std::string roster = "/team/roster_40man.jsp?c_id=nyy";
    const struct {
        std::string host, target, body;
    } cases[] = {
        {"newyork.yankees.localhost", roster, "<html>roster</html>"},
        {"boston.redsox.localhost", roster, ""},
        {"gd2.localhost", "/nothing.xml", ""},
        {"gd2.localhost", "/components/game/mlb/day/", ""},
        {"gd2.localhost", "/components", ""},
    };
    RunningSampleServer server(folder_.path());
    for (const auto& c : cases) {
        auto [status, body] = Get(server.Port(), c.host, c.target);
        EXPECT_EQ(status, c.body.empty() ? 404 : 200) << c.host << c.target;
        if (c.body.empty())
            EXPECT_NE(body.find("404 Not Found"), std::string::npos) << c.host << c.target;
        else
            EXPECT_EQ(body, c.body);
    }
}

// A request for many players joins the per-player answers of the same hydration in the
// request's order; unknown or malformed ids are left out, and none found is a 404.
TEST_F(SampleServerTest, JoinsPlayersOfAListRequestInItsOrder) {
    for (const char* id : {"11", "22"})
        folder_.Write(std::string("statsapi/api/v1/people/") + id + "@hydrate=stats%28season=2014%29",
                      std::string(R"({"copyright":"c","people":[{"id":)") + id + "}]}");
    RunningSampleServer server(folder_.path());
    const std::string people = "/api/v1/people?personIds=";
    auto [status, body] =
        Get(server.Port(), "statsapi.localhost", people + "22,33,../11,11&hydrate=stats(season=2014)");
    EXPECT_EQ(status, 200);
    std::string ids;
    for (std::size_t at = body.find("\"id\": "); at != std::string::npos; at = body.find("\"id\": ", at + 1))
        ids += body.substr(at + 6, 2) + " ";
    EXPECT_EQ(ids, "22 11 ");
    EXPECT_EQ(Get(server.Port(), "statsapi.localhost", people + "22&hydrate=stats(season=2015)").first, 404);
}

TEST_F(SampleServerTest, LatencyDelaysEveryAnswer) {
    options_.latencyMs = 250;
    RunningSampleServer server(options_);
    auto start = steady_clock::now();
    EXPECT_EQ(Get(server.Port(), "gd2.localhost", "/nothing").first, 404);
    EXPECT_EQ(Get(server.Port(), "gd2.localhost", kScoreboard).first, 200);
    EXPECT_GE(duration_cast<milliseconds>(steady_clock::now() - start).count(), 500);
}

std::vector<int> Statuses(const ServerOptions& o, int requests) {
    RunningSampleServer server(o);
    std::vector<int> statuses;
    for (int i = 0; i < requests; ++i)
        statuses.push_back(Get(server.Port(), "gd2.localhost", kScoreboard).first);
    return statuses;
}

TEST_F(SampleServerTest, FailuresFollowTheSeed) {
    options_.failureRate = 0.5;
    options_.seed = 9;
    auto first = Statuses(options_, 16);
    EXPECT_EQ(first, Statuses(options_, 16));
    EXPECT_NE(std::find(first.begin(), first.end(), 503), first.end());
    EXPECT_NE(std::find(first.begin(), first.end(), 200), first.end());
    options_.failureRate = 1.0;
    EXPECT_EQ(Statuses(options_, 3), std::vector<int>(3, 503));
}

// The hanging path gets no answer while the server runs (other requests do); stopping the
// server ends it at once.
TEST_F(SampleServerTest, HangingPathAnswersOnlyWhenTheServerStops) {
    options_.hangPath = "/hang";
    RunningSampleServer server(options_);
    steady_clock::time_point answered;
    int status = -1;
    std::thread hanging([&] {
        status = Get(server.Port(), "gd2.localhost", "/hang", 4000).first;
        answered = steady_clock::now();
    });
    std::this_thread::sleep_for(milliseconds(100));
    EXPECT_EQ(Get(server.Port(), "gd2.localhost", kScoreboard).first, 200);
    std::this_thread::sleep_for(milliseconds(200));
    auto stopped = steady_clock::now();
    server.Stop();
    hanging.join();
    EXPECT_GE(answered, stopped);
    EXPECT_LT(answered - stopped, milliseconds(1000));
    EXPECT_TRUE(status == 503 || status == 0) << status;
}

// The program itself: prints where it listens, serves, and ends on SIGTERM.
TEST_F(SampleServerTest, ProgramPrintsItsAddressAndStopsOnSigterm) {
    int out[2];
    ASSERT_EQ(pipe(out), 0);
    pid_t pid = Spawn({QUILLBAT_SAMPLE_SERVER, folder_.path()}, out[1]);
    close(out[1]);
    ASSERT_GT(pid, 0);
    std::string printed;
    pollfd wait{out[0], POLLIN, 0};
    while (printed.find('\n') == std::string::npos && poll(&wait, 1, 5000) > 0) {
        char buffer[256];
        ssize_t n = read(out[0], buffer, sizeof buffer);
        if (n <= 0) break;
        printed.append(buffer, std::size_t(n));
    }
    close(out[0]);
    int port = 0;
    EXPECT_EQ(std::sscanf(printed.c_str(), "listening on http://127.0.0.1:%d", &port), 1) << printed;
    EXPECT_EQ(Get(port, "newyork.yankees.localhost", "/team/roster_40man.jsp?c_id=nyy").second,
              "<html>roster</html>");
    kill(pid, SIGTERM);
    EXPECT_EQ(WaitForExit(pid, 5000), 0);
}

}  // namespace
}  // namespace quillbat::testing
