#include "xls/SharedFormulas.h"

#include <map>

#include "xls/ByteIo.h"
#include "xls/Formula.h"

namespace quillbat::xls {
namespace {

// FORMULA: cell, value, flags at 14, token count at 20, tokens at 22. SHRFMLA: the range,
// two bytes, token count at 8, tokens at 10; what follows the tokens belongs to them.
constexpr size_t kFormulaFlagsAt = 14, kFormulaCountAt = 20, kFormulaTokensAt = 22;
constexpr size_t kSharedCountAt = 8, kSharedTokensAt = 10;
constexpr uint16_t kSharedFlag = 0x0008;
constexpr uint8_t kExp = 0x01;

struct SharedFormula {
    std::string tokens, extra;
};

CellRange RangeOf(const std::string& data) {
    return {GetU16At(data, 0), GetU16At(data, 2), static_cast<uint8_t>(data[4]),
            static_cast<uint8_t>(data[5])};
}

// The sheet's shared formulas that can be resolved, by their range's first cell.
std::map<std::pair<int, int>, SharedFormula> SharedFormulas(const Sheet& sheet) {
    std::map<std::pair<int, int>, SharedFormula> out;
    for (const auto& [number, row] : sheet.rows) {
        for (const Cell& cell : row.cells) {
            if (!cell.IsFormula()) continue;
            for (const Record& r : cell.extra->formula) {
                if (r.type != rec::kShrFmla || r.data.size() < kSharedTokensAt) continue;
                size_t count =
                    std::min<size_t>(GetU16At(r.data, kSharedCountAt), r.data.size() - kSharedTokensAt);
                SharedFormula f{r.data.substr(kSharedTokensAt, count),
                                r.data.substr(kSharedTokensAt + count)};
                std::string probe = f.tokens;
                CellRange range = RangeOf(r.data);
                if (ResolveSharedFormula(probe, range.firstRow, range.firstCol))
                    out[{range.firstRow, range.firstCol}] = std::move(f);
            }
        }
    }
    return out;
}

// The first cell a formula cell points at, when its formula is only that pointer.
std::optional<std::pair<int, int>> PointerOf(const Record& formula) {
    const std::string& d = formula.data;
    if (d.size() < kFormulaTokensAt + 5 || GetU16At(d, kFormulaCountAt) != 5 ||
        static_cast<uint8_t>(d[kFormulaTokensAt]) != kExp)
        return std::nullopt;
    return std::pair<int, int>{GetU16At(d, kFormulaTokensAt + 1), GetU16At(d, kFormulaTokensAt + 3)};
}

}  // namespace

void ExpandSharedFormulas(Sheet& sheet) {
    auto shared = SharedFormulas(sheet);
    if (shared.empty()) return;
    for (auto& [number, row] : sheet.rows) {
        for (int col = 0; col < static_cast<int>(row.cells.size()); ++col) {
            Cell& cell = row.cells[col];
            if (!cell.present || !cell.IsFormula()) continue;
            auto& records = cell.extra->formula;
            auto pointer = PointerOf(records[0]);
            auto found = pointer ? shared.find(*pointer) : shared.end();
            if (found != shared.end()) {
                std::string tokens = found->second.tokens;
                ResolveSharedFormula(tokens, number, col);
                std::string& data = records[0].data;
                data.resize(kFormulaCountAt);
                SetU16At(data, kFormulaFlagsAt, GetU16At(data, kFormulaFlagsAt) & ~kSharedFlag);
                PutU16(data, static_cast<uint16_t>(tokens.size()));
                data += tokens + found->second.extra;
            }
            std::erase_if(records, [&](const Record& r) {
                return r.type == rec::kShrFmla && r.data.size() >= kSharedTokensAt &&
                       shared.count({RangeOf(r.data).firstRow, RangeOf(r.data).firstCol});
            });
        }
    }
}

bool HoldsSharedFormula(const Cell& cell) {
    if (!cell.IsFormula()) return false;
    for (const Record& r : cell.extra->formula)
        if (r.type == rec::kShrFmla) return true;
    return false;
}

FormulaBlocks FormulaBlocksOf(const Sheet& sheet) {
    FormulaBlocks out;
    for (const auto& [number, row] : sheet.rows) {
        for (const Cell& cell : row.cells) {
            if (!cell.present || !cell.IsFormula()) continue;
            for (const Record& r : cell.extra->formula) {
                if (r.data.size() < 6) continue;
                if (r.type == rec::kArray) out.arrays.push_back(RangeOf(r.data));
                if (r.type == rec::kTable) out.tables.push_back(RangeOf(r.data));
            }
        }
    }
    return out;
}

}  // namespace quillbat::xls
