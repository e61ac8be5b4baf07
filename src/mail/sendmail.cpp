#include "mail/sendmail.h"

#include "mail/mailaddress.h"
#include "mail/tlsstream.h"

#include <QCoreApplication>
#include <arpa/inet.h>
#include <cstring>

namespace mail {

namespace {

// Socket sends go out in pieces of at most this size, and the message text is
// gathered up to it before it is handed over, so the GUI gets a turn between them.
constexpr std::size_t kSendSlice = 16 * 1024;

// Seconds a connect (and a host lookup) may take unless the owner says otherwise:
// the kernel's own retries would take minutes.
constexpr int kDefaultConnectSeconds = 30;

} // namespace

SendMail::SendMail(QObject* parent) : TStarSocket(parent) {
    OnMessage = [this](int message) {
        DoneMessage(message);
    };
    TimeOutConnect = kDefaultConnectSeconds;
    TimeOutArp = kDefaultConnectSeconds;
    replyTimer_.setSingleShot(true);
    connect(&replyTimer_, &QTimer::timeout, this, [this] { TimeOutHandler(); });
    // Nothing runs yet: a cancel now has nothing to end.
    cancelled_ = true;
}

SendMail::~SendMail() = default;

void SendMail::SetSMTP_Server(const std::string& server) {
    Server = server;
    if (server.empty()) {
        return;
    }
    // A text that starts with a digit is taken as a dotted address when it reads as
    // one; a name such as "163.example" is still looked up.
    in_addr parsed{};
    if (server[0] >= '0' && server[0] <= '9' && inet_aton(server.c_str(), &parsed) != 0) {
        KnownAddress = server;
        KnownHostName.clear();
    } else {
        KnownHostName = server;
        KnownAddress.clear();
    }
}

void SendMail::SetAction(TMailAction action) {
    if (action == TMailAction::Send_Mail) {
        StartRequest();
    } else if (action == TMailAction::Cancel_SendMail && busy_) {
        lastError_ = SendMailError::Cancelled;
        Abort();
    }
}

void SendMail::SetAttachmentInfo(int position, const TAttachmentInfo& info) {
    if (position >= 1 && position <= static_cast<int>(attachmentInfo_.size())) {
        attachmentInfo_[position - 1] = std::make_unique<TAttachmentInfo>(info);
    }
}

const TAttachmentInfo* SendMail::AttachmentInfo(int position) const {
    if (position >= 1 && position <= static_cast<int>(attachmentInfo_.size())) {
        return attachmentInfo_[position - 1].get();
    }
    return nullptr;
}

void SendMail::SplitRecipient(const std::string& entry, std::string& address, std::string& name) {
    const std::size_t bar = entry.find('|');
    if (bar == std::string::npos) {
        address = entry;
        name.clear();
    } else {
        address = entry.substr(0, bar);
        name = entry.substr(bar + 1, 999);
    }
}

void SendMail::StartRequest() {
    if (busy_) {
        Info(SendMailInfo::Busy);
        return;
    }
    OnTimeOut = [this](TStarSocket&) {
        TimeOutHandler();
    };
    cancelled_ = false;
    busy_ = true;
    mailSent_ = false;
    lastError_ = SendMailError::None;
    skip_ = {0, 0, 0};
    // Commands go out at once, even after a request cancelled in its message text.
    inMessageText_ = false;
    acceptedRecipients_ = 0;
    lastRefusal_.clear();

    // The first recipient: TO_Address, else the first entry of To, cc or Bcc.
    if (!TO_Address.empty()) {
        ListTo.insert(ListTo.begin(), TO_Address + "|" + TO_Name);
        skip_[0] = 1;
    } else {
        for (int list = 1; list <= 3 && TO_Address.empty(); ++list) {
            const auto& entries = RecipientList(list);
            if (!entries.empty()) {
                SplitRecipient(entries.front(), TO_Address, TO_Name);
                skip_[list - 1] = 1;
            }
        }
    }
    const std::string problem = TO_Address.empty() ? std::string() : AddressesProblem();
    if (TO_Address.empty() || !problem.empty()) {
        lastError_ = SendMailError::MailDestination;
        Error(SendMailError::MailDestination,
              problem.empty() ? TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "Mail Destination Error"))
                              : TranslatedMailText(
                                    QT_TRANSLATE_NOOP("MailError", "Mail Destination Error: %1"), problem));
        // A kept connection stays for the next mail: nothing was said on it.
        if (Connected() && step_ == kIdle) {
            KeepIdle();
        } else {
            Abort();
        }
        return;
    }

    reconnected_ = false;
    if (Connected() && step_ == kIdle) {
        // Still connected from the previous mail: RSET clears whatever that
        // transaction left, and its answer shows the connection still works.
        step_ = kReset;
        replies_.Clear();
        replyLines_ = 0;
        TouchReplyTimer();
        SendCommand("RSET");
        return;
    }
    OpenConnection();
}

