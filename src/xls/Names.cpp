#include "xls/Names.h"

#include "xls/ByteIo.h"
#include "platform/Utf8.h"
#include "xls/XlString.h"

namespace quillbat::xls {

std::string ParseName(std::string_view data, DefinedName& out) {
    ByteReader in(data);
    out.options = in.U16();
    out.key = in.U8();
    uint8_t nameLength = in.U8();
    uint16_t formulaLength = in.U16();
    in.Skip(2);
    out.scope = in.U16();
    in.Skip(4);
    out.name = ReadChars(in, nameLength);
    out.formula = std::string(in.Bytes(formulaLength));
    if (in.Failed()) return "a defined name is truncated";
    out.tail = std::string(in.Bytes(in.Left()));
    return "";
}

std::string NameRecordData(const DefinedName& name) {
    std::u16string units = Utf8ToUtf16(name.name);
    if (units.size() > 255) units.resize(255);
    std::string out;
    PutU16(out, name.options);
    PutU8(out, name.key);
    PutU8(out, static_cast<uint8_t>(units.size()));
    PutU16(out, static_cast<uint16_t>(name.formula.size()));
    PutU16(out, 0);
    PutU16(out, name.scope);
    PutU32(out, 0);
    AppendChars(out, units);
    out += name.formula;
    out += name.tail;
    return out;
}

std::vector<ExternSheet> ParseExternSheet(std::string_view data) {
    ByteReader in(data);
    uint16_t count = in.U16();
    std::vector<ExternSheet> out;
    for (uint16_t i = 0; i < count && in.Left() >= 6; ++i) {
        ExternSheet entry;
        entry.supBook = in.U16();
        entry.firstSheet = in.U16();
        entry.lastSheet = in.U16();
        out.push_back(entry);
    }
    return out;
}

}  // namespace quillbat::xls
