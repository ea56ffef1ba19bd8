#pragma once
// UTF-8, the program's text: checking it, encoding code points, and converting to and from
// UTF-16 (the text of workbook files). Conversions never fail: a malformed sequence or a lone
// surrogate becomes U+FFFD.

#include <string>
#include <string_view>

namespace quillbat {

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

// Appends the code point's UTF-8 bytes.
void AppendUtf8(std::string& out, char32_t codePoint);

std::u16string Utf8ToUtf16(std::string_view text);
std::string Utf16ToUtf8(std::u16string_view text);

}  // namespace quillbat
