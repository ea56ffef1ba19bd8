#include "xls/XlString.h"

#include "platform/Utf8.h"

namespace quillbat::xls {

std::string ReadChars(ByteReader& in, size_t count) {
    uint8_t flags = in.U8();
    bool wide = flags & 0x01;
    std::string_view bytes = in.Bytes(wide ? count * 2 : count);
    std::u16string units;
    units.reserve(count);
    for (size_t i = 0; i < count && !in.Failed(); ++i)
        units.push_back(wide ? static_cast<char16_t>(GetU16At(bytes, 2 * i))
                             : static_cast<char16_t>(static_cast<uint8_t>(bytes[i])));
    return Utf16ToUtf8(units);
}

std::string ReadShortXlString(ByteReader& in) {
    return ReadChars(in, in.U8());
}

std::string ReadXlString(ByteReader& in) {
    return ReadChars(in, in.U16());
}

bool FitsIn8Bits(std::u16string_view text) {
    for (char16_t c : text)
        if (c > 0xFF) return false;
    return true;
}

void AppendChars(std::string& out, std::u16string_view text) {
    bool narrow = FitsIn8Bits(text);
    PutU8(out, narrow ? 0 : 1);
    for (char16_t c : text) {
        if (narrow)
            PutU8(out, static_cast<uint8_t>(c));
        else
            PutU16(out, c);
    }
}

void AppendShortXlString(std::string& out, std::string_view utf8) {
    std::u16string units = Utf8ToUtf16(utf8);
    if (units.size() > 255) units.resize(255);
    PutU8(out, static_cast<uint8_t>(units.size()));
    AppendChars(out, units);
}

void AppendXlString(std::string& out, std::string_view utf8) {
    std::u16string units = Utf8ToUtf16(utf8);
    if (units.size() > 0xFFFF) units.resize(0xFFFF);
    PutU16(out, static_cast<uint16_t>(units.size()));
    AppendChars(out, units);
}

}  // namespace quillbat::xls
