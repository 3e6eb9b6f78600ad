// Builds a form from its parsed window description: creates each control by class, sets its
// properties, stores it into the form's published field of the same name, and binds its events
// to the form's published methods. Every fault is an Exception naming its place in the text.
#include "form_description.h"
#include "forms.h"

#include <QFile>

#include <algorithm>
#include <map>
#include <set>

namespace {

using Kind = FormValue::Kind;

class Builder {
public:
    Builder(TForm& form, std::string_view resource, const PublishedTable& published)
        : form_(form), resource_(resource), published_(published)
    {
    }

    void Build(const FormObject& root, std::string_view className)
    {
        if (root.className != className)
            Fail(root.pos, "the description is of class '" + root.className + "', not '" +
                               std::string(className) + "'");
        form_.Name = root.name;
        owner_ = root.className + " '" + root.name + "'";
        for (const FormProperty& property : root.properties)
            SetFormProperty(property);
        for (const FormObject& child : root.children)
            AddChild(child);
        for (const PublishedField& field : published_.fields)
            if (!bound_.count(field.name))
                Fail(root.pos, "published field '" + std::string(field.name) + "' of " +
                                   std::string(className) + " is not in the description");
        form_.UpdateScrollExtent();
    }

private:
    [[noreturn]] void Fail(SourcePos pos, const std::string& message) const
    {
        throw Exception(DescribeAt(resource_, pos, message));
    }

    [[noreturn]] void Unknown(const FormProperty& property) const
    {
        Fail(property.pos, "unknown property '" + property.name + "' of " + owner_);
    }

    // --- values -------------------------------------------------------------------------------

    void Require(const FormProperty& property, Kind kind, const char* what) const
    {
        if (property.value.kind != kind)
            Fail(property.value.pos, "'" + property.name + "' of " + owner_ + " needs " + what);
    }

    int Integer(const FormProperty& property) const
    {
        Require(property, Kind::Integer, "an integer");
        return property.value.integer;
    }

    int Size(const FormProperty& property) const
    {
        const int value = Integer(property);
        if (value < 0 || value > 32767)
            Fail(property.value.pos, "'" + property.name + "' of " + owner_ + " must be 0..32767");
        return value;
    }

    int Coordinate(const FormProperty& property) const
    {
        const int value = Integer(property);
        if (value < -32768 || value > 32767)
            Fail(property.value.pos, "'" + property.name + "' of " + owner_ + " must be -32768..32767");
        return value;
    }

    std::string String(const FormProperty& property) const
    {
        Require(property, Kind::String, "a quoted string");
        return property.value.text;
    }

    bool Boolean(const FormProperty& property) const
    {
        Require(property, Kind::Identifier, "True or False");
        if (property.value.text == "True")
            return true;
        if (property.value.text != "False")
            Fail(property.value.pos, "'" + property.name + "' of " + owner_ + " needs True or False, not '" +
                                         property.value.text + "'");
        return false;
    }

    template <class T>
    T Named(const FormProperty& property, const std::map<std::string, T, std::less<>>& names, const char* what) const
    {
        Require(property, Kind::Identifier, what);
        const auto found = names.find(property.value.text);
        if (found == names.end())
            Fail(property.value.pos, "unknown " + std::string(what) + " '" + property.value.text + "'");
        return found->second;
    }

    TColor Color(const FormProperty& property) const
    {
        static const std::map<std::string, TColor, std::less<>> colors = {
            {"clBlack", clBlack}, {"clWhite", clWhite}, {"clBtnFace", clBtnFace}, {"clWindowText", clWindowText}};
        if (property.value.kind == Kind::Integer) {
            if (property.value.integer < 0 || property.value.integer > 0xFFFFFF)
                Fail(property.value.pos, "colour value out of 0..16777215");
            return TColor(property.value.integer);
        }
        return Named(property, colors, "colour");
    }

    TFontCharset Charset(const FormProperty& property) const
    {
        static const std::map<std::string, TFontCharset, std::less<>> charsets = {
            {"ANSI_CHARSET", ANSI_CHARSET}, {"DEFAULT_CHARSET", DEFAULT_CHARSET}, {"RUSSIAN_CHARSET", RUSSIAN_CHARSET}};
        if (property.value.kind == Kind::Integer) {
            if (property.value.integer < 0 || property.value.integer > 255)
                Fail(property.value.pos, "charset out of 0..255");
            return TFontCharset(property.value.integer);
        }
        return Named(property, charsets, "charset");
    }

