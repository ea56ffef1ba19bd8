// Wall time of one Create (scorecards and rosters ticked, so both player-data passes run) for
// a sample game served with 50 ms added to every answer: files fetched one at a time
// (MaxConnections=1) against the default. Prints the two times and the downloads made (the
// run is in development mode, which keeps the download history).
//
//   create_bench [LATENCY_MS]

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>
#include <string>
#include <thread>

#include "SampleServer.h"
#include "SampleSettings.h"
#include "cli/CliCommands.h"
#include "platform/IniFile.h"
#include "platform/Process.h"

namespace fs = std::filesystem;
using namespace quillbat;

namespace {

int CountDownloads(const std::string& history) {
    std::ifstream in(history);
    int count = 0;
    for (std::string line; std::getline(in, line);)
        if (line.find(" http") == 16) ++count;  // "dd.mm.yyyy hh:mm http..." opens an entry
    return count;
}

struct Run {
    double seconds = 0;
    int downloads = 0;
    int exitCode = 0;
};

Run CreateOnce(const fs::path& root, int port, const std::string& maxConnections) {
    fs::path prog = root / ("prog" + maxConnections);
    fs::create_directories(prog);
    for (const char* entry : {"Quillbat.db", "Templates", "Logos"})
        fs::copy(fs::path(QUILLBAT_PROGRAM_DIR) / entry, prog / entry, fs::copy_options::recursive);
    sample::WriteSampleSettings(prog / "Quillbat.ini", port);
    WriteIniValue(prog / "Quillbat.ini", "Sources", "MaxConnections", maxConnections);
    std::map<std::string, std::string> env = {{"HOME", root / "home"},
                                              {"TMPDIR", root / ("tmp" + maxConnections)}};
    auto lookup = [&](const std::string& name) { return env.count(name) ? env[name] : std::string(); };
    std::ostringstream out, err;
    auto start = std::chrono::steady_clock::now();
    Run run;
    run.exitCode =
        RunCli({"-dev", "create", "07/04/2014", "1", "--scorecards", "--rosters"}, prog, lookup, out, err);
    run.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    run.downloads = CountDownloads(root / ("tmp" + maxConnections) / "quillbat/history.tmp");
    if (std::getenv("CREATE_BENCH_VERBOSE")) std::cerr << out.str() << err.str();
    return run;
}

}  // namespace

int main(int argc, char** argv) {
    ::setenv("no_proxy", "127.0.0.1,localhost", 1);
    fs::path root = fs::temp_directory_path() / ("quillbat-create-bench-" + std::to_string(::getpid()));
    fs::create_directories(root);
    RunAndCapture({QUILLBAT_SAMPLE_WORLD, root / "world"});
    sample::ServerOptions options;
    options.root = root / "world";
    options.latencyMs = argc > 1 ? std::atoi(argv[1]) : 50;
    sample::SampleServer server(options);
    int port = server.Bind();
    std::thread thread([&] { server.Run(); });

    Run one = CreateOnce(root, port, "1");
    Run many = CreateOnce(root, port, "6");
    std::cout << "latency " << options.latencyMs << " ms\n"
              << "MaxConnections=1: " << one.seconds << " s, " << one.downloads << " downloads, exit "
              << one.exitCode << "\n"
              << "MaxConnections=6: " << many.seconds << " s, " << many.downloads << " downloads, exit "
              << many.exitCode << "\n"
              << "speed-up: " << one.seconds / many.seconds << "x\n";
    server.Stop();
    thread.join();
    if (!std::getenv("CREATE_BENCH_KEEP")) fs::remove_all(root);
    return one.exitCode == 0 && many.exitCode == 0 ? 0 : 1;
}
