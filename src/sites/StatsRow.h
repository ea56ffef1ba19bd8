#pragma once
// What every statistics-site reader hands back: a table's column names and, in the same order,
// the values of one of its rows. Both count from 1; reading past either end yields "".

#include <string>
#include <vector>

namespace quillbat {

class StatsRow {
public:
    int ColumnCount() const { return static_cast<int>(names_.size()); }
    int ValueCount() const { return static_cast<int>(values_.size()); }
    const std::string& ColumnName(int column) const { return Item(names_, column); }
    const std::string& Value(int column) const { return Item(values_, column); }

    void AddColumn(std::string name) { names_.push_back(std::move(name)); }
    void AddValue(std::string value) { values_.push_back(std::move(value)); }
    void ClearValues() { values_.clear(); }
    void Clear() {
        names_.clear();
        values_.clear();
    }

private:
    static const std::string& Item(const std::vector<std::string>& list, int index);

    std::vector<std::string> names_;
    std::vector<std::string> values_;
};

// The value of the first column whose name equals statName ignoring letter case; "" when no
// column has that name (or the row has no values).
std::string GetStat(const std::string& statName, const StatsRow& row);

}  // namespace quillbat
