// Grammar of the window description. Tokens are separated by blanks and line breaks.
//
//   description := object
//   object      := "object" Ident ":" Ident { property | object } "end"
//   property    := Ident { "." Ident } "=" value
//   value       := [ "-" | "+" ] Digits          a 32-bit signed integer
//                | "'" { char | "''" } "'"        UTF-8 on one line, '' stands for '
//                | Ident                          True, clBtnFace, Shape4MouseDown ...
//                | "[" [ Ident { "," Ident } ] "]"
//   Ident       := letter or "_", then letters, digits or "_"
//
// For example:
//
//   object Form1: TForm1
//     Caption = 'Tarvo_Sekel_test'
//     Font.Style = [fsBold]
//     object Shape4: TShape
//       Left = 48
//       OnMouseDown = Shape4MouseDown
//     end
//   end
#include "form_description.h"

#include "sysutils.h"

#include <cctype>
#include <limits>

namespace {

// Deep enough for any real form, shallow enough that hostile input cannot exhaust the stack.
constexpr int MaxNesting = 32;

bool IsIdentStart(char c) { return std::isalpha(static_cast<unsigned char>(c)) || c == '_'; }
bool IsIdentChar(char c) { return std::isalnum(static_cast<unsigned char>(c)) || c == '_'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the UTF-8 sequence at text[i], or 0 if it is not well formed.
std::size_t Utf8Length(std::string_view text, std::size_t i)
{
    const auto lead = static_cast<unsigned char>(text[i]);
    std::size_t length = lead < 0x80 ? 1 : lead >= 0xC2 && lead < 0xE0 ? 2 : lead >= 0xE0 && lead < 0xF0 ? 3
                       : lead >= 0xF0 && lead < 0xF5 ? 4 : 0;
    if (length == 0 || i + length > text.size())
        return 0;
    for (std::size_t k = 1; k < length; ++k)
        if ((static_cast<unsigned char>(text[i + k]) & 0xC0) != 0x80)
            return 0;
    const auto second = static_cast<unsigned char>(text[i + 1 < text.size() ? i + 1 : i]);
    if ((lead == 0xE0 && second < 0xA0) || (lead == 0xED && second >= 0xA0) ||
        (lead == 0xF0 && second < 0x90) || (lead == 0xF4 && second >= 0x90))
        return 0;  // overlong forms, surrogates and code points past U+10FFFF
    return length;
}

class Parser {
public:
    Parser(std::string_view text, std::string_view resource) : text_(text), resource_(resource) {}

    FormObject ParseDescription()
    {
        SkipBlanks();
        FormObject root = ParseObject(1);
        SkipBlanks();
        if (!AtEnd())
            Fail(Here(), "unexpected text after the end of '" + root.name + "'");
        return root;
    }

private:
    [[noreturn]] void Fail(SourcePos pos, const std::string& message) const
    {
        throw Exception(DescribeAt(resource_, pos, message));
    }

    bool AtEnd() const { return at_ >= text_.size(); }
    char Peek() const { return AtEnd() ? '\0' : text_[at_]; }
    SourcePos Here() const { return {line_, column_}; }

    void Advance()
    {
        if (text_[at_] == '\n') {
            ++line_;
            column_ = 1;
        } else if ((static_cast<unsigned char>(text_[at_]) & 0xC0) != 0x80) {
            ++column_;  // continuation bytes do not start a new character
        }
        ++at_;
    }

    void SkipBlanks()
    {
        while (!AtEnd() && (Peek() == ' ' || Peek() == '\t' || Peek() == '\r' || Peek() == '\n'))
            Advance();
    }

    std::string Describe() const
    {
        if (AtEnd())
            return "the end of the text";
        const char c = Peek();
        if (std::isprint(static_cast<unsigned char>(c)))
            return std::string("'") + c + "'";
        return "byte " + IntToHex(static_cast<unsigned char>(c), 2) + "h";
    }

    std::string ParseIdent(const std::string& what)
    {
        SkipBlanks();
        if (!IsIdentStart(Peek()))
            Fail(Here(), "expected " + what + ", found " + Describe());
        const std::size_t start = at_;
        while (!AtEnd() && IsIdentChar(Peek()))
            Advance();
        return std::string(text_.substr(start, at_ - start));
    }

    void Expect(char symbol, const std::string& context)
    {
        SkipBlanks();
        if (Peek() != symbol)
            Fail(Here(), std::string("expected '") + symbol + "' " + context + ", found " + Describe());
        Advance();
    }

    // The next word without consuming it, to tell "end" and "object" from property names.
    std::string_view PeekWord() const
    {
        std::size_t end = at_;
        while (end < text_.size() && IsIdentChar(text_[end]))
            ++end;
        return text_.substr(at_, end - at_);
    }

    FormObject ParseObject(int depth)
    {
        FormObject object;
        object.pos = Here();
        if (depth > MaxNesting)
            Fail(object.pos, "objects nested deeper than " + std::to_string(MaxNesting) + " levels");
        if (PeekWord() != "object")
            Fail(object.pos, "expected 'object', found " + Describe());
        for (int i = 0; i < 6; ++i)
            Advance();
        object.name = ParseIdent("a name after 'object'");
        Expect(':', "after '" + object.name + "'");
        object.className = ParseIdent("a class name for '" + object.name + "'");
        for (;;) {
            SkipBlanks();
            if (AtEnd())
                Fail(Here(), "'end' missing for '" + object.name + "' opened at " +
                                 std::to_string(object.pos.Line) + ":" + std::to_string(object.pos.Column));
            const std::string_view word = PeekWord();
            if (word == "end") {
                for (int i = 0; i < 3; ++i)
                    Advance();
                return object;
            }
            if (word == "object")
                object.children.push_back(ParseObject(depth + 1));
            else
                object.properties.push_back(ParseProperty());
        }
    }

    FormProperty ParseProperty()
    {
        FormProperty property;
        property.pos = Here();
        property.name = ParseIdent("a property name or 'end'");
        while (Peek() == '.') {
            Advance();
            std::string part = ParseIdent("a name after '" + property.name + ".'");
            property.name.append(".").append(part);
        }
        Expect('=', "after '" + property.name + "'");
        property.value = ParseValue(property.name);
        return property;
    }

    FormValue ParseValue(const std::string& property)
    {
        SkipBlanks();
        FormValue value;
        value.pos = Here();
        const char c = Peek();
        if (IsDigit(c) || c == '-' || c == '+')
            ParseInteger(value);
        else if (c == '\'')
            ParseString(value);
        else if (c == '[')
            ParseSet(value);
        else if (IsIdentStart(c)) {
            value.kind = FormValue::Kind::Identifier;
            value.text = ParseIdent("a value");
        } else
            Fail(value.pos, "expected a value for '" + property + "', found " + Describe());
        return value;
    }

    void ParseInteger(FormValue& value)
    {
        value.kind = FormValue::Kind::Integer;
        const bool negative = Peek() == '-';
        if (Peek() == '-' || Peek() == '+')
            Advance();
        if (!IsDigit(Peek()))
            Fail(Here(), "expected digits, found " + Describe());
        std::int64_t magnitude = 0;
        const std::int64_t limit = std::int64_t(std::numeric_limits<std::int32_t>::max()) + (negative ? 1 : 0);
        while (IsDigit(Peek())) {
            magnitude = magnitude * 10 + (Peek() - '0');
            if (magnitude > limit)
                Fail(value.pos, "integer out of the 32-bit range");
            Advance();
        }
        if (IsIdentChar(Peek()))
            Fail(Here(), "unexpected " + Describe() + " after a number");
        value.integer = static_cast<std::int32_t>(negative ? -magnitude : magnitude);
    }

    void ParseString(FormValue& value)
    {
        value.kind = FormValue::Kind::String;
        Advance();
        for (;;) {
            if (AtEnd() || Peek() == '\n' || Peek() == '\r')
                Fail(value.pos, "string not closed on its line");
            if (Peek() == '\'') {
                Advance();
                if (Peek() != '\'')
                    return;
            } else if (static_cast<unsigned char>(Peek()) < 0x20 && Peek() != '\t') {
                Fail(Here(), "control character " + Describe() + " in a string");
            }
            const std::size_t length = Utf8Length(text_, at_);
            if (length == 0)
                Fail(Here(), "invalid UTF-8 in a string");
            value.text.append(text_.substr(at_, length));
            for (std::size_t k = 0; k < length; ++k)
                Advance();
        }
    }

    void ParseSet(FormValue& value)
    {
        value.kind = FormValue::Kind::Set;
        Advance();
        SkipBlanks();
        if (Peek() == ']') {
            Advance();
            return;
        }
        for (;;) {
            SkipBlanks();
            FormValue item;
            item.kind = FormValue::Kind::Identifier;
            item.pos = Here();
            item.text = ParseIdent("a name in a set");
            value.items.push_back(std::move(item));
            SkipBlanks();
            if (Peek() == ']') {
                Advance();
                return;
            }
            Expect(',', "or ']' in a set");
        }
    }

    std::string_view text_;
    std::string_view resource_;
    std::size_t at_ = 0;
    int line_ = 1;
    int column_ = 1;
};

}  // namespace

std::string DescribeAt(std::string_view resource, SourcePos pos, std::string_view message)
{
    return std::string(resource) + ":" + std::to_string(pos.Line) + ":" + std::to_string(pos.Column) +
           ": " + std::string(message);
}

FormObject ParseFormDescription(std::string_view text, std::string_view resource)
{
    return Parser(text, resource).ParseDescription();
}
