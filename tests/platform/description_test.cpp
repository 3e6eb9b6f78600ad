#include "test_form.h"
#include "platform/form_description.h"

#include <gtest/gtest.h>

#include <memory>

namespace {

std::string Replaced(std::string text, const std::string& from, const std::string& to)
{
    const auto at = text.find(from);
    EXPECT_NE(at, std::string::npos) << "the fixture has no '" << from << "'";
    return at == std::string::npos ? text : text.replace(at, from.size(), to);
}

// Builds the test form from a description; returns the error message, or "" on success.
std::string BuildError(const std::string& text)
{
    auto form = std::make_unique<TTestForm>();
    try {
        form->LoadDescription(text, "TTESTFORM", TTestForm::StaticClassName, TTestForm::Published);
    } catch (const Exception& e) {
        return e.Message;
    }
    return "";
}

TEST(FormDescription, EveryFaultNamesItsPlaceAndName)
{
    const std::string good = TestFormDescription;
    const std::string editBlock = "  object Edit1: TEdit\n    Left = 20\n    Top = 60\n    Width = 97\n    Height = 24\n"
                                  "    ReadOnly = True\n    TabOrder = 0\n    Text = '00 00 00 00'\n  end\n";
    struct Case {
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {good, ""},
        {Replaced(good, "  Color = clBtnFace", "  Colour = clBtnFace"),
         "TTESTFORM:7:3: unknown property 'Colour' of TTestForm 'TestForm'"},
        {Replaced(good, "    Top = 10\n    Width = 40", "    Colour = 10\n    Width = 40"),
         "TTESTFORM:10:5: unknown property 'Colour' of TShape 'Shape1'"},
        {Replaced(good, "ParentFont", "Parentfont"), "TTESTFORM:22:5: unknown property 'Parentfont' of TLabel 'Label1'"},
        {Replaced(good, "= clBtnFace", "= clBtnface"), "TTESTFORM:7:11: unknown colour 'clBtnface'"},
        {Replaced(good, "Shape1: TShape", "Shape1: TShap"), "TTESTFORM:8:3: unknown class 'TShap' of 'Shape1'"},
        {Replaced(good, "= ShapeDown", "= ShapeDwn"),
         "TTESTFORM:13:19: unknown method 'ShapeDwn' for 'OnMouseDown' of TShape 'Shape1'"},
        {Replaced(good, "= ShapeDown", "= LabelClick"),
         "TTESTFORM:13:19: method 'LabelClick' is a TNotifyEvent, but 'OnMouseDown' of TShape 'Shape1' needs a "
         "TMouseEvent"},
        {Replaced(good, "= LabelClick", "= ShapeDown"),
         "TTESTFORM:23:15: method 'ShapeDown' is a TMouseEvent, but 'OnClick' of TLabel 'Label1' needs a "
         "TNotifyEvent"},
        {Replaced(good, "object Edit1", "object Edit2"), "TTESTFORM:25:3: no published field 'Edit2' in TTestForm"},
        {Replaced(good, "Label1: TLabel", "Label1: TEdit"), "TTESTFORM:15:3: field 'Label1' is a TLabel, not a TEdit"},
        {Replaced(good, "object Edit1", "object Shape1"), "TTESTFORM:25:3: duplicate name 'Shape1' (first at 8:3)"},
        {Replaced(good, editBlock, ""), "TTESTFORM:1:1: published field 'Edit1' of TTestForm is not in the description"},
        {Replaced(good, "TestForm: TTestForm", "TestForm: TForm1"),
         "TTESTFORM:1:1: the description is of class 'TForm1', not 'TTestForm'"},
        {Replaced(good, "    OnMouseDown = ShapeDown\n", "    OnMouseDown = ShapeDown\n    object Inner: TShape\n    end\n"),
         "TTESTFORM:14:5: TShape 'Shape1' cannot hold controls"},
        {Replaced(good, "fsUnderline", "fsUnderlined"), "TTESTFORM:21:19: unknown font style 'fsUnderlined'"},
        {Replaced(good, "ReadOnly = True", "ReadOnly = Yes"),
         "TTESTFORM:30:16: 'ReadOnly' of TEdit 'Edit1' needs True or False, not 'Yes'"},
        {Replaced(good, "Width = 97", "Width = '97'"), "TTESTFORM:28:13: 'Width' of TEdit 'Edit1' needs an integer"},
        {Replaced(good, "Width = 40", "Width = -40"), "TTESTFORM:11:13: 'Width' of TShape 'Shape1' must be 0..32767"},
        // Syntax faults, found by the parser before anything is built.
        {Replaced(good, "Left = 100", "Left 100"), "TTESTFORM:16:10: expected '=' after 'Left', found '1'"},
        {Replaced(good, "Left = 10\n", "Left = #10\n"), "TTESTFORM:2:10: expected a value for 'Left', found '#'"},
        {Replaced(good, "'link'", "'link"), "TTESTFORM:18:15: string not closed on its line"},
        {Replaced(good, "'link'", "'li\xFF'"), "TTESTFORM:18:18: invalid UTF-8 in a string"},
        {Replaced(good, "Top = 60", "Top = 99999999999"), "TTESTFORM:27:11: integer out of the 32-bit range"},
        {Replaced(good, "Top = 60", "Top = 60px"), "TTESTFORM:27:13: unexpected 'p' after a number"},
        {Replaced(good, "[fsUnderline]", "[fsUnderline fsBold]"),
         "TTESTFORM:21:31: expected ',' or ']' in a set, found 'f'"},
        {Replaced(good, "  end\nend\n", "  end\n"), "TTESTFORM:34:1: 'end' missing for 'TestForm' opened at 1:1"},
        {good + "end\n", "TTESTFORM:35:1: unexpected text after the end of 'TestForm'"},
        {"", "TTESTFORM:1:1: expected 'object', found the end of the text"},
        {"object : TTestForm\nend\n", "TTESTFORM:1:8: expected a name after 'object', found ':'"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(BuildError(c.text), c.expected) << c.text;
}

TEST(FormDescription, ValuesOfEveryKind)
{
    const FormObject root = ParseFormDescription(
        "object A: TB\n  P.Q = -2147483648\n  S = 'It''s \xD0\xB6'\n  I = True\n  E = []\n  F = [x, y]\n  "
        "M = +7\nend", "R");
    ASSERT_EQ(root.properties.size(), 6u);
    EXPECT_EQ(root.properties[0].name, "P.Q");
    EXPECT_EQ(root.properties[0].value.integer, INT32_MIN);
    EXPECT_EQ(root.properties[1].value.text, "It's \xD0\xB6");
    EXPECT_EQ(root.properties[2].value.kind, FormValue::Kind::Identifier);
    EXPECT_TRUE(root.properties[3].value.items.empty());
    ASSERT_EQ(root.properties[4].value.items.size(), 2u);
    EXPECT_EQ(root.properties[4].value.items[1].text, "y");
    EXPECT_EQ(root.properties[4].value.items[1].pos.Column, 11);
    EXPECT_EQ(root.properties[5].value.integer, 7);
}

TEST(FormDescription, NestingIsBoundedInsteadOfExhaustingTheStack)
{
    std::string deep;
    for (int i = 0; i < 100000; ++i)
        deep += "object A: T\n";
    try {
        ParseFormDescription(deep, "DEEP");
        FAIL() << "no error";
    } catch (const Exception& e) {
        EXPECT_EQ(e.Message, "DEEP:33:1: objects nested deeper than 32 levels");
    }
}

TEST(FormDescription, BuildsWhatItDescribes)
{
    TTestForm form;
    form.LoadDescription(TestFormDescription, "TTESTFORM", TTestForm::StaticClassName, TTestForm::Published);
    EXPECT_EQ(form.Name, "TestForm");
    EXPECT_EQ(form.Caption(), "Test 'form'");
    EXPECT_EQ(form.Left(), 10);
    EXPECT_EQ(form.Top(), 20);
    EXPECT_EQ(form.ClientWidth(), 200);
    EXPECT_EQ(form.ClientHeight(), 100);
    EXPECT_EQ(form.Width(), 208);
    EXPECT_EQ(form.Height(), 127);
    ASSERT_NE(form.Shape1, nullptr);
    EXPECT_EQ(form.Shape1->Name, "Shape1");
    EXPECT_EQ(form.Shape1->Brush()->Color(), clWhite);
    EXPECT_EQ(form.Shape1->Pen()->Color(), clBlack);
    EXPECT_EQ(form.Shape1->Pen()->Width(), 1);
    EXPECT_EQ(QRect(form.Shape1->Left(), form.Shape1->Top(), form.Shape1->Width(), form.Shape1->Height()),
              QRect(20, 10, 40, 30));
    EXPECT_EQ(form.Label1->Caption(), "link");
    EXPECT_FALSE(form.Label1->ParentFont());
    EXPECT_EQ(form.Label1->EffectiveFont().Name(), "Courier New");
    EXPECT_TRUE(form.Label1->EffectiveFont().Style().Contains(fsUnderline));
    EXPECT_TRUE(form.Edit1->ParentFont());
    EXPECT_EQ(form.Edit1->Text(), "00 00 00 00");
    EXPECT_TRUE(form.Edit1->ReadOnly());
    EXPECT_EQ(form.FindComponent("Edit1"), form.Edit1);
    EXPECT_EQ(form.FindComponent("Edit2"), nullptr);
    EXPECT_FALSE(form.isVisible());
}

}  // namespace
