#include "gameday/Utf8.h"

namespace quillbat {

namespace {

bool IsContinuation(unsigned char c) { return (c & 0xC0) == 0x80; }

// Length of the sequence starting at bytes[i], or 0 when it is not well-formed.
std::size_t SequenceLength(std::string_view bytes, std::size_t i) {
    auto at = [&](std::size_t k) { return static_cast<unsigned char>(bytes[k]); };
    unsigned char lead = at(i);
    if (lead < 0x80) return 1;
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC2 ? 2 : 0;
    if (length == 0 || lead > 0xF4 || i + length > bytes.size()) return 0;
    for (std::size_t k = 1; k < length; ++k) {
        if (!IsContinuation(at(i + k))) return 0;
    }
    unsigned char second = at(i + 1);
    if (lead == 0xE0 && second < 0xA0) return 0;   // overlong
    if (lead == 0xED && second > 0x9F) return 0;   // surrogate
    if (lead == 0xF0 && second < 0x90) return 0;   // overlong
    if (lead == 0xF4 && second > 0x8F) return 0;   // past U+10FFFF
    return length;
}

}  // namespace

bool IsValidUtf8(std::string_view bytes) {
    for (std::size_t i = 0; i < bytes.size();) {
        std::size_t length = SequenceLength(bytes, i);
        if (length == 0) return false;
        i += length;
    }
    return true;
}

}  // namespace quillbat
