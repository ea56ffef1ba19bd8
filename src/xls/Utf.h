#pragma once
// UTF-8 (the program's text) to and from UTF-16 (the file's text). Invalid input never fails:
// a bad byte or a lone surrogate becomes U+FFFD.

#include <string>
#include <string_view>

namespace quillbat::xls {

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quillbat::xls
