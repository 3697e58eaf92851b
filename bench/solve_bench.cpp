// Searching a loaded dictionary, results sorted, as the Solve button does.
#include <benchmark/benchmark.h>

#include <string>
#include <vector>

#include "bench/bench_support.h"

namespace {

void SolveIn(benchmark::State& state, const CDictionary& dictionary, const CString& selection) {
    std::size_t found = 0;
    for (auto _ : state) {
        std::vector<CString> results;
        dictionary.Solve(selection, results);
        found = results.size();
        benchmark::DoNotOptimize(results.data());
    }
    if (dictionary.Entries().size() < 2)
        state.SkipWithError("no dictionary loaded");
    state.counters["results"] = static_cast<double>(found);
}

// Every letter twenty times: every entry of four or more letters qualifies.
CString EveryLetterTwentyTimes() {
    CString selection;
    for (char letter = 'A'; letter <= 'Z'; ++letter)
        for (int i = 0; i < 20; ++i)
            selection += letter;
    return selection;
}

void BM_SolveDefault7(benchmark::State& state) {
    SolveIn(state, DefaultDictionary(), "AEINRST");
}

void BM_SolveDefault12(benchmark::State& state) {
    SolveIn(state, DefaultDictionary(), "ETAOINSHRDLU");
}

// The larger lists, "more" and "game", with the same selections.
void BM_SolveList(benchmark::State& state, const char* name, const char* selection) {
    SolveIn(state, ShippedList(name), selection);
}

void BM_SolveMillion12(benchmark::State& state) {
    SolveIn(state, GeneratedDictionary(), "ETAOINSHRDLU");
}

void BM_SolveDefaultEveryWord(benchmark::State& state) {
    SolveIn(state, DefaultDictionary(), EveryLetterTwentyTimes());
}

} // namespace

BENCHMARK(BM_SolveDefault7)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveDefault12)->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveList, more_7, "more", "AEINRST")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveList, more_12, "more", "ETAOINSHRDLU")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveList, game_7, "game", "AEINRST")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(BM_SolveList, game_12, "game", "ETAOINSHRDLU")->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SolveMillion12)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_SolveDefaultEveryWord)->Unit(benchmark::kMillisecond);
