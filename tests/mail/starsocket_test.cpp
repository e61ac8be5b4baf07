// The socket component: its library, lookups, countdown and notifications.
#include "mail/starsocket.h"
#include "mail/winsockerrors.h"
#include "scriptedserver.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <gtest/gtest.h>

using mail::TStarSocket;

TEST(StarSocket, LoadsTheSystemInterfaceOrANamedLibraryWithEveryEntryPoint) {
    TStarSocket socket;
    EXPECT_FALSE(socket.LoadWinsock("/nonexistent/libsockets.so"));
    EXPECT_FALSE(socket.WinsockLoaded());
    EXPECT_FALSE(socket.LoadWinsock("libm.so.6")); // loads, but has no socket calls
    EXPECT_TRUE(socket.LoadWinsock("libc.so.6"));
    EXPECT_TRUE(socket.StartWinsock());
    socket.SetWinsockStarted(false);
    EXPECT_FALSE(socket.WinsockStarted());
    EXPECT_FALSE(socket.WinsockLoaded());
    socket.SetWinsockStarted(true); // the system's own interface
    EXPECT_TRUE(socket.WinsockStarted());
    EXPECT_GT(socket.MaxSockets(), 0);
}

TEST(StarSocket, OperationsWithoutAStartedInterfaceReportNotInitialised) {
    TStarSocket socket;
    socket.CreateSocket();
    EXPECT_EQ(socket.LastError, mail::WSANOTINITIALISED);
    EXPECT_FALSE(socket.HasSocket());
}

namespace {
class ManualLookupSocket : public TStarSocket {
public:
    int lookups = 0;
    int resolved = 0;

protected:
    int BeginLookup(const std::string&) override { return 100 + ++lookups; }
    void HostResolved() override { ++resolved; }
};
} // namespace

TEST(StarSocket, OneLookupAtATimeAndItsCountdownCancelsIt) {
    ManualLookupSocket socket;
    socket.StartWinsock();
    int timeOuts = 0;
    socket.OnTimeOut = [&](TStarSocket&) {
        ++timeOuts;
    };
    socket.TimeOutArp = 2;
    socket.ResolveHost("mail.example.org");
    socket.ResolveHost("other.example.org"); // ignored: one is pending
    EXPECT_EQ(socket.lookups, 1);
    EXPECT_TRUE(socket.CountdownRunning());
    mailtest::spin(1300);
    EXPECT_EQ(timeOuts, 0); // one tick of two
    mailtest::spin(1000);
    EXPECT_EQ(timeOuts, 1);
    EXPECT_FALSE(socket.LookupPending());
    EXPECT_EQ(socket.resolved, 0);
}

TEST(StarSocket, CountdownOfZeroStopsTheRunningOne) {
    TStarSocket socket;
    socket.StartTimeOut(5);
    EXPECT_TRUE(socket.CountdownRunning());
    socket.StartTimeOut(0);
    EXPECT_FALSE(socket.CountdownRunning());
    socket.StartTimeOut(3);
    socket.CloseSocket(); // no socket, no lookup: only the countdown stops
    EXPECT_FALSE(socket.CountdownRunning());
    EXPECT_FALSE(socket.HasSocket());
}

TEST(StarSocket, ConnectsReadsAndSeesThePeerCloseAfterItsData) {
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost, 0));
    QTcpSocket* peer = nullptr;
    QObject::connect(&server, &QTcpServer::newConnection, [&] {
        peer = server.nextPendingConnection();
        peer->write("hello\r\n");
        peer->flush();
        peer->disconnectFromHost();
    });

    TStarSocket socket;
    std::vector<std::string> events;
    std::string received;
    socket.OnConnect = [&](TStarSocket& s) {
        events.push_back("connect " + std::to_string(s.LastError) + (s.Connected() ? " connected" : ""));
    };
    socket.OnRead = [&](TStarSocket& s) {
        events.push_back("read");
        char buffer[64];
        for (int n; (n = s.ReceiveBuffer(buffer, sizeof buffer)) > 0;) {
            received.append(buffer, static_cast<std::size_t>(n));
        }
    };
    socket.OnDisconnect = [&](TStarSocket& s) {
        // Raised before the socket is closed.
        events.push_back(std::string("close") + (s.HasSocket() ? " open" : ""));
    };
    ASSERT_TRUE(socket.StartWinsock());
    socket.CreateSocket();
    socket.SetAddress("127.0.0.1");
    socket.SetPort(server.serverPort());
    EXPECT_EQ(socket.AddressText(), "127.0.0.1");
    socket.Connect();
    EXPECT_EQ(socket.LastError, 0);
    mailtest::spin(500);
    ASSERT_GE(events.size(), 3u);
    EXPECT_EQ(events.front(), "connect 0 connected");
    EXPECT_EQ(received, "hello\r\n");
    EXPECT_EQ(events.back(), "close open");
    EXPECT_FALSE(socket.HasSocket());
    EXPECT_FALSE(socket.Connected());
    EXPECT_FALSE(socket.LocalHostName().empty());
}
