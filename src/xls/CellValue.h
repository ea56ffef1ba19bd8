#pragma once
// The value of one cell: empty, text, number, true/false, or an error value of the sheet.

#include <cstdint>
#include <string>

namespace quillbat::xls {

enum class ValueKind : uint8_t { Empty, Text, Number, Boolean, Error };

struct CellValue {
    ValueKind kind = ValueKind::Empty;
    uint8_t code = 0;  // Boolean: 0/1; Error: the error code (0x07 #DIV/0!, 0x2A #N/A, ...)
    double number = 0;
    std::string text;

    static CellValue FromText(std::string t) {
        CellValue v;
        v.kind = ValueKind::Text;
        v.text = std::move(t);
        return v;
    }
    static CellValue FromNumber(double n) {
        CellValue v;
        v.kind = ValueKind::Number;
        v.number = n;
        return v;
    }
    static CellValue FromError(uint8_t errorCode) {
        CellValue v;
        v.kind = ValueKind::Error;
        v.code = errorCode;
        return v;
    }
    static CellValue FromBoolean(bool b) {
        CellValue v;
        v.kind = ValueKind::Boolean;
        v.code = b ? 1 : 0;
        return v;
    }

    bool IsError() const { return kind == ValueKind::Error; }
    // Empty, or text "": what a reader of the sheet sees as nothing there.
    bool IsBlank() const {
        return kind == ValueKind::Empty || (kind == ValueKind::Text && text.empty());
    }
    bool operator==(const CellValue&) const = default;
};

// "#NULL!", "#DIV/0!", "#VALUE!", "#REF!", "#NAME?", "#NUM!", "#N/A"; "#ERR" for other codes.
std::string ErrorText(uint8_t code);
// The value as the sheet shows it in a plain text export: numbers in their shortest exact
// form, booleans as TRUE/FALSE, errors by their text.
std::string DisplayText(const CellValue& value);

}  // namespace quillbat::xls
