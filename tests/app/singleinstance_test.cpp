// One window per decoration: the lock in the data folder, the request that
// brings the running window to the front, and stale locks and sockets.
#include "app/singleinstance.h"
#include "support/test_paths.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QSysInfo>
#include <cstring>
#include <gtest/gtest.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

namespace {

using Role = TSingleInstance::Role;

// The number of a process that has ended.
qint64 deadProcess() {
    QProcess process;
    process.start("true", {});
    process.waitForFinished();
    return process.processId() > 0 ? process.processId() : 999999;
}

// A socket file as a killed program leaves it: bound, nobody listening.
void leaveSocketFile(const QString& path) {
    const int fd = ::socket(AF_UNIX, SOCK_STREAM, 0);
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    const QByteArray bytes = path.toLocal8Bit();
    std::memcpy(address.sun_path, bytes.constData(),
                std::min<size_t>(bytes.size(), sizeof address.sun_path - 1));
    ::bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address);
    ::close(fd);
}

TEST(SingleInstance, ASecondStartOnTheSameDecorationRaisesTheFirst) {
    const QString folder = testsupport::scratchDir("instance-same") + "/";
    TSingleInstance first(folder);
    ASSERT_EQ(first.role(), Role::First);
    QSignalSpy raised(&first, &TSingleInstance::raiseRequested);

    // Another decoration is another program's business.
    TSingleInstance elsewhere(testsupport::scratchDir("instance-other") + "/");
    EXPECT_EQ(elsewhere.role(), Role::First);
    EXPECT_EQ(raised.count(), 0);

    TSingleInstance second(folder);
    EXPECT_EQ(second.role(), Role::Second);
    ASSERT_TRUE(raised.wait(2000));
    EXPECT_EQ(raised.count(), 1);
}

// The second start hands its desktop's activation token over with the
// request; what cannot be a token is dropped, the request still comes.
TEST(SingleInstance, TheSecondStartsActivationTokenComesAlong) {
    const QString folder = testsupport::scratchDir("instance-token") + "/";
    TSingleInstance first(folder);
    ASSERT_EQ(first.role(), Role::First);
    QSignalSpy raised(&first, &TSingleInstance::raiseRequested);
    const struct {
        const char* token; // nullptr: none in the environment
        const char* received;
    } cases[] = {{nullptr, ""},
                 {"kwin-12345_Ab.c", "kwin-12345_Ab.c"},
                 {"two words", ""},
                 {"tab\tin", ""},
                 {"\xc3\xa9t\xc3\xa9", ""}};
    for (const auto& c : cases) {
        c.token ? qputenv("XDG_ACTIVATION_TOKEN", c.token) : qunsetenv("XDG_ACTIVATION_TOKEN");
        TSingleInstance second(folder);
        EXPECT_EQ(second.role(), Role::Second);
        ASSERT_TRUE(raised.wait(2000)) << (c.token ? c.token : "none");
        EXPECT_EQ(raised.takeFirst().at(0).toString(), QString(c.received)) << (c.token ? c.token : "none");
    }
    qunsetenv("XDG_ACTIVATION_TOKEN");
}

TEST(SingleInstance, ThePlaceIsFreeAgainWhenTheFirstEnds) {
    const QString folder = testsupport::scratchDir("instance-again") + "/";
    { TSingleInstance first(folder); }
    EXPECT_FALSE(QFile::exists(TSingleInstance::LockFileName(folder)));
    TSingleInstance next(folder);
    EXPECT_EQ(next.role(), Role::First);
}

TEST(SingleInstance, WhatADeadProgramLeftNeverBlocksAStart) {
    struct Case {
        const char* name;
        bool lock;   // a lock file naming a dead process
        bool socket; // a socket file nobody listens on
    };
    for (const Case c : {Case{"lock", true, false}, Case{"socket", false, true}, Case{"both", true, true}}) {
        SCOPED_TRACE(c.name);
        const QString folder = testsupport::scratchDir(QString("instance-stale-") + c.name) + "/";
        if (c.lock) {
            QFile lock(TSingleInstance::LockFileName(folder));
            ASSERT_TRUE(lock.open(QIODevice::WriteOnly));
            lock.write(QByteArray::number(deadProcess()) + "\npinewick\n" +
                       QSysInfo::machineHostName().toUtf8() + "\n");
        }
        if (c.socket) {
            leaveSocketFile(TSingleInstance::ServerName(folder));
        }
        TSingleInstance start(folder);
        EXPECT_EQ(start.role(), Role::First);
        QSignalSpy raised(&start, &TSingleInstance::raiseRequested);
        TSingleInstance second(folder);
        EXPECT_EQ(second.role(), Role::Second);
        EXPECT_TRUE(raised.wait(2000));
    }
}

TEST(SingleInstance, AFolderThatCantHoldALockDoesNotStopTheProgram) {
    TSingleInstance start("/proc/no-such-folder/");
    EXPECT_EQ(start.role(), Role::Unlocked);
}

} // namespace
