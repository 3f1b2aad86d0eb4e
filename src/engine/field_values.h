#pragma once
// The values of the numeric fields: how their text reads as a number, how a
// number becomes their text, and their limits.
#include "engine/number_format.h"
#include "engine/number_texts.h"

#include <optional>
#include <string>
#include <string_view>

namespace quillmar {

// The real-number field (TextendEdit).
struct ExtendEditSettings {
    std::string formatstr = std::string(numtexts::fieldDefaultPattern);
    bool formatenabled = false;
    Real minValue = -1e60L;
    Real maxValue = 1e60L;
    NumberSeparators separators;
};

// The field's text as a number; a text that is not a number reads as 0.
Real readExtendValue(std::string_view text, const NumberSeparators& separators = {});

// value limited to [minValue, maxValue]; no limiting when maxValue <= minValue.
Real limitExtendValue(Real value, Real minValue, Real maxValue);

// The value a field holds after value is written: limited unless the pattern is
// enabled.
Real extendValueWritten(Real value, const ExtendEditSettings& settings);

// The text for a value written into the field: through the pattern when it is
// enabled (no limits), otherwise limited and in the general form.
std::string extendValueText(Real value, const ExtendEditSettings& settings);

// The whole-number field (Tspineditin). Equal limits mean no limit; otherwise a
// value below minValue becomes minValue, one above maxValue becomes maxValue.
int limitSpinValue(long long value, int minValue, int maxValue);

// The field's text as a whole number; a text that is not one reads as minValue.
int readSpinValue(std::string_view text, int minValue);

// The value after one step of the buttons or arrow keys, limited. No overflow:
// steps beyond the range of int stop at its end.
int stepSpinValue(int value, int increment, bool up, int minValue, int maxValue);

// When the field is left: the value to write, if its text does not already show
// a value within the limits.
std::optional<int> spinValueOnLeave(std::string_view text, int minValue, int maxValue);

// The lowest height of the whole-number field.
int spinMinimumHeight(int borderHeight, int fontLineHeight, int systemFontLineHeight);

} // namespace quillmar
