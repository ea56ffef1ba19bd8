// quillbat-cli: the command-line front end.
#include <iostream>

#include "cli/CliCommands.h"
#include "platform/Environment.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    return quillbat::RunCli(args, quillbat::ExecutableFolder(), quillbat::EnvironmentValue, std::cout, std::cerr);
}
