#include "TestHttpServer.h"

#include <httplib.h>

#include <algorithm>
#include <fstream>
#include <stdexcept>

#include "TempFolder.h"

namespace quillbat::testing {

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
    auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(5);
    while (!server_->is_running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
}

TestHttpServer::~TestHttpServer() {
    Locked([&] { stopping_ = true; });
    stopSignal_.notify_all();
    server_->stop();
    if (thread_.joinable()) thread_.join();
}

int TestHttpServer::RequestCount(const std::string& path) const {
    return Locked(
        [&] { return static_cast<int>(std::ranges::count(requests_, path, &RecordedRequest::path)); });
}

bool TestHttpServer::WaitUnlessStopping(std::chrono::milliseconds duration) {
    std::unique_lock lock(mutex_);
    if (duration == std::chrono::milliseconds::max())
        stopSignal_.wait(lock, [this] { return stopping_; });
    else
        stopSignal_.wait_for(lock, duration, [this] { return stopping_; });
    return !stopping_;
}

void TestHttpServer::Handle(const httplib::Request& request, httplib::Response& response) {
    struct Leave {
        TestHttpServer& server;
        ~Leave() {
            server.Locked([&] { --server.atOnce_; });
        }
    } leave{*this};
    auto [latency, rule] = Locked([&] {
        requests_.push_back({request.path, request.get_header_value("User-Agent"),
                             request.get_header_value("Cache-Control"), request.get_header_value("Pragma")});
        mostAtOnce_ = std::max(mostAtOnce_, ++atOnce_);
        auto it = rules_.find(request.path);
        return std::pair(latency_, it == rules_.end() ? PathRule{} : it->second);
    });
    if (rule.silent) latency = std::chrono::milliseconds::max();  // until the server stops
    if (latency.count() > 0 && !WaitUnlessStopping(latency)) return;
    if (!rule.redirect.empty()) return response.set_redirect(rule.redirect);
    // A status given for some requests only is used up by them.
    bool forced = Locked([&] {
        StatusOverride& status = rules_[request.path].status;
        if (status.times == 0) return false;
        if (status.times > 0) --status.times;
        return true;
    });
    if (!forced) return ServeFile(request.path, rule.truncateAt, response);
    response.status = rule.status.status;
    response.set_content(rule.status.body, "text/html");
}

void TestHttpServer::ServeFile(const std::string& path, std::size_t sendBytes, httplib::Response& response) {
    if (path.find("..") != std::string::npos) {
        response.status = 403;
        return;
    }
    std::string full = folder_ + path;
    auto content = std::make_shared<std::string>(ReadFile(full));
    if (content->empty() && !std::ifstream(full)) {
        response.status = 404;
        response.set_content("<html><body><h1>404 Not Found</h1></body></html>\n", "text/html");
        return;
    }
    sendBytes = std::min(sendBytes, content->size());
    response.set_content_provider(
        content->size(), "application/octet-stream",
        [content, sendBytes](std::size_t offset, std::size_t length, httplib::DataSink& sink) {
            if (offset >= sendBytes) return false;  // closes the connection early
            sink.write(content->data() + offset, std::min(length, sendBytes - offset));
            return true;
        });
}

}  // namespace quillbat::testing
