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
    while (!cancelled_) {
        // While TLS is being set up, what arrives belongs to the handshake.
        if (step_ == kTlsHandshake && !ContinueHandshake()) {
            return;
        }
        const int received = stream_->ReceiveBuffer(buffer, sizeof buffer);
        if (CheckSocketError() || received == 0) {
            return;
        }
        TouchReplyTimer();
        partialReply_.append(buffer, strnlen(buffer, static_cast<std::size_t>(received)));
        std::size_t start = 0;
        for (std::size_t end; (end = partialReply_.find("\r\n", start)) != std::string::npos;
             start = end + 2) {
            const std::string line = partialReply_.substr(start, end - start);
            inReply_ = true;
            HandleReply(line);
            inReply_ = false;
            if (cancelled_) {
                return;
            }
            if (step_ == kTlsHandshake) {
                // Anything that came in plain text after the answer to STARTTLS
                // is not the server's word: it is dropped, never read as a reply.
                start = partialReply_.size();
                break;
            }
        }
        partialReply_.erase(0, start);
    }
}

void SendMail::HandleReply(const std::string& line) {
    Info(SendMailInfo::ReplyLine, line);
    if (!line.empty() && (line[0] == '4' || line[0] == '5' || line[0] == '-')) {
        if (step_ == kRecipients) {
            // A refused recipient: the others still get their RCPT.
            Info(SendMailInfo::RecipientRefused, currentRecipient_);
        } else if (step_ >= kEhlo) {
            SecureRefusal(line);
            return;
        } else {
            lastError_ = SendMailError::UnexpectedResponse;
            Error(SendMailError::UnexpectedResponse, "Unexpected response: " + line);
            Abort();
            return;
        }
    }
    if (step_ == kEhlo) {
        NoteExtension(line);
    }
    if (line.size() >= 4 && line[3] == '-') {
        return; // a continuation line of a multi-line reply: wait for the last
    }

    switch (step_) {
    case kGreeting:
        // EHLO when the server's extensions matter: encryption, a login, SMTPUTF8.
        if (Security.Asks() || NeedsSmtpUtf8()) {
            SendEhlo();
            return;
        }
        SendLine("HELO " + HeloName());
        break;
    case kHelo:
        SendLine("MAIL FROM:<" + AsciiAddress(FROM_Address) + ">" + (NeedsSmtpUtf8() ? " SMTPUTF8" : ""));
        break;
    case kMailFrom:
        SendLine("RCPT TO:<" + AsciiAddress(TO_Address) + ">");
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
        break;
    case kDataSent:
        break;
    case kData:
        ComposeMessage();
        break;
    case kEndOfData:
        if (cancelled_) {
            return;
        }
        Info(SendMailInfo::MailAccepted);
        mailSent_ = true;
        if (KeepConnectionOpen) {
            // The request ends here; the connection waits for the next one.
            replyTimer_.stop();
            PostMessage(kDoneMessage);
            return;
        }
        SendLine("QUIT");
        break;
    case kEhlo:
        AfterEhlo(); // STARTTLS, the login or MAIL FROM
        return;
    case kStartTls:
        StartTls();
        return;
    case kTlsHandshake:
        return; // the handshake takes the bytes; no line gets here
    case kAuthLoginUser:
        SendLine(Base64Encode(Security.User));
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
            SendLine("RCPT TO:<" + AsciiAddress(address) + ">");
            Info(SendMailInfo::RcptSent, address);
        }
    } else {
        SendLine("DATA");
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
