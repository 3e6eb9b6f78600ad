#include "controls.h"

#include "accessibility.h"
#include "forms.h"

#include <QFocusEvent>
#include <QMouseEvent>
#include <QPainter>

namespace {

// Runs an event handler under the application's guard, so that no exception crosses Qt's loop.
void Dispatch(const std::function<void()>& handler)
{
    if (Application)
        Application->HandleEvent(handler);
    else
        handler();
}

TShiftState ShiftOf(const QMouseEvent& event)
{
    TShiftState shift;
    const auto modifiers = event.modifiers();
    if (modifiers & Qt::ShiftModifier)
        shift << ssShift;
    if (modifiers & Qt::AltModifier)
        shift << ssAlt;
    if (modifiers & Qt::ControlModifier)
        shift << ssCtrl;
    const auto buttons = event.buttons();
    if (buttons & Qt::LeftButton)
        shift << ssLeft;
    if (buttons & Qt::RightButton)
        shift << ssRight;
    if (buttons & Qt::MiddleButton)
        shift << ssMiddle;
    if (event.type() == QEvent::MouseButtonDblClick)
        shift << ssDouble;
    return shift;
}

// The families that keep the designed text widths of the classic Windows fonts.
QString MapFamily(const std::string& name)
{
    if (name == "Courier New")
        return QStringLiteral("Liberation Mono");
    if (name == "MS Sans Serif" || name == "Arial")
        return QStringLiteral("Liberation Sans");
    if (name == "Times New Roman")
        return QStringLiteral("Liberation Serif");
    return QString::fromStdString(name);
}

}  // namespace

QColor ToQColor(TColor color)
{
    return QColor::fromRgb(ColorToRgb(color));
}

QFont ToQFont(const TFont& font)
{
    QFont qfont(MapFamily(font.Name()));
    qfont.setStyleStrategy(QFont::PreferDefault);
    qfont.setHintingPreference(QFont::PreferFullHinting);
    const TFontStyles style = font.Style();
    qfont.setBold(style.Contains(fsBold));
    qfont.setItalic(style.Contains(fsItalic));
    qfont.setUnderline(style.Contains(fsUnderline));
    qfont.setStrikeOut(style.Contains(fsStrikeOut));
    const int height = font.Height();
    if (height < 0) {
        qfont.setPixelSize(-height);
    } else if (height > 0) {
        // A positive height is the whole cell, internal leading included: scale the em to fit.
        qfont.setPixelSize(height);
        const int cell = QFontMetrics(qfont).height();
        qfont.setPixelSize(std::max(1, height * height / std::max(1, cell)));
    }
    return qfont;
}

void TControl::SetLeft(int left)
{
    Widget().move(left, Top());
}

void TControl::SetTop(int top)
{
    Widget().move(Left(), top);
}

void TControl::SetWidth(int width)
{
    Widget().resize(width, Height());
}

void TControl::SetHeight(int height)
{
    Widget().resize(Width(), height);
}

TFontControl::TFontControl(TForm* parent) : TControl(parent)
{
    font_.OnChange = [this] {
        parentFont_ = false;  // a font of its own no longer follows the form's
        FontChanged();
    };
}

void TFontControl::SetParentFont(bool parentFont)
{
    parentFont_ = parentFont;
    FontChanged();
}

const TFont& TFontControl::EffectiveFont() const
{
    return parentFont_ && Parent() ? *Parent()->Font() : font_;
}

void TFontControl::ParentFontChanged()
{
    if (parentFont_)
        FontChanged();
}

TShape::TShape(TForm* parent) : QWidget(&parent->Client()), TControl(parent)
{
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    InstallControlAccessibility();
    brush_.OnChange = [this] {
        repaint();
        if (AccessibleChecked)
            AnnounceCheckedStateChange(this);
    };
    pen_.OnChange = [this] { repaint(); };
}

