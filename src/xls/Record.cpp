#include "xls/Record.h"

#include "xls/ByteIo.h"

namespace quillbat::xls {

std::string SplitRecords(std::string_view stream, std::vector<PlacedRecord>& out) {
    out.clear();
    out.reserve(stream.size() / 12);
    size_t pos = 0;
    while (pos + 4 <= stream.size()) {
        uint16_t type = GetU16At(stream, pos);
        uint16_t length = GetU16At(stream, pos + 2);
        if (type == 0 && length == 0) break;  // zero padding after the last EOF
        if (pos + 4 + length > stream.size())
            return "a record runs past the end of the workbook stream (truncated file)";
        out.push_back({type, stream.substr(pos + 4, length), pos});
        pos += 4 + length;
    }
    return "";
}

void AppendRecord(std::string& stream, uint16_t type, std::string_view data) {
    const char header[4] = {static_cast<char>(type & 0xFF), static_cast<char>(type >> 8),
                            static_cast<char>(data.size() & 0xFF),
                            static_cast<char>(data.size() >> 8)};
    stream.append(header, 4);
    stream.append(data);
}

}  // namespace quillbat::xls
