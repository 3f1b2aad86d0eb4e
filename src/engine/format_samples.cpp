#include "engine/format_samples.h"

#include "engine/field_values.h"
#include "engine/number_texts.h"

namespace quillmar {

std::vector<std::string> formatSampleNumbers(std::string_view pattern, const NumberSeparators& separators)
{
    std::vector<std::string> formatted;
    formatted.reserve(numtexts::sampleNumbers.size());
    for (std::string_view sample : numtexts::sampleNumbers)
        formatted.push_back(formatNumber(pattern, readExtendValue(sample, separators), separators));
    return formatted;
}

} // namespace quillmar
