#include "formula/quantity_slot.h"

#include "conversion/direction_rule.h"
#include "support/text.h"

namespace quillmar::formula {

bool QuantitySlot::multipliesIntoBase() const
{
    const auto d = conversion::parseFactor(direction);
    return d && *d == 1;
}

const std::string& QuantitySlot::shownUnit() const { return hasChosenUnit() && chosenUnit != unit ? chosenUnit : unit; }

const std::string& QuantitySlot::shownUnitName() const
{
    return hasChosenUnit() && chosenUnit != unit ? chosenUnitName : unitName;
}

std::string bounded(std::string_view text, std::size_t bound) { return text::left(text, bound); }

} // namespace quillmar::formula
