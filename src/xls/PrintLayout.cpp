#include "xls/PrintLayout.h"

#include <algorithm>
#include <cmath>

#include "xls/ClientAnchor.h"
#include "xls/Formula.h"
#include "xls/Geometry.h"
#include "xls/SheetDrawing.h"

namespace quillbat::xls {

namespace {

constexpr double kPointsPerInch = 72;
constexpr char kPrintAreaName[] = "\x06";
constexpr int kMinimumPercent = 10;

CellRange Union(const CellRange& a, const CellRange& b) {
    return {std::min(a.firstRow, b.firstRow), std::max(a.lastRow, b.lastRow),
            std::min(a.firstCol, b.firstCol), std::max(a.lastCol, b.lastCol)};
}

std::optional<CellRange> NamedPrintArea(const Workbook& book, int sheet) {
    for (const DefinedName& name : book.names) {
        if (!name.IsBuiltIn() || name.name != kPrintAreaName || name.scope != sheet + 1) continue;
        auto ref = SingleReference(name.formula);
        if (ref && book.SheetOfExternSheet(ref->externSheet) == sheet) return ref->range;
    }
    return std::nullopt;
}

std::optional<CellRange> PrintedContent(const Sheet& sheet) {
    std::optional<CellRange> area = sheet.UsedRange();
    auto add = [&](const CellRange& r) { area = area ? Union(*area, r) : r; };
    for (const CellRange& m : sheet.merges) add(m);
    for (const ShapeAnchor& s : ShapeAnchors(sheet)) {
        const ClientAnchor& a = s.anchor;
        add({a.row1, std::min<int>(a.row2, kMaxRows - 1), a.col1,
             std::min<int>(a.col2, kMaxColumns - 1)});
    }
    return area;
}

// Breaks inside the area, as indexes into its sizes.
std::vector<int> BreaksWithin(const std::vector<int>& breaks, int first, int last) {
    std::vector<int> out;
    for (int b : breaks)
        if (b > first && b <= last) out.push_back(b - first);
    return out;
}

struct Runs {
    std::vector<int> columns, rows;  // first index of each page's columns and rows
};

Runs Paginate(const PrintLayout& l, double scale, bool manualBreaks) {
    const PageSettings& s = l.settings;
    double width = (l.paperWidth - (s.leftMargin + s.rightMargin) * kPointsPerInch) / scale;
    double height = (l.paperHeight - (s.topMargin + s.bottomMargin) * kPointsPerInch) / scale;
    std::vector<int> none;
    auto colBreaks = manualBreaks ? BreaksWithin(s.columnBreaks, l.area.firstCol, l.area.lastCol) : none;
    auto rowBreaks = manualBreaks ? BreaksWithin(s.rowBreaks, l.area.firstRow, l.area.lastRow) : none;
    return {SplitIntoRuns(l.columnWidths, width, colBreaks),
            SplitIntoRuns(l.rowHeights, height, rowBreaks)};
}

// The largest whole percentage, up to 100, at which the area fits in the pages asked for
// (0 pages: as many as it takes that way).
int FitPercent(const PrintLayout& l) {
    const PageSettings& s = l.settings;
    for (int percent = 100; percent > kMinimumPercent; --percent) {
        Runs runs = Paginate(l, percent / 100.0, false);
        bool wideOk = s.fitWidth <= 0 || static_cast<int>(runs.columns.size()) <= s.fitWidth;
        bool tallOk = s.fitHeight <= 0 || static_cast<int>(runs.rows.size()) <= s.fitHeight;
        if (wideOk && tallOk) return percent;
    }
    return kMinimumPercent;
}

std::vector<double> RunningSums(const std::vector<double>& sizes) {
    std::vector<double> edges{0};
    for (double s : sizes) edges.push_back(edges.back() + s);
    return edges;
}

PrintedPage PlacePage(const PrintLayout& l, int colFrom, int colTo, int rowFrom, int rowTo) {
    const PageSettings& s = l.settings;
    PrintedPage page;
    page.cells = {l.area.firstRow + rowFrom, l.area.firstRow + rowTo - 1,
                  l.area.firstCol + colFrom, l.area.firstCol + colTo - 1};
    page.left = s.leftMargin * kPointsPerInch;
    page.top = s.topMargin * kPointsPerInch;
    double freeWidth = l.paperWidth - (s.leftMargin + s.rightMargin) * kPointsPerInch -
                       (l.columnEdges[colTo] - l.columnEdges[colFrom]) * l.scale;
    double freeHeight = l.paperHeight - (s.topMargin + s.bottomMargin) * kPointsPerInch -
                        (l.rowEdges[rowTo] - l.rowEdges[rowFrom]) * l.scale;
    if (s.centerHorizontally) page.left += std::max(0.0, freeWidth / 2);
    if (s.centerVertically) page.top += std::max(0.0, freeHeight / 2);
    return page;
}

void AddPages(PrintLayout& l, const Runs& runs) {
    int across = static_cast<int>(runs.columns.size()), down = static_cast<int>(runs.rows.size());
    auto end = [](const std::vector<int>& starts, int i, size_t count) {
        return i + 1 < static_cast<int>(starts.size()) ? starts[i + 1] : static_cast<int>(count);
    };
    auto add = [&](int c, int r) {
        l.pages.push_back(PlacePage(l, runs.columns[c], end(runs.columns, c, l.columnWidths.size()),
                                    runs.rows[r], end(runs.rows, r, l.rowHeights.size())));
    };
    if (l.settings.overThenDown) {
        for (int r = 0; r < down; ++r)
            for (int c = 0; c < across; ++c) add(c, r);
    } else {
        for (int c = 0; c < across; ++c)
            for (int r = 0; r < down; ++r) add(c, r);
    }
}

}  // namespace

PaperPoints PaperOfCode(uint16_t code) {
    switch (code) {
        case 5: return {612, 1008};   // Legal
        case 7: return {522, 756};    // Executive
        case 8: return {842, 1191};   // A3
        case 9: return {595, 842};    // A4
        case 11: return {420, 595};   // A5
        case 13: return {516, 729};   // B5 (JIS)
        default: return {612, 792};   // Letter
    }
}

std::optional<CellRange> PrintArea(const Workbook& book, int sheet) {
    if (auto named = NamedPrintArea(book, sheet)) return named;
    return PrintedContent(book.sheets[sheet]);
}

double PrintLayout::ColumnOffset(int col) const {
    if (columnEdges.empty()) return 0;
    return columnEdges[std::clamp(col - area.firstCol, 0, static_cast<int>(columnEdges.size()) - 1)];
}

double PrintLayout::RowOffset(int row) const {
    if (rowEdges.empty()) return 0;
    return rowEdges[std::clamp(row - area.firstRow, 0, static_cast<int>(rowEdges.size()) - 1)];
}

std::vector<int> SplitIntoRuns(const std::vector<double>& sizes, double available,
                               const std::vector<int>& breaks) {
    std::vector<int> starts;
    double used = 0;
    for (int i = 0; i < static_cast<int>(sizes.size()); ++i) {
        bool forced = std::find(breaks.begin(), breaks.end(), i) != breaks.end();
        if (starts.empty() || forced || used + sizes[i] > available + 1e-6) {
            starts.push_back(i);
            used = 0;
        }
        used += sizes[i];
    }
    return starts;
}

PrintLayout LayOutPrint(const Workbook& book, int sheet) {
    PrintLayout l;
    if (sheet < 0 || sheet >= static_cast<int>(book.sheets.size())) return l;
    const Sheet& s = book.sheets[sheet];
    l.settings = ReadPageSettings(s);
    PaperPoints paper = PaperOfCode(l.settings.paperSize);
    l.paperWidth = l.settings.landscape ? paper.height : paper.width;
    l.paperHeight = l.settings.landscape ? paper.width : paper.height;
    std::optional<CellRange> area = PrintArea(book, sheet);
    if (!area) return l;
    l.area = *area;
    for (int c = l.area.firstCol; c <= l.area.lastCol; ++c)
        l.columnWidths.push_back(ColumnWidthPoints(book, s, c));
    for (int r = l.area.firstRow; r <= l.area.lastRow; ++r)
        l.rowHeights.push_back(RowHeightPoints(s, r));
    l.columnEdges = RunningSums(l.columnWidths);
    l.rowEdges = RunningSums(l.rowHeights);
    int percent = l.settings.fitToPages ? FitPercent(l)
                                        : std::clamp(l.settings.scalePercent, kMinimumPercent, 400);
    l.scale = percent / 100.0;
    AddPages(l, Paginate(l, l.scale, !l.settings.fitToPages));
    return l;
}

}  // namespace quillbat::xls
