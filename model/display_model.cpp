#include "display_model.h"

#include "platform/sysutils.h"

int LoadData[RegisterCount] = {0, 0, 0, 0};

namespace {
void PaintSegment(SegmentFills& fills, int N, TColor color)
{
    if (N == ColonLowerDot || N == ColonUpperDot) {
        fills.SetFillColor(ColonLowerDot, color);
        fills.SetFillColor(ColonUpperDot, color);
    } else {
        fills.SetFillColor(N, color);
    }
}
}  // namespace

void ToggleSegment(SegmentFills& fills, int N)
{
    if (N < 1 || N > SegmentCount)
        throw Exception("segment number " + std::to_string(N) + " is outside 1.." +
                        std::to_string(SegmentCount));
    const SegmentBit& row = SegmentMap[std::size_t(N - 1)];
    // The colour is the state: it changes first, then the register follows it.
    if (fills.FillColor(N) == clWhite) {
        PaintSegment(fills, N, clBlack);
        LoadData[row.Register] |= row.Mask;
    } else {
        PaintSegment(fills, N, clWhite);
        LoadData[row.Register] &= ~row.Mask & 0xFF;
    }
}

std::string LoadDataText()
{
    return IntToHex(LoadData[0], 2) + " " + IntToHex(LoadData[1], 2) + " " +
           IntToHex(LoadData[2], 2) + " " + IntToHex(LoadData[3], 2);
}
