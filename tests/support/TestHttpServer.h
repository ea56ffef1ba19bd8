#pragma once
// A loopback HTTP server for tests: serves the files of one folder on 127.0.0.1 at a free
// port, with knobs for slow, failing, truncated and silent answers. It stops promptly when
// destroyed, releasing any request it holds.

#include <chrono>
#include <condition_variable>
#include <map>
#include <memory>
#include <mutex>
#include <string>
#include <thread>
#include <vector>

namespace httplib {
class Server;
struct Request;
struct Response;
}  // namespace httplib

namespace quillbat::testing {

struct RecordedRequest {
    std::string path;
    std::string userAgent;
    std::string cacheControl;
    std::string pragma;
};

class TestHttpServer {
public:
    explicit TestHttpServer(std::string folder);
    ~TestHttpServer();
    TestHttpServer(const TestHttpServer&) = delete;
    TestHttpServer& operator=(const TestHttpServer&) = delete;

    int port() const { return port_; }
    // "http://127.0.0.1:PORT" + path.
    std::string Url(const std::string& path) const {
        return "http://127.0.0.1:" + std::to_string(port_) + path;
    }

    // Every answer waits this long first.
    void SetLatency(std::chrono::milliseconds latency) {
        Locked([&] { latency_ = latency; });
    }
    // The next `times` requests for path (all of them when times < 0) get this status and body.
    void SetStatus(const std::string& path, int status, std::string body = "", int times = -1) {
        Locked([&] { rules_[path].status = {status, std::move(body), times}; });
    }
    // Requests for path announce the whole file but send only its first `bytes` bytes.
    void SetTruncated(const std::string& path, std::size_t bytes) {
        Locked([&] { rules_[path].truncateAt = bytes; });
    }
    // Requests for path are accepted and never answered.
    void SetSilent(const std::string& path) {
        Locked([&] { rules_[path].silent = true; });
    }
    // Requests for path are sent on to location with status 302.
    void SetRedirect(const std::string& path, const std::string& location) {
        Locked([&] { rules_[path].redirect = location; });
    }

    std::vector<RecordedRequest> Requests() const {
        return Locked([&] { return requests_; });
    }
    int RequestCount(const std::string& path) const;
    // The most requests the server was answering at one time.
    int MostRequestsAtOnce() const {
        return Locked([&] { return mostAtOnce_; });
    }

private:
    struct StatusOverride {
        int status = 0;
        std::string body;
        int times = 0;
    };
    // What the knobs set for one path.
    struct PathRule {
        StatusOverride status;
        std::size_t truncateAt = std::string::npos;
        bool silent = false;
        std::string redirect;
    };

    template <typename F>
    auto Locked(F f) const -> decltype(f()) {
        std::lock_guard lock(mutex_);
        return f();
    }
    void Handle(const httplib::Request& request, httplib::Response& response);
    bool WaitUnlessStopping(std::chrono::milliseconds duration);
    void ServeFile(const std::string& path, std::size_t sendBytes, httplib::Response& response);

    std::string folder_;
    std::unique_ptr<httplib::Server> server_;
    std::thread thread_;
    int port_ = 0;

    mutable std::mutex mutex_;
    std::condition_variable stopSignal_;
    bool stopping_ = false;
    std::chrono::milliseconds latency_{0};
    std::map<std::string, PathRule> rules_;
    std::vector<RecordedRequest> requests_;
    int atOnce_ = 0, mostAtOnce_ = 0;
};

}  // namespace quillbat::testing
