#pragma once
// Reading values out of XML text without parsing it, for the probable pitchers of a
// scoreboard and for files whose flat table came out empty. The file is read once by the
// caller; these work on its text.

#include <string>
#include <string_view>

namespace quillbat {

// Replaces &amp; &lt; &gt; &quot; &apos; and numeric character references (&#233; &#xE9;)
// with the characters they stand for (UTF-8); anything else is kept as it is.
std::string DecodeXmlText(std::string_view text);

// The value of the n-th line (from 1) of the text holding ` name="..."` (name compared without
// regard to case; the leading blank keeps "era" from matching the end of "xera"); a line counts
// once. The value is taken as written. "" when there is no such line.
std::string ScanLineAttribute(std::string_view text, std::string_view name, int occurrence);

// The n-th value (from 1) of `name=` anywhere in the text (name compared without regard to
// case, every match counted, so "avg" also matches the end of "xavg"): the text between the
// first double quote at or after the match and the next one. "" when there is no n-th match
// or its quotes are missing.
std::string GetXmlAttribute(std::string_view text, std::string_view name, int n);

// The start tag of the first `<tag ...>` in the text (attribute lines included), without its
// closing ">"; empty when there is none.
std::string_view StartTag(std::string_view text, std::string_view tag);

// The value of `name="..."` in a start tag (the name after white space), decoded; "" when absent.
std::string TagAttribute(std::string_view startTag, std::string_view name);

}  // namespace quillbat
