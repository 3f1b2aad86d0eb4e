#pragma once
// A scripted DDE transport for tests: it records everything it is asked to do
// and answers as told. Nothing is scripted at the start: no server answers,
// no launch succeeds and every item is unanswered.
#include "spreadsheet/transport.h"

#include <deque>
#include <map>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace quillmar::spreadsheet {

class FakeTransport final : public Transport {
public:
    // Every call in order, as one line each:
    //   "connect <service>|<topic>" (with " -> refused" when nobody answered),
    //   "launch <program>" (with " -> failed"), "disconnect",
    //   "request <item>" on the topic "@<topic>", "execute <command>",
    //   "execute+wait <command>" (with " -> refused" when refused).
    std::vector<std::string> log;

    // --- script ---
    // Whether a server answers connects.
    bool serverRunning = false;
    // Programs whose launch starts the server; launching any other fails.
    std::set<std::string> launchable;
    // The next n connects are refused even with the server running.
    int refuseConnects = 0;
    // The next n executes are refused.
    int refuseExecutes = 0;
    // Topics the server knows besides "System" (compared without regard to case).
    std::set<std::string> sheetTopics;

    // The answer to an item on a topic ("" = on every topic). Answers given as a
    // sequence are used one per request; the last one stays.
    void answer(const std::string& item, const std::string& text, const std::string& topic = "");
    void answerSequence(const std::string& item, std::vector<std::string> texts, const std::string& topic = "");
    void dropAnswer(const std::string& item, const std::string& topic = "");

    // The server closes the conversation (the user quits the spreadsheet program).
    void closeFromServer();

    // --- what happened ---
    // Commands the server accepted, in order.
    std::vector<std::string> executed;
    int lastRequestTimeoutMs = 0;
    const std::string& service() const { return service_; }
    const std::string& topic() const { return topic_; }

    // --- Transport ---
    bool connect(const std::string& service, const std::string& topic) override;
    bool launch(const std::string& program) override;
    void disconnect() override;
    bool isOpen() const override { return open_; }
    std::optional<std::string> request(const std::string& item, int timeoutMs) override;
    bool execute(const std::string& command, bool waitForCompletion) override;

private:
    bool knowsTopic(const std::string& topic) const;

    bool open_ = false;
    std::string service_;
    std::string topic_;
    std::map<std::pair<std::string, std::string>, std::deque<std::string>> answers_;
};

} // namespace quillmar::spreadsheet
