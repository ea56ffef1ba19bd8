#pragma once
// Puts pages into the sample tree: one file per host and request (see SampleTree.h).

#include <string>
#include <utility>

namespace quillbat::sample {

// Writes files below root/<host folder>/ by request target (see SampleTree.h).
class TreeWriter {
public:
    explicit TreeWriter(std::string root) : root_(std::move(root)) {}
    // False when the file cannot be written.
    bool Write(const std::string& host, const std::string& target, const std::string& content);
    int filesWritten() const { return files_; }
    bool failed() const { return failed_; }

private:
    std::string root_;
    int files_ = 0;
    bool failed_ = false;
};

// Line ends: the text is written with LF; this gives CR LF.
std::string WithCrLf(const std::string& text);

}  // namespace quillbat::sample
