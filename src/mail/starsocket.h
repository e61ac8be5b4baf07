#pragma once
// TStarSocket: one asynchronous TCP client socket over the POSIX socket interface
// (non-blocking, watched by QSocketNotifier), with an asynchronous host lookup and a
// one-second countdown for time-outs. Its notifications reach the owner as queued
// events on the GUI thread, in queue order, and every failure is kept in LastError
// as a Winsock error number (see winsockerrors.h).
#include "mail/bytestream.h"
#include "mail/socketlibrary.h"

#include <QObject>
#include <QTimer>
#include <cstdint>
#include <functional>
#include <memory>
#include <netinet/in.h>
#include <string>

class QHostInfo;
class QSocketNotifier;

namespace mail {

class TStarSocket : public QObject, public ByteStream {
    Q_OBJECT
public:
    // Socket notifications, numbered as the event words of the Winsock interface.
    enum SocketEvent : int { FD_READ = 1, FD_WRITE = 2, FD_ACCEPT = 8, FD_CONNECT = 16, FD_CLOSE = 32 };
    // Message numbers: 1024 lookup ended, 1025 socket notification; owners post
    // their own messages above 1025 (PostMessage) and get them in OnMessage.
    static constexpr int kLookupMessage = 1024;
    static constexpr int kSocketMessage = 1025;

    explicit TStarSocket(QObject* parent = nullptr);
    ~TStarSocket() override;

    // Socket library: an empty name means the system's own socket interface; a
    // name loads that shared library and takes the socket entry points from it.
    bool LoadWinsock(const std::string& name);
    bool StartWinsock();
    void StopWinsock();
    void UnloadWinsock();
    bool WinsockStarted() const { return started_; }
    void SetWinsockStarted(bool start);
    bool WinsockLoaded() const { return library_ != nullptr; }
    const std::string& Description() const { return description_; }
    const std::string& SystemStatus() const { return systemStatus_; }
    int MaxSockets() const { return maxSockets_; }

    // Socket operations; each sets LastError (0 = none).
    void CreateSocket();
    void SetAddress(const std::string& dotted);
    void SetPort(uint16_t port);
    std::string AddressText() const;
    void UseResolvedAddress();
    void ResolveHost(const std::string& name);
    void Connect();
    int SendBuffer(const char* data, int count) override;
    int ReceiveBuffer(char* data, int count) override;
    int StreamError() const override { return LastError; }
    std::string LocalHostName();
    // The dotted address of our end of the connection; empty without one.
    std::string LocalAddressText() const;
    void CloseSocket();
    void StartTimeOut(int seconds);
    // Queues a message above 1025 for OnMessage.
    void PostMessage(int message);

    bool Connected() const { return connected_; }
    bool HasSocket() const { return socket_ != -1; }
    bool LookupPending() const { return lookupTask_ != 0; }
    bool CountdownRunning() const { return countdownTimer_.isActive(); }

    // Seconds allowed for the connect and for the host lookup; 0 = no limit.
    int TimeOutConnect = 0;
    int TimeOutArp = 0;
    // The last error, as a Winsock error number; 0 = none.
    int LastError = 0;

    // Events; each is raised only when assigned.
    std::function<void(TStarSocket&)> OnLookupDone;
    std::function<void(TStarSocket&)> OnConnect;
    std::function<void(TStarSocket&)> OnDisconnect;
    std::function<void(TStarSocket&)> OnTimeOut;
    std::function<void(TStarSocket&)> OnRead;
    std::function<void(TStarSocket&)> OnWrite;
    std::function<void(TStarSocket&)> OnAccept;
    std::function<void(int message)> OnMessage;

protected:
    // Called when a host lookup has ended, also on failure (LastError says which).
    virtual void HostResolved();
    // Starts the lookup of a host name; the result comes to LookupFinished with the
    // id returned here.
    virtual int BeginLookup(const std::string& name);
    void LookupFinished(const QHostInfo& info);

    bool event(QEvent* e) override;

    // Server as the mail component publishes it, and what it tells about the peer.
    std::string Server;
    uint16_t Port = 25;
    std::string KnownAddress;
    std::string KnownHostName;

private:
    void Post(int message, int word, int error);
    void HandleSocketMessage(int word, int error);
    void OnReadable();
    void OnWritable();
    void CountdownTick();
    void DropNotifiers();
    void CloseDescriptor();

    std::unique_ptr<SocketLibrary> library_;
    bool started_ = false;
    std::string description_;
    std::string systemStatus_;
    int maxSockets_ = 0;

    int socket_ = -1;
    unsigned generation_ = 0; // tells notifications of an earlier socket apart
    sockaddr_in peer_{};
    bool connected_ = false;
    bool connecting_ = false;
    QSocketNotifier* readNotifier_ = nullptr;  // owned through Qt parenthood
    QSocketNotifier* writeNotifier_ = nullptr; // owned through Qt parenthood

    ::in_addr resolved_{};
    int lookupTask_ = 0;

    QTimer countdownTimer_;
    int countdown_ = 0;
};

} // namespace mail
