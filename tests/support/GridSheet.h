#pragma once
// A sheet given as rows of text, for reader tests.

#include <string>
#include <vector>

#include "gameday/SheetCells.h"

namespace quillbat::testing {

class GridSheet : public SheetCells {
public:
    explicit GridSheet(std::vector<std::vector<std::string>> rows) : rows_(std::move(rows)) {}
    int LastRow() const override { return static_cast<int>(rows_.size()); }
    int LastColumn() const override {
        std::size_t widest = 0;
        for (const auto& r : rows_) widest = std::max(widest, r.size());
        return static_cast<int>(widest);
    }
    std::string Text(int row, int column) const override {
        if (row < 1 || row > LastRow() || column < 1) return "";
        const auto& r = rows_[row - 1];
        return column <= static_cast<int>(r.size()) ? r[column - 1] : "";
    }

private:
    std::vector<std::vector<std::string>> rows_;
};

}  // namespace quillbat::testing
