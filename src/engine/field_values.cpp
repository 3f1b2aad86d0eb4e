#include "engine/field_values.h"

#include "engine/number_parse.h"

#include <algorithm>
#include <limits>

namespace quillmar {

Real readExtendValue(std::string_view text, const NumberSeparators& separators)
{
    return parseNumber(text, separators).value_or(0);
}

Real limitExtendValue(Real value, Real minValue, Real maxValue)
{
    if (maxValue <= minValue)
        return value;
    return std::clamp(value, minValue, maxValue);
}

Real extendValueWritten(Real value, const ExtendEditSettings& settings)
{
    return settings.formatenabled ? value : limitExtendValue(value, settings.minValue, settings.maxValue);
}

std::string extendValueText(Real value, const ExtendEditSettings& settings)
{
    if (settings.formatenabled)
        return formatNumber(settings.formatstr, value, settings.separators);
    return formatGeneral(limitExtendValue(value, settings.minValue, settings.maxValue), settings.separators);
}

int limitSpinValue(long long value, int minValue, int maxValue)
{
    if (minValue != maxValue) {
        if (value < minValue)
            return minValue;
        if (value > maxValue)
            return maxValue;
    }
    return static_cast<int>(std::clamp<long long>(value, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}

int readSpinValue(std::string_view text, int minValue)
{
    return parseWholeNumber(text).value_or(minValue);
}

int stepSpinValue(int value, int increment, bool up, int minValue, int maxValue)
{
    const long long step = up ? increment : -static_cast<long long>(increment);
    return limitSpinValue(static_cast<long long>(value) + step, minValue, maxValue);
}

std::optional<int> spinValueOnLeave(std::string_view text, int minValue, int maxValue)
{
    const std::optional<int> value = parseWholeNumber(text);
    const int read = value.value_or(minValue);
    const int limited = limitSpinValue(read, minValue, maxValue);
    if (value && limited == *value)
        return std::nullopt;
    return limited;
}

int spinMinimumHeight(int borderHeight, int fontLineHeight, int systemFontLineHeight)
{
    return 4 * borderHeight + fontLineHeight + std::min(fontLineHeight, systemFontLineHeight) / 4 + 2;
}

} // namespace quillmar
