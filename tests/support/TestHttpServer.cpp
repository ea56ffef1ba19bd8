#include "TestHttpServer.h"

#include <algorithm>

#include <httplib.h>

#include <fstream>
#include <stdexcept>

#include "TempFolder.h"

namespace quillbat::testing {

namespace {

constexpr auto kStartWait = std::chrono::seconds(5);

}  // namespace

TestHttpServer::TestHttpServer(std::string folder)
    : folder_(std::move(folder)), server_(std::make_unique<httplib::Server>()) {
    server_->set_keep_alive_max_count(1);
    server_->set_read_timeout(1, 0);
    server_->set_write_timeout(1, 0);
    server_->Get(".*", [this](const httplib::Request& request, httplib::Response& response) {
        Handle(request, response);
    });
    port_ = server_->bind_to_any_port("127.0.0.1");
    if (port_ <= 0) throw std::runtime_error("test server: cannot bind a port");
    thread_ = std::thread([this] { server_->listen_after_bind(); });
    auto deadline = std::chrono::steady_clock::now() + kStartWait;
    while (!server_->is_running() && std::chrono::steady_clock::now() < deadline) {
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

TestHttpServer::~TestHttpServer() {
    {
        std::lock_guard lock(mutex_);
        stopping_ = true;
    }
    stopSignal_.notify_all();
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

std::string TestHttpServer::Url(const std::string& path) const {
    return "http://127.0.0.1:" + std::to_string(port_) + path;
}

void TestHttpServer::SetLatency(std::chrono::milliseconds latency) {
    std::lock_guard lock(mutex_);
    latency_ = latency;
}

void TestHttpServer::SetStatus(const std::string& path, int status, std::string body, int times) {
    std::lock_guard lock(mutex_);
    statuses_[path] = {status, std::move(body), times};
}

void TestHttpServer::SetTruncated(const std::string& path, std::size_t bytes) {
    std::lock_guard lock(mutex_);
    truncated_[path] = bytes;
}

void TestHttpServer::SetSilent(const std::string& path) {
    std::lock_guard lock(mutex_);
    silent_[path] = true;
}

void TestHttpServer::SetRedirect(const std::string& path, const std::string& location) {
    std::lock_guard lock(mutex_);
    redirects_[path] = location;
}

std::vector<RecordedRequest> TestHttpServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

int TestHttpServer::MostRequestsAtOnce() const {
    std::lock_guard lock(mutex_);
    return mostAtOnce_;
}

int TestHttpServer::RequestCount(const std::string& path) const {
    std::lock_guard lock(mutex_);
    int count = 0;
    for (const auto& request : requests_) count += request.path == path;
    return count;
}

bool TestHttpServer::WaitUnlessStopping(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    if (duration == std::chrono::milliseconds::max()) {
        stopSignal_.wait(lock, [this] { return stopping_; });
    } else {
        stopSignal_.wait_for(lock, duration, [this] { return stopping_; });
    }
    return !stopping_;
}

bool TestHttpServer::TakeStatus(const std::string& path, StatusOverride& out) {
    std::lock_guard lock(mutex_);
    auto it = statuses_.find(path);
    if (it == statuses_.end() || it->second.times == 0) return false;
    out = it->second;
    if (it->second.times > 0) --it->second.times;
    return true;
}

void TestHttpServer::Handle(const httplib::Request& request, httplib::Response& response) {
    struct Leave {
        TestHttpServer& server;
        ~Leave() {
            std::lock_guard lock(server.mutex_);
            --server.atOnce_;
        }
    } leave{*this};
    std::chrono::milliseconds latency;
    bool silent;
    std::string redirect;
    {
        std::lock_guard lock(mutex_);
        requests_.push_back({request.path, request.get_header_value("User-Agent"),
                             request.get_header_value("Cache-Control"), request.get_header_value("Pragma")});
        latency = latency_;
        mostAtOnce_ = std::max(mostAtOnce_, ++atOnce_);
        silent = silent_.count(request.path) > 0;
        auto it = redirects_.find(request.path);
        if (it != redirects_.end()) redirect = it->second;
    }
    if (silent) {
        WaitUnlessStopping(std::chrono::milliseconds::max());
        return;
    }
    if (latency.count() > 0 && !WaitUnlessStopping(latency)) return;
    if (!redirect.empty()) {
        response.set_redirect(redirect);
        return;
    }
    StatusOverride forced;
    if (TakeStatus(request.path, forced)) {
        response.status = forced.status;
        response.set_content(forced.body, "text/html");
        return;
    }
    ServeFile(request.path, response);
}

void TestHttpServer::ServeFile(const std::string& path, httplib::Response& response) {
    if (path.find("..") != std::string::npos) {
        response.status = 403;
        return;
    }
    std::string full = folder_ + path;
    std::string content = ReadFile(full);
    if (content.empty() && !std::ifstream(full)) {
        response.status = 404;
        response.set_content("<html><body><h1>404 Not Found</h1></body></html>\n", "text/html");
        return;
    }
    std::size_t sendBytes = content.size();
    {
        std::lock_guard lock(mutex_);
        auto it = truncated_.find(path);
        if (it != truncated_.end()) sendBytes = std::min(it->second, content.size());
    }
    auto shared = std::make_shared<std::string>(std::move(content));
    response.set_content_provider(
        shared->size(), "application/octet-stream",
        [shared, sendBytes](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            if (offset >= sendBytes) return false;  // closes the connection early
            std::size_t chunk = std::min(length, sendBytes - offset);
            sink.write(shared->data() + offset, chunk);
            return true;
        });
}

}  // namespace quillbat::testing
