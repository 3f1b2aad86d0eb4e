#include "formula/quantity_lookup.h"

namespace quillmar::formula {

std::optional<std::size_t> quantityRecord(const collection::Table& quantities, std::int64_t nr)
{
    const auto field = quantities.fieldIndex("NR");
    if (!field)
        return std::nullopt;
    for (std::size_t k = 0; k < quantities.recordCount(); ++k) {
        const collection::Value& v = quantities.record(k)[*field];
        if (const auto* d = std::get_if<double>(&v); d && *d == static_cast<double>(nr))
            return k;
        if (const auto* i = std::get_if<std::int64_t>(&v); i && *i == nr)
            return k;
    }
    return std::nullopt;
}

bool locateQuantity(collection::Table& quantities, std::int64_t nr)
{
    const auto k = quantityRecord(quantities, nr);
    if (!k)
        return false;
    quantities.setRecNo(*k + 1);
    return true;
}

} // namespace quillmar::formula
