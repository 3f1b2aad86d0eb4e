#include "engine/field_values.h"

#include "engine/number_parse.h"

#include <algorithm>
#include <limits>

namespace quillmar::engine {

Real readNumberEditValue(std::string_view text, const NumberSeparators& separators)
{
    return parseNumber(text, separators).value_or(0);
}

Real limitNumberEditValue(Real value, Real minValue, Real maxValue)
{
    if (maxValue <= minValue)
        return value;
    return std::clamp(value, minValue, maxValue);
}

Real numberEditValueWritten(Real value, const NumberEditSettings& settings)
{
    return settings.patternEnabled ? value : limitNumberEditValue(value, settings.minValue, settings.maxValue);
}

std::string numberEditText(Real value, const NumberEditSettings& settings)
{
    if (settings.patternEnabled)
        return formatNumber(settings.pattern, value, settings.separators);
    return formatGeneral(limitNumberEditValue(value, settings.minValue, settings.maxValue), settings.separators);
}

int limitIntegerSpinValue(long long value, int minValue, int maxValue)
{
    if (minValue != maxValue) {
        if (value < minValue)
            return minValue;
        if (value > maxValue)
            return maxValue;
    }
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int readIntegerSpinValue(std::string_view text, int minValue)
{
    return parseWholeNumber(text).value_or(minValue);
}

int stepIntegerSpinValue(int value, int increment, bool up, int minValue, int maxValue)
{
    const long long step = up ? increment : -static_cast<long long>(increment);
    return limitIntegerSpinValue(static_cast<long long>(value) + step, minValue, maxValue);
}

std::optional<int> integerSpinValueOnLeave(std::string_view text, int minValue, int maxValue)
{
    const std::optional<int> value = parseWholeNumber(text);
    const int read = value.value_or(minValue);
    const int limited = limitIntegerSpinValue(read, minValue, maxValue);
    if (value && limited == *value)
        return std::nullopt;
    return limited;
}

int integerSpinMinimumHeight(int borderHeight, int fontLineHeight, int systemFontLineHeight)
{
    return 4 * borderHeight + fontLineHeight + std::min(fontLineHeight, systemFontLineHeight) / 4 + 2;
}

} // namespace quillmar::engine
