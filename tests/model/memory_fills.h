// Segment fill colours held in memory, standing in for the window's shapes.
#pragma once

#include "model/display_model.h"

#include <array>

class MemoryFills : public SegmentFills {
public:
    MemoryFills() { colors.fill(clWhite); }
    TColor FillColor(int segment) const override { return colors.at(std::size_t(segment - 1)); }
    void SetFillColor(int segment, TColor color) override { colors.at(std::size_t(segment - 1)) = color; }

    std::array<TColor, SegmentCount> colors;
};
