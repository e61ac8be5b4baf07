#include "mail/mailbatch.h"

#include "mail/sendmail.h"

#include <QString>
#include <QTimer>
#include <set>

namespace mail {

namespace {

// The same mailbox however it is written: strictly only the domain ignores
// letter case, but the servers people use ignore it in the local part too,
// and a second card is worse than none.
std::string AddressKey(const std::string& address) {
    return QString::fromStdString(address).toLower().toStdString();
}

} // namespace

MailBatch::MailBatch(SendMail& mail, QObject* parent) : QObject(parent), mail_(mail) {}

MailBatch::~MailBatch() {
    if (mail_.OnDone) {
        mail_.OnMailInfo = nullptr;
        mail_.OnMailError = nullptr;
        mail_.OnDone = nullptr;
    }
}

bool MailBatch::Start(std::vector<ReadyMessage> messages) {
    if (running_ || mail_.Busy()) {
        return false;
    }
    // One message per mailbox: a second would be a second card.
    std::set<std::string> seen;
    messages_.clear();
    for (ReadyMessage& message : messages) {
        if (seen.insert(AddressKey(message.Address)).second) {
            messages_.push_back(std::move(message));
        }
    }
    if (messages_.empty()) {
        return false;
    }
    outcomes_.clear();
    next_ = 0;
    running_ = true;
    cancelled_ = false;
    mail_.KeepConnectionOpen = true;
    mail_.OnMailInfo = [this](SendMail&, SendMailInfo info, const std::string& addinfo) {
        if (waiting_) {
            transactionBegun_ = transactionBegun_ || info == SendMailInfo::RcptSent;
            messageEnded_ = messageEnded_ || (info == SendMailInfo::TextSent && addinfo == ".\r\n");
            accepted_ = accepted_ || info == SendMailInfo::MailAccepted;
            if (info == SendMailInfo::ReplyLine) {
                lastReply_ = addinfo;
            }
        }
        if (OnMailInfo) {
            OnMailInfo(info, addinfo);
        }
    };
    mail_.OnMailError = [this](SendMail&, SendMailError error, const std::string& text) {
        if (waiting_ && error_ == SendMailError::None) {
            error_ = error;
            errorText_ = text;
        }
        if (OnMailError) {
            OnMailError(error, text);
        }
    };
    mail_.OnDone = [this](SendMail&) {
        MailDone();
    };
    SendNext();
    return true;
}

void MailBatch::Cancel() {
    cancelled_ = true;
}

std::vector<ReadyMessage> MailBatch::NotSent() const {
    std::vector<ReadyMessage> again;
    for (std::size_t i = 0; i < outcomes_.size() && i < messages_.size(); ++i) {
        if (outcomes_[i].Result == DeliveryOutcome::State::NotSent) {
            again.push_back(messages_[i]);
        }
    }
    return again;
}

void MailBatch::SendNext() {
    if (cancelled_) {
        for (std::size_t i = next_; i < messages_.size(); ++i) {
            Record(i, DeliveryOutcome::State::NotSent, "Cancelled");
        }
        next_ = messages_.size();
    }
    if (next_ >= messages_.size()) {
        Finish();
        return;
    }
    const ReadyMessage& message = messages_[next_];
    if (OnProgress) {
        OnProgress(static_cast<int>(next_) + 1, static_cast<int>(messages_.size()), message);
    }
    transactionBegun_ = false;
    messageEnded_ = false;
    accepted_ = false;
    error_ = SendMailError::None;
    errorText_.clear();
    lastReply_.clear();
    mail_.ListTo.clear();
    mail_.Listcc.clear();
    mail_.ListBcc.clear();
    mail_.TO_Address = message.Address;
    mail_.TO_Name = message.Name;
    mail_.ReadyMessage = message.Bytes;
    waiting_ = true;
    mail_.SetAction(TMailAction::Send_Mail);
}

void MailBatch::MailDone() {
    // A kept connection that the server closes between our requests reports a
    // done of its own: it is not an answer to anything we asked.
    if (!waiting_) {
        return;
    }
    waiting_ = false;
    const std::size_t index = next_++;
    if (accepted_ && error_ == SendMailError::None) {
        Record(index, DeliveryOutcome::State::Delivered, {});
    } else if (messageEnded_ && error_ != SendMailError::UnexpectedResponse) {
        // The whole message went out and no answer came: it may have arrived.
        Record(index, DeliveryOutcome::State::Unknown, errorText_);
    } else {
        // A refusal names the server's own words; anything else, what failed.
        const bool refused =
            error_ == SendMailError::MailDestination || error_ == SendMailError::UnexpectedResponse;
        Record(index, DeliveryOutcome::State::NotSent,
               refused && !lastReply_.empty() && (lastReply_[0] == '4' || lastReply_[0] == '5') ? lastReply_
                                                                                                : errorText_);
        // Without a session (no connection, no login) the others would fail the
        // same way: they keep this reason and are not tried.
        if (!transactionBegun_ && error_ != SendMailError::MailDestination) {
            for (std::size_t i = next_; i < messages_.size(); ++i) {
                Record(i, DeliveryOutcome::State::NotSent, outcomes_.back().Reason);
            }
            next_ = messages_.size();
        }
    }
    // The next request starts from the event loop, after this one has ended
    // everywhere (a done already queued behind ours is then no longer ours).
    QTimer::singleShot(0, this, [this] { SendNext(); });
}

void MailBatch::Record(std::size_t index, DeliveryOutcome::State state, const std::string& reason) {
    DeliveryOutcome outcome;
    outcome.Address = messages_[index].Address;
    outcome.Name = messages_[index].Name;
    outcome.Result = state;
    outcome.Reason = reason;
    outcomes_.push_back(outcome);
    if (OnOutcome) {
        OnOutcome(outcomes_.back());
    }
}

void MailBatch::Finish() {
    mail_.CloseKeptConnection();
    mail_.KeepConnectionOpen = false;
    mail_.ReadyMessage.clear();
    running_ = false;
    if (OnFinished) {
        OnFinished();
    }
}

} // namespace mail
