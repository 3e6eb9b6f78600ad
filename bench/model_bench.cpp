// The model's cost per click: one toggle and the new load-data text, over an in-memory set of
// fill colours (the window's brushes and their repaint are measured by the probe instead).
#include "model/display_model.h"

#include <benchmark/benchmark.h>

#include <array>

namespace {

class Fills final : public SegmentFills {
public:
    TColor FillColor(int segment) const override { return colors_[std::size_t(segment - 1)]; }
    void SetFillColor(int segment, TColor color) override { colors_[std::size_t(segment - 1)] = color; }

private:
    std::array<TColor, SegmentCount> colors_ = [] {
        std::array<TColor, SegmentCount> all;
        all.fill(clWhite);
        return all;
    }();
};

void ToggleAndText(benchmark::State& state)
{
    Fills fills;
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