    TFontStyles Styles(const FormProperty& property) const
    {
        static const std::map<std::string, TFontStyle, std::less<>> styles = {
            {"fsBold", fsBold}, {"fsItalic", fsItalic}, {"fsUnderline", fsUnderline}, {"fsStrikeOut", fsStrikeOut}};
        Require(property, Kind::Set, "a set such as [fsBold]");
        TFontStyles result;
        for (const FormValue& item : property.value.items) {
            const auto found = styles.find(item.text);
            if (found == styles.end())
                Fail(item.pos, "unknown font style '" + item.text + "'");
            result << found->second;
        }
        return result;
    }

    template <class Event>
    Event Handler(const FormProperty& property, const char* eventType) const
    {
        Require(property, Kind::Identifier, "a method name");
        const std::string& name = property.value.text;
        for (const PublishedMethod& method : published_.methods) {
            if (method.name != name)
                continue;
            if (method.eventType != eventType)
                Fail(property.value.pos, "method '" + name + "' is a " + std::string(method.eventType) + ", but '" +
                                             property.name + "' of " + owner_ + " needs a " + eventType);
            return std::get<Event>(method.bind(form_));
        }
        Fail(property.value.pos, "unknown method '" + name + "' for '" + property.name + "' of " + owner_);
    }

    // --- properties ---------------------------------------------------------------------------

    bool SetFontProperty(TFont& font, const FormProperty& property) const
    {
        const std::string& name = property.name;
        if (name == "Font.Name")
            font.SetName(String(property));
        else if (name == "Font.Height")
            font.SetHeight(Integer(property));
        else if (name == "Font.Style")
            font.SetStyle(Styles(property));
        else if (name == "Font.Charset")
            font.SetCharset(Charset(property));
        else if (name == "Font.Color")
            font.SetColor(Color(property));
        else
            return false;
        return true;
    }

    bool SetBoundsProperty(TControl& control, const FormProperty& property) const
    {
        const std::string& name = property.name;
        if (name == "Left")
            control.SetLeft(Coordinate(property));
        else if (name == "Top")
            control.SetTop(Coordinate(property));
        else if (name == "Width")
            control.SetWidth(Size(property));
        else if (name == "Height")
            control.SetHeight(Size(property));
        else
            return false;
        return true;
    }

    void SetFormProperty(const FormProperty& property)
    {
        const std::string& name = property.name;
        if (name == "Left")
            form_.SetLeft(Coordinate(property));
        else if (name == "Top")
            form_.SetTop(Coordinate(property));
        else if (name == "Width")
            form_.SetWidth(Size(property));
        else if (name == "Height")
            form_.SetHeight(Size(property));
        else if (name == "Caption")
            form_.SetCaption(String(property));
        else if (name == "Color")
            form_.SetColor(Color(property));
        else if (name == "PixelsPerInch" || name == "TextHeight")
            Size(property);  // design-time metrics: Qt scales for the screen itself
        else if (name == "OldCreateOrder")
            Boolean(property);  // no create or destroy handlers to order
        else if (!SetFontProperty(*form_.Font(), property))
            Unknown(property);
    }

    void SetShapeProperty(TShape& shape, const FormProperty& property) const
    {
        const std::string& name = property.name;
        if (SetBoundsProperty(shape, property))
            return;
        if (name == "Brush.Color")
            shape.Brush()->SetColor(Color(property));
        else if (name == "Pen.Color")
            shape.Pen()->SetColor(Color(property));
        else if (name == "Pen.Width")
            shape.Pen()->SetWidth(Size(property));
        else if (name == "OnMouseDown")
            shape.OnMouseDown = Handler<TMouseEvent>(property, "TMouseEvent");
        else
            Unknown(property);
    }

    bool SetTextProperty(TFontControl& control, const FormProperty& property) const
    {
        if (property.name == "ParentFont")
            control.SetParentFont(Boolean(property));
        else
            return SetBoundsProperty(control, property) || SetFontProperty(*control.Font(), property);
        return true;
    }

