// Placeholder until the pattern language is implemented: every pattern gives the
// general form.
#include "engine/number_format.h"

#include <cstdio>

namespace quillmar {

std::string formatGeneral(Real value, const NumberSeparators& separators)
{
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.15Lg", value);
    std::string out(buffer);
    for (char& c : out)
        if (c == '.')
            c = separators.decimal;
    return out;
}

std::string formatNumber(std::string_view, Real value, const NumberSeparators& separators)
{
    return formatGeneral(value, separators);
}

} // namespace quillmar
