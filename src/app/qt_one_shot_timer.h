#pragma once
// The close watch's timer on Qt's event loop.
#include "excel/one_shot_timer.h"

#include <QTimer>

namespace quillmar::app {

class QtOneShotTimer final : public excel::OneShotTimer {
public:
    QtOneShotTimer();
    void start(std::chrono::milliseconds interval, std::function<void()> onTimeout) override;
    void stop() override;

private:
    QTimer timer_;
    std::function<void()> onTimeout_;
};

} // namespace quillmar::app
