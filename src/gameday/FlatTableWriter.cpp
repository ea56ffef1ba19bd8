#include "gameday/FlatTableWriter.h"

namespace quillbat {

std::string WriteFlatTable(const FlatTable&, const std::string&) { return kNoWorkbookEngine; }

}  // namespace quillbat
