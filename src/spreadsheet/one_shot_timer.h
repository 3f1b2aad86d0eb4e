#pragma once
// A timer that fires once on the user-interface thread (a QTimer in the
// program, a hand-fired fake in tests).
#include <chrono>
#include <functional>

namespace quillmar::spreadsheet {

class OneShotTimer {
public:
    virtual ~OneShotTimer() = default;
    // Starts the timer anew; onTimeout runs once after interval unless stopped first.
    virtual void start(std::chrono::milliseconds interval, std::function<void()> onTimeout) = 0;
    virtual void stop() = 0;
};

} // namespace quillmar::spreadsheet
