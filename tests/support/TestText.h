#pragma once
// Texts for tests: large inputs built from one piece, and expected-results files, in which
// blank lines and lines starting with '#' are notes and a line "[name]" starts the lines of the
// case of that name.

#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "TempFolder.h"

namespace quillbat::testing {

// The text `times` times over.
inline std::string Repeat(const std::string& text, int times) {
    std::string out;
    out.reserve(text.size() * times);
    for (int i = 0; i < times; ++i) out += text;
    return out;
}

// How often part stands in text, overlapping matches included.
inline int Occurrences(const std::string& text, const std::string& part) {
    int n = 0;
    for (std::size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + 1)) ++n;
    return n;
}

// The lines of each case in an expected-results file by its name, those before the first
// "[name]" under "". Empty when the file cannot be read.
inline std::map<std::string, std::vector<std::string>> ExpectedCases(const std::string& path) {
    std::map<std::string, std::vector<std::string>> cases;
    std::istringstream in(ReadFile(path));
    std::string line, name;
    while (std::getline(in, line)) {
        if (line.empty() || line[0] == '#') continue;
        if (line[0] == '[') {
            name = line.substr(1, line.find(']') - 1);
            cases[name];
        } else {
            cases[name].push_back(line);
        }
    }
    return cases;
}

}  // namespace quillbat::testing
