#pragma once
// How the core shows a fixed German text to the user: a modal box with one OK
// button in the program, a recording fake in tests.
#include <string>
#include <vector>

namespace quillmar {

class Messages {
public:
    virtual ~Messages() = default;
    virtual void show(const std::string& text) = 0;
};

// Shows nothing; for hosts without a user (command line, benchmarks).
class SilentMessages final : public Messages {
public:
    void show(const std::string&) override {}
};

// Keeps every text shown, in order; for tests.
class RecordingMessages final : public Messages {
public:
    void show(const std::string& text) override { shown.push_back(text); }
    std::vector<std::string> shown;
};

} // namespace quillmar
