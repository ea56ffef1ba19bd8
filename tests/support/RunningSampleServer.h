#pragma once
// A sample server on a free loopback port, answering on a thread of its own while the object
// lives. Users link quillbat_sample_server.

#include <chrono>
#include <thread>

#include "SampleServer.h"

namespace quillbat::testing {

class RunningSampleServer {
public:
    explicit RunningSampleServer(sample::ServerOptions options) : server_(std::move(options)) {
        port_ = server_.Bind();
        thread_ = std::thread([this] { server_.Run(); });
        for (int i = 0; i < 200 && !server_.IsRunning(); ++i)
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
    }
    // Serves the world in `root` with no knobs set.
    explicit RunningSampleServer(const std::string& root) : RunningSampleServer(OptionsFor(root)) {}
    ~RunningSampleServer() {
        server_.Stop();
        thread_.join();
    }
    int Port() const { return port_; }
    void Stop() { server_.Stop(); }
    const sample::SampleServer& Server() const { return server_; }

private:
    static sample::ServerOptions OptionsFor(const std::string& root) {
        sample::ServerOptions options;
        options.root = root;
        return options;
    }
    sample::SampleServer server_;
    int port_ = -1;
    std::thread thread_;
};

}  // namespace quillbat::testing
