// Random user input against an independent oracle: which rectangle a press lands in decides the
// expected picture, kept as 32 bits in the module's chain order.
#include "support/layout_oracle.h"
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

class Oracle {
public:
    void Press(QPoint at, int times)
    {
        for (const oracle::SegmentRect& target : targets_)
            if (target.rect.contains(at))
                for (int i = 0; i < times; ++i)
                    bits_ ^= 1u << chain::ChainBitOf(target.segment);
    }
    bool On(int segment) const { return (bits_ >> chain::ChainBitOf(segment)) & 1u; }
    std::string Text() const { return oracle::TextOf(bits_); }
    const std::vector<oracle::SegmentRect>& Targets() const { return targets_; }

private:
    std::vector<oracle::SegmentRect> targets_ = oracle::SegmentRects();
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
        Oracle model;
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
                const QRect rect = model.Targets()[std::size_t(pick(33))].rect;
                at = pick(2) ? QPoint(rect.left() + pick(rect.width()), rect.top() + pick(rect.height()))
                             : (pick(2) ? rect.topLeft() : rect.bottomRight());
            }
            if (kind < 7) {
                const Qt::MouseButton button = buttons[pick(5)];
                QTest::mouseClick(window, button, {}, at);
                if (button == Qt::LeftButton || button == Qt::RightButton || button == Qt::MiddleButton)
                    model.Press(at, 1);
            } else if (kind < 8) {
                QTest::mouseDClick(window, Qt::LeftButton, {}, at);
                model.Press(at, 2);
            } else {
                const auto& [key, modifiers] = keys[pick(9)];
                QTest::keyClick(window, key, modifiers);
            }
            // A right press on the edit opens its context menu, which would take the next press;
            // a user closes it with Escape, and so does the test.
            if (QWidget* popup = QApplication::activePopupWidget())
                QTest::keyClick(popup, Qt::Key_Escape);
            const std::string where = "seed " + std::to_string(seed) + ", event " + std::to_string(event);
            ASSERT_EQ(form->Edit1->Text(), model.Text()) << where;
            for (int segment = 1; segment <= 33; ++segment) {
                auto* shape = static_cast<TShape*>(form->FindComponent("Shape" + std::to_string(segment)));
                ASSERT_EQ(shape->Brush()->Color(), model.On(segment) ? clBlack : clWhite)
                    << where << ", Shape" << segment;
            }
        }
        Form1 = nullptr;
    }
    SetShellHandler(previous);
}

}  // namespace
