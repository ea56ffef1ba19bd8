// Drawing printed pages: a scorecard-sized sheet with a logo to PDF and to page images, and a
// long table that runs over many pages to PDF.

#include <benchmark/benchmark.h>

#include <filesystem>
#include <string>

#include "workbooks/ExcelProcs.h"
#include "xls/PageOutput.h"
#include "xls/PrintLayout.h"

namespace {

using namespace quillbat;

const std::string kData = QUILLBAT_XLS_TEST_DATA;

std::string TempPath(const std::string& name) {
    return (std::filesystem::temp_directory_path() / ("quillbat-bench-" + name)).string();
}

// The test template with its logo and a 45 x 20 grid of bordered numbers and names.
void FillScorecard(ExcelApplication& app, ExcelWorkbook*& book) {
    if (!app.Open(kData + "/template.xlt", book).empty()) return;
    ExcelWorksheet sheet = book->Worksheets(1);
    ExcelRange logo = sheet.Range("TeamLogo");
    ExcelShape shape;
    sheet.AddPicture(kData + "/logo.gif", false, true, logo.Left(), logo.Top(), logo.Width(),
                     logo.Height(), shape);
    xls::Sheet& model = book->Model().sheets[0];
    for (int r = 14; r < 60; ++r)
        for (int c = 0; c < 20; ++c) {
            model.CellForWrite(r, c).xf = 22;
            model.SetValue(r, c, c % 2 ? xls::CellValue::FromText("Player " + std::to_string(r))
                                       : xls::CellValue::FromNumber(r * 0.013));
        }
    sheet.SetCenterFooter("Data: gameday, fangraphs.com");
}

void BM_ScorecardToPdf(benchmark::State& state) {
    xls::EnsureGuiApplication();
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    FillScorecard(app, book);
    if (!book) return state.SkipWithError("cannot open the template");
    std::string pdf = TempPath("scorecard.pdf");
    for (auto _ : state)
        if (!xls::SaveSheetAsPdf(book->Model(), 0, pdf).empty()) state.SkipWithError("cannot write");
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_ScorecardToPdf)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

void BM_ScorecardToImagesAt150Dpi(benchmark::State& state) {
    xls::EnsureGuiApplication();
    ExcelApplication app;
    ExcelWorkbook* book = nullptr;
    FillScorecard(app, book);
    if (!book) return state.SkipWithError("cannot open the template");
    for (auto _ : state) {
        std::vector<QImage> pages;
        if (!xls::RenderPageImages(book->Model(), 0, 150, pages).empty()) state.SkipWithError("cannot draw");
        benchmark::DoNotOptimize(pages);
    }
}
BENCHMARK(BM_ScorecardToImagesAt150Dpi)->Unit(benchmark::kMillisecond)->Repetitions(5)->ReportAggregatesOnly(true);

// 3,000 rows by 12 columns of text and numbers, over many pages.
void BM_LongTableToPdf(benchmark::State& state) {
    xls::EnsureGuiApplication();
    ExcelApplication app;
    ExcelWorkbook& book = app.Add();
    xls::Sheet& sheet = book.Model().sheets[0];
    for (int r = 0; r < 3000; ++r)
        for (int c = 0; c < 12; ++c)
            sheet.SetValue(r, c, c % 2 ? xls::CellValue::FromText("id" + std::to_string(r * 7 + c))
                                       : xls::CellValue::FromNumber(r * 0.5 + c));
    std::string pdf = TempPath("table.pdf");
    for (auto _ : state)
        if (!xls::SaveSheetAsPdf(book.Model(), 0, pdf).empty()) state.SkipWithError("cannot write");
    state.counters["pages"] = static_cast<double>(xls::LayOutPrint(book.Model(), 0).pages.size());
    std::filesystem::remove(pdf);
}
BENCHMARK(BM_LongTableToPdf)->Unit(benchmark::kMillisecond)->Repetitions(3)->ReportAggregatesOnly(true);

}  // namespace
