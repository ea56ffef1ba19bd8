#pragma once
// Downloads from the Stats API: the ordinary download layer (history, error log, timeouts,
// size cap), with a User-Agent that names the program and its version.

#include <functional>
#include <string>

#include "gameday/wininet.h"

namespace quillbat {

// "Quillbat/<version> (...)".
std::string ProgramUserAgent();

// The session for Stats API requests.
NetSession ApiSession(const Settings& settings, Ui& ui);

// A reader's file entry point: "" or why the file could not be read.
using ResponseReader = std::function<std::string(const std::string& path)>;

// Downloads url into localPath and reads it. A response that came but does not read (cut off,
// not JSON, another shape) fails like a download that did not come: one line in the error log.
// An unusable address or path ("") fails at once. Returns "" or why.
std::string FetchAndRead(const NetSession& session, const std::string& url, const std::string& localPath,
                         const ResponseReader& read);

}  // namespace quillbat
