#include "xls/ByteIo.h"
#include "xls/Workbook.h"

namespace quillbat::xls {

int Workbook::SheetOfExternSheet(uint16_t index) const {
    if (index >= externSheets.size()) return -1;
    const ExternSheet& entry = externSheets[index];
    // Only the book's own SUPBOOK (the one whose data ends in 0x0401) names our sheets.
    int supBook = 0;
    for (const Record& r : globals) {
        if (r.type != rec::kSupBook) continue;
        if (supBook++ != entry.supBook) continue;
        bool internal = r.data.size() == 4 && GetU16At(r.data, 2) == 0x0401;
        if (!internal || entry.firstSheet >= sheets.size()) return -1;
        return entry.firstSheet;
    }
    return -1;
}

int Workbook::ExternSheetOfSheet(int sheet) const {
    for (size_t i = 0; i < externSheets.size(); ++i) {
        if (externSheets[i].firstSheet == sheet && externSheets[i].lastSheet == sheet &&
            SheetOfExternSheet(static_cast<uint16_t>(i)) == sheet)
            return static_cast<int>(i);
    }
    return -1;
}

int Workbook::FirstWorksheet() const {
    for (size_t i = 0; i < sheets.size(); ++i)
        if (sheets[i].isWorksheet) return static_cast<int>(i);
    return -1;
}

int Workbook::ActiveSheet() const {
    for (const Record& r : globals) {
        if (r.type != rec::kWindow1) continue;
        int active = GetU16At(r.data, 10);
        return active < static_cast<int>(sheets.size()) ? active : 0;
    }
    return 0;
}

bool Workbook::IsTemplate() const {
    for (const Record& r : globals)
        if (r.type == rec::kTemplate) return true;
    return false;
}

const Font& Workbook::FontOfXf(uint16_t xf) const {
    static const Font kDefault;
    if (xf >= formats.xfs.size()) return fonts.empty() ? kDefault : fonts[0];
    uint16_t index = XfFont(formats.xfs[xf]);
    if (index < fonts.size()) return fonts[index];
    return fonts.empty() ? kDefault : fonts[0];
}

}  // namespace quillbat::xls
