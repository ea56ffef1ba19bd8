#include "TreeWriter.h"

#include <filesystem>
#include <fstream>

#include "SampleTree.h"

namespace quillbat::sample {

bool TreeWriter::Write(const std::string& host, const std::string& target, const std::string& content) {
    auto path = TreePath(root_, host, target);
    if (!path) {
        failed_ = true;
        return false;
    }
    std::error_code error;
    std::filesystem::create_directories(std::filesystem::path(*path).parent_path(), error);
    std::ofstream out(*path, std::ios::binary | std::ios::trunc);
    out << content;
    if (!out) {
        failed_ = true;
        return false;
    }
    ++files_;
    return true;
}

std::string WithCrLf(const std::string& text) {
    std::string out;
    for (char c : text) {
        if (c == '\n') out += '\r';
        out += c;
    }
    return out;
}

}  // namespace quillbat::sample
