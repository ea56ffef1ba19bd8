// The flat table of the largest real master scoreboard, built and then read back the way the
// readers read it: the header row, then every cell.

#include <benchmark/benchmark.h>

#include "gameday/XmlToWorkbook.h"
#include "platform/FileSystem.h"

namespace {

const std::string kScoreboard =
    std::string(QUILLBAT_TEST_DATA) + "/gameday/year_2017/month_04/day_07/master_scoreboard.xml";

std::size_t ReadBack(const quillbat::FlatTable& table) {
    std::size_t characters = 0;
    for (const std::string& name : table.columns) characters += name.size();
    for (int row = 0; row < static_cast<int>(table.rows.size()); ++row) {
        for (int column = 0; column < static_cast<int>(table.columns.size()); ++column) {
            characters += table.Cell(row, column).size();
        }
    }
    return characters;
}

void BM_ScoreboardFromFile(benchmark::State& state) {
    for (auto _ : state) {
        quillbat::FlatTable table;
        if (!quillbat::ReadXmlFlatTable(kScoreboard, table).empty()) {
            state.SkipWithError("cannot read the scoreboard");
            return;
        }
        benchmark::DoNotOptimize(ReadBack(table));
    }
}
BENCHMARK(BM_ScoreboardFromFile)->Unit(benchmark::kMillisecond);

void BM_ScoreboardFromMemory(benchmark::State& state) {
    std::string xml;
    quillbat::ReadWholeFile(kScoreboard, xml);
    for (auto _ : state) {
        quillbat::FlatTable table;
        quillbat::ParseFlatTable(xml, table);
        benchmark::DoNotOptimize(ReadBack(table));
    }
    quillbat::FlatTable table;
    quillbat::ParseFlatTable(xml, table);
    state.counters["rows"] = static_cast<double>(table.rows.size());
    state.counters["columns"] = static_cast<double>(table.columns.size());
}
BENCHMARK(BM_ScoreboardFromMemory)->Unit(benchmark::kMillisecond);

}  // namespace
