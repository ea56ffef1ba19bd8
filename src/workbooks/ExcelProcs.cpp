#include "workbooks/ExcelProcs.h"

#include <charconv>

#include "platform/TextFunctions.h"
#include "xls/EngineVersion.h"
#include "xls/Fills.h"
#include "xls/Geometry.h"
#include "xls/PageSetup.h"
#include "xls/Pictures.h"
#include "xls/RowDeletion.h"
#include "xls/SheetDrawing.h"

namespace quillbat {
namespace {

const char* const kNoRange = "The range does not exist.";

// A plain decimal number such as "12", "-0.5", ".285" or "1E3", with blanks around it.
bool ParsePlainNumber(std::string_view text, double& out) {
    std::string trimmed = TrimBlanks(text);
    std::string_view digits = trimmed;
    if (!digits.empty() && digits.front() == '+') digits.remove_prefix(1);
    if (digits.empty() || digits.front() == '+') return false;
    for (char c : digits)
        if (!((c >= '0' && c <= '9') || c == '.' || c == '-' || c == 'e' || c == 'E' || c == '+'))
            return false;
    auto result = std::from_chars(digits.data(), digits.data() + digits.size(), out);
    return result.ec == std::errc() && result.ptr == digits.data() + digits.size();
}

// A name of the workbook, or of this sheet, that refers to one area of this sheet.
std::optional<xls::CellRange> ResolveName(const xls::Workbook& book, int sheet,
                                          std::string_view text) {
    std::optional<xls::CellRange> workbookLevel;
    for (const xls::DefinedName& name : book.names) {
        if (name.IsBuiltIn() || !EqualsNoCase(name.name, text)) continue;
        auto ref = xls::SingleReference(name.formula);
        if (!ref || book.SheetOfExternSheet(ref->externSheet) != sheet) continue;
        if (name.scope == sheet + 1) return ref->range;
        if (name.scope == 0) workbookLevel = ref->range;
    }
    return workbookLevel;
}

// True for a cell that a merged range covers without being its top-left cell.
bool IsCoveredByMerge(const xls::Sheet& sheet, int row, int col) {
    for (const xls::CellRange& m : sheet.merges)
        if (m.Contains(row, col) && (row != m.firstRow || col != m.firstCol)) return true;
    return false;
}

}  // namespace

// --- ExcelRange -------------------------------------------------------------------------

xls::CellValue ExcelRange::Value() const {
    if (!book_) return {};
    return book_->sheets[sheet_].ValueAt(cells_.firstRow, cells_.firstCol);
}

ValueArray ExcelRange::Values() const {
    ValueArray out(cells_.Rows(), cells_.Columns());
    if (!book_) return out;
    const xls::Sheet& sheet = book_->sheets[sheet_];
    for (int r = 1; r <= out.Rows(); ++r)
        for (int c = 1; c <= out.Columns(); ++c)
            out.At(r, c) = sheet.ValueAt(cells_.firstRow + r - 1, cells_.firstCol + c - 1);
    return out;
}

std::string ExcelRange::SetValue(const xls::CellValue& value) {
    if (!book_) return kNoRange;
    xls::Sheet& sheet = book_->sheets[sheet_];
    for (int row = cells_.firstRow; row <= cells_.lastRow; ++row)
        for (int col = cells_.firstCol; col <= cells_.lastCol; ++col)
            if (!IsCoveredByMerge(sheet, row, col)) sheet.SetValue(row, col, value);
    return "";
}

std::string ExcelRange::SetValue(std::string_view text) {
    if (!text.empty() && text.front() == '\'')
        return SetValue(xls::CellValue::FromText(std::string(text.substr(1))));
    double number;
    if (ParsePlainNumber(text, number)) return SetValue(xls::CellValue::FromNumber(number));
    if (text.empty()) return SetValue(xls::CellValue{});
    return SetValue(xls::CellValue::FromText(std::string(text)));
}

std::string ExcelRange::SetValue(double number) {
    return SetValue(xls::CellValue::FromNumber(number));
}

std::string ExcelRange::Address() const {
    return book_ ? xls::AbsoluteAddress(cells_.firstRow, cells_.firstCol) : "";
}

std::string ExcelRange::SetColorIndex(int colorIndex) {
    if (!book_) return kNoRange;
    return xls::SetFillColorIndex(*book_, sheet_, cells_, colorIndex);
}

long ExcelRange::Color() const {
    if (!book_) return 0xFFFFFF;
    return static_cast<long>(xls::FillColor(*book_, sheet_, cells_.firstRow, cells_.firstCol));
}

std::string ExcelRange::SetColor(long color) {
    if (!book_) return kNoRange;
    return xls::SetFillColor(*book_, sheet_, cells_, static_cast<uint32_t>(color));
}

std::string ExcelRange::Delete() {
    if (!book_) return kNoRange;
    return xls::DeleteCellsShiftUp(*book_, sheet_, cells_);
}

double ExcelRange::Left() const {
    return book_ ? xls::GeometryOf(*book_, book_->sheets[sheet_], cells_).left : 0;
}
double ExcelRange::Top() const {
    return book_ ? xls::GeometryOf(*book_, book_->sheets[sheet_], cells_).top : 0;
}
double ExcelRange::Width() const {
    return book_ ? xls::GeometryOf(*book_, book_->sheets[sheet_], cells_).width : 0;
}
double ExcelRange::Height() const {
    return book_ ? xls::GeometryOf(*book_, book_->sheets[sheet_], cells_).height : 0;
}

// --- ExcelWorksheet ---------------------------------------------------------------------

const std::string& ExcelWorksheet::Name() const {
    static const std::string kNone;
    return book_ ? book_->sheets[sheet_].name : kNone;
}

std::string ExcelWorksheet::Range(std::string_view nameOrAddress, ExcelRange& out) const {
    out = ExcelRange();
    if (!book_) return "There is no such worksheet.";
    std::optional<xls::CellRange> cells = xls::ParseA1(nameOrAddress);
    if (!cells) cells = ResolveName(*book_, sheet_, nameOrAddress);
    if (!cells)
        return "The range \"" + std::string(nameOrAddress) + "\" does not exist on the sheet.";
    out = ExcelRange(book_, sheet_, *cells);
    return "";
}

ExcelRange ExcelWorksheet::Range(std::string_view nameOrAddress) const {
    ExcelRange out;
    Range(nameOrAddress, out);
    return out;
}

ExcelRange ExcelWorksheet::Cells(int row, int column) const {
    if (!book_ || row < 1 || row > xls::kMaxRows || column < 1 || column > xls::kMaxColumns)
        return {};
    return ExcelRange(book_, sheet_, {row - 1, row - 1, column - 1, column - 1});
}

xls::CellRange ExcelWorksheet::UsedRange() const {
    if (!book_) return {};
    return book_->sheets[sheet_].UsedRange().value_or(xls::CellRange{});
}

std::string ExcelWorksheet::SetCenterFooter(const std::string& text) {
    if (!book_) return "There is no such worksheet.";
    return xls::SetCenterFooter(book_->sheets[sheet_], text);
}

std::string ExcelWorksheet::CenterFooter() const {
    return book_ ? xls::CenterFooter(book_->sheets[sheet_]) : "";
}

void ExcelWorksheet::SetFooterMargin(double inches) {
    if (book_) xls::SetFooterMargin(book_->sheets[sheet_], inches);
}

double ExcelWorksheet::FooterMargin() const {
    return book_ ? xls::FooterMargin(book_->sheets[sheet_]) : 0;
}

void ExcelWorksheet::SelectA1() {
    if (book_) xls::SelectA1(book_->sheets[sheet_]);
}

// --- ExcelWorkbook and ExcelApplication -------------------------------------------------

ExcelWorksheet ExcelWorkbook::Worksheets(int index) {
    int seen = 0;
    for (size_t i = 0; i < model_.sheets.size(); ++i)
        if (model_.sheets[i].isWorksheet && ++seen == index)
            return ExcelWorksheet(&model_, static_cast<int>(i));
    return {};
}

int ExcelWorkbook::WorksheetCount() const {
    int count = 0;
    for (const xls::Sheet& sheet : model_.sheets) count += sheet.isWorksheet ? 1 : 0;
    return count;
}

std::string ExcelWorkbook::SaveAs(const std::string& path, int fileFormat) {
    if (fileFormat != kXlWorkbookNormal)
        return "The file format " + std::to_string(fileFormat) + " cannot be written.";
    return xls::SaveWorkbookFile(model_, path);
}

std::string ExcelApplication::Start() {
    std::string bytes;
    std::string error = xls::WriteWorkbook(xls::NewWorkbook(), bytes);
    xls::Workbook check;
    if (error.empty()) error = xls::ReadWorkbook(bytes, check);
    if (!error.empty()) return "The workbook engine cannot start: " + error + ".";
    return "";
}

int ExcelApplication::Version() const {
    return xls::EngineVersion();
}

std::string ExcelApplication::Open(const std::string& path, ExcelWorkbook*& out) {
    out = nullptr;
    xls::Workbook model;
    std::string error = xls::OpenWorkbookFile(path, model);
    if (!error.empty()) return error;
    workbooks_.push_back(std::make_unique<ExcelWorkbook>(std::move(model)));
    out = workbooks_.back().get();
    return "";
}

ExcelWorkbook& ExcelApplication::Add() {
    workbooks_.push_back(std::make_unique<ExcelWorkbook>(xls::NewWorkbook()));
    return *workbooks_.back();
}

void ExcelApplication::Close(ExcelWorkbook* workbook) {
    workbooks_.remove_if(
        [&](const std::unique_ptr<ExcelWorkbook>& w) { return w.get() == workbook; });
}

void ExcelApplication::Quit() {
    workbooks_.clear();
}

int GetSpreadsheetVersion(std::string& error) {
    ExcelApplication app;
    error = app.Start();
    if (!error.empty()) return 0;
    int version = app.Version();
    app.Quit();
    return version;
}

// --- Worksheet procedures ---------------------------------------------------------------

int GetUsedRowCount(const ExcelWorksheet& sheet) {
    return sheet.UsedRange().Rows();
}

int GetUsedColumnCount(const ExcelWorksheet& sheet) {
    return sheet.UsedRange().Columns();
}

namespace {

bool HoldsSomething(const xls::CellValue& value) {
    return value.IsError() || !value.IsBlank();
}

bool RowHoldsSomething(const ValueArray& values) {
    for (int c = 1; c <= values.Columns(); ++c)
        if (HoldsSomething(values.At(1, c))) return true;
    return false;
}

bool ColumnHoldsSomething(const ValueArray& values) {
    for (int r = 1; r <= values.Rows(); ++r)
        if (HoldsSomething(values.At(r, 1))) return true;
    return false;
}

}  // namespace

void FindLastRowAndColumn(const ExcelWorksheet& sheet, int& lastRow, int& lastColumn) {
    int rows = GetUsedRowCount(sheet), columns = GetUsedColumnCount(sheet);
    lastRow = rows;
    lastColumn = columns;
    for (int r = rows; r >= 2; --r) {
        std::string address =
            "A" + std::to_string(r) + ":" + ColumnLetter(columns) + std::to_string(r);
        if (RowHoldsSomething(sheet.Range(address).Values())) {
            lastRow = r;
            break;
        }
    }
    for (int k = columns; k >= 2; --k) {
        std::string letter = ColumnLetter(k);
        std::string address =
            lastRow < 2 ? letter + "1" : letter + "1:" + letter + std::to_string(lastRow);
        if (ColumnHoldsSomething(sheet.Range(address).Values())) {
            lastColumn = k;
            break;
        }
    }
}

std::string ColumnLetter(int column) {
    if (column < 1 || column > 702) return "";  // outside one- and two-letter columns
    int q = (column - 1) / 26;
    int r = column - 26 * q;
    std::string out;
    if (q > 0) out.push_back(static_cast<char>(64 + q));
    out.push_back(static_cast<char>(64 + r));
    return out;
}

}  // namespace quillbat