    void SetLabelProperty(TLabel& label, const FormProperty& property) const
    {
        if (SetTextProperty(label, property))
            return;
        if (property.name == "Caption")
            label.SetCaption(String(property));
        else if (property.name == "OnClick")
            label.OnClick = Handler<TNotifyEvent>(property, "TNotifyEvent");
        else
            Unknown(property);
    }

    void SetEditProperty(TEdit& edit, const FormProperty& property) const
    {
        if (SetTextProperty(edit, property))
            return;
        if (property.name == "Text")
            edit.SetText(String(property));
        else if (property.name == "ReadOnly")
            edit.SetReadOnly(Boolean(property));
        else if (property.name == "TabOrder")
            edit.SetTabOrder(Size(property));
        else
            Unknown(property);
    }

    // --- children -----------------------------------------------------------------------------

    template <class Control>
    Control* Create(const FormObject& object, void (Builder::*setProperty)(Control&, const FormProperty&) const)
    {
        auto* control = new Control(&form_);  // owned by the form's client area from here on
        control->Name = object.name;
        form_.AddControl(control);
        for (const FormProperty& property : object.properties)
            (this->*setProperty)(*control, property);
        return control;
    }

    void AddChild(const FormObject& object)
    {
        owner_ = object.className + " '" + object.name + "'";
        if (const auto earlier = names_.find(object.name); earlier != names_.end())
            Fail(object.pos, "duplicate name '" + object.name + "' (first at " + std::to_string(earlier->second.Line) +
                                 ":" + std::to_string(earlier->second.Column) + ")");
        names_.emplace(object.name, object.pos);
        if (!object.children.empty())
            Fail(object.children.front().pos, owner_ + " cannot hold controls");
        const PublishedField& field = FieldFor(object);

        TControl* control = nullptr;
        if (object.className == TShape::StaticClassName)
            control = Create<TShape>(object, &Builder::SetShapeProperty);
        else if (object.className == TLabel::StaticClassName)
            control = Create<TLabel>(object, &Builder::SetLabelProperty);
        else
            control = Create<TEdit>(object, &Builder::SetEditProperty);
        field.bind(form_, control);
        bound_.insert(field.name);
    }

    // The published field that the object is stored into, checked before anything is created.
    const PublishedField& FieldFor(const FormObject& object) const
    {
        const std::string_view known[] = {TShape::StaticClassName, TLabel::StaticClassName, TEdit::StaticClassName};
        if (std::find(std::begin(known), std::end(known), object.className) == std::end(known))
            Fail(object.pos, "unknown class '" + object.className + "' of '" + object.name + "'");
        for (const PublishedField& field : published_.fields) {
            if (field.name != object.name)
                continue;
            if (field.className != object.className)
                Fail(object.pos, "field '" + object.name + "' is a " + std::string(field.className) + ", not a " +
                                     object.className);
            return field;
        }
        Fail(object.pos, "no published field '" + object.name + "' in " + std::string(form_.ClassName()));
    }

    TForm& form_;
    std::string_view resource_;
    const PublishedTable& published_;
    std::string owner_;  // the object whose properties are being set, for messages
    std::map<std::string, SourcePos, std::less<>> names_;
    std::set<std::string_view> bound_;
};

}  // namespace

void TForm::LoadDescription(std::string_view text, std::string_view resource, std::string_view className,
                            const PublishedTable& published)
{
    const FormObject root = ParseFormDescription(text, resource);
    Builder(*this, resource, published).Build(root, className);
    Loaded();
}

void TForm::LoadDescription(std::string_view className, const PublishedTable& published)
{
    const QString resource = QString::fromUtf8(className.data(), qsizetype(className.size())).toUpper();
    QFile file(QStringLiteral(":/forms/") + resource);
    if (!file.open(QIODevice::ReadOnly))
        throw Exception("no window description '" + resource.toStdString() + "' in the program");
    const QByteArray text = file.readAll();
    LoadDescription(std::string_view(text.constData(), std::size_t(text.size())), resource.toStdString(), className,
                    published);
}