void TShape::paintEvent(QPaintEvent*)
{
    // The outline is drawn as bands of the pen colour around the filled interior, so every pixel
    // is exact: an aliased Qt pen of width w straddles the edge instead.
    QPainter painter(this);
    const int pen = std::clamp(pen_.Width(), 0, std::min(width(), height()) / 2);
    painter.fillRect(rect(), ToQColor(pen_.Color()));
    painter.fillRect(rect().adjusted(pen, pen, -pen, -pen), ToQColor(brush_.Color()));
}

void TShape::mousePressEvent(QMouseEvent* event)
{
    TMouseButton button;
    switch (event->button()) {
    case Qt::LeftButton: button = mbLeft; break;
    case Qt::RightButton: button = mbRight; break;
    case Qt::MiddleButton: button = mbMiddle; break;
    default: event->ignore(); return;
    }
    const QPoint at = event->position().toPoint();
    MouseDown(button, ShiftOf(*event), at.x(), at.y());
}

void TShape::MouseDown(TMouseButton Button, TShiftState Shift, int X, int Y)
{
    if (OnMouseDown)
        Dispatch([&] { OnMouseDown(this, Button, Shift, X, Y); });
}

TLabel::TLabel(TForm* parent) : QWidget(&parent->Client()), TFontControl(parent)
{
    InstallControlAccessibility();
    setFocusPolicy(Qt::NoFocus);
    setAttribute(Qt::WA_OpaquePaintEvent);
    AutoSize();
}

void TLabel::SetCaption(std::string caption)
{
    caption_ = std::move(caption);
    AutoSize();
}

void TLabel::FontChanged()
{
    AutoSize();
}

void TLabel::AutoSize()
{
    const QFontMetrics metrics(ToQFont(EffectiveFont()));
    resize(metrics.horizontalAdvance(QString::fromStdString(caption_)), metrics.height());
    update();
}

void TLabel::paintEvent(QPaintEvent*)
{
    QPainter painter(this);
    painter.fillRect(rect(), ToQColor(Parent() ? Parent()->Color() : clBtnFace));
    const TFont& font = EffectiveFont();
    painter.setFont(ToQFont(font));
    painter.setPen(ToQColor(font.Color()));
    painter.drawText(0, painter.fontMetrics().ascent(), QString::fromStdString(caption_));
}

void TLabel::mousePressEvent(QMouseEvent* event)
{
    leftPressed_ = event->button() == Qt::LeftButton;
}

void TLabel::mouseDoubleClickEvent(QMouseEvent*)
{
    leftPressed_ = false;  // the first press and release already made the click
}

void TLabel::mouseReleaseEvent(QMouseEvent* event)
{
    const bool click = leftPressed_ && event->button() == Qt::LeftButton && rect().contains(event->position().toPoint());
    leftPressed_ = false;
    if (click)
        Click();
}

void TLabel::Click()
{
    if (OnClick)
        Dispatch([&] { OnClick(this); });
}

TEdit::TEdit(TForm* parent) : QLineEdit(&parent->Client()), TFontControl(parent)
{
    setFrame(true);
    QPalette colors = palette();
    colors.setColor(QPalette::Base, Qt::white);
    setPalette(colors);
    FontChanged();
}

void TEdit::SetText(const std::string& text)
{
    setText(QString::fromStdString(text));
    if (hasFocus())
        selectAll();
}

void TEdit::FontChanged()
{
    const TFont& font = EffectiveFont();
    setFont(ToQFont(font));
    QPalette colors = palette();
    colors.setColor(QPalette::Text, ToQColor(font.Color()));
    setPalette(colors);
}

void TEdit::focusInEvent(QFocusEvent* event)
{
    QLineEdit::focusInEvent(event);
    // Qt selects all only when tabbed into; a classic edit does so on every focus, the window's
    // first show included, so that Ctrl+C copies the whole text at once.
    if (event->reason() != Qt::MouseFocusReason && event->reason() != Qt::PopupFocusReason)
        selectAll();
}
