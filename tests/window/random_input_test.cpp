// Random user input against an independent oracle: which rectangle a press lands in decides the
// expected picture, kept as 32 bits in the module's chain order.
#include "support/shift_chain.h"
#include "platform/shell.h"
#include "window/main_form.h"

#include <QApplication>
#include <QTest>
#include <gtest/gtest.h>

#include <cstdio>
#include <memory>
#include <random>

namespace {

struct Target {
    int segment;
    QRect rect;
};

// The segment rectangles as drawn, written out here from the layout's pattern.
std::vector<Target> SegmentRects()
{
    const int x0[] = {24, 208, 448, 632};
    const QRect pattern[] = {{0, 40, 17, 105},  {24, 24, 89, 17},   {120, 40, 17, 105}, {24, 144, 89, 17},
                             {0, 160, 17, 105}, {120, 160, 17, 105}, {24, 264, 89, 17}, {152, 264, 17, 17}};
    std::vector<Target> targets;
    for (int digit = 0; digit < 4; ++digit)
        for (int k = 0; k < (digit == 3 ? 7 : 8); ++k)
            targets.push_back({8 * digit + k + 1, pattern[k].translated(x0[digit], 0)});
    targets.push_back({32, {384, 184, 25, 25}});
    targets.push_back({33, {384, 112, 25, 25}});
    return targets;
}

class Oracle {
public:
    void Press(QPoint at, int times)
    {
        for (const Target& target : targets_)
            if (target.rect.contains(at))
                for (int i = 0; i < times; ++i)
                    bits_ ^= 1u << chain::ChainBitOf(target.segment);
    }
    bool On(int segment) const { return (bits_ >> chain::ChainBitOf(segment)) & 1u; }
    std::string Text() const
    {
        char text[12];
        std::snprintf(text, sizeof text, "%02X %02X %02X %02X", bits_ & 0xFF, (bits_ >> 8) & 0xFF,
                      (bits_ >> 16) & 0xFF, bits_ >> 24);
        return text;
    }
    const std::vector<Target>& Targets() const { return targets_; }

private:
    std::vector<Target> targets_ = SegmentRects();
    unsigned bits_ = 0;
};

int SeedCount()
{
    const QByteArray seeds = qgetenv("RANDOM_INPUT_SEEDS");
    return seeds.isEmpty() ? 20 : seeds.toInt();
}

TEST(RandomInput, WindowAgreesWithTheOracleAfterEveryEvent)
{
    constexpr int EventsPerSeed = 2000;
    const ShellHandler previous = SetShellHandler([](auto...) { return 42; });
    for (int seed = 1; seed <= SeedCount(); ++seed) {
        std::printf("seed %d\n", seed);
        std::fill(std::begin(LoadData), std::end(LoadData), 0);
        auto form = std::make_unique<TForm1>();
        form->LoadDescription(TForm1::StaticClassName, TForm1::Published);
        Form1 = form.get();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
        QWindow* window = form->windowHandle();
        Oracle oracle;
        std::mt19937 random{unsigned(seed)};
        auto pick = [&](int n) { return int(random() % unsigned(n)); };
        const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton, Qt::BackButton,
                                           Qt::ForwardButton};
        const std::pair<Qt::Key, Qt::KeyboardModifiers> keys[] = {
            {Qt::Key_A, Qt::ControlModifier}, {Qt::Key_C, Qt::ControlModifier}, {Qt::Key_V, Qt::ControlModifier},
            {Qt::Key_X, Qt::ControlModifier}, {Qt::Key_Delete, {}}, {Qt::Key_Backspace, {}}, {Qt::Key_Q, {}},
            {Qt::Key_7, {}}, {Qt::Key_Tab, {}}};

        for (int event = 0; event < EventsPerSeed; ++event) {
            const int kind = pick(10);
            QPoint at(pick(795), pick(321));
            if (kind < 4) {  // aim at a segment, often on its outline
                const QRect rect = oracle.Targets()[std::size_t(pick(33))].rect;
                at = pick(2) ? QPoint(rect.left() + pick(rect.width()), rect.top() + pick(rect.height()))
                             : (pick(2) ? rect.topLeft() : rect.bottomRight());
            }
            if (kind < 7) {
                const Qt::MouseButton button = buttons[pick(5)];
                QTest::mouseClick(window, button, {}, at);
                if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton)
                    oracle.Press(at, 1);
            } else if (kind < 8) {
                QTest::mouseDClick(window, Qt::LeftButton, {}, at);
                oracle.Press(at, 2);
            } else {
                const auto& [key, modifiers] = keys[pick(9)];
                QTest::keyClick(window, key, modifiers);
            }
            // A right press on the edit opens its context menu, which would take the next press;
            // a user closes it with Escape, and so does the test.
            if (QWidget* popup = QApplication::activePopupWidget())
                QTest::keyClick(popup, Qt::Key_Escape);
            const std::string where = "seed " + std::to_string(seed) + ", event " + std::to_string(event);
            ASSERT_EQ(form->Edit1->Text(), oracle.Text()) << where;
            for (int segment = 1; segment <= 33; ++segment) {
                auto* shape = static_cast<TShape*>(form->FindComponent("Shape" + std::to_string(segment)));
                ASSERT_EQ(shape->Brush()->Color(), oracle.On(segment) ? clBlack : clWhite)
                    << where << ", Shape" << segment;
            }
        }
        Form1 = nullptr;
    }
    SetShellHandler(previous);
}

}  // namespace
