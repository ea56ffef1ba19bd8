#include "xls/OfficeArt.h"

#include "xls/ByteIo.h"

namespace quillbat::xls::art {

bool ReadHeader(std::string_view data, size_t pos, Header& out) {
    if (pos + kHeaderSize > data.size()) return false;
    uint16_t verInstance = GetU16At(data, pos);
    out.version = verInstance & 0x000F;
    out.instance = verInstance >> 4;
    out.type = GetU16At(data, pos + 2);
    out.length = GetU32At(data, pos + 4);
    return true;
}

std::string MakeRecord(uint16_t version, uint16_t instance, uint16_t type, std::string_view body) {
    std::string out;
    PutU16(out, static_cast<uint16_t>((instance << 4) | (version & 0x000F)));
    PutU16(out, type);
    PutU32(out, static_cast<uint32_t>(body.size()));
    out.append(body);
    return out;
}

void Walk(std::string_view data, size_t begin, size_t end,
          const std::function<void(const Header&, size_t)>& visit) {
    end = std::min(end, data.size());
    Header h;
    for (size_t pos = begin; ReadHeader(data, pos, h);) {
        size_t bodyEnd = pos + kHeaderSize + h.length;
        if (bodyEnd > end) return;
        visit(h, pos);
        if (h.IsContainer()) Walk(data, pos + kHeaderSize, bodyEnd, visit);
        pos = bodyEnd;
    }
}

}  // namespace quillbat::xls::art
