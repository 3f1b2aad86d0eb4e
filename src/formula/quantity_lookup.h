#pragma once
// Finding a quantity record by its number NR.
#include "collection/table.h"

#include <cstdint>
#include <optional>

namespace quillmar::formula {

// The position of the quantity record numbered nr, or nothing.
std::optional<std::size_t> quantityRecord(const collection::Table& quantities, std::int64_t nr);

// Moves the quantity table's cursor to that record; false (cursor unchanged) when
// there is none.
bool locateQuantity(collection::Table& quantities, std::int64_t nr);

} // namespace quillmar::formula
