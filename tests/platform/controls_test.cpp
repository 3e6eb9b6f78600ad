#include "test_form.h"
#include "support/error_box.h"

#include <QScrollBar>
#include <QTest>
#include <QWheelEvent>
#include <gtest/gtest.h>

namespace {

class ControlsTest : public testing::Test {
protected:
    void SetUp() override
    {
        form.LoadDescription(TestFormDescription, "TTESTFORM", TTestForm::StaticClassName, TTestForm::Published);
        form.show();
        ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
        window = form.windowHandle();
    }

    // Presses go to the window, so Qt's own hit-testing decides which control gets them.
    void Press(Qt::MouseButton button, QPoint at) { QTest::mouseClick(window, button, {}, at); }

    TTestForm form;
    QWindow* window = nullptr;
};

TEST_F(ControlsTest, ShapeReportsLeftRightAndMiddlePressesOnly)
{
    struct Case {
        Qt::MouseButton button;
        int calls;
        TMouseButton reported;
    };
    const Case cases[] = {{Qt::LeftButton, 1, mbLeft},   {Qt::RightButton, 1, mbRight}, {Qt::MiddleButton, 1, mbMiddle},
                          {Qt::BackButton, 0, mbLeft},   {Qt::ForwardButton, 0, mbLeft}};
    for (const Case& c : cases) {
        form.mouseCalls.clear();
        Press(c.button, {25, 17});
        ASSERT_EQ(int(form.mouseCalls.size()), c.calls) << c.button;
        if (c.calls) {
            EXPECT_EQ(form.mouseCalls[0].button, c.reported);
            EXPECT_EQ(form.mouseCalls[0].sender, form.Shape1);
            EXPECT_EQ(form.mouseCalls[0].x, 5);
            EXPECT_EQ(form.mouseCalls[0].y, 7);
        }
    }
    form.mouseCalls.clear();
    QWheelEvent wheel({5, 5}, form.Shape1->mapToGlobal(QPointF(5, 5)), {}, {0, 120}, Qt::NoButton, {},
                      Qt::NoScrollPhase, false);
    QApplication::sendEvent(form.Shape1, &wheel);
    EXPECT_TRUE(form.mouseCalls.empty());
}

TEST_F(ControlsTest, OutlineBelongsToTheShapeAndGapsToNobody)
{
    const QPoint inside[] = {{20, 10}, {59, 10}, {20, 39}, {59, 39}};
    const QPoint outside[] = {{19, 10}, {60, 39}, {20, 9}, {59, 40}, {80, 45}, {150, 90}};
    for (QPoint at : inside) {
        form.mouseCalls.clear();
        Press(Qt::LeftButton, at);
        EXPECT_EQ(form.mouseCalls.size(), 1u) << at.x() << "," << at.y();
    }
    form.mouseCalls.clear();
    for (QPoint at : outside)
        Press(Qt::LeftButton, at);
    EXPECT_TRUE(form.mouseCalls.empty());
    EXPECT_TRUE(form.clicks.empty());
}

TEST_F(ControlsTest, DoubleClickIsTwoPressesOnAShapeAndOneClickOnALabel)
{
    QTest::mouseDClick(window, Qt::LeftButton, {}, {30, 20});
    ASSERT_EQ(form.mouseCalls.size(), 2u);
    EXPECT_FALSE(form.mouseCalls[0].shift.Contains(ssDouble));
    EXPECT_TRUE(form.mouseCalls[1].shift.Contains(ssDouble));
    QTest::mouseDClick(window, Qt::LeftButton, {}, {form.Label1->Left() + 2, form.Label1->Top() + 2});
    EXPECT_EQ(form.clicks.size(), 1u);
}

TEST_F(ControlsTest, LabelClicksOnlyOnLeftPressAndReleaseOverIt)
{
    const QPoint on(form.Label1->Left() + 2, form.Label1->Top() + 2);
    Press(Qt::RightButton, on);
    Press(Qt::MiddleButton, on);
    EXPECT_TRUE(form.clicks.empty());
    QTest::mousePress(window, Qt::LeftButton, {}, on);
    QTest::mouseRelease(window, Qt::LeftButton, {}, {190, 90});
    EXPECT_TRUE(form.clicks.empty());
    Press(Qt::LeftButton, on);
    ASSERT_EQ(form.clicks.size(), 1u);
    EXPECT_EQ(form.clicks[0], form.Label1);
}

TEST_F(ControlsTest, EditHasTheFocusWithItsTextSelectedAndKeysChangeNothing)
{
    ASSERT_TRUE(QTest::qWaitForWindowActive(&form));
    EXPECT_TRUE(form.Edit1->hasFocus());
    EXPECT_EQ(form.Edit1->selectedText(), "00 00 00 00");
    Press(Qt::LeftButton, {25, 17});
    Press(Qt::LeftButton, {form.Label1->Left() + 2, form.Label1->Top() + 2});
    EXPECT_TRUE(form.Edit1->hasFocus()) << "a shape or a label took the focus";

    // Copying is checked on the real clipboard by the end-to-end test: offscreen has none.
    QTest::keyClick(form.Edit1, Qt::Key_C, Qt::ControlModifier);
    EXPECT_EQ(form.Edit1->selectedText(), "00 00 00 00");
    QTest::keyClicks(form.Edit1, "ab");
    for (auto [key, modifiers] : {std::pair{Qt::Key_Delete, Qt::NoModifier}, std::pair{Qt::Key_Backspace, Qt::NoModifier},
                                  std::pair{Qt::Key_X, Qt::ControlModifier}, std::pair{Qt::Key_V, Qt::ControlModifier},
                                  std::pair{Qt::Key_Tab, Qt::NoModifier}})
        QTest::keyClick(form.Edit1, key, modifiers);
    EXPECT_EQ(form.Edit1->Text(), "00 00 00 00");
    EXPECT_TRUE(form.Edit1->hasFocus());
}

TEST_F(ControlsTest, BrushColourReadsBackAndPaintsAtOnce)
{
    for (TColor color : {clBlack, TColor(0x123456), clWhite}) {
        form.Shape1->Brush()->SetColor(color);
        EXPECT_EQ(form.Shape1->Brush()->Color(), color);
        const QImage image = form.Shape1->grab().toImage();
        EXPECT_EQ(image.pixelColor(20, 15), ToQColor(color)) << std::hex << color;
        EXPECT_EQ(image.pixelColor(0, 0), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(39, 29), QColor(Qt::black));
        EXPECT_EQ(image.pixelColor(1, 1), ToQColor(color));
    }
    EXPECT_EQ(ToQColor(TColor(0x123456)), QColor(0x56, 0x34, 0x12));
}

TEST_F(ControlsTest, HandlerExceptionIsShownAndTheLoopGoesOn)
{
    form.throwNext = true;
    const auto boxes = CatchErrorBoxes([&] { Press(Qt::LeftButton, {25, 17}); });
    ASSERT_EQ(boxes.size(), 1u);
    EXPECT_EQ(boxes[0].text, "handler failed: <b>bold</b>");
    EXPECT_EQ(boxes[0].title, "platform_tests");
    EXPECT_EQ(boxes[0].icon, QMessageBox::Critical);
    EXPECT_EQ(boxes[0].buttons, 1);
    Press(Qt::LeftButton, {25, 17});
    EXPECT_EQ(form.mouseCalls.size(), 2u);
}

TEST_F(ControlsTest, SmallWindowScrollsAndMovesNothing)
{
    EXPECT_FALSE(form.horizontalScrollBar()->isVisible());
    EXPECT_FALSE(form.verticalScrollBar()->isVisible());
    form.resize(60, 40);
    QTest::qWait(20);
    EXPECT_TRUE(form.horizontalScrollBar()->isVisible());
    EXPECT_TRUE(form.verticalScrollBar()->isVisible());
    form.resize(400, 300);
    QTest::qWait(20);
    EXPECT_FALSE(form.horizontalScrollBar()->isVisible());
    EXPECT_EQ(form.Shape1->Left(), 20);
    EXPECT_EQ(form.Shape1->Top(), 10);
    EXPECT_EQ(form.Shape1->mapTo(&form, QPoint(0, 0)), QPoint(20, 10));
}

}  // namespace
