#include "xls/CellValue.h"

#include <charconv>
#include <cmath>

namespace quillbat::xls {

std::string ErrorText(uint8_t code) {
    switch (code) {
        case 0x00: return "#NULL!";
        case 0x07: return "#DIV/0!";
        case 0x0F: return "#VALUE!";
        case 0x17: return "#REF!";
        case 0x1D: return "#NAME?";
        case 0x24: return "#NUM!";
        case 0x2A: return "#N/A";
        default: return "#ERR";
    }
}

std::string DisplayText(const CellValue& value) {
    switch (value.kind) {
        case ValueKind::Empty: return "";
        case ValueKind::Text: return value.text;
        case ValueKind::Boolean: return value.code ? "TRUE" : "FALSE";
        case ValueKind::Error: return ErrorText(value.code);
        case ValueKind::Number: break;
    }
    if (!std::isfinite(value.number)) return "#NUM!";
    char buffer[32];
    auto result = std::to_chars(buffer, buffer + sizeof buffer, value.number);
    return std::string(buffer, result.ptr);
}

}  // namespace quillbat::xls
