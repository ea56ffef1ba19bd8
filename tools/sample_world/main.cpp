// quillbat-sample-world OUTDIR [--seed N] [--teams FILE]: writes the sample world, an
// invented 2014 season on the real clubs, below OUTDIR, one folder per sample host.

#include <cstdlib>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

#include "Writers.h"

#ifndef QUILLBAT_TEAMS_SQL
#define QUILLBAT_TEAMS_SQL "data/teams.sql"
#endif

namespace {

struct Options {
    std::string outDir;
    std::uint64_t seed = 2014;
    std::string teamsSql = QUILLBAT_TEAMS_SQL;
};

bool ParseOptions(int argc, char** argv, Options& options) {
    for (int i = 1; i < argc; ++i) {
        std::string arg = argv[i];
        if (arg == "--seed" && i + 1 < argc)
            options.seed = std::strtoull(argv[++i], nullptr, 10);
        else if (arg == "--teams" && i + 1 < argc)
            options.teamsSql = argv[++i];
        else if (!arg.empty() && arg[0] != '-' && options.outDir.empty())
            options.outDir = arg;
        else
            return false;
    }
    return !options.outDir.empty();
}

std::string ReadAll(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

}  // namespace

int main(int argc, char** argv) {
    using namespace quillbat::sample;
    Options options;
    if (!ParseOptions(argc, argv, options)) {
        std::cerr << "usage: quillbat-sample-world OUTDIR [--seed N] [--teams FILE]\n";
        return 2;
    }
    World world;
    if (!BuildWorld(world, ReadAll(options.teamsSql), options.seed)) {
        std::cerr << "quillbat-sample-world: " << options.teamsSql << " does not hold the 30 clubs\n";
        return 1;
    }
    TreeWriter tree(options.outDir);
    WriteScoreboards(world, tree);
    WriteBoxscores(world, tree);
    WritePlayersFiles(world, tree);
    WritePlayerGameFiles(world, tree);
    WriteSeasonFiles(world, tree);
    WriteRosterPages(world, tree);
    WriteFanGraphsPages(world, tree);
    WriteBaseballReferencePages(world, tree);
    WriteEspnPages(world, tree);
    WriteUpdateInfo(tree);
    WriteStatsApi(world, tree);
    if (tree.failed()) {
        std::cerr << "quillbat-sample-world: could not write every file below " << options.outDir << "\n";
        return 1;
    }
    std::cout << "Sample world (seed " << options.seed << "): " << tree.filesWritten() << " files in "
              << options.outDir << "\n";
    return 0;
}
