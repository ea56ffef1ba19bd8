#pragma once
// Download, then flat table: how every gameday XML file reaches its reader.

#include <string>

#include "gameday/wininet.h"

namespace quillbat {

struct FetchedTable {
    std::string tablePath;        // the flat table's path; "" when the download failed
    std::string error;            // "" when the file came, else the download's failure text
    std::string conversionError;  // "" when the flat table was written (a failure is logged)
};

// Downloads url into localPath and writes the file's flat table beside it. A file that came
// but is not usable XML still gives its table path, so a reader can fall back to the file.
FetchedTable FetchFlatTable(const NetSession& session, const std::string& url, const std::string& localPath);

}  // namespace quillbat
