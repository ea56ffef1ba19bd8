// quillbat-sample-settings INI PORT [--provider gameday|statsapi]: points the settings file INI
// at the sample server on 127.0.0.1:PORT, reading the historical gameday files or (with
// --provider statsapi) the sample world's Stats API answers, and prints the sample day the
// program should start on.

#include <cstdlib>
#include <iostream>
#include <string>

#include "SampleSettings.h"
#include "Schedule.h"

int main(int argc, char** argv) {
    std::string provider = "gameday";
    if (argc == 5 && std::string(argv[3]) == "--provider") provider = argv[4];
    int port = argc == 3 || argc == 5 ? std::atoi(argv[2]) : 0;
    if (port <= 0 || port > 65535 || (provider != "gameday" && provider != "statsapi")) {
        std::cerr << "usage: quillbat-sample-settings INI PORT [--provider gameday|statsapi]\n";
        return 2;
    }
    if (!quillbat::sample::WriteSampleSettings(argv[1], port, provider)) {
        std::cerr << "quillbat-sample-settings: cannot write " << argv[1] << "\n";
        return 1;
    }
    std::cout << quillbat::sample::kLineupsDay << "\n";
    return 0;
}
