#include "collection/texts.h"

#include <vector>

namespace quillmar::collection::texts {

std::string fillIn(std::string_view pattern, std::initializer_list<std::string_view> args)
{
    const std::vector<std::string_view> values(args);
    std::string out;
    out.reserve(pattern.size() + 32);
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (pattern[i] == '%' && i + 1 < pattern.size() && pattern[i + 1] >= '1' && pattern[i + 1] <= '9') {
            const std::size_t k = static_cast<std::size_t>(pattern[i + 1] - '1');
            if (k < values.size()) {
                out += values[k];
                ++i;
                continue;
            }
        }
        out += pattern[i];
    }
    return out;
}

} // namespace quillmar::collection::texts
