#pragma once
// Checking bytes for well-formed UTF-8.

#include <string_view>

namespace quillbat {

// True when the bytes are well-formed UTF-8 (no overlong forms, surrogates or values past
// U+10FFFF).
bool IsValidUtf8(std::string_view bytes);

}  // namespace quillbat
