#pragma once
// Turning a downloaded XML file into its flat table beside it.

#include <string>

#include "gameday/FlatTable.h"
#include "platform/Settings.h"

namespace quillbat {

// Reads the XML file into its flat table. Returns "" or the reason, naming the file.
std::string ReadXmlFlatTable(const std::string& xmlPath, FlatTable& table);

// Writes the flat table of the XML file at FlatTablePath(xmlPath), deleting an older one
// first. A file that is not well-formed XML writes nothing and leaves one error-log line
// naming it. Returns "" or the reason.
std::string ConvertXmlToWorkbook(const Settings& settings, const std::string& xmlPath);

}  // namespace quillbat
