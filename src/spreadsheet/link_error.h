#pragma once
// A failure of the spreadsheet link. It carries the German text that the
// program's top-level handler shows; the user command that was running ends there.
#include <stdexcept>
#include <string>

namespace quillmar::spreadsheet {

class LinkError : public std::runtime_error {
public:
    explicit LinkError(const std::string& message) : std::runtime_error(message) {}
};

} // namespace quillmar::spreadsheet
