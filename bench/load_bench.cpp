// Loading a dictionary file: the shipped word lists and a generated 1,000,000-line one.
// Besides time, each reports the resident memory the loaded dictionary adds per entry.
#include <benchmark/benchmark.h>

#include <memory>

#include "bench/bench_support.h"

namespace {

void LoadFile(benchmark::State& state, const std::string& path) {
    double entries = 0;
    double residentPerEntry = 0;
    for (auto _ : state) {
        state.PauseTiming();
        const double before = static_cast<double>(ResidentBytes());
        state.ResumeTiming();
        auto dictionary = std::make_unique<CDictionary>(path.c_str());
        state.PauseTiming();
        entries = static_cast<double>(dictionary->Entries().size());
        residentPerEntry = (static_cast<double>(ResidentBytes()) - before) / entries;
        dictionary.reset(); // unmapping is not part of loading
        state.ResumeTiming();
    }
    if (entries < 2)
        state.SkipWithError("no dictionary at that path");
    state.counters["entries"] = entries;
    state.counters["resident_bytes_per_entry"] = residentPerEntry;
}

void BM_LoadDefaultDictionary(benchmark::State& state) {
    LoadFile(state, DefaultDictionaryPath());
}

// The larger lists: "more" (SCOWL size 70) and "game" (size 80).
void BM_LoadList(benchmark::State& state, const char* name) {
    LoadFile(state, ShippedListPath(name));
}

void BM_LoadMillionLines(benchmark::State& state) {
    LoadFile(state, GeneratedDictionaryPath());
}

} // namespace

BENCHMARK(BM_LoadDefaultDictionary)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadList, more, "more")->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_LoadList, game, "game")->Unit(benchmark::kMillisecond);
BENCHMARK(BM_LoadMillionLines)->Unit(benchmark::kMillisecond);
