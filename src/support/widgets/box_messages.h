#pragma once
// Messages shown as modal message boxes with one OK button, titled with the
// application's name, over the window that is active at the time.
#include "support/messages.h"

namespace quillmar {

class BoxMessages final : public Messages {
public:
    void show(const std::string& text) override;
};

} // namespace quillmar
