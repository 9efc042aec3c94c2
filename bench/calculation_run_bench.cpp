#include <benchmark/benchmark.h>

#include "recording_sinks.h"

namespace tavrel {
namespace {

// One press of Calculate for the longest table, 80 rows (600 to 8500 mm).
void BM_CalculationRun80Rows(benchmark::State& state) {
    testing::MapInputs inputs;
    inputs.texts[InputBox::Text7] = "8500";
    testing::RecordingList list;
    testing::RecordingReport report;
    for (auto _ : state) {
        CalculationRun(inputs, list, report);
        benchmark::DoNotOptimize(list.rows.data());
    }
    if (list.rows.size() != 80) state.SkipWithError("expected 80 rows");
}
BENCHMARK(BM_CalculationRun80Rows);

}  // namespace
}  // namespace tavrel
