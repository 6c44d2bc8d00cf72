// How fast the readers go through large pages: a status page of 100,000
// lines whose server lines stand at the end (the worst case for the search).
#include <benchmark/benchmark.h>

#include "monitor/PageReaders.h"
#include "monitor/SlotTable.h"
#include "tests/support/PanelModel.h"

namespace {

using namespace lookout;

std::string BigPage(std::size_t lines, const char* tail) {
    std::string page;
    for (std::size_t i = 0; i + kSlotCount < lines; ++i) page += "NoSuchServer" + std::to_string(i) + ",Good,1,2,3\r\n";
    for (const SlotDef& slot : kSlots) page += std::string(slot.key) + tail;
    return page;
}

void StatusPage100k(benchmark::State& state) {
    const std::string page = BigPage(100000, ",Good,1234,5000,17\r\n");
    PanelModel panel;
    for (auto _ : state) {
        ReadStatusPage(page, panel);
        benchmark::DoNotOptimize(panel);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
    state.counters["lines/s"] = benchmark::Counter(static_cast<double>(state.iterations()) * 100000,
                                                   benchmark::Counter::kIsRate);
}
BENCHMARK(StatusPage100k)->Unit(benchmark::kMillisecond);

void PartyPage100k(benchmark::State& state) {
    const std::string page = BigPage(100000, ",x,good,y,slow,z\r\n");
    PanelModel panel;
    for (auto _ : state) {
        ReadPartyPage(page, panel);
        benchmark::DoNotOptimize(panel);
    }
    state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * page.size()));
}
BENCHMARK(PartyPage100k)->Unit(benchmark::kMillisecond);

}  // namespace
