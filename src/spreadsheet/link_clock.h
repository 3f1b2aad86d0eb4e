#pragma once
// Time as the spreadsheet link sees it, so that waiting can be limited and
// tests need not wait.
#include <chrono>

namespace quillmar::spreadsheet {

class Clock {
public:
    virtual ~Clock() = default;
    virtual std::chrono::milliseconds now() const = 0;
    // Pauses between two polls so that waiting does not keep a core busy.
    virtual void pause(std::chrono::milliseconds duration) = 0;
};

class SteadyClock final : public Clock {
public:
    std::chrono::milliseconds now() const override;
    void pause(std::chrono::milliseconds duration) override;
};

} // namespace quillmar::spreadsheet
