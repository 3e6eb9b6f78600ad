#include "main_form.h"

#include "platform/shell.h"

#include <string>

TForm1* Form1 = nullptr;

const PublishedTable TForm1::Published = {
    {
        PUBLISHED_FIELD(TForm1, Shape1),
        PUBLISHED_FIELD(TForm1, Shape2),
        PUBLISHED_FIELD(TForm1, Shape3),
        PUBLISHED_FIELD(TForm1, Shape4),
        PUBLISHED_FIELD(TForm1, Shape5),
        PUBLISHED_FIELD(TForm1, Shape6),
        PUBLISHED_FIELD(TForm1, Shape7),
        PUBLISHED_FIELD(TForm1, Shape8),
        PUBLISHED_FIELD(TForm1, Shape9),
        PUBLISHED_FIELD(TForm1, Shape10),
        PUBLISHED_FIELD(TForm1, Shape11),
        PUBLISHED_FIELD(TForm1, Shape12),
        PUBLISHED_FIELD(TForm1, Shape13),
        PUBLISHED_FIELD(TForm1, Shape14),
        PUBLISHED_FIELD(TForm1, Shape15),
        PUBLISHED_FIELD(TForm1, Shape16),
        PUBLISHED_FIELD(TForm1, Shape17),
        PUBLISHED_FIELD(TForm1, Shape18),
        PUBLISHED_FIELD(TForm1, Shape19),
        PUBLISHED_FIELD(TForm1, Shape20),
        PUBLISHED_FIELD(TForm1, Shape21),
        PUBLISHED_FIELD(TForm1, Shape22),
        PUBLISHED_FIELD(TForm1, Shape23),
        PUBLISHED_FIELD(TForm1, Shape24),
        PUBLISHED_FIELD(TForm1, Shape25),
        PUBLISHED_FIELD(TForm1, Shape26),
        PUBLISHED_FIELD(TForm1, Shape27),
        PUBLISHED_FIELD(TForm1, Shape28),
        PUBLISHED_FIELD(TForm1, Shape29),
        PUBLISHED_FIELD(TForm1, Shape30),
        PUBLISHED_FIELD(TForm1, Shape31),
        PUBLISHED_FIELD(TForm1, Shape32),
        PUBLISHED_FIELD(TForm1, Shape33),
        PUBLISHED_FIELD(TForm1, Edit1),
        PUBLISHED_FIELD(TForm1, Label1),
        PUBLISHED_FIELD(TForm1, Label2),
        PUBLISHED_FIELD(TForm1, Label3),
    },
    {
        PUBLISHED_METHOD(TForm1, Shape1MouseDown),
        PUBLISHED_METHOD(TForm1, Shape2MouseDown),
        PUBLISHED_METHOD(TForm1, Shape3MouseDown),
        PUBLISHED_METHOD(TForm1, Shape4MouseDown),
        PUBLISHED_METHOD(TForm1, Shape5MouseDown),
        PUBLISHED_METHOD(TForm1, Shape6MouseDown),
        PUBLISHED_METHOD(TForm1, Shape7MouseDown),
        PUBLISHED_METHOD(TForm1, Shape8MouseDown),
        PUBLISHED_METHOD(TForm1, Shape9MouseDown),
        PUBLISHED_METHOD(TForm1, Shape10MouseDown),
        PUBLISHED_METHOD(TForm1, Shape11MouseDown),
        PUBLISHED_METHOD(TForm1, Shape12MouseDown),
        PUBLISHED_METHOD(TForm1, Shape13MouseDown),
        PUBLISHED_METHOD(TForm1, Shape14MouseDown),
        PUBLISHED_METHOD(TForm1, Shape15MouseDown),
        PUBLISHED_METHOD(TForm1, Shape16MouseDown),
        PUBLISHED_METHOD(TForm1, Shape17MouseDown),
        PUBLISHED_METHOD(TForm1, Shape18MouseDown),
        PUBLISHED_METHOD(TForm1, Shape19MouseDown),
        PUBLISHED_METHOD(TForm1, Shape20MouseDown),
        PUBLISHED_METHOD(TForm1, Shape21MouseDown),
        PUBLISHED_METHOD(TForm1, Shape22MouseDown),
        PUBLISHED_METHOD(TForm1, Shape23MouseDown),
        PUBLISHED_METHOD(TForm1, Shape24MouseDown),
        PUBLISHED_METHOD(TForm1, Shape25MouseDown),
        PUBLISHED_METHOD(TForm1, Shape26MouseDown),
        PUBLISHED_METHOD(TForm1, Shape27MouseDown),
        PUBLISHED_METHOD(TForm1, Shape28MouseDown),
        PUBLISHED_METHOD(TForm1, Shape29MouseDown),
        PUBLISHED_METHOD(TForm1, Shape30MouseDown),
        PUBLISHED_METHOD(TForm1, Shape31MouseDown),
        PUBLISHED_METHOD(TForm1, Shape32MouseDown),
        PUBLISHED_METHOD(TForm1, Shape33MouseDown),
        PUBLISHED_METHOD(TForm1, Label3Click),
    },
};

