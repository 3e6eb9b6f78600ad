// The window description: a text that lists a form's controls with their properties and event
// handlers, parsed into a plain tree. No Qt here, so the parser can be tested and fuzzed alone.
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

struct SourcePos {
    int Line = 0;
    int Column = 0;  // in characters, counting from 1
};

struct FormValue {
    enum class Kind { Integer, String, Identifier, Set };
    Kind kind = Kind::Integer;
    std::int32_t integer = 0;
    std::string text;               // the string or identifier
    std::vector<FormValue> items;   // the identifiers of a set
    SourcePos pos;
};

struct FormProperty {
    std::string name;  // dotted, as written: "Font.Height"
    FormValue value;
    SourcePos pos;
};

struct FormObject {
    std::string name;
    std::string className;
    std::vector<FormProperty> properties;
    std::vector<FormObject> children;
    SourcePos pos;
};

// "TFORM1:12:5: message": where every error about a description points.
std::string DescribeAt(std::string_view resource, SourcePos pos, std::string_view message);

// Parses a whole description; throws Exception naming the resource, line and column of the
// first error.
FormObject ParseFormDescription(std::string_view text, std::string_view resource);
