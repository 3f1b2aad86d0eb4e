#pragma once
// Test doubles for the surroundings of the link component.
#include "spreadsheet/link_error.h"
#include "doubles/fake_transport.h"
#include "spreadsheet/link_clock.h"
#include "spreadsheet/one_shot_timer.h"
#include "spreadsheet/registry_reader.h"
#include "spreadsheet/conversation.h"

#include <map>
#include <memory>

namespace quillmar::spreadsheet::testing {

// Time moves only when the link pauses (or a test moves it).
class ManualClock final : public Clock {
public:
    std::chrono::milliseconds now() const override { return now_; }
    void pause(std::chrono::milliseconds duration) override { now_ += duration; }
    std::chrono::milliseconds now_{1'000'000};
};

class MapRegistry final : public RegistryReader {
public:
    std::optional<std::string> classesRootDefault(const std::string& key) const override
    {
        const auto found = values.find(key);
        if (found == values.end())
            return std::nullopt;
        return found->second;
    }
    std::map<std::string, std::string> values;
};

class ManualTimer final : public OneShotTimer {
public:
    void start(std::chrono::milliseconds interval, std::function<void()> onTimeout) override
    {
        ++starts;
        lastInterval = interval;
        pending = std::move(onTimeout);
    }
    void stop() override { pending = nullptr; }
    bool running() const { return static_cast<bool>(pending); }
    void fire()
    {
        auto callback = pending;  // the callback may stop or restart the timer
        if (callback)
            callback();
    }

    int starts = 0;
    std::chrono::milliseconds lastInterval{0};
    std::function<void()> pending;
};

// A link component on a fake transport, with a manual clock, an empty registry
// and counted event processing.
struct LinkRig {
    LinkRig()
    {
        auto transport = std::make_unique<FakeTransport>();
        fake = transport.get();
        ConversationServices services;
        services.processEvents = [this] {
            ++eventRounds;
            if (onEvents)
                onEvents();
        };
        services.registry = registry;
        services.fileExists = [this](const std::string& path) { return existingFiles.count(path) > 0; };
        services.clock = clock;
        conversation = std::make_unique<Conversation>(std::move(transport), services);
    }

    // Connected to a running Excel that reports ready; the log starts empty.
    void connectReady()
    {
        fake->serverRunning = true;
        fake->answer("Status", "Ready");
        conversation->connect();
        fake->log.clear();
    }

    FakeTransport* fake = nullptr;
    std::shared_ptr<MapRegistry> registry = std::make_shared<MapRegistry>();
    std::shared_ptr<ManualClock> clock = std::make_shared<ManualClock>();
    std::set<std::string> existingFiles;
    int eventRounds = 0;
    std::function<void()> onEvents;
    std::unique_ptr<Conversation> conversation;
};

} // namespace quillmar::spreadsheet::testing

namespace quillmar::spreadsheet::testing {

// The text of the LinkError that f raises, or "<kein Fehler>".
template <class F>
std::string errorOf(F&& f)
{
    try {
        f();
    } catch (const LinkError& error) {
        return error.what();
    }
    return "<kein Fehler>";
}

} // namespace quillmar::spreadsheet::testing
