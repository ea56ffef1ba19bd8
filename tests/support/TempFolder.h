#pragma once
// A fresh folder for one test, removed with everything in it afterwards.

#include <string>

namespace quillbat::testing {

class TempFolder {
public:
    TempFolder();
    ~TempFolder();
    TempFolder(const TempFolder&) = delete;
    TempFolder& operator=(const TempFolder&) = delete;

    const std::string& path() const { return path_; }
    // path() + "/" + name
    std::string operator/(const std::string& name) const;
    // Writes a file below the folder, creating its parent folders.
    std::string Write(const std::string& name, const std::string& content) const;

private:
    std::string path_;
};

// The whole file, or "" when it cannot be read.
std::string ReadFile(const std::string& path);

}  // namespace quillbat::testing
