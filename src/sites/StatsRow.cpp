#include "sites/StatsRow.h"

#include "platform/TextFunctions.h"

namespace quillbat {

const std::string& StatsRow::Item(const std::vector<std::string>& list, int index) {
    static const std::string kNone;
    if (index < 1 || index > static_cast<int>(list.size())) return kNone;
    return list[index - 1];
}

std::string GetStat(const std::string& statName, const StatsRow& row) {
    for (int column = 1; column <= row.ColumnCount(); ++column)
        if (EqualsNoCase(row.ColumnName(column), statName)) return row.Value(column);
    return "";
}

}  // namespace quillbat
