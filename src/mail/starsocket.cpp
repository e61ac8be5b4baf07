#include "mail/starsocket.h"

#include "mail/winsockerrors.h"

#include <QCoreApplication>
#include <QEvent>
#include <QHostInfo>
#include <QSocketNotifier>
#include <arpa/inet.h>
#include <cerrno>
#include <sys/resource.h>

namespace mail {

namespace {

// A message of the socket component: a lookup end, a socket notification or an
// owner's own message, queued like any other event of the GUI thread.
class MessageEvent : public QEvent {
public:
    static Type TypeId() {
        static const Type type = static_cast<Type>(registerEventType());
        return type;
    }
    MessageEvent(int message, int word, int error, unsigned generation)
        : QEvent(TypeId()), message(message), word(word), error(error), generation(generation) {}
    int message;
    int word;
    int error;
    unsigned generation;
};

// The longest host name the lookup is asked for (the longest a DNS name can be).
constexpr std::size_t kMaxHostName = 253;

} // namespace

TStarSocket::TStarSocket(QObject* parent) : QObject(parent) {
    peer_.sin_family = AF_INET;
    countdownTimer_.setInterval(1000);
    connect(&countdownTimer_, &QTimer::timeout, this, &TStarSocket::CountdownTick);
}

TStarSocket::~TStarSocket() {
    CloseSocket();
    StopWinsock();
}

bool TStarSocket::LoadWinsock(const std::string& name) {
    if (library_) {
        UnloadWinsock();
    }
    library_ = name.empty() ? SocketLibrary::System() : SocketLibrary::Load(name);
    return library_ != nullptr;
}

bool TStarSocket::StartWinsock() {
    if (!started_) {
        if (!library_) {
            LoadWinsock({});
        }
        if (library_) {
            started_ = true;
            description_ = "POSIX sockets";
            systemStatus_ = "Running";
            rlimit limit{};
            maxSockets_ = getrlimit(RLIMIT_NOFILE, &limit) == 0 && limit.rlim_cur < 32768
                              ? static_cast<int>(limit.rlim_cur)
                              : 32767;
        }
    }
    return started_;
}

void TStarSocket::StopWinsock() {
    if (started_) {
        // Stopping the socket interface ends whatever it still has open.
        CloseSocket();
        started_ = false;
    }
}

void TStarSocket::UnloadWinsock() {
    StopWinsock();
    library_.reset();
}

void TStarSocket::SetWinsockStarted(bool start) {
    if (start) {
        StartWinsock();
    } else {
        UnloadWinsock();
    }
}

void TStarSocket::CreateSocket() {
    if (!library_ || !started_) {
        LastError = WSANOTINITIALISED;
        return;
    }
    if (socket_ != -1) {
        LastError = 0;
        return;
    }
    const int fd = library_->Calls().socket(AF_INET, SOCK_STREAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    if (fd < 0) {
        LastError = WinsockErrorFromErrno(errno);
        return;
    }
    socket_ = fd;
    ++generation_;
    LastError = 0;
}

void TStarSocket::SetAddress(const std::string& dotted) {
    peer_.sin_addr.s_addr =
        library_ ? library_->Calls().inet_addr(dotted.c_str()) : inet_addr(dotted.c_str());
}

void TStarSocket::SetPort(uint16_t port) {
    Port = port;
    peer_.sin_port = library_ ? (library_->Calls().htons)(port) : htons(port);
}

std::string TStarSocket::AddressText() const {
    char text[INET_ADDRSTRLEN] = {};
    inet_ntop(AF_INET, &peer_.sin_addr, text, sizeof text);
    return text;
}

void TStarSocket::UseResolvedAddress() {
    peer_.sin_addr = resolved_;
}

void TStarSocket::ResolveHost(const std::string& name) {
    if (lookupTask_ != 0) {
        return; // one lookup at a time
    }
    if (!library_ || !started_) {
        LastError = WSANOTINITIALISED;
        return;
    }
    if (name.empty() || name.size() > kMaxHostName) {
        LastError = WSAHOST_NOT_FOUND;
        return;
    }
    lookupTask_ = BeginLookup(name);
    LastError = 0;
    StartTimeOut(TimeOutArp);
}

int TStarSocket::BeginLookup(const std::string& name) {
    return QHostInfo::lookupHost(QString::fromStdString(name), this,
                                 [this](const QHostInfo& info) { LookupFinished(info); });
}

void TStarSocket::LookupFinished(const QHostInfo& info) {
    if (lookupTask_ == 0 || info.lookupId() != lookupTask_) {
        return; // a lookup that was cancelled meanwhile
    }
    countdownTimer_.stop();
    LastError = WinsockErrorFromLookup(info.error());
    if (LastError == 0) {
        LastError = WSANO_DATA;
        for (const QHostAddress& address : info.addresses()) {
            if (address.protocol() == QAbstractSocket::IPv4Protocol) {
                resolved_.s_addr = htonl(address.toIPv4Address());
                LastError = 0;
                break;
            }
        }
    }
    lookupTask_ = 0;
    HostResolved();
}

void TStarSocket::HostResolved() {
    if (OnLookupDone) {
        OnLookupDone(*this);
    }
}

void TStarSocket::Connect() {
    if (socket_ == -1 || !library_) {
        LastError = socket_ == -1 ? WSAENOTSOCK : WSANOTINITIALISED;
        return;
    }
    DropNotifiers();
    readNotifier_ = new QSocketNotifier(socket_, QSocketNotifier::Read, this);
    readNotifier_->setEnabled(false);
    connect(readNotifier_, &QSocketNotifier::activated, this, &TStarSocket::OnReadable);
    writeNotifier_ = new QSocketNotifier(socket_, QSocketNotifier::Write, this);
    connect(writeNotifier_, &QSocketNotifier::activated, this, &TStarSocket::OnWritable);
    connecting_ = true;
    const int result =
        library_->Calls().connect(socket_, reinterpret_cast<const sockaddr*>(&peer_), sizeof peer_);
    // A connect under way (EINPROGRESS) is the normal case; its outcome arrives as
    // the connect notification when the socket turns writable.
    LastError = result == 0 ? 0 : WinsockErrorFromErrno(errno);
    if (LastError == WSAEWOULDBLOCK) {
        LastError = 0;
    }
    if (LastError != 0) {
        connecting_ = false;
        DropNotifiers();
        return;
    }
    StartTimeOut(TimeOutConnect);
}

int TStarSocket::SendBuffer(const char* data, int count) {
    if (socket_ == -1 || !library_) {
        LastError = WSAENOTSOCK;
        return 0;
    }
    const ssize_t sent = library_->Calls().send(socket_, data, static_cast<size_t>(count), MSG_NOSIGNAL);
    if (sent >= 1) {
        LastError = 0;
        return static_cast<int>(sent);
    }
    if (sent == -1) {
        LastError = WinsockErrorFromErrno(errno);
        if (LastError == WSAEWOULDBLOCK) {
            LastError = 0;
            // Tell the owner (OnWrite) when the socket takes data again.
            if (writeNotifier_ && !connecting_) {
                writeNotifier_->setEnabled(true);
            }
        }
        return 0;
    }
    LastError = 0;
    return 0;
}

int TStarSocket::ReceiveBuffer(char* data, int count) {
    if (socket_ == -1 || !library_) {
        LastError = WSAENOTSOCK;
        return 0;
    }
    const ssize_t got = library_->Calls().recv(socket_, data, static_cast<size_t>(count), 0);
    // Like the read notification of Winsock, the next one is armed by a receive.
    if (readNotifier_ && connected_) {
        readNotifier_->setEnabled(true);
    }
    if (got >= 1) {
        LastError = 0;
        return static_cast<int>(got);
    }
    if (got == -1) {
        LastError = WinsockErrorFromErrno(errno);
        if (LastError == WSAEWOULDBLOCK) {
            LastError = 0;
        }
        return 0;
    }
    LastError = 0;
    return 0;
}

std::string TStarSocket::LocalHostName() {
    char name[256] = {};
    const int result = library_ ? library_->Calls().gethostname(name, 255) : -1;
    LastError = result == 0 ? 0 : (library_ ? WinsockErrorFromErrno(errno) : WSANOTINITIALISED);
    return result == 0 ? std::string(name) : std::string();
}

std::string TStarSocket::LocalAddressText() const {
    sockaddr_in local{};
    socklen_t length = sizeof local;
    if (socket_ == -1 || ::getsockname(socket_, reinterpret_cast<sockaddr*>(&local), &length) != 0 ||
        local.sin_family != AF_INET) {
        return {};
    }
    char text[INET_ADDRSTRLEN] = {};
    return ::inet_ntop(AF_INET, &local.sin_addr, text, sizeof text) ? std::string(text) : std::string();
}

void TStarSocket::CloseSocket() {
    if (lookupTask_ != 0) {
        QHostInfo::abortHostLookup(lookupTask_);
        lookupTask_ = 0;
    }
    StartTimeOut(0);
    if (socket_ != -1) {
        CloseDescriptor();
    }
}

void TStarSocket::CloseDescriptor() {
    DropNotifiers();
    const int result = library_ ? library_->Calls().close(socket_) : ::close(socket_);
    LastError = result == 0 ? 0 : WinsockErrorFromErrno(errno);
    socket_ = -1;
    ++generation_;
    connected_ = false;
    connecting_ = false;
}

void TStarSocket::DropNotifiers() {
    // The notifiers may be the sender of the signal being handled further up the
    // stack, so they go at the next turn of the event loop.
    for (QSocketNotifier** notifier : {&readNotifier_, &writeNotifier_}) {
        if (*notifier) {
            (*notifier)->setEnabled(false);
            (*notifier)->disconnect(this);
            (*notifier)->deleteLater();
            *notifier = nullptr;
        }
    }
}

void TStarSocket::StartTimeOut(int seconds) {
    countdownTimer_.stop();
    countdown_ = 0;
    if (seconds > 0) {
        countdown_ = seconds;
        countdownTimer_.start();
    }
}

void TStarSocket::CountdownTick() {
    if (--countdown_ > 0) {
        return;
    }
    CloseSocket();
    if (OnTimeOut) {
        OnTimeOut(*this);
    }
}

void TStarSocket::PostMessage(int message) {
    Post(message, 0, 0);
}

void TStarSocket::Post(int message, int word, int error) {
    QCoreApplication::postEvent(this, new MessageEvent(message, word, error, generation_));
}

void TStarSocket::OnReadable() {
    if (socket_ == -1 || !readNotifier_) {
        return;
    }
    // Peek to tell waiting data from the peer's close: data first, the close only
    // once everything before it has been read.
    char probe = 0;
    const ssize_t r = library_->Calls().recv(socket_, &probe, 1, MSG_PEEK | MSG_DONTWAIT);
    if (r == -1 && (errno == EAGAIN || errno == EINTR)) {
        return;
    }
    readNotifier_->setEnabled(false);
    if (r > 0) {
        Post(kSocketMessage, FD_READ, 0);
    } else {
        Post(kSocketMessage, FD_CLOSE, r == 0 ? 0 : WinsockErrorFromErrno(errno));
    }
}

void TStarSocket::OnWritable() {
    if (socket_ == -1 || !writeNotifier_) {
        return;
    }
    writeNotifier_->setEnabled(false);
    if (!connecting_) {
        Post(kSocketMessage, FD_WRITE, 0);
        return;
    }
    connecting_ = false;
    int error = 0;
    socklen_t length = sizeof error;
    if (library_->Calls().getsockopt(socket_, SOL_SOCKET, SO_ERROR, &error, &length) != 0) {
        error = errno;
    }
    Post(kSocketMessage, FD_CONNECT, WinsockErrorFromErrno(error));
    if (error == 0) {
        Post(kSocketMessage, FD_WRITE, 0);
    }
}

bool TStarSocket::event(QEvent* e) {
    if (e->type() != MessageEvent::TypeId()) {
        return QObject::event(e);
    }
    const auto* message = static_cast<MessageEvent*>(e);
    if (message->message > kSocketMessage) {
        if (OnMessage) {
            OnMessage(message->message);
        }
    } else if (message->message == kSocketMessage && message->generation == generation_ && socket_ != -1) {
        HandleSocketMessage(message->word, message->error);
    }
    return true;
}

void TStarSocket::HandleSocketMessage(int word, int error) {
    countdownTimer_.stop();
    LastError = error;
    switch (word) {
    case FD_READ:
        if (OnRead) {
            OnRead(*this);
        }
        break;
    case FD_WRITE:
        if (OnWrite) {
            OnWrite(*this);
        }
        break;
    case FD_ACCEPT:
        if (OnAccept) {
            OnAccept(*this);
        }
        break;
    case FD_CONNECT:
        if (error == 0) {
            connected_ = true;
            if (readNotifier_) {
                readNotifier_->setEnabled(true);
            }
        }
        if (OnConnect) {
            OnConnect(*this);
        }
        break;
    case FD_CLOSE: {
        const unsigned generation = generation_;
        if (OnDisconnect) {
            OnDisconnect(*this);
        }
        // The handler may have closed the socket (and even opened a new one).
        if (generation == generation_ && socket_ != -1) {
            const int kept = LastError;
            CloseDescriptor();
            LastError = kept;
        }
        break;
    }
    default:
        break;
    }
}

} // namespace mail
