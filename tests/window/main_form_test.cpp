#include "support/error_box.h"
#include "support/layout_oracle.h"
#include "support/shift_chain.h"
#include "platform/shell.h"
#include "window/main_form.h"
#include "window/main_form_fixture.h"

#include <QTest>
#include <gtest/gtest.h>

#include <memory>

namespace {

TEST_F(MainFormTest, EveryControlWhereTheLayoutPutsIt)
{
    EXPECT_EQ(form->Caption(), "Tarvo_Sekel_test");
    EXPECT_EQ(QPoint(form->Left(), form->Top()), QPoint(192, 107));
    EXPECT_EQ(QSize(form->ClientWidth(), form->ClientHeight()), QSize(795, 321));
    EXPECT_EQ(form->Color(), clBtnFace);

    for (const auto& [segment, rect] : oracle::SegmentRects())
        EXPECT_EQ(Bounds(Segment(segment)), rect) << segment;
    EXPECT_EQ(Bounds(*form->Edit1), QRect(448, 296, 97, 24));
    EXPECT_EQ(QPoint(form->Label1->Left(), form->Label1->Top()), QPoint(256, 296));
    EXPECT_EQ(QPoint(form->Label2->Left(), form->Label2->Top()), QPoint(16, 0));
    EXPECT_EQ(QPoint(form->Label3->Left(), form->Label3->Top()), QPoint(640, 304));

    EXPECT_EQ(form->Label1->Caption(), "Данные для загрузки:");
    EXPECT_EQ(form->Label2->Caption(), "Для выделения сегмента - щёлкните на него мышкой, чтобы отменить выделение - "
                                       "щёлкните ещё раз.");
    EXPECT_EQ(form->Label3->Caption().rfind("http://", 0), 0u);
    EXPECT_EQ(form->Edit1->Text(), "00 00 00 00");
    EXPECT_TRUE(form->Edit1->ReadOnly());
    for (int n = 1; n <= 33; ++n)
        EXPECT_EQ(Segment(n).Brush()->Color(), clWhite);
}

TEST_F(MainFormTest, NoTwoControlsOverlapAndAllFitTheWindow)
{
    const auto& controls = form->Controls();
    ASSERT_EQ(controls.size(), 37u);
    const QRect client(0, 0, 795, 321);
    for (std::size_t i = 0; i < controls.size(); ++i) {
        EXPECT_TRUE(client.contains(Bounds(*controls[i]))) << controls[i]->Name;
        for (std::size_t j = i + 1; j < controls.size(); ++j)
            EXPECT_FALSE(Bounds(*controls[i]).intersects(Bounds(*controls[j])))
                << controls[i]->Name << " overlaps " << controls[j]->Name;
    }
}

TEST_F(MainFormTest, EverySegmentTogglesItselfAndTheTextFollows)
{
    const Qt::MouseButton buttons[] = {Qt::LeftButton, Qt::RightButton, Qt::MiddleButton};
    for (int n = 1; n <= 33; ++n) {
        SCOPED_TRACE("Shape" + std::to_string(n));
        const Qt::MouseButton button = buttons[n % 3];
        PressSegment(n, button);
        EXPECT_EQ(form->Edit1->Text(), oracle::TextOf(1u << chain::ChainBitOf(n)));
        for (int other = 1; other <= 33; ++other) {
            const bool partner = n >= 32 && other >= 32;
            EXPECT_EQ(Segment(other).Brush()->Color(), other == n || partner ? clBlack : clWhite) << other;
        }
        PressSegment(n, button);
        EXPECT_EQ(form->Edit1->Text(), "00 00 00 00");
        EXPECT_EQ(Segment(n).Brush()->Color(), clWhite);
    }
}

TEST_F(MainFormTest, EitherColonDotSwitchesBoth)
{
    PressSegment(33);
    EXPECT_EQ(Segment(32).Brush()->Color(), clBlack);
    EXPECT_EQ(form->Edit1->Text(), "00 01 00 00");
    PressSegment(32);
    EXPECT_EQ(Segment(33).Brush()->Color(), clWhite);
    EXPECT_EQ(form->Edit1->Text(), "00 00 00 00");
}

TEST_F(MainFormTest, FocusStaysOnTheEditAndNothingElseChangesTheText)
{
    EXPECT_TRUE(form->Edit1->hasFocus());
    EXPECT_EQ(form->Edit1->selectedText(), "00 00 00 00");
    PressSegment(4);
    PressAt({form->Label1->Left() + 3, form->Label1->Top() + 3});
    PressAt({form->Label2->Left() + 3, form->Label2->Top() + 3});
    PressAt({5, 300});   // empty area
    PressAt({460, 305}); // the edit
    EXPECT_TRUE(form->Edit1->hasFocus());
    EXPECT_EQ(form->Edit1->Text(), "01 00 00 00");
    QTest::keyClicks(form->Edit1, "x1 ");
    QTest::keyClick(form->Edit1, Qt::Key_Backspace);
    QTest::keyClick(form->Edit1, Qt::Key_V, Qt::ControlModifier);
    EXPECT_EQ(form->Edit1->Text(), "01 00 00 00");
}

TEST_F(MainFormTest, LinkOpensItsCaptionOncePerClick)
{
    struct Call {
        HWND window;
        std::string operation, file;
        bool parameters, directory;
        int show;
    };
    std::vector<Call> calls;
    const ShellHandler previous = SetShellHandler([&](HWND w, const char* op, const char* file, const char* params,
                                                      const char* dir, int show) {
        calls.push_back({w, op, file, params != nullptr, dir != nullptr, show});
        return 42;
    });
    const QPoint link(form->Label3->Left() + 4, form->Label3->Top() + 4);
    PressAt(link);
    QTest::mouseDClick(form->windowHandle(), Qt::LeftButton, {}, link);
    PressAt(link, Qt::RightButton);
    form->Label3->SetCaption("http://changed.test/");
    PressAt({form->Label3->Left() + 4, form->Label3->Top() + 4});
    SetShellHandler(previous);

    ASSERT_EQ(calls.size(), 3u);
    for (const Call& call : calls) {
        EXPECT_EQ(call.window, form->Handle());
        EXPECT_EQ(call.operation, "open");
        EXPECT_FALSE(call.parameters);
        EXPECT_FALSE(call.directory);
        EXPECT_EQ(call.show, SW_RESTORE);
    }
    EXPECT_EQ(calls[0].file, calls[1].file);
    EXPECT_EQ(calls[2].file, "http://changed.test/");
    EXPECT_EQ(form->Edit1->Text(), "00 00 00 00");
}

}  // namespace

