// The model's cost per click: one toggle and the new load-data text, over an in-memory set of
// fill colours (the window's brushes and their repaint are measured by the probe instead).
#include "model/display_model.h"
#include "model/memory_fills.h"  // the model tests' stand-in for the window

#include <benchmark/benchmark.h>

namespace {

void ToggleAndText(benchmark::State& state)
{
    MemoryFills fills;
    int segment = 0;
    for (auto _ : state) {
        segment = segment % SegmentCount + 1;
        ToggleSegment(fills, segment);
        benchmark::DoNotOptimize(LoadDataText());
    }
}
BENCHMARK(ToggleAndText);

}  // namespace

BENCHMARK_MAIN();
