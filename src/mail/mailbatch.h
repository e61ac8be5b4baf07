#pragma once
// MailBatch: sends ready messages, each to a recipient of its own, over one
// connection and one login: a mail transaction per message, RSET between, a
// new connection when the server drops the old one. A refused recipient does
// not stop the others; a failure before any transaction (no connection, no
// login) ends the batch, and every message not sent names that reason. Each
// address gets at most one message per batch.
#include "mail/mailtypes.h"

#include <QObject>
#include <functional>
#include <string>
#include <vector>

namespace mail {

class SendMail;

// A message composed for one recipient, ready to send now or later.
struct ReadyMessage {
    std::string Address; // the envelope recipient
    std::string Name;    // the name the message greets, for reports
    std::string Bytes;   // the message text (SendMail::ComposeReadyMessage)
};

struct DeliveryOutcome {
    enum class State {
        Delivered, // the server accepted the message
        NotSent,   // refused, or never got to the server: safe to send again
        Unknown,   // the connection ended after the message and before the answer
    };
    std::string Address;
    std::string Name;
    State Result = State::NotSent;
    std::string Reason; // the server's answer, or what went wrong (empty when delivered)
};

class MailBatch : public QObject {
    Q_OBJECT
public:
    // The batch drives mail (server, port, sender and security set by the
    // caller), which must not be used for anything else while it runs.
    explicit MailBatch(SendMail& mail, QObject* parent = nullptr);
    ~MailBatch() override;

    // Starts sending; false when a batch runs already or there is nothing to send.
    bool Start(std::vector<ReadyMessage> messages);
    bool Running() const { return running_; }
    // Ends the batch after the mail now being sent; the rest stay not sent.
    void Cancel();

    const std::vector<DeliveryOutcome>& Outcomes() const { return outcomes_; }
    // The messages of recipients that should get them again: those not sent.
    std::vector<ReadyMessage> NotSent() const;

    // Before each message: its number (from 1), the count and the message.
    std::function<void(int number, int count, const ReadyMessage& message)> OnProgress;
    std::function<void(const DeliveryOutcome& outcome)> OnOutcome;
    // The mail component's own events, passed on.
    std::function<void(SendMailInfo info, const std::string& addinfo)> OnMailInfo;
    std::function<void(SendMailError error, const std::string& text)> OnMailError;
    // Once, after the last outcome.
    std::function<void()> OnFinished;

private:
    void SendNext();
    void MailDone();
    void Record(std::size_t index, DeliveryOutcome::State state, const std::string& reason);
    void Finish();

    SendMail& mail_;
    std::vector<ReadyMessage> messages_;
    std::vector<DeliveryOutcome> outcomes_;
    std::size_t next_ = 0;
    bool running_ = false;
    bool waiting_ = false; // a request of ours runs: its done is ours
    bool cancelled_ = false;
    // What the running request has shown so far.
    bool transactionBegun_ = false; // a RCPT went out: the session was set up
    bool messageEnded_ = false;     // the "." line went out
    bool accepted_ = false;
    SendMailError error_ = SendMailError::None;
    std::string errorText_;
    std::string lastReply_;
};

} // namespace mail
