// The display model: the four load registers, the toggle that a click on a segment performs, and
// the text the user loads into the module.
#pragma once

#include "segment_map.h"
#include "platform/graphics.h"

#include <string>

// The bytes to load into the module, element 0 first. Only bits 0..7 are ever set.
extern int LoadData[RegisterCount];

// The segment state lives in the fill colour each segment control is painted with; the model
// reads and writes it through this interface and keeps no copy of its own.
class SegmentFills {
public:
    virtual TColor FillColor(int segment) const = 0;
    virtual void SetFillColor(int segment, TColor color) = 0;

protected:
    ~SegmentFills() = default;
};

// A segment is on when its fill is anything but white.
constexpr bool SegmentIsOn(TColor fill) { return fill != clWhite; }

// How a segment is called for people who cannot see it, e.g. "digit 1, top" or "colon, upper
// dot". Throws Exception for a number outside 1..33.
std::string SegmentName(int N);

// Switches segment N (1..33) to its other state: white turns black and sets its bit, any other
// colour turns white and clears it. Either colon dot switches both. Throws Exception, changing
// nothing, for a number outside 1..33.
void ToggleSegment(SegmentFills& fills, int N);

// "00 00 00 00": the four registers as upper-case hex bytes, element 0 first.
std::string LoadDataText();
