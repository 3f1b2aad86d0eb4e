#pragma once
// The values of the numeric fields: how their text reads as a number, how a
// number becomes their text, and their limits.
#include "engine/number_format.h"
#include "engine/number_texts.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmar::engine {

// The real-number field (NumberEdit).
struct NumberEditSettings {
    std::string pattern = std::string(engine::texts::fieldDefaultPattern);
    bool patternEnabled = false;
    Real minValue = -1e60L;
    Real maxValue = 1e60L;
    NumberSeparators separators;
};

// The field's text as a number; a text that is not a number reads as 0.
Real readNumberEditValue(std::string_view text, const NumberSeparators& separators = {});

// value limited to [minValue, maxValue]; no limiting when maxValue <= minValue.
Real limitNumberEditValue(Real value, Real minValue, Real maxValue);

// The value a field holds after value is written: limited unless the pattern is
// enabled.
Real numberEditValueWritten(Real value, const NumberEditSettings& settings);

// The text for a value written into the field: through the pattern when it is
// enabled (no limits), otherwise limited and in the general form.
std::string numberEditText(Real value, const NumberEditSettings& settings);

// The whole-number field (IntegerSpinEdit). Equal limits mean no limit; otherwise a
// value below minValue becomes minValue, one above maxValue becomes maxValue.
int limitIntegerSpinValue(long long value, int minValue, int maxValue);

// The field's text as a whole number; a text that is not one reads as minValue.
int readIntegerSpinValue(std::string_view text, int minValue);

// The value after one step of the buttons or arrow keys, limited. No overflow:
// steps beyond the range of int stop at its end.
int stepIntegerSpinValue(int value, int increment, bool up, int minValue, int maxValue);

// When the field is left: the value to write, if its text does not already show
// a value within the limits.
std::optional<int> integerSpinValueOnLeave(std::string_view text, int minValue, int maxValue);

// The lowest height of the whole-number field.
int integerSpinMinimumHeight(int borderHeight, int fontLineHeight, int systemFontLineHeight);

} // namespace quillmar::engine
