// The window on a screen of device pixel ratio 2 (this program runs with QT_SCALE_FACTOR=2): it
// scales as a whole, presses at window coordinates land on the right segments, and every outline
// is exactly two device pixels of solid black, with no blended pixels at its edges.
#include "support/layout_oracle.h"
#include "support/shift_chain.h"
#include "window/main_form_fixture.h"

#include <QImage>

namespace {

constexpr int Ratio = 2;

using HighDpiTest = MainFormTest;

// Every device pixel of a segment drawn at ratio 2: a 2-pixel band of the pen colour, then the
// fill; and the ring of pixels just outside it is the form's colour.
void ExpectCrispSegment(const QImage& image, const QRect& logical, QRgb fill, int segment)
{
    const QRect device(logical.topLeft() * Ratio, logical.size() * Ratio);
    const QRect interior = device.adjusted(Ratio, Ratio, -Ratio, -Ratio);
    int wrong = 0;
    for (int y = device.top() - 1; y <= device.bottom() + 1; ++y)
        for (int x = device.left() - 1; x <= device.right() + 1; ++x) {
            const QRgb expected = !device.contains(x, y) ? qRgb(240, 240, 240)
                                  : interior.contains(x, y) ? fill : qRgb(0, 0, 0);
            wrong += (image.pixel(x, y) & 0xFFFFFF) != (expected & 0xFFFFFF);
        }
    EXPECT_EQ(wrong, 0) << "segment " << segment << " has " << wrong << " wrong device pixels";
}

TEST_F(HighDpiTest, TheWindowScalesAsAWhole)
{
    ASSERT_EQ(form->devicePixelRatio(), Ratio) << "run with QT_SCALE_FACTOR=2";
    EXPECT_EQ(QSize(form->ClientWidth(), form->ClientHeight()), QSize(795, 321));
    const QImage image = form->Client().grab().toImage();
    EXPECT_EQ(image.size(), form->Client().size() * Ratio);
}

TEST_F(HighDpiTest, PressesLandOnTheRightSegmentsAndOutlinesStayCrisp)
{
    // Every odd-numbered segment, the upper colon dot among them, which lights the lower one too.
    unsigned bits = 0;
    for (const auto& [segment, rect] : oracle::SegmentRects())
        if (segment % 2 == 1) {
            PressAt(rect.center());
            bits |= 1u << chain::ChainBitOf(segment);
        }
    PressAt({383, 120});  // one logical pixel left of the upper colon dot: nothing
    EXPECT_EQ(form->Edit1->Text(), oracle::TextOf(bits));

    const QImage image = form->Client().grab().toImage().convertToFormat(QImage::Format_RGB32);
    for (const auto& [segment, rect] : oracle::SegmentRects()) {
        const bool on = segment % 2 == 1 || segment == 32 || segment == 33;
        EXPECT_EQ(Segment(segment).Brush()->Color(), on ? clBlack : clWhite) << segment;
        ExpectCrispSegment(image, rect, on ? qRgb(0, 0, 0) : qRgb(255, 255, 255), segment);
    }
}

}  // namespace
