// Inputs a hostile server could send, at growing sizes: the time per input should grow with
// the input (linearly or n log n), not with its square.

#include <benchmark/benchmark.h>

#include "gameday/FlatTable.h"
#include "gameday/MasterScoreboard.h"
#include "sites/MarkupText.h"

namespace {

std::string Repeat(const std::string& piece, int times) {
    std::string out;
    for (int i = 0; i < times; ++i) out += piece;
    return out;
}

void ParseOrFail(benchmark::State& state, const std::string& xml) {
    for (auto _ : state) {
        quillbat::FlatTable table;
        benchmark::DoNotOptimize(quillbat::ParseFlatTable(xml, table));
    }
    state.counters["bytes"] = static_cast<double>(xml.size());
}

// 300 attributes on one element and N repeated elements: rows x columns cells.
void BM_FlatTableRowsTimesColumns(benchmark::State& state) {
    std::string attributes;
    for (int i = 0; i < 300; ++i) attributes += " a" + std::to_string(i) + "=''";
    ParseOrFail(state,
                "<r><h" + attributes + "/>" + Repeat("<e/>", static_cast<int>(state.range(0))) + "</r>");
}
BENCHMARK(BM_FlatTableRowsTimesColumns)->Arg(2000)->Arg(6000)->Arg(20000)->Unit(benchmark::kMillisecond);

// N distinct child element names under one parent.
void BM_FlatTableDistinctChildren(benchmark::State& state) {
    std::string xml = "<r>";
    for (int i = 0; i < state.range(0); ++i) xml += "<c" + std::to_string(i) + "/>";
    ParseOrFail(state, xml + "</r>");
}
BENCHMARK(BM_FlatTableDistinctChildren)->Arg(10000)->Arg(40000)->Unit(benchmark::kMillisecond);

// N columns of one name: N distinct elements, each with an attribute "id".
void BM_FlatTableEqualColumnNames(benchmark::State& state) {
    std::string xml = "<r>";
    for (int i = 0; i < state.range(0); ++i) xml += "<c" + std::to_string(i) + " id=''/>";
    ParseOrFail(state, xml + "</r>");
}
BENCHMARK(BM_FlatTableEqualColumnNames)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

void BM_RemoveSupTags(benchmark::State& state) {
    std::string page = Repeat("x<sup>1</sup>", static_cast<int>(state.range(0)));
    for (auto _ : state) benchmark::DoNotOptimize(quillbat::RemoveSupTags(page));
    state.counters["bytes"] = static_cast<double>(page.size());
}
BENCHMARK(BM_RemoveSupTags)->Arg(30000)->Arg(300000)->Unit(benchmark::kMillisecond);

// N games, every away city twice.
void BM_MarkDoubleHeaders(benchmark::State& state) {
    quillbat::GameTable games;
    for (int round = 0; round < 2; ++round)
        for (int c = 0; c < state.range(0) / 2; ++c)
            games.Set(quillbat::GameField::kAwayCity, games.AddRow(), "city" + std::to_string(c));
    for (auto _ : state) {
        quillbat::GameTable marked = games;
        quillbat::MarkDoubleHeaders(marked);
        benchmark::DoNotOptimize(marked);
    }
}
BENCHMARK(BM_MarkDoubleHeaders)->Arg(5000)->Arg(20000)->Unit(benchmark::kMillisecond);

}  // namespace
