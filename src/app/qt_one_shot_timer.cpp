#include "app/qt_one_shot_timer.h"

namespace quillmar::app {

QtOneShotTimer::QtOneShotTimer()
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The callback may start the timer again; keep it alive while it runs.
        auto callback = onTimeout_;
        if (callback)
            callback();
    });
}

void QtOneShotTimer::start(std::chrono::milliseconds interval, std::function<void()> onTimeout)
{
    onTimeout_ = std::move(onTimeout);
    timer_.start(interval);
}

void QtOneShotTimer::stop()
{
    timer_.stop();
    onTimeout_ = nullptr;
}

} // namespace quillmar::app
