#pragma once
// The format level the engine reads and writes, reported as the spreadsheet application's
// version: 11 is the oldest version the program accepts, whose native format this is.

namespace quillbat::xls {

constexpr int kEngineVersion = 11;
inline int EngineVersion() {
    return kEngineVersion;
}

}  // namespace quillbat::xls