void SendMail::OpenConnection() {
    SetWinsockStarted(true);
    if (!WinsockStarted()) {
        lastError_ = SendMailError::WinsockNotInitialized;
        Error(SendMailError::WinsockNotInitialized,
              TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "Winsock not initiliazed")));
        Abort();
        return;
    }
    OnConnect = [this](TStarSocket&) {
        ConnectedHandler();
    };
    OnRead = [this](TStarSocket&) {
        Reader();
    };
    OnDisconnect = [this](TStarSocket&) {
        DisconnectHandler();
    };
    OnWrite = [this](TStarSocket&) {
        WriteReady();
    };
    // A new connection starts in plain text.
    SetStream(nullptr);
    tls_.reset();
    CreateSocket();
    if (CheckSocketError()) {
        return;
    }
    if (!KnownAddress.empty()) {
        SetAddress(KnownAddress);
        SetPort(SMTP_Port);
        Connect();
    } else {
        Info(SendMailInfo::LookupStart, KnownHostName);
        ResolveHost(KnownHostName);
    }
    CheckSocketError();
}

// A kept connection that the server closed meanwhile (or that answers RSET
// with a refusal such as 421): nothing of this mail has gone out yet, so it
// starts again on a new connection, once per request.
bool SendMail::ReconnectAfterDrop() {
    if (step_ != kReset || reconnected_ || cancelled_) {
        return false;
    }
    reconnected_ = true;
    replyTimer_.stop();
    outgoing_.clear();
    outgoingSent_ = 0;
    CloseSocket();
    LastError = 0;
    Info(SendMailInfo::ServerClosed);
    // Connected anew from the event loop: the stream that noticed the drop may
    // still be on the call stack.
    step_ = kGreeting;
    QMetaObject::invokeMethod(
        this,
        [this] {
            if (!cancelled_) {
                OpenConnection();
            }
        },
        Qt::QueuedConnection);
    return true;
}

void SendMail::CloseKeptConnection() {
    if (busy_ || step_ != kIdle) {
        return;
    }
    if (Connected()) {
        SendCommand("QUIT");
    }
    step_ = kQuit;
    cancelled_ = true;
    replyTimer_.stop();
    CloseSocket();
}

// The request ends with the connection kept for the next one.
void SendMail::KeepIdle() {
    step_ = kIdle;
    replyTimer_.stop();
    PostMessage(kDoneMessage);
}

// Every address goes out whole or not at all: the first one unfit to send, and why.
// An empty sender is the null path servers know, and stays allowed.
std::string SendMail::AddressesProblem() const {
    if (!FROM_Address.empty()) {
        if (std::string problem = AddressProblem(FROM_Address); !problem.empty()) {
            return "the sender address \"" + FROM_Address + "\": " + problem;
        }
    }
    std::string address;
    std::string name;
    for (const auto* list : {&ListTo, &Listcc, &ListBcc}) {
        for (const std::string& entry : *list) {
            SplitRecipient(entry, address, name);
            if (std::string problem = AddressProblem(address); !problem.empty()) {
                return "the recipient address \"" + address + "\": " + problem;
            }
        }
    }
    if (std::string problem = AddressProblem(TO_Address); !problem.empty()) {
        return "the recipient address \"" + TO_Address + "\": " + problem;
    }
    return {};
}

