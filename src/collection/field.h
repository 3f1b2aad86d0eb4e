#pragma once
// Field definitions and cell values of the collection tables.
#include "collection/text_value.h"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace quillmar::collection {

enum class FieldType { Text, Integer, Float };

struct FieldDef {
    std::string name;
    FieldType type = FieldType::Text;
    int width = 0; // maximum number of characters of a text field; 0: unbounded

    bool operator==(const FieldDef&) const = default;
};

// One cell: empty, a text, an integer or a floating-point number. An empty text
// is stored as empty, so "is empty" means the same for every type.
using Value = std::variant<std::monostate, Text, std::int64_t, double>;
using Record = std::vector<Value>;

bool isEmptyValue(const Value& v);

// The text of a value as the program shows it: numbers with the decimal comma,
// the shortest form that reads back to the same number.
std::string valueText(const Value& v);

// Reads a number written with a decimal comma or point (an exponent is allowed).
std::optional<double> parseDecimal(std::string_view text);
std::optional<std::int64_t> parseInteger(std::string_view text);

// Orders two values of one field: empty first, numbers by value, texts bytewise.
int compareValues(const Value& a, const Value& b);

} // namespace quillmar::collection
