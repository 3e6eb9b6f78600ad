// How a form class publishes its fields and event handlers to the window description: one table
// beside the class, naming each member once. The builder binds controls and events by these names.
#pragma once

#include "controls.h"

#include <functional>
#include <string_view>
#include <variant>
#include <vector>

class TForm;

using TEvent = std::variant<TMouseEvent, TNotifyEvent>;

struct PublishedField {
    std::string_view name;
    std::string_view className;
    std::function<void(TForm&, TControl*)> bind;  // stores the control into the field
};

struct PublishedMethod {
    std::string_view name;
    std::string_view eventType;               // "TMouseEvent" or "TNotifyEvent"
    std::function<TEvent(TForm&)> bind;       // the method bound to one form object
};

struct PublishedTable {
    std::vector<PublishedField> fields;
    std::vector<PublishedMethod> methods;
};

template <class Form, class Control>
PublishedField Field(std::string_view name, Control* Form::*member)
{
    return {name, Control::StaticClassName,
            [member](TForm& form, TControl* control) {
                static_cast<Form&>(form).*member = static_cast<Control*>(control);
            }};
}

template <class Form>
PublishedMethod Method(std::string_view name, void (Form::*method)(TObject*, TMouseButton, TShiftState, int, int))
{
    return {name, "TMouseEvent", [method](TForm& form) -> TEvent {
                auto* self = &static_cast<Form&>(form);
                return TMouseEvent([self, method](TObject* sender, TMouseButton button, TShiftState shift,
                                                  int x, int y) { (self->*method)(sender, button, shift, x, y); });
            }};
}

template <class Form>
PublishedMethod Method(std::string_view name, void (Form::*method)(TObject*))
{
    return {name, "TNotifyEvent", [method](TForm& form) -> TEvent {
                auto* self = &static_cast<Form&>(form);
                return TNotifyEvent([self, method](TObject* sender) { (self->*method)(sender); });
            }};
}

// Entries of a published table, each naming its member once.
#define PUBLISHED_FIELD(Form, member) Field(#member, &Form::member)
#define PUBLISHED_METHOD(Form, member) Method(#member, &Form::member)
