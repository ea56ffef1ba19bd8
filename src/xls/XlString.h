#pragma once
// The file's unicode strings: a character count, a flags byte (bit 0: 16-bit characters,
// bit 2: phonetic data, bit 3: formatting runs), then the characters.

#include <string>
#include <string_view>

#include "xls/ByteIo.h"

namespace quillbat::xls {

// A string of the shared string table: its text and its formatting runs (4 bytes each:
// character position, font index), kept as the file had them.
struct XlText {
    std::string text;  // UTF-8
    std::string runs;
    bool operator==(const XlText&) const = default;
};

// Flags byte and characters for a known count.
std::string ReadChars(ByteReader& in, size_t count);
// 1-byte count; 2-byte count.
std::string ReadShortXlString(ByteReader& in);
std::string ReadXlString(ByteReader& in);

// True when every code unit fits in 8 bits, so the string can be stored compressed.
bool FitsIn8Bits(std::u16string_view text);
// Flags byte and characters, compressed when possible.
void AppendChars(std::string& out, std::u16string_view text);
void AppendShortXlString(std::string& out, std::string_view utf8);
void AppendXlString(std::string& out, std::string_view utf8);

}  // namespace quillbat::xls
