#pragma once
// Reading attribute values out of XML text without parsing it, for files whose flat table
// came out empty.

#include <string>
#include <string_view>

namespace quillbat {

// The value of the n-th line (from 1) of the file holding ` name="..."` (name compared without
// regard to case; the leading blank keeps "era" from matching the end of "xera"); a line counts
// once. "" when there is no such line.
std::string ScanXmlFileAttribute(const std::string& path, std::string_view name, int occurrence);

}  // namespace quillbat