// A press with any of the left, right or middle buttons toggles the segment; where the press
// landed and which button it was do not matter.
void TForm1::Shape1MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(1); }
void TForm1::Shape2MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(2); }
void TForm1::Shape3MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(3); }
void TForm1::Shape4MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(4); }
void TForm1::Shape5MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(5); }
void TForm1::Shape6MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(6); }
void TForm1::Shape7MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(7); }
void TForm1::Shape8MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(8); }
void TForm1::Shape9MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(9); }
void TForm1::Shape10MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(10); }
void TForm1::Shape11MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(11); }
void TForm1::Shape12MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(12); }
void TForm1::Shape13MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(13); }
void TForm1::Shape14MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(14); }
void TForm1::Shape15MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(15); }
void TForm1::Shape16MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(16); }
void TForm1::Shape17MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(17); }
void TForm1::Shape18MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(18); }
void TForm1::Shape19MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(19); }
void TForm1::Shape20MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(20); }
void TForm1::Shape21MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(21); }
void TForm1::Shape22MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(22); }
void TForm1::Shape23MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(23); }
void TForm1::Shape24MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(24); }
void TForm1::Shape25MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(25); }
void TForm1::Shape26MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(26); }
void TForm1::Shape27MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(27); }
void TForm1::Shape28MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(28); }
void TForm1::Shape29MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(29); }
void TForm1::Shape30MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(30); }
void TForm1::Shape31MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(31); }
void TForm1::Shape32MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(32); }
void TForm1::Shape33MouseDown(TObject*, TMouseButton, TShiftState, int, int) { SegmentPressed(33); }

void TForm1::SegmentPressed(int segment)
{
    ToggleSegment(*this, segment);
    Form1->Edit1->SetText(LoadDataText());
}

void TForm1::Label3Click(TObject*)
{
    const std::string address = Form1->Label3->Caption();
    // Whether a browser opened is not reported: there is nothing the user could do about it here.
    ShellExecuteA(Form1->Handle(), "open", address.c_str(), nullptr, nullptr, SW_RESTORE);
}

void TForm1::Loaded()
{
    for (int segment = 1; segment <= SegmentCount; ++segment) {
        TShape& shape = SegmentShape(segment);
        shape.setAccessibleName(QString::fromStdString(SegmentName(segment)));
        shape.AccessibleChecked = [this, segment] { return SegmentIsOn(FillColor(segment)); };
    }
    // The box is named by the label in front of it, without the colon that only the eye needs.
    QString boxName = QString::fromStdString(Label1->Caption()).trimmed();
    if (boxName.endsWith(QLatin1Char(':')))
        boxName.chop(1);
    Edit1->setAccessibleName(boxName);
}

TShape& TForm1::SegmentShape(int segment) const
{
    auto* shape = dynamic_cast<TShape*>(FindComponent("Shape" + std::to_string(segment)));
    if (!shape)
        throw Exception("no segment control 'Shape" + std::to_string(segment) + "'");
    return *shape;
}

TColor TForm1::FillColor(int segment) const
{
    return SegmentShape(segment).Brush()->Color();
}

void TForm1::SetFillColor(int segment, TColor color)
{
    SegmentShape(segment).Brush()->SetColor(color);
}
