#include "doubles/fake_transport.h"

#include "spreadsheet/commands.h"
#include "support/text.h"

namespace quillmar::spreadsheet {

void FakeTransport::answer(const std::string& item, const std::string& text, const std::string& topic)
{
    answers_[{topic, item}] = {text};
}

void FakeTransport::answerSequence(const std::string& item, std::vector<std::string> texts, const std::string& topic)
{
    answers_[{topic, item}] = std::deque<std::string>(texts.begin(), texts.end());
}

void FakeTransport::dropAnswer(const std::string& item, const std::string& topic)
{
    answers_.erase({topic, item});
}

void FakeTransport::closeFromServer()
{
    if (!open_)
        return;
    open_ = false;
    notifyClosed();
}

bool FakeTransport::knowsTopic(const std::string& topic) const
{
    if (text::equalsNoCase(topic, commands::kSystemTopic))
        return true;
    for (const auto& known : sheetTopics)
        if (text::equalsNoCase(topic, known))
            return true;
    return false;
}

bool FakeTransport::connect(const std::string& service, const std::string& topic)
{
    if (open_) {
        open_ = false;
        notifyClosed();
    }
    service_ = service;
    topic_ = topic;
    std::string entry = "connect " + service + "|" + topic;
    bool answered = serverRunning && text::equalsNoCase(service, commands::kService) && knowsTopic(topic);
    if (answered && refuseConnects > 0) {
        --refuseConnects;
        answered = false;
    }
    log.push_back(answered ? entry : entry + " -> refused");
    if (!answered)
        return false;
    open_ = true;
    notifyOpened();
    return true;
}

bool FakeTransport::launch(const std::string& program)
{
    const bool started = launchable.count(program) > 0;
    log.push_back("launch " + program + (started ? "" : " -> failed"));
    if (started)
        serverRunning = true;
    return started;
}

void FakeTransport::disconnect()
{
    log.push_back("disconnect");
    if (!open_)
        return;
    open_ = false;
    notifyClosed();
}

std::optional<std::string> FakeTransport::request(const std::string& item, int timeoutMs)
{
    log.push_back("request " + item + " @" + topic_);
    lastRequestTimeoutMs = timeoutMs;
    if (!open_)
        return std::nullopt;
    auto found = answers_.find({topic_, item});
    if (found == answers_.end())
        found = answers_.find({"", item});
    if (found == answers_.end() || found->second.empty())
        return std::nullopt;
    std::string text = found->second.front();
    if (found->second.size() > 1)
        found->second.pop_front();
    return text;
}

bool FakeTransport::execute(const std::string& command, bool waitForCompletion)
{
    std::string entry = (waitForCompletion ? "execute+wait " : "execute ") + command;
    bool accepted = open_;
    if (accepted && refuseExecutes > 0) {
        --refuseExecutes;
        accepted = false;
    }
    log.push_back(accepted ? entry : entry + " -> refused");
    if (accepted)
        executed.push_back(command);
    return accepted;
}

} // namespace quillmar::spreadsheet
