#pragma once
// The sample server: serves a sample world for every host by the request's host name, on
// 127.0.0.1 only, with knobs for added latency, failures and a URL that hangs.

#include <atomic>
#include <cstdint>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace quillbat::sample {

struct ServerOptions {
    std::string root;  // the sample world's folder
    int port = 0;  // 0: any free port
    int latencyMs = 0;  // added to every answer
    double failureRate = 0.0;  // share of requests answered 503, drawn from the seed
    std::uint64_t seed = 1;
    std::string hangPath;  // a request path answered only when the server stops ("" for none)
    bool logRequests = false;  // one line per request on standard error
};

class SampleServer {
public:
    explicit SampleServer(ServerOptions options);
    ~SampleServer();
    SampleServer(const SampleServer&) = delete;
    SampleServer& operator=(const SampleServer&) = delete;

    // Binds 127.0.0.1; returns the port, or -1 when it cannot be bound.
    int Bind();
    // Answers requests until Stop; returns false when the server could not run.
    bool Run();
    // True once Run is answering requests.
    bool IsRunning() const;
    // Ends Run, also from another thread; requests held by latency or the hang URL end too.
    void Stop();
    // The requests answered so far, "host folder" + target ("statsapi/api/v1/schedule?...").
    std::vector<std::string> Requests() const;

private:
    void Answer(const httplib::Request& request, httplib::Response& response);
    bool DrawFailure();
    // Waits up to ms, less when stopping; false when stopping.
    bool Wait(int ms) const;

    ServerOptions options_;
    std::unique_ptr<httplib::Server> server_;
    std::atomic<bool> stopping_{false};
    std::mutex randomMutex_;
    mutable std::mutex requestsMutex_;
    std::vector<std::string> requests_;
    std::uint64_t randomState_;
};

// The page for a path the world does not hold; its text holds "404 Not Found".
std::string NotFoundPage(const std::string& target);
// The answer to a Stats API request for many players at once (personIds "a,b,c", as sent, and
// the hydration as sent, percent escapes allowed): the world
// keeps each player as the answer to a request for him alone with the same hydration, joined
// here in the request's order. Ids the world does not hold are left out, as the API does;
// nullopt when none is found.
std::optional<std::string> JoinPeople(const std::string& root, const std::string& host,
                                      const std::string& personIds, const std::string& hydrate);
// The content type the source would have sent for a stored file.
std::string ContentTypeFor(const std::string& file);

}  // namespace quillbat::sample
