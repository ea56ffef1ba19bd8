#pragma once
// The spreadsheet operations the workbook stages use, shaped like the spreadsheet
// application's objects (application, workbook, worksheet, range) and carried out by the
// embedded engine; plus the worksheet procedures GetUsedRowCount, GetUsedColumnCount,
// FindLastRowAndColumn and ColumnLetter. Coordinates count from 1. Operations that can fail
// return an error text ("" on success); the caller ends its run at the first one.

#include <list>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "platform/Settings.h"
#include "xls/CellValue.h"
#include "xls/ClientAnchor.h"
#include "xls/Workbook.h"

namespace quillbat {

// The values of a range, (row, column) from 1.
class ValueArray {
public:
    ValueArray(int rows, int columns) : rows_(rows), columns_(columns), values_(rows * columns) {}
    int Rows() const { return rows_; }
    int Columns() const { return columns_; }
    const xls::CellValue& At(int row, int column) const {
        return values_[(row - 1) * columns_ + column - 1];
    }
    xls::CellValue& At(int row, int column) { return values_[(row - 1) * columns_ + column - 1]; }

private:
    int rows_, columns_;
    std::vector<xls::CellValue> values_;
};

class ExcelRange {
public:
    ExcelRange() = default;
    ExcelRange(xls::Workbook* book, int sheet, xls::CellRange cells)
        : book_(book), sheet_(sheet), cells_(cells) {}

    bool IsValid() const { return book_ != nullptr; }
    const xls::CellRange& Cells() const { return cells_; }

    // The top-left cell's value.
    xls::CellValue Value() const;
    ValueArray Values() const;
    // Writes the value into every cell of the range, keeping each cell's format; a merged
    // range takes it in its top-left cell only.
    std::string SetValue(const xls::CellValue& value);
    // Writes text as if typed: a plain decimal number (blanks around it allowed) becomes a
    // number, a leading apostrophe is dropped and keeps the rest text, else it stays text.
    std::string SetValue(std::string_view text);
    std::string SetValue(double number);

    std::string Address() const;  // "$B$10" of the top-left cell
    int Row() const { return cells_.firstRow + 1; }
    int Column() const { return cells_.firstCol + 1; }

    // Interior.ColorIndex (palette 1-56, or -4142 for none) and Interior.Color (0xBBGGRR).
    std::string SetColorIndex(int colorIndex);
    long Color() const;
    std::string SetColor(long color);

    // Deletes the cells; those below move up.
    std::string Delete();

    double Left() const;
    double Top() const;
    double Width() const;
    double Height() const;

private:
    xls::Workbook* book_ = nullptr;
    int sheet_ = -1;
    xls::CellRange cells_;
};

// A shape on a worksheet (Shapes.AddPicture gives one). Positions and sizes in points, kept
// in single precision; the saved anchor follows every change. With the aspect ratio locked,
// setting the width or the height scales the other side by the same factor.
class ExcelShape {
public:
    ExcelShape() = default;
    ExcelShape(xls::Workbook* book, int sheet, uint32_t id, const xls::ShapeBox& box);

    bool IsValid() const { return book_ != nullptr; }
    uint32_t Id() const { return id_; }

    // Makes the shape the selection of this handle; the saved file is not affected.
    void Select() { selected_ = true; }
    bool IsSelected() const { return selected_; }
    void SetLockAspectRatio(bool locked) { lockAspectRatio_ = locked; }
    bool LockAspectRatio() const { return lockAspectRatio_; }

    double Left() const { return Box().left; }
    double Top() const { return Box().top; }
    double Width() const { return Box().width; }
    double Height() const { return Box().height; }
    std::string SetLeft(double points);
    std::string SetTop(double points);
    std::string SetWidth(double points);
    std::string SetHeight(double points);

private:
    // The box as last set, unless the anchor was moved since (by deleting rows).
    xls::ShapeBox Box() const;
    std::string Place(const xls::ShapeBox& box);

