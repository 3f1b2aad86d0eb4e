#pragma once
// The operations of one DDE client conversation, as the spreadsheet link uses them.
// Implementations: the built-in spreadsheet server (the default), the Windows DDE
// transport (Windows only) and a scripted fake for tests.
#include <optional>
#include <string>

namespace quillmar::spreadsheet {

// Told when the conversation opens and when it closes, from either side (the
// server closing it, for example the user quitting the spreadsheet program).
class TransportListener {
public:
    virtual ~TransportListener() = default;
    virtual void conversationOpened() = 0;
    virtual void conversationClosed() = 0;
};

class Transport {
public:
    virtual ~Transport() = default;

    void setListener(TransportListener* listener) { listener_ = listener; }

    // Tries to open a conversation with service and topic (closing any open one
    // first). True when a server answered; then the listener hears conversationOpened().
    virtual bool connect(const std::string& service, const std::string& topic) = 0;

    // Starts the service program (minimized, not activated) when no server answers.
    // True when the program could be started.
    virtual bool launch(const std::string& program) = 0;

    // Closes the conversation when open; the listener hears conversationClosed().
    virtual void disconnect() = 0;

    virtual bool isOpen() const = 0;

    // Request transaction for an item on the current topic, plain text, synchronous.
    // Nothing when there is no conversation, no answer within the time-out, or a
    // waited execute is still outstanding.
    virtual std::optional<std::string> request(const std::string& item, int timeoutMs) = 0;

    // Execute transaction. waitForCompletion marks the conversation as waiting until
    // the server has completed the command; meanwhile no other execute or request is
    // accepted. False when the transport or the server refuses the command.
    virtual bool execute(const std::string& command, bool waitForCompletion) = 0;

protected:
    void notifyOpened()
    {
        if (listener_)
            listener_->conversationOpened();
    }
    void notifyClosed()
    {
        if (listener_)
            listener_->conversationClosed();
    }

private:
    TransportListener* listener_ = nullptr;
};

} // namespace quillmar::spreadsheet
