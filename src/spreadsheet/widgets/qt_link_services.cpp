#include "spreadsheet/widgets/qt_link_services.h"

#include <QCoreApplication>

namespace quillmar::spreadsheet {

QtOneShotTimer::QtOneShotTimer()
{
    timer_.setSingleShot(true);
    QObject::connect(&timer_, &QTimer::timeout, [this] {
        // The callback may start the timer anew, which replaces onTimeout_.
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
}

void processPendingEvents()
{
    QCoreApplication::processEvents();
}

} // namespace quillmar::spreadsheet