    xls::Workbook* book_ = nullptr;
    int sheet_ = -1;
    uint32_t id_ = 0;
    xls::ShapeBox box_;
    xls::ClientAnchor anchor_;
    bool selected_ = false, lockAspectRatio_ = false;
};

class ExcelWorksheet {
public:
    ExcelWorksheet() = default;
    ExcelWorksheet(xls::Workbook* book, int sheet) : book_(book), sheet_(sheet) {}

    bool IsValid() const { return book_ != nullptr; }
    const std::string& Name() const;

    // A defined name (of the workbook or this sheet) or an A1 address such as "A5:F5".
    std::string Range(std::string_view nameOrAddress, ExcelRange& out) const;
    // The range by name or address; an invalid range when there is none.
    ExcelRange Range(std::string_view nameOrAddress) const;
    ExcelRange Cells(int row, int column) const;
    // UsedRange; A1 alone for a sheet without cells.
    xls::CellRange UsedRange() const;

    std::string SetCenterFooter(const std::string& text);
    std::string CenterFooter() const;
    // PageSetup.FooterMargin, given in inches.
    void SetFooterMargin(double inches);
    double FooterMargin() const;
    // Cells(1, 1).Select
    void SelectA1();

    // Shapes.AddPicture: the picture is stored in the workbook (GIF, PNG, JPEG and the other
    // formats Qt reads, kept as PNG); linked pictures are not supported. Left, top, width and
    // height in points. "" or an error text (missing, empty or unreadable file among them).
    std::string AddPicture(const std::string& path, bool linkToFile, bool saveWithDocument,
                           double left, double top, double width, double height,
                           ExcelShape& out);
    // The shapes anchored to the sheet's cells, pictures of the template included.
    std::vector<ExcelShape> Shapes() const;

    // The engine's workbook and this sheet's index in it (printing draws from them).
    const xls::Workbook* Book() const { return book_; }
    int Index() const { return sheet_; }

private:
    xls::Workbook* book_ = nullptr;
    int sheet_ = -1;
};

class ExcelWorkbook {
public:
    explicit ExcelWorkbook(xls::Workbook model) : model_(std::move(model)) {}

    // Worksheets(index): the index-th worksheet from 1; invalid when there is none.
    ExcelWorksheet Worksheets(int index);
    int WorksheetCount() const;
    // Saves in the given format (only kXlWorkbookNormal), through a temporary file.
    std::string SaveAs(const std::string& path, int fileFormat);

    xls::Workbook& Model() { return model_; }

private:
    xls::Workbook model_;
};

// One engine session, the counterpart of a started spreadsheet application.
class ExcelApplication {
public:
    // Checks that the engine works by building, writing and reading back a workbook in
    // memory; "" or why it cannot work.
    std::string Start();
    // The version number the spreadsheet check compares with 11.
    int Version() const;

    // Workbooks.Open: a template opens as itself and is saved under another name later.
    std::string Open(const std::string& path, ExcelWorkbook*& out);
    // Workbooks.Add: a new workbook with one empty worksheet.
    ExcelWorkbook& Add();
    // Closes the workbook without saving; the pointer is invalid afterwards.
    void Close(ExcelWorkbook* workbook);
    // Closes every workbook.
    void Quit();
    size_t OpenCount() const { return workbooks_.size(); }

private:
    std::list<std::unique_ptr<ExcelWorkbook>> workbooks_;
};

// The spreadsheet check of start-up: starts an engine session, takes its version and quits it.
// Returns the version (11), or 0 with `error` saying why the engine cannot start.
int GetSpreadsheetVersion(std::string& error);

// Rows and columns of the used range.
int GetUsedRowCount(const ExcelWorksheet& sheet);
int GetUsedColumnCount(const ExcelWorksheet& sheet);
// The last row and column holding a value or an error value, scanning whole rows from the
// used range's last row up to row 2 and whole columns from its last column back to column 2;
// the used counts stay when nothing is found, so the results are at least 1.
void FindLastRowAndColumn(const ExcelWorksheet& sheet, int& lastRow, int& lastColumn);
// "A".."Z", "AA".."ZZ" for 1..702; "" outside that.
std::string ColumnLetter(int column);

}  // namespace quillbat
