// The SMTP dialogue of SendMail: reading reply lines and acting on each according
// to the step the dialogue is at.
#include "mail/sendmail.h"

#include "mail/base64.h"
#include "mail/headerfields.h"

#include <cstring>

namespace mail {

void SendMail::Reader() {
    // A reply being handled may pump events; the outer reader keeps receiving
    // until the socket is empty, so a nested call has nothing to do.
    if (inReply_ || cancelled_) {
        return;
    }
    char buffer[2048];
    std::string line;
    while (!cancelled_) {
        // While TLS is being set up, what arrives belongs to the handshake.
        if (step_ == kTlsHandshake && !ContinueHandshake()) {
            return;
        }
        const int received = stream_->ReceiveBuffer(buffer, sizeof buffer);
        if (CheckSocketError() || received == 0) {
            return;
        }
        // No timer is touched here: the whole reply has to arrive in time, however
        // slowly its bytes come.
        replies_.Append(std::string_view(buffer, static_cast<std::size_t>(received)));
        while (replies_.NextLine(line)) {
            inReply_ = true;
            HandleReply(line);
            inReply_ = false;
            // Ended, or the connection given up for a new one.
            if (cancelled_ || !HasSocket()) {
                return;
            }
            if (step_ == kTlsHandshake) {
                // Anything that came in plain text after the answer to STARTTLS
                // is not the server's word: it is dropped, never read as a reply.
                replies_.Clear();
                break;
            }
        }
        if (const TReplyReader::Fault fault = replies_.PendingFault(); fault != TReplyReader::Fault::None) {
            ProtocolError(TReplyReader::FaultText(fault));
            return;
        }
    }
}

void SendMail::HandleReply(const std::string& line) {
    Info(SendMailInfo::ReplyLine, line);
    if (mailSent_ || step_ == kIdle) {
        return; // the answer to QUIT, or a word between mails: it changes nothing now
    }
    if (const std::string problem = TReplyReader::LineProblem(line); !problem.empty()) {
        ProtocolError(line.empty() ? "an empty reply line" : line);
        return;
    }
    const bool last = line.size() < 4 || line[3] != '-';
    replyLines_ = last ? 0 : replyLines_ + 1;
    if (replyLines_ >= kMaxReplyLines) {
        ProtocolError("a reply of more than " + std::to_string(kMaxReplyLines) + " lines");
        return;
    }
    ActOnReply(line);
}

void SendMail::ActOnReply(const std::string& line) {
    if (line[0] == '4' || line[0] == '5') {
        if (step_ == kRecipients) {
            // A refused recipient: the others still get their RCPT.
            Info(SendMailInfo::RecipientRefused, currentRecipient_);
            lastRefusal_ = line;
        } else if (step_ == kReset) {
            // A kept connection the server no longer serves (421): a new one.
            if ((line.size() < 4 || line[3] != '-') && !ReconnectAfterDrop()) {
                ProtocolError(line);
            }
            return;
        } else if (step_ >= kEhlo) {
            SecureRefusal(line);
            return;
        } else {
            ProtocolError(line);
            return;
        }
    }
    if (step_ == kEhlo) {
        NoteExtension(line);
    }
    if (line.size() >= 4 && line[3] == '-') {
        return; // a continuation line of a multi-line reply: wait for the last
    }
    if (step_ == kRecipients && line[0] == '2') {
        ++acceptedRecipients_;
    }

    switch (step_) {
    case kGreeting:
        // EHLO when the server's extensions matter: encryption, a login, SMTPUTF8.
        if (Security.Asks() || NeedsSmtpUtf8()) {
            SendEhlo();
            return;
        }
        SendCommand("HELO " + HeloName());
        break;
    case kHelo:
        SendCommand("MAIL FROM:<" + AsciiAddress(FROM_Address) + ">" + (NeedsSmtpUtf8() ? " SMTPUTF8" : ""));
        break;
    case kMailFrom:
        SendCommand("RCPT TO:<" + AsciiAddress(TO_Address) + ">");
        if (cancelled_) {
            return;
        }
        currentRecipient_ = TO_Address;
        StartRecipientWalk();
        Info(SendMailInfo::RcptSent, TO_Address);
        break;
    case kRecipients:
        if (cancelled_) {
            return;
        }
        NextRecipient(); // sends the next RCPT, or DATA (step 4) after the last
        if (step_ == kIdle) {
            return; // nobody accepted: the connection waits for the next mail
        }
        break;
    case kDataSent:
        break;
    case kData:
        SendMessageText();
        break;
    case kEndOfData:
        if (cancelled_) {
            return;
        }
        Info(SendMailInfo::MailAccepted);
        mailSent_ = true;
        if (KeepConnectionOpen) {
            // The request ends here; the connection waits for the next one.
            KeepIdle();
            return;
        }
        SendCommand("QUIT");
        // The mail is delivered: QUIT's answer is waited for a short while only.
        if (!cancelled_) {
            replyTimer_.start(TimeOutQuitMs);
        }
        break;
    case kEhlo:
        AfterEhlo(); // STARTTLS, the login or MAIL FROM
        return;
    case kStartTls:
        StartTls();
        return;
    case kTlsHandshake:
        return; // the handshake takes the bytes; no line gets here
    case kReset:
        SendMailFrom();
        return;
    case kAuthLoginUser:
        SendCommand(Base64Encode(Security.User));
        step_ = kAuthLoginPassword;
        return;
    case kAuthLoginPassword:
        SendSecretLine(Base64Encode(Security.Password), "********");
        step_ = kAuthLoginDone;
        return;
    case kAuthPlain:
    case kAuthLoginDone:
        Info(SendMailInfo::LoggedIn, Security.User);
        SendMailFrom();
        return;
    default:
        break; // QUIT's answer and anything after it
    }
    if (step_ != kRecipients) {
        ++step_;
    }
}

std::vector<std::string>& SendMail::RecipientList(int number) {
    return number == 1 ? ListTo : number == 2 ? Listcc : ListBcc;
}

void SendMail::StartRecipientWalk() {
    recipientList_ = 1;
    recipientIndex_ = -1;
    recipientLast_ = static_cast<int>(ListTo.size()) - 1 - skip_[0];
    while (recipientLast_ == -1) {
        AdvanceRecipientList();
    }
}

void SendMail::AdvanceRecipientList() {
    ++recipientList_;
    if (recipientList_ <= 3) {
        recipientLast_ =
            static_cast<int>(RecipientList(recipientList_).size()) - 1 - skip_[recipientList_ - 1];
    } else {
        recipientLast_ = 0; // all lists done: DATA comes next
    }
}

void SendMail::NextRecipient() {
    if (recipientList_ <= 3) {
        if (recipientIndex_ < recipientLast_) {
            ++recipientIndex_;
            std::string address;
            std::string name;
            SplitRecipient(RecipientList(recipientList_)[recipientIndex_ + skip_[recipientList_ - 1]],
                           address, name);
            currentRecipient_ = address;
            SendCommand("RCPT TO:<" + AsciiAddress(address) + ">");
            Info(SendMailInfo::RcptSent, address);
        }
    } else if (acceptedRecipients_ == 0) {
        // Nobody to deliver to: no message text goes out.
        lastError_ = SendMailError::MailDestination;
        Error(SendMailError::MailDestination,
              TranslatedMailText(
                  QT_TRANSLATE_NOOP("MailError",
                                    "Mail Destination Error: the server accepted no recipient (%1)"),
                  lastRefusal_));
        if (KeepConnectionOpen && !cancelled_) {
            KeepIdle(); // the next mail's RSET ends this transaction
            return;
        }
        SendCommand("QUIT");
        Abort();
        return;
    } else {
        SendCommand("DATA");
        step_ = kDataSent; // the step after the reply to DATA is kData
    }
    if (recipientIndex_ == recipientLast_) {
        recipientLast_ = -1;
        while (recipientLast_ == -1) {
            AdvanceRecipientList();
        }
        recipientIndex_ = -1;
    }
}

} // namespace mail
