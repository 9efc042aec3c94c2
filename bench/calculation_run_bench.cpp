#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "recording_sinks.h"
#include "report_file.h"

namespace tavrel {
namespace {

testing::MapInputs EightyRows(int saveBox) {
    testing::MapInputs inputs(testing::DefaultTexts(), saveBox);
    inputs.texts[InputBox::Text7] = "8500";  // the longest table: 600 to 8500 mm
    return inputs;
}

// One press of Calculate, the rows recorded, no report.
void BM_CalculationRun80Rows(benchmark::State& state) {
    const testing::MapInputs inputs = EightyRows(0);
    testing::RecordingList list;
    testing::RecordingReport report;
    for (auto _ : state) {
        CalculationRun(inputs, list, report);
        benchmark::DoNotOptimize(list.rows.data());
    }
    if (list.rows.size() != 80) state.SkipWithError("expected 80 rows");
}
BENCHMARK(BM_CalculationRun80Rows);

// The same run with the report laid out and encoded in code page 936 into memory.
void BM_CalculationRunWithReport80Rows(benchmark::State& state) {
    const testing::MapInputs inputs = EightyRows(1);
    testing::RecordingList list;
    std::string bytes;
    ReportFile report(ReportEncoding::Cp936, [&bytes] {
        bytes.clear();
        return std::make_unique<StringOutput>(bytes);
    });
    for (auto _ : state) {
        CalculationRun(inputs, list, report);
        benchmark::DoNotOptimize(bytes.data());
    }
    if (list.rows.size() != 80 || bytes.empty()) state.SkipWithError("expected 80 rows and a report");
}
BENCHMARK(BM_CalculationRunWithReport80Rows);

}  // namespace
}  // namespace tavrel
