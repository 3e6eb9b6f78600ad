// The editor window, built from its real description and shown on the offscreen platform, with
// pointer presses at window coordinates.
#pragma once

#include "window/main_form.h"

#include <QTest>
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>

class MainFormTest : public testing::Test {
protected:
    void SetUp() override
    {
        std::fill(std::begin(LoadData), std::end(LoadData), 0);
        form = std::make_unique<TForm1>();
        form->LoadDescription(TForm1::StaticClassName, TForm1::Published);
        Form1 = form.get();
        form->show();
        ASSERT_TRUE(QTest::qWaitForWindowActive(form.get()));
    }
    void TearDown() override { Form1 = nullptr; }

    TShape& Segment(int n) { return *dynamic_cast<TShape*>(form->FindComponent("Shape" + std::to_string(n))); }
    static QRect Bounds(const TControl& control)
    {
        return {control.Left(), control.Top(), control.Width(), control.Height()};
    }
    void PressAt(QPoint at, Qt::MouseButton button = Qt::LeftButton)
    {
        QTest::mouseClick(form->windowHandle(), button, {}, at);
    }
    void PressSegment(int n, Qt::MouseButton button = Qt::LeftButton) { PressAt(Bounds(Segment(n)).center(), button); }

    std::unique_ptr<TForm1> form;
};
