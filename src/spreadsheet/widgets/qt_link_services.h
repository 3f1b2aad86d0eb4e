#pragma once
// The Qt side of what the link component asks of its surroundings: a one-shot
// timer for the close watch and the processing of pending events.
#include "spreadsheet/one_shot_timer.h"

#include <QTimer>

#include <functional>

namespace quillmar::spreadsheet {

class QtOneShotTimer final : public OneShotTimer {
public:
    QtOneShotTimer();
    void start(std::chrono::milliseconds interval, std::function<void()> onTimeout) override;
    void stop() override;
    bool isActive() const { return timer_.isActive(); }

private:
    QTimer timer_;
    std::function<void()> onTimeout_;
};

// Processes the pending user-interface events once (for ConversationServices::processEvents).
void processPendingEvents();

} // namespace quillmar::spreadsheet
