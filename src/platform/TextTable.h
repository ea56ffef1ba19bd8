#pragma once
// A table of text cells addressed by (field, row), both counted from 1. Reading outside the
// table yields "", so a reader of short or odd data never goes out of bounds.

#include <string>
#include <vector>

namespace quillbat {

class TextTable {
public:
    TextTable() = default;
    TextTable(int fields, int rows) { Resize(fields, rows); }

    void Resize(int fields, int rows);
    void Clear() { Resize(fields_, 0); }
    // Appends an empty row and returns its number.
    int AddRow();

    int Fields() const { return fields_; }
    int Rows() const { return static_cast<int>(rows_.size()); }

    const std::string& At(int field, int row) const;
    void Set(int field, int row, std::string value);

private:
    int fields_ = 0;
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace quillbat
