#include "gameday/FlatTableColumns.h"

#include "platform/TextFunctions.h"

namespace quillbat {

ColumnNames ReadHeaderRow(const SheetCells& sheet) {
    ColumnNames names;
    int last = sheet.LastColumn();
    names.reserve(last > 0 ? static_cast<std::size_t>(last) : 0);
    for (int column = 1; column <= last; ++column) names.push_back(sheet.Text(1, column));
    return names;
}

std::string CellText(const SheetCells& sheet, int row, int column) {
    return column > 0 ? sheet.Text(row, column) : "";
}

int FindColumn(const ColumnNames& names, std::string_view name) {
    std::string wanted = ToLower(name);
    bool pattern = wanted.size() >= 2 && wanted.substr(wanted.size() - 2) == "xx";
    std::string prefix = pattern ? wanted.substr(0, wanted.size() - 2) : TrimBlanks(wanted);
    for (std::size_t i = 0; i < names.size(); ++i) {
        std::string header = TrimBlanks(ToLower(names[i]));
        bool match =
            pattern ? header.size() > prefix.size() && header.rfind(prefix, 0) == 0 : header == prefix;
        if (match) return static_cast<int>(i) + 1;
    }
    return 0;
}

}  // namespace quillbat
