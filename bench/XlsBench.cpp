// The engine's two heavy uses: filling a scorecard-sized template through its names and
// saving it, and writing and reading back a large flat table.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "workbooks/ExcelProcs.h"
#include "xls/ByteIo.h"
#include "xls/Fills.h"

namespace {

using namespace quillbat;

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("quillbat-bench-" + name)).string();
}

// The test template grown to a scorecard's size: 60 one-cell names and a 45 x 20 grid of
// bordered, partly filled cells.
std::string MakeScorecardTemplate() {
    xls::Workbook book;
    xls::OpenWorkbookFile(std::string(QUILLBAT_XLS_TEST_DATA) + "/template.xlt", book);
    for (int i = 0; i < 60; ++i) {
        xls::DefinedName name;
        name.name = "field" + std::to_string(i);
        std::string ref = {0x3A};
        xls::PutU16(ref, 0);
        xls::PutU16(ref, static_cast<uint16_t>(14 + i / 10));
        xls::PutU16(ref, static_cast<uint16_t>(i % 10));
        name.formula = ref;
        book.names.push_back(name);
    }
    xls::Sheet& sheet = book.sheets[0];
    for (int r = 14; r < 60; ++r)
        for (int c = 0; c < 20; ++c) sheet.CellForWrite(r, c).xf = 22;
    xls::SetFillColorIndex(book, 0, {20, 30, 0, 19}, 15);
    std::string path = TempPath("scorecard.xlt");
    xls::SaveWorkbookFile(book, path);
    return path;
}

void BM_FillScorecardTemplate(benchmark::State& state) {
    std::string templatePath = MakeScorecardTemplate();
    std::string output = TempPath("scorecard.xls");
    for (auto _ : state) {
        ExcelApplication app;
        ExcelWorkbook* book = nullptr;
        if (!app.Open(templatePath, book).empty()) state.SkipWithError("cannot open the template");
        ExcelWorksheet sheet = book->Worksheets(1);
        for (int i = 0; i < 60; ++i)
            sheet.Range("field" + std::to_string(i))
                .SetValue(i % 2 ? "Player " + std::to_string(i) : ".2" + std::to_string(i));
        sheet.SetCenterFooter("Data: gameday, fangraphs.com");
        sheet.SetFooterMargin(0.25);
        sheet.SelectA1();
        if (!book->SaveAs(output, kXlWorkbookNormal).empty()) state.SkipWithError("cannot save");
        app.Quit();
    }
    std::filesystem::remove(templatePath);
    std::filesystem::remove(output);
}
BENCHMARK(BM_FillScorecardTemplate)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(5)
    ->ReportAggregatesOnly(true);

// 5,000 rows by 200 columns, the way an XML file's flat table looks: repeated attribute
// texts, ids and numbers; saved, opened again and read row by row as the table readers do.
void BM_FlatTableWriteAndRead(benchmark::State& state) {
    std::string path = TempPath("flat.xls");
    for (auto _ : state) {
        ExcelApplication app;
        ExcelWorkbook& book = app.Add();
        xls::Sheet& sheet = book.Model().sheets[0];
        for (int c = 0; c < 200; ++c)
            sheet.SetValue(0, c, xls::CellValue::FromText("attribute" + std::to_string(c)));
        for (int r = 1; r < 5000; ++r) {
            for (int c = 0; c < 200; ++c) {
                if (c % 3 == 0)
                    sheet.SetValue(r, c, xls::CellValue::FromNumber(r * 0.5 + c));
                else if (c % 3 == 1)
                    sheet.SetValue(r, c,
                                   xls::CellValue::FromText("id" + std::to_string(r * 7 + c)));
                else
                    sheet.SetValue(r, c, xls::CellValue::FromText(c % 2 ? "Final" : "Y"));
            }
        }
        if (!book.SaveAs(path, kXlWorkbookNormal).empty()) state.SkipWithError("cannot save");
        app.Close(&book);  // as the conversion does before the table is read
        ExcelWorkbook* back = nullptr;
        if (!app.Open(path, back).empty()) state.SkipWithError("cannot open");
        ExcelWorksheet table = back->Worksheets(1);
        int lastRow = 0, lastColumn = 0;
        FindLastRowAndColumn(table, lastRow, lastColumn);
        if (lastRow != 5000 || lastColumn != 200) state.SkipWithError("wrong table size");
        size_t texts = 0;
        for (int r = 1; r <= lastRow; ++r) {
            ValueArray row =
                table.Range("A" + std::to_string(r) + ":GR" + std::to_string(r)).Values();
            for (int c = 1; c <= row.Columns(); ++c)
                texts += row.At(1, c).kind == xls::ValueKind::Text;
        }
        if (texts != 200 + 4999 * 133) state.SkipWithError("wrong values read back");
    }
    std::filesystem::remove(path);
}
BENCHMARK(BM_FlatTableWriteAndRead)
    ->Unit(benchmark::kMillisecond)
    ->Repetitions(3)
    ->ReportAggregatesOnly(true);

}  // namespace
