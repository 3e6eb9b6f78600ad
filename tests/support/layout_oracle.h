// The segment rectangles and the load-data text, written out from the window's layout and the
// module's wiring, independent of the production code, for tests that check the window.
#pragma once

#include <QRect>

#include <cstdio>
#include <string>
#include <vector>

namespace oracle {

struct SegmentRect {
    int segment;
    QRect rect;
};

// Digit d starts at x0; its segments follow one pattern (f a b g e c d dp); digit 4 has no point.
inline std::vector<SegmentRect> SegmentRects()
{
    const int x0[] = {24, 208, 448, 632};
    const QRect pattern[] = {{0, 40, 17, 105},  {24, 24, 89, 17},   {120, 40, 17, 105}, {24, 144, 89, 17},
                             {0, 160, 17, 105}, {120, 160, 17, 105}, {24, 264, 89, 17}, {152, 264, 17, 17}};
    std::vector<SegmentRect> rects;
    for (int digit = 0; digit < 4; ++digit)
        for (int k = 0; k < (digit == 3 ? 7 : 8); ++k)
            rects.push_back({8 * digit + k + 1, pattern[k].translated(x0[digit], 0)});
    rects.push_back({32, {384, 184, 25, 25}});
    rects.push_back({33, {384, 112, 25, 25}});
    return rects;
}

// The text for the chain bits that are on, formatted here rather than by the model.
inline std::string TextOf(unsigned bits)
{
    char text[12];
    std::snprintf(text, sizeof text, "%02X %02X %02X %02X", bits & 0xFF, (bits >> 8) & 0xFF, (bits >> 16) & 0xFF,
                  bits >> 24);
    return text;
}

}  // namespace oracle
