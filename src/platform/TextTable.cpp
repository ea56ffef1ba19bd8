#include "platform/TextTable.h"

#include <stdexcept>

namespace quillbat {

namespace {
const std::string kEmpty;
}

void TextTable::Resize(int fields, int rows) {
    fields_ = fields < 0 ? 0 : fields;
    rows_.assign(rows < 0 ? 0 : rows, std::vector<std::string>(fields_));
}

int TextTable::AddRow() {
    rows_.emplace_back(fields_);
    return Rows();
}

const std::string& TextTable::At(int field, int row) const {
    if (field < 1 || field > fields_ || row < 1 || row > Rows()) return kEmpty;
    return rows_[row - 1][field - 1];
}

void TextTable::Set(int field, int row, std::string value) {
    if (field < 1 || field > fields_ || row < 1 || row > Rows())
        throw std::out_of_range("TextTable::Set outside the table");
    rows_[row - 1][field - 1] = std::move(value);
}

}  // namespace quillbat
