// The editor's one window: the 33 segments of the display module, the instruction line, the
// load-data box and the link to the publisher. Its layout comes from the window description
// TFORM1; its handlers turn presses into toggles of the display model.
#pragma once

#include "model/display_model.h"
#include "platform/forms.h"

class TForm1 : public TForm, public SegmentFills {
public:
    static constexpr const char* StaticClassName = "TForm1";
    static const PublishedTable Published;
    const char* ClassName() const override { return StaticClassName; }

    // Published fields, filled by the window description.
    TShape *Shape1, *Shape2, *Shape3, *Shape4, *Shape5, *Shape6, *Shape7, *Shape8;
    TShape *Shape9, *Shape10, *Shape11, *Shape12, *Shape13, *Shape14, *Shape15, *Shape16;
    TShape *Shape17, *Shape18, *Shape19, *Shape20, *Shape21, *Shape22, *Shape23, *Shape24;
    TShape *Shape25, *Shape26, *Shape27, *Shape28, *Shape29, *Shape30, *Shape31, *Shape32, *Shape33;
    TEdit* Edit1;
    TLabel *Label1, *Label2, *Label3;

    // Published methods, bound by the window description.
    void Shape1MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape2MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape3MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape4MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape5MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape6MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape7MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape8MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape9MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape10MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape11MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape12MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape13MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape14MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape15MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape16MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape17MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape18MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape19MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape20MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape21MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape22MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape23MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape24MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape25MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape26MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape27MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape28MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape29MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape30MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape31MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape32MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Shape33MouseDown(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y);
    void Label3Click(TObject* Sender);

    // The segment state is the brush colour of shape N.
    TColor FillColor(int segment) const override;
    void SetFillColor(int segment, TColor color) override;

protected:
    // Names the segments and the load-data box for assistive technology (the link is named by its
    // caption) and has each segment announced as on or off by its fill colour.
    void Loaded() override;

private:
    void SegmentPressed(int segment);
    TShape& SegmentShape(int segment) const;
};

extern TForm1* Form1;
