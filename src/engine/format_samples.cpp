#include "engine/format_samples.h"

#include "engine/field_values.h"
#include "engine/number_texts.h"

namespace quillmar::engine {

std::vector<std::string> formatSampleNumbers(std::string_view pattern, const NumberSeparators& separators)
{
    std::vector<std::string> formatted;
    formatted.reserve(engine::texts::sampleNumbers.size());
    for (std::string_view sample : engine::texts::sampleNumbers)
        formatted.push_back(formatNumber(pattern, readNumberEditValue(sample, separators), separators));
    return formatted;
}

} // namespace quillmar::engine
