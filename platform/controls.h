// The controls of the component layer on Qt widgets: a shape, a label and a one-line edit. Each
// is a Qt widget and a TControl at once, so that Qt's parent-child ownership frees both.
#pragma once

#include "graphics.h"
#include "sets.h"

#include <QLineEdit>
#include <QWidget>

#include <functional>
#include <string>

class TForm;

// The common base of everything that can send an event.
class TObject {
public:
    virtual ~TObject() = default;
    virtual const char* ClassName() const = 0;
};

enum TMouseButton { mbLeft, mbRight, mbMiddle };
enum TShiftFlag { ssShift, ssAlt, ssCtrl, ssLeft, ssRight, ssMiddle, ssDouble };
using TShiftState = TSet<TShiftFlag>;

using TMouseEvent = std::function<void(TObject* Sender, TMouseButton Button, TShiftState Shift, int X, int Y)>;
using TNotifyEvent = std::function<void(TObject* Sender)>;

// Position and size in the form's client coordinates, a name, and the parent form.
class TControl : public TObject {
public:
    std::string Name;

    int Left() const { return Widget().x(); }
    int Top() const { return Widget().y(); }
    int Width() const { return Widget().width(); }
    int Height() const { return Widget().height(); }
    void SetLeft(int left);
    void SetTop(int top);
    virtual void SetWidth(int width);
    virtual void SetHeight(int height);

    TForm* Parent() const { return parent_; }

    virtual QWidget& Widget() = 0;
    const QWidget& Widget() const { return const_cast<TControl*>(this)->Widget(); }

protected:
    explicit TControl(TForm* parent) : parent_(parent) {}

private:
    TForm* parent_;
};

// A control whose text follows a font, its own or, while ParentFont is true, its form's.
class TFontControl : public TControl {
public:
    TFont* Font() { return &font_; }
    bool ParentFont() const { return parentFont_; }
    void SetParentFont(bool parentFont);
    // The font the text is drawn in, and its colour, after ParentFont is applied.
    const TFont& EffectiveFont() const;
    // Called by the form when its own font changes.
    void ParentFontChanged();

protected:
    explicit TFontControl(TForm* parent);
    virtual void FontChanged() = 0;

private:
    TFont font_;
    bool parentFont_ = true;
};

// A filled rectangle with an outline that reports every press of the left, right or middle
// button inside it, the second press of a double click included.
class TShape final : public QWidget, public TControl {
public:
    explicit TShape(TForm* parent);
    static constexpr const char* StaticClassName = "TShape";
    const char* ClassName() const override { return StaticClassName; }
    QWidget& Widget() override { return *this; }

    TBrush* Brush() { return &brush_; }
    TPen* Pen() { return &pen_; }
    TMouseEvent OnMouseDown;

    // Raises OnMouseDown as a press at (X, Y) would; assistive technology presses this way.
    void MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y);
    // Set by the owner to have the shape announced as a toggle that is on when this says so; it
    // is asked again whenever the brush changes.
    std::function<bool()> AccessibleChecked;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;

private:
    TBrush brush_;
    TPen pen_;
};

// One line of text, sized to fit it, painted opaque in the form colour. Raises OnClick when the
// left button is pressed and released over it; a double click counts once.
class TLabel final : public QWidget, public TFontControl {
public:
    explicit TLabel(TForm* parent);
    static constexpr const char* StaticClassName = "TLabel";
    const char* ClassName() const override { return StaticClassName; }
    QWidget& Widget() override { return *this; }

    std::string Caption() const { return caption_; }
    void SetCaption(std::string caption);
    TNotifyEvent OnClick;
    // Raises OnClick as a click would; assistive technology activates the label this way.
    void Click();

protected:
    void FontChanged() override;
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseDoubleClickEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void AutoSize();

    std::string caption_;
    bool leftPressed_ = false;
};

// A single-line edit with a sunken border on white that selects its whole text whenever it gets
// the focus. Read-only text can still be selected and copied.
class TEdit final : public QLineEdit, public TFontControl {
public:
    explicit TEdit(TForm* parent);
    static constexpr const char* StaticClassName = "TEdit";
    const char* ClassName() const override { return StaticClassName; }
    QWidget& Widget() override { return *this; }

    std::string Text() const { return text().toStdString(); }
    void SetText(const std::string& text);
    bool ReadOnly() const { return isReadOnly(); }
    void SetReadOnly(bool readOnly) { setReadOnly(readOnly); }
    int TabOrder() const { return tabOrder_; }
    void SetTabOrder(int tabOrder) { tabOrder_ = tabOrder; }

protected:
    void FontChanged() override;
    void focusInEvent(QFocusEvent* event) override;

private:
    int tabOrder_ = -1;
};

// The Qt font and colour that a font record paints with.
QFont ToQFont(const TFont& font);
QColor ToQColor(TColor color);
