// Colours and the pen, brush and font records of the component layer. Plain data with a change
// notification, no Qt: the controls translate them to Qt when they paint.
#pragma once

#include "sets.h"

#include <cstdint>
#include <functional>
#include <string>

// A colour as 0x00BBGGRR (red in the low byte). Values with the top bit set name a colour of the
// desktop scheme instead (button face, window text), resolved when painted.
enum TColor : std::int32_t {};

inline constexpr TColor clBlack = TColor(0x000000);
inline constexpr TColor clWhite = TColor(0xFFFFFF);
inline constexpr TColor clBtnFace = TColor(std::int32_t(0x8000000F));
inline constexpr TColor clWindowText = TColor(std::int32_t(0x80000008));

constexpr bool IsSystemColor(TColor color) { return color < 0; }

// The 24-bit 0xRRGGBB value that a colour paints as. The scheme colours are fixed to the classic
// desktop values so that the window looks the same under every Qt style and theme.
constexpr std::uint32_t ColorToRgb(TColor color)
{
    if (color == clBtnFace)
        return 0xF0F0F0;
    if (color == clWindowText)
        return 0x000000;
    const auto bgr = static_cast<std::uint32_t>(color) & 0xFFFFFFu;
    return ((bgr & 0xFFu) << 16) | (bgr & 0xFF00u) | (bgr >> 16);
}

// Called whenever a record changes, so that its owner can repaint.
using TChangeEvent = std::function<void()>;

class TBrush {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    TChangeEvent OnChange;

private:
    TColor color_ = clWhite;
};

class TPen {
public:
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    int Width() const { return width_; }
    void SetWidth(int width);
    TChangeEvent OnChange;

private:
    TColor color_ = clBlack;
    int width_ = 1;
};

enum TFontStyle : std::uint8_t { fsBold, fsItalic, fsUnderline, fsStrikeOut };

using TFontStyles = TSet<TFontStyle>;

using TFontCharset = std::uint8_t;
inline constexpr TFontCharset ANSI_CHARSET = 0;
inline constexpr TFontCharset DEFAULT_CHARSET = 1;
inline constexpr TFontCharset RUSSIAN_CHARSET = 204;

// Height follows the classic convention: a negative value is the character height in pixels
// (without internal leading), a positive one the cell height. Texts are UTF-8 throughout, so the
// charset is kept for fidelity but changes nothing.
class TFont {
public:
    std::string Name() const { return name_; }
    void SetName(std::string name);
    int Height() const { return height_; }
    void SetHeight(int height);
    TFontStyles Style() const { return style_; }
    void SetStyle(TFontStyles style);
    TFontCharset Charset() const { return charset_; }
    void SetCharset(TFontCharset charset);
    TColor Color() const { return color_; }
    void SetColor(TColor color);
    void Assign(const TFont& source);
    TChangeEvent OnChange;

private:
    void Changed() const;

    std::string name_ = "MS Sans Serif";
    int height_ = -11;
    TFontStyles style_;
    TFontCharset charset_ = DEFAULT_CHARSET;
    TColor color_ = clWindowText;
};
