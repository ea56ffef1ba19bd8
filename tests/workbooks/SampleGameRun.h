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

using Grid = std::vector<std::vector<std::string>>;

// LibreOffice's CSV of a sheet: text quoted, no cell of a card holds a quote or a line break.
inline Grid ReadCsv(const std::string& text) {
    Grid grid;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::vector<std::string>& row = grid.emplace_back(1);
        bool quoted = false;
        for (char c : line) {
            if (c == '"')
                quoted = !quoted;
            else if (c == ',' && !quoted)
                row.emplace_back();
            else if (c != '\r')
                row.back() += c;
        }
    }
    return grid;
}

// Cell of the sheet by 1-based row and column, "" outside what LibreOffice wrote.
inline std::string At(const Grid& grid, int row, int column) {
    if (row > static_cast<int>(grid.size()) || column > static_cast<int>(grid[row - 1].size())) return "";
    return grid[row - 1][column - 1];
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
