// quillbat-sample-settings INI PORT: points the settings file INI at the sample server on
// 127.0.0.1:PORT and prints the sample day the program should start on.

#include <cstdlib>
#include <iostream>

#include "SampleSettings.h"
#include "Schedule.h"

int main(int argc, char** argv) {
    int port = argc == 3 ? std::atoi(argv[2]) : 0;
    if (port <= 0 || port > 65535) {
        std::cerr << "usage: quillbat-sample-settings INI PORT\n";
        return 2;
    }
    if (!quillbat::sample::WriteSampleSettings(argv[1], port)) {
        std::cerr << "quillbat-sample-settings: cannot write " << argv[1] << "\n";
        return 1;
    }
    std::cout << quillbat::sample::kLineupsDay << "\n";
    return 0;
}
