#pragma once
// The sample world served on a free port for one test, and `quillbat-cli` run on it from a
// program folder of the build's data files (root/prog) whose settings point at the server.

#include <cstdlib>
#include <filesystem>
#include <map>
#include <sstream>

#include "RunningSampleServer.h"
#include "SampleSettings.h"
#include "TempFolder.h"
#include "cli/CliCommands.h"
#include "platform/Process.h"

namespace quillbat::testing {

// The sample world generated into root/world and served.
class SampleGame {
public:
    explicit SampleGame(const TempFolder& root)
        : generated_(RunAndCapture({QUILLBAT_SAMPLE_WORLD, root / "world"}).has_value()),
          server_(root / "world") {}
    int Port() const { return generated_ ? server_.Port() : -1; }
    const sample::SampleServer& Server() const { return server_.Server(); }

private:
    bool generated_;
    RunningSampleServer server_;
};

// The command's exit status; its standard error in `err`, its output in `out` when given.
// provider: the settings' [Sources] Provider, "gameday" or "statsapi".
inline int RunSampleCli(const TempFolder& root, const SampleGame& game, const std::vector<std::string>& args,
                        std::string& err, const std::string& provider = "gameday",
                        std::string* out = nullptr) {
    namespace fs = std::filesystem;
    ::setenv("no_proxy", "127.0.0.1,localhost", 1);
    ::setenv("NO_PROXY", "127.0.0.1,localhost", 1);
    fs::create_directories(root / "prog");
    for (const char* entry : {"Quillbat.db", "Templates", "Logos"})
        fs::copy(fs::path(QUILLBAT_PROGRAM_DIR) / entry, root / (std::string("prog/") + entry),
                 fs::copy_options::recursive | fs::copy_options::skip_existing);
    if (!sample::WriteSampleSettings(root / "prog/Quillbat.ini", game.Port(), provider)) return -1;
    std::map<std::string, std::string> env = {{"HOME", root / "home"}, {"TMPDIR", root / "tmp"}};
    auto lookup = [&](const std::string& name) { return env.count(name) ? env[name] : std::string(); };
    std::ostringstream output, errors;
    int status = RunCli(args, root / "prog", lookup, output, errors);
    err = errors.str();
    if (out) *out = output.str();
    return status;
}

// The pages of a PDF our renderer wrote (0 when there is no such file).
inline int PdfPageCount(const std::string& path) {
    std::string pdf = ReadFile(path);
    int pages = 0;
    for (std::size_t at = pdf.find("/Type /Page\n"); at != std::string::npos;
         at = pdf.find("/Type /Page\n", at + 1))
        ++pages;
    return pages;
}

}  // namespace quillbat::testing
