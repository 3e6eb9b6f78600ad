// A small form of the tests' own: one control of each class and one handler of each event type,
// recording every call.
#pragma once

#include "platform/forms.h"

#include <string>
#include <vector>

struct MouseCall {
    TObject* sender;
    TMouseButton button;
    TShiftState shift;
    int x, y;
};

class TTestForm : public TForm {
public:
    static constexpr const char* StaticClassName = "TTestForm";
    static const PublishedTable Published;
    const char* ClassName() const override { return StaticClassName; }

    TShape* Shape1 = nullptr;
    TLabel* Label1 = nullptr;
    TEdit* Edit1 = nullptr;

    void ShapeDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)
    {
        mouseCalls.push_back({Sender, Button, Shift, X, Y});
        if (throwNext) {
            throwNext = false;
            throw Exception("handler failed: <b>bold</b>");
        }
    }
    void LabelClick(TObject* Sender) { clicks.push_back(Sender); }

    std::vector<MouseCall> mouseCalls;
    std::vector<TObject*> clicks;
    bool throwNext = false;
};

inline const PublishedTable TTestForm::Published = {
    {PUBLISHED_FIELD(TTestForm, Shape1), PUBLISHED_FIELD(TTestForm, Label1), PUBLISHED_FIELD(TTestForm, Edit1)},
    {PUBLISHED_METHOD(TTestForm, ShapeDown), PUBLISHED_METHOD(TTestForm, LabelClick)},
};

// Its window description: client area 200 x 100, the shape with a gap around it.
inline const char* const TestFormDescription = R"(object TestForm: TTestForm
  Left = 10
  Top = 20
  Width = 208
  Height = 127
  Caption = 'Test ''form'''
  Color = clBtnFace
  object Shape1: TShape
    Left = 20
    Top = 10
    Width = 40
    Height = 30
    OnMouseDown = ShapeDown
  end
  object Label1: TLabel
    Left = 100
    Top = 10
    Caption = 'link'
    Font.Name = 'Courier New'
    Font.Height = -13
    Font.Style = [fsUnderline]
    ParentFont = False
    OnClick = LabelClick
  end
  object Edit1: TEdit
    Left = 20
    Top = 60
    Width = 97
    Height = 24
    ReadOnly = True
    TabOrder = 0
    Text = '00 00 00 00'
  end
end
)";