void SendMail::HostResolved() {
    if (CheckSocketError()) {
        return;
    }
    UseResolvedAddress();
    SetPort(SMTP_Port);
    // Later requests connect to this address without a new lookup, until the
    // server is set again.
    KnownAddress = AddressText();
    Info(SendMailInfo::Resolved, KnownAddress);
    Connect();
    CheckSocketError();
}

void SendMail::ConnectedHandler() {
    if (CheckSocketError()) {
        return;
    }
    step_ = kGreeting;
    Info(SendMailInfo::Connected, AddressText());
    replies_.Clear();
    replyLines_ = 0;
    mailSent_ = false;
    TouchReplyTimer();
    if (Security.Tls == TlsMode::Tls) {
        StartTls(); // TLS from the first byte: the greeting comes encrypted
    }
}

void SendMail::DisconnectHandler() {
    if (ReconnectAfterDrop() || CheckSocketError()) {
        return;
    }
    Info(SendMailInfo::ServerClosed);
    if (step_ == kTlsHandshake && !mailSent_) {
        lastError_ = SendMailError::TlsHandshakeFailed;
        Error(lastError_,
              SecureMailErrorText(lastError_, TranslatedMailText(QT_TRANSLATE_NOOP(
                                                  "MailError", "the server closed the connection"))));
    } else if (!mailSent_ && step_ != kIdle) {
        lastError_ = SendMailError::PrematurelyDisconnected;
        Error(SendMailError::PrematurelyDisconnected,
              TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "Prematurely Disconnected")));
    }
    EndRequest();
}

void SendMail::TimeOutHandler() {
    if (mailSent_) {
        FinishAccepted(); // QUIT unanswered: the mail is delivered all the same
        return;
    }
    lastError_ = SendMailError::TimedOut;
    Error(SendMailError::TimedOut,
          TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "Connection timed out")));
    Abort();
}

void SendMail::TouchReplyTimer() {
    if (busy_ && !cancelled_ && TimeOutReply > 0) {
        replyTimer_.start(TimeOutReply * 1000);
    }
}

bool SendMail::CheckSocketError() {
    if (cancelled_) {
        return false;
    }
    const int socketError = stream_->StreamError();
    if (socketError == 0) {
        lastError_ = SendMailError::None;
        return false;
    }
    if (ReconnectAfterDrop()) {
        return true;
    }
    if (mailSent_) {
        // The server took the mail; what becomes of QUIT changes nothing.
        FinishAccepted();
        return true;
    }
    const MailErrorText mapped = MailErrorFromWinsock(socketError);
    lastError_ = mapped.code;
    Error(mapped.code, TranslatedMailText(mapped.text));
    Abort();
    return true;
}

void SendMail::Abort() {
    if (cancelled_) {
        return;
    }
    TO_Address.clear();
    TO_Name.clear();
    ListTo.clear();
    Listcc.clear();
    ListBcc.clear();
    cancelled_ = true;
    replyTimer_.stop();
    outgoing_.clear();
    outgoingSent_ = 0;
    CloseSocket();
    PostMessage(kDoneMessage);
}

// A server that breaks the protocol: the request ends at once, unless the mail was
// accepted already and only QUIT was waiting for its answer.
void SendMail::ProtocolError(const std::string& what) {
    if (mailSent_) {
        FinishAccepted();
        return;
    }
    lastError_ = SendMailError::UnexpectedResponse;
    Error(SendMailError::UnexpectedResponse,
          TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "Unexpected response: %1"), what));
    Abort();
}

