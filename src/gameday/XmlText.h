#pragma once
// Attribute text as it stands in an XML file, decoded.

#include <string>
#include <string_view>

namespace quillbat {

// Replaces &amp; &lt; &gt; &quot; &apos; and numeric character references (&#233; &#xE9;)
// with the characters they stand for (UTF-8); anything else is kept as it is.
std::string DecodeXmlText(std::string_view text);

}  // namespace quillbat
