#include "display_model.h"

#include "platform/sysutils.h"

int LoadData[RegisterCount] = {0, 0, 0, 0};

namespace {
void CheckSegmentNumber(int N)
{
    if (N < 1 || N > SegmentCount)
        throw Exception("segment number " + std::to_string(N) + " is outside 1.." +
                        std::to_string(SegmentCount));
}

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
    CheckSegmentNumber(N);
    const SegmentBit& row = SegmentMap[std::size_t(N - 1)];
    // The colour is the state: it changes first, then the register follows it.
    if (!SegmentIsOn(fills.FillColor(N))) {
        PaintSegment(fills, N, clBlack);
        LoadData[row.Register] |= row.Mask;
    } else {
        PaintSegment(fills, N, clWhite);
        LoadData[row.Register] &= ~row.Mask & 0xFF;
    }
}

std::string SegmentName(int N)
{
    CheckSegmentNumber(N);
    if (N == ColonLowerDot)
        return "colon, lower dot";
    if (N == ColonUpperDot)
        return "colon, upper dot";
    // The screen numbers the segments digit by digit, eight each (the fourth digit has no point).
    static constexpr const char* positions[] = {"upper left", "top",         "upper right", "middle",
                                                "lower left", "lower right", "bottom",      "point"};
    return "digit " + std::to_string((N - 1) / 8 + 1) + ", " + positions[(N - 1) % 8];
}

std::string LoadDataText()
{
    return IntToHex(LoadData[0], 2) + " " + IntToHex(LoadData[1], 2) + " " +
           IntToHex(LoadData[2], 2) + " " + IntToHex(LoadData[3], 2);
}