// The mail is delivered: the connection closes from our side, without an error.
void SendMail::FinishAccepted() {
    if (cancelled_) {
        return;
    }
    CloseSocket();
    LastError = 0;
    EndRequest();
}

// Ends the request without closing anything (the peer already has).
void SendMail::EndRequest() {
    if (cancelled_) {
        return;
    }
    cancelled_ = true;
    replyTimer_.stop();
    outgoing_.clear();
    outgoingSent_ = 0;
    PostMessage(kDoneMessage);
}

void SendMail::DoneMessage(int message) {
    if (message != kDoneMessage) {
        return;
    }
    busy_ = false;
    if (OnDone) {
        OnDone(*this);
    }
}

void SendMail::Info(SendMailInfo info, const std::string& addinfo) {
    // While a message is only composed, nothing goes to a server: only a
    // picture left out is worth telling.
    if (capture_ && info != SendMailInfo::AttachmentSkipped) {
        return;
    }
    if (OnMailInfo) {
        OnMailInfo(*this, info, addinfo);
    }
}

void SendMail::Error(SendMailError error, const std::string& text) {
    if (OnMailError) {
        OnMailError(*this, error, text);
    }
}

// A header line: cut at 253 characters.
void SendMail::SendLine(std::string_view text) {
    std::string line(text.substr(0, 253));
    line += "\r\n";
    SendText(line);
}

// A command goes out whole: the addresses in it were checked against the limits.
void SendMail::SendCommand(std::string_view text) {
    std::string line(text);
    line += "\r\n";
    SendText(line);
}

// A header value may come folded over several lines; each goes out as a line.
void SendMail::SendHeader(std::string_view text) {
    std::size_t start = 0;
    for (std::size_t end; (end = text.find("\r\n", start)) != std::string_view::npos; start = end + 2) {
        SendLine(text.substr(start, end - start));
    }
    SendLine(text.substr(start));
}

void SendMail::SendText(std::string_view text) {
    if (capture_) {
        capture_->append(text);
        return;
    }
    if (cancelled_) {
        return;
    }
    if (OnMailInfo) {
        Info(SendMailInfo::TextSent, std::string(text.substr(0, text.find('\0'))));
    }
    Queue(text);
}

void SendMail::SendBlock(const char* data, std::size_t count) {
    SendText(std::string_view(data, count));
}

void SendMail::Queue(std::string_view data) {
    if (!inMessageText_) {
        outgoing_.append(data);
    } else {
        outgoing_.reserve(outgoing_.size() + data.size() + 16);
        std::size_t start = 0;
        while (start < data.size()) {
            if (atLineStart_ && data[start] == '.') {
                outgoing_ += '.';
            }
            const std::size_t lf = data.find('\n', start);
            const std::size_t end = lf == std::string_view::npos ? data.size() : lf + 1;
            outgoing_.append(data.substr(start, end - start));
            atLineStart_ = lf != std::string_view::npos;
            start = end;
        }
    }
    // Commands go out at once; the message text in slices.
    if (!inMessageText_ || outgoing_.size() - outgoingSent_ >= kSendSlice) {
        Flush();
    }
}

void SendMail::Flush() {
    while (outgoingSent_ < outgoing_.size()) {
        // The GUI (and the socket's own notifications) get their turn between slices.
        QCoreApplication::processEvents();
        if (cancelled_) {
            break;
        }
        const std::size_t slice = std::min(outgoing_.size() - outgoingSent_, kSendSlice);
        const int sent = stream_->SendBuffer(outgoing_.data() + outgoingSent_, static_cast<int>(slice));
        if (CheckSocketError()) {
            break;
        }
        if (sent > 0) {
            outgoingSent_ += static_cast<std::size_t>(sent);
            TouchReplyTimer();
        } else {
            // The socket is full: wait until it takes data again (its write
            // notification), or anything else happens (a cancel, a time-out).
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
        }
    }
    outgoing_.clear();
    outgoingSent_ = 0;
}

} // namespace mail
