// quillbat-sample-server ROOT [--port N] [--latency-ms N] [--failure-rate X] [--seed N]
//                        [--hang-path /PATH] [--log]
// Serves the sample world in ROOT on 127.0.0.1 for every host under .localhost, until it gets
// SIGINT or SIGTERM. Prints the address it listens on first ("listening on ...").

#include <csignal>
#include <cstdlib>
#include <iostream>
#include <string>
#include <thread>

#include <pthread.h>

#include "SampleServer.h"

namespace {

bool ParseOptions(int argc, char** argv, quillbat::sample::ServerOptions& o) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        bool hasValue = i + 1 < argc;
        if (arg == "--port" && hasValue)
            o.port = std::atoi(argv[++i]);
        else if (arg == "--latency-ms" && hasValue)
            o.latencyMs = std::atoi(argv[++i]);
        else if (arg == "--failure-rate" && hasValue)
            o.failureRate = std::atof(argv[++i]);
        else if (arg == "--seed" && hasValue)
            o.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--hang-path" && hasValue)
            o.hangPath = argv[++i];
        else if (arg == "--log")
            o.logRequests = true;
        else if (!arg.empty() && arg[0] != '-' && o.root.empty())
            o.root = arg;
        else
            return false;
    }
    return !o.root.empty() && o.port >= 0 && o.port < 65536 && o.latencyMs >= 0 && o.failureRate >= 0.0 &&
           o.failureRate <= 1.0;
}

}  // namespace

int main(int argc, char** argv) {
    quillbat::sample::ServerOptions options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "usage: quillbat-sample-server ROOT [--port N] [--latency-ms N] [--failure-rate 0..1]"
                     " [--seed N] [--hang-path /PATH] [--log]\n";
        return 2;
    }
    // The signals go to one waiting thread, which stops the server.
    sigset_t signals;
    sigemptyset(&signals);
    sigaddset(&signals, SIGINT);
    sigaddset(&signals, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &signals, nullptr);

    quillbat::sample::SampleServer server(options);
    int port = server.Bind();
    if (port < 0) {
        std::cerr << "quillbat-sample-server: cannot listen on 127.0.0.1:" << options.port << "\n";
        return 1;
    }
    std::cout << "listening on http://127.0.0.1:" << port << "\n"
              << "sample hosts: gd2.localhost:" << port << ", <city>.<club>.localhost:" << port
              << ", fangraphs.localhost:" << port << ", baseball-reference.localhost:" << port
              << ", espn.localhost:" << port << ", updates.localhost:" << port
              << ", statsapi.localhost:" << port << "\n"
              << std::flush;
    std::thread waiter([&] {
        int received = 0;
        sigwait(&signals, &received);
        server.Stop();
    });
    bool ran = server.Run();
    // Run can also end without a signal (a failure); wake the waiter then.
    pthread_kill(waiter.native_handle(), SIGTERM);
    waiter.join();
    return ran ? 0 : 1;
}
