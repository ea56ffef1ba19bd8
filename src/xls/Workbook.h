#pragma once
// A workbook in memory: the globals records in file order (with slots for the parts that are
// regenerated on save), formats, fonts, palette, names, sheets, and the compound file's other
// streams.

#include <memory>
#include <string>
#include <vector>

#include "xls/CompoundFile.h"
#include "xls/Formats.h"
#include "xls/Names.h"
#include "xls/Sheet.h"

namespace quillbat::xls {

namespace slot {
constexpr uint16_t kBoundSheets = 0xFF10, kXfs = 0xFF11, kNames = 0xFF12, kSst = 0xFF13;
}

class Workbook {
public:
    std::vector<Record> globals;
    FormatTable formats;
    std::vector<Font> fonts;  // by font index; index 4 does not exist in the file
    Palette palette = DefaultPalette();
    std::vector<DefinedName> names;
    std::vector<ExternSheet> externSheets;
    std::vector<Sheet> sheets;
    CompoundFile container;  // the other streams; "Workbook" is rebuilt on save

    Workbook() = default;
    Workbook(Workbook&&) = default;
    Workbook& operator=(Workbook&&) = default;

    // The sheet a 0-based extern-sheet index refers to, or -1 (another book, or damaged).
    int SheetOfExternSheet(uint16_t index) const;
    // The extern-sheet index that refers to exactly this sheet, or -1.
    int ExternSheetOfSheet(int sheet) const;
    // Index of the first worksheet (not a chart or macro sheet), or -1.
    int FirstWorksheet() const;
    // The active sheet of WINDOW1, limited to the sheets there are.
    int ActiveSheet() const;
    bool IsTemplate() const;

    const Font& FontOfXf(uint16_t xf) const;
};

// Reads a .xls or .xlt file. Returns "" on success, else a message naming the reason.
std::string OpenWorkbookFile(const std::string& path, Workbook& out);
// The same from the file's bytes.
std::string ReadWorkbook(std::string_view bytes, Workbook& out);

// Saves as a normal workbook (no TEMPLATE record) through a temporary file and a rename.
std::string SaveWorkbookFile(const Workbook& book, const std::string& path);
// The file's bytes; asTemplate keeps a TEMPLATE record.
std::string WriteWorkbook(const Workbook& book, std::string& bytes, bool asTemplate = false);
// Just the Workbook stream.
std::string WorkbookStream(const Workbook& book, bool asTemplate = false);

// A workbook with one empty worksheet named "Sheet1", Arial 10 and the default formats.
Workbook NewWorkbook();

}  // namespace quillbat::xls