namespace {

TEST_F(MainFormTest, WithoutAUrlHandlerTheLinkFailsQuietlyAndTheWindowGoesOn)
{
    const QByteArray savedPath = qgetenv("PATH");
    qputenv("PATH", "/nonexistent");
    const auto boxes = CatchErrorBoxes([&] { PressAt({form->Label3->Left() + 4, form->Label3->Top() + 4}); });
    qputenv("PATH", savedPath);
    EXPECT_TRUE(boxes.empty());
    PressSegment(4);
    EXPECT_EQ(form->Edit1->Text(), "01 00 00 00");
}

TEST(MainFormLifetime, CreatingAndDestroyingTheFormLeavesNothingBehind)
{
    // Run under LeakSanitizer (the asan preset), a form that leaked a control would be reported.
    for (int i = 0; i < 50; ++i) {
        auto form = std::make_unique<TForm1>();
        form->LoadDescription(TForm1::StaticClassName, TForm1::Published);
        form->show();
    }
    for (int i = 0; i < 20; ++i) {
        auto form = std::make_unique<TForm1>();
        EXPECT_THROW(form->LoadDescription("object Form1: TForm1\n  object Shape1: TShape\n  end\nend\n", "BROKEN",
                                           TForm1::StaticClassName, TForm1::Published),
                     Exception);
    }
}

}  // namespace
