#include "spreadsheet/link_clock.h"

#include <thread>

namespace quillmar::spreadsheet {

std::chrono::milliseconds SteadyClock::now() const
{
    return std::chrono::duration_cast<std::chrono::milliseconds>(
        std::chrono::steady_clock::now().time_since_epoch());
}

void SteadyClock::pause(std::chrono::milliseconds duration)
{
    std::this_thread::sleep_for(duration);
}

} // namespace quillmar::spreadsheet
