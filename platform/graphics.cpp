#include "graphics.h"

namespace {
void Notify(const TChangeEvent& onChange)
{
    if (onChange)
        onChange();
}
}  // namespace

void TBrush::SetColor(TColor color)
{
    color_ = color;
    Notify(OnChange);
}

void TPen::SetColor(TColor color)
{
    color_ = color;
    Notify(OnChange);
}

void TPen::SetWidth(int width)
{
    width_ = width;
    Notify(OnChange);
}

void TFont::SetName(std::string name)
{
    name_ = std::move(name);
    Changed();
}

void TFont::SetHeight(int height)
{
    height_ = height;
    Changed();
}

void TFont::SetStyle(TFontStyles style)
{
    style_ = style;
    Changed();
}

void TFont::SetCharset(TFontCharset charset)
{
    charset_ = charset;
    Changed();
}

void TFont::SetColor(TColor color)
{
    color_ = color;
    Changed();
}

void TFont::Assign(const TFont& source)
{
    name_ = source.name_;
    height_ = source.height_;
    style_ = source.style_;
    charset_ = source.charset_;
    color_ = source.color_;
    Changed();
}

void TFont::Changed() const
{
    Notify(OnChange);
}