namespace quillbat {
namespace {

xls::ShapeBox SinglePrecision(xls::ShapeBox box) {
    for (double* v : {&box.left, &box.top, &box.width, &box.height})
        *v = static_cast<float>(*v);
    return box;
}

const char* const kNoShape = "The shape does not exist.";

}  // namespace

ExcelShape::ExcelShape(xls::Workbook* book, int sheet, uint32_t id, const xls::ShapeBox& box)
    : book_(book), sheet_(sheet), id_(id), box_(SinglePrecision(box)) {
    if (book_) anchor_ = xls::AnchorOnSheet(*book_, book_->sheets[sheet_], box_);
}

xls::ShapeBox ExcelShape::Box() const {
    if (!book_) return {};
    for (const xls::ShapeAnchor& shape : xls::ShapeAnchors(book_->sheets[sheet_])) {
        if (shape.shapeId != id_ || shape.anchor == anchor_) continue;
        xls::ShapeBox moved;
        xls::ShapeBoxOf(*book_, book_->sheets[sheet_], id_, moved);
        return SinglePrecision(moved);
    }
    return box_;
}

std::string ExcelShape::Place(const xls::ShapeBox& box) {
    if (!book_) return kNoShape;
    if (box.width < 0 || box.height < 0) return "A shape cannot have a negative size.";
    xls::Sheet& sheet = book_->sheets[sheet_];
    xls::ShapeBox single = SinglePrecision(box);
    xls::ClientAnchor anchor = xls::AnchorOnSheet(*book_, sheet, single);
    if (!xls::SetShapeAnchor(sheet, id_, anchor)) return kNoShape;
    box_ = single;
    anchor_ = anchor;
    return "";
}

std::string ExcelShape::SetLeft(double points) {
    xls::ShapeBox box = Box();
    box.left = points;
    return Place(box);
}

std::string ExcelShape::SetTop(double points) {
    xls::ShapeBox box = Box();
    box.top = points;
    return Place(box);
}

std::string ExcelShape::SetWidth(double points) {
    xls::ShapeBox box = Box();
    if (lockAspectRatio_ && box.width > 0) box.height *= points / box.width;
    box.width = points;
    return Place(box);
}

std::string ExcelShape::SetHeight(double points) {
    xls::ShapeBox box = Box();
    if (lockAspectRatio_ && box.height > 0) box.width *= points / box.height;
    box.height = points;
    return Place(box);
}

std::string ExcelWorksheet::AddPicture(const std::string& path, bool linkToFile,
                                       bool saveWithDocument, double left, double top,
                                       double width, double height, ExcelShape& out) {
    if (!book_) return "The worksheet does not exist.";
    if (linkToFile || !saveWithDocument)
        return "Only pictures saved with the workbook, not linked, are supported.";
    xls::ShapeBox box = SinglePrecision({left, top, width, height});
    uint32_t id = 0;
    std::string error = xls::AddPicture(*book_, sheet_, path, box, id);
    if (error.empty()) out = ExcelShape(book_, sheet_, id, box);
    return error;
}

std::vector<ExcelShape> ExcelWorksheet::Shapes() const {
    std::vector<ExcelShape> out;
    if (!book_) return out;
    const xls::Sheet& sheet = book_->sheets[sheet_];
    for (const xls::ShapeAnchor& shape : xls::ShapeAnchors(sheet)) {
        xls::ShapeBox box;
        xls::ShapeBoxOf(*book_, sheet, shape.shapeId, box);
        out.emplace_back(book_, sheet_, shape.shapeId, box);
    }
    return out;
}

}  // namespace quillbat
