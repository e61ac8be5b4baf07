// Where a login's password comes from: the account's settings, its password
// command (run as msmtp runs it), and the desktop keyring, here a real Secret
// Service (gnome-keyring-daemon on a D-Bus session of the test's own).
// libsecret first: Qt's "signals" keyword would break GLib's headers.
#include <libsecret/secret.h>

#include "mail/accounts/keyring.h"
#include "mail/accounts/passwordsource.h"
#include "support/test_paths.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QThread>
#include <gtest/gtest.h>

using mail::FindPassword;
using mail::PasswordOrigin;
using mail::RunPasswordCommand;
using mail::SmtpSecurity;

namespace {

SmtpSecurity Login(const std::string& user) {
    SmtpSecurity security;
    security.Tls = mail::TlsMode::StartTls;
    security.Auth = mail::AuthMethod::Automatic;
    security.User = user;
    return security;
}

} // namespace

TEST(PasswordCommand, GivesTheFirstLineOfWhatTheShellCommandPrints) {
    EXPECT_EQ(RunPasswordCommand("printf 'tannen baum\\nsecond line\\n'"), "tannen baum");
    EXPECT_EQ(RunPasswordCommand("printf 'crlf\\r\\n'"), "crlf");
    EXPECT_EQ(RunPasswordCommand("printf 'no newline'"), "no newline");
    // Through the shell, as msmtp runs it: pipes and quoting work.
    EXPECT_EQ(RunPasswordCommand("echo 'a|b' | tr '|' '-'"), "a-b");
    EXPECT_EQ(RunPasswordCommand("echo leaked; exit 3"), std::nullopt);
    EXPECT_EQ(RunPasswordCommand("/nonexistent/command"), std::nullopt);
}

TEST(PasswordSource, SettingsComeFirstThenTheCommand) {
    SmtpSecurity security = Login("joe");
    security.Password = "from-settings";
    security.PasswordEval = "echo from-command";
    auto found = FindPassword(security, "smtp.example.org");
    EXPECT_EQ(found.Origin, PasswordOrigin::Settings);
    EXPECT_EQ(found.Password, "from-settings");

    security.Password.clear();
    found = FindPassword(security, "smtp.example.org");
    EXPECT_EQ(found.Origin, PasswordOrigin::Command);
    EXPECT_EQ(found.Password, "from-command");

    // A failing command is reported as such, and what it printed is not.
    security.PasswordEval = "echo half-a-secret; false";
    found = FindPassword(security, "smtp.example.org");
    EXPECT_FALSE(found.Found());
    EXPECT_TRUE(found.Password.empty());
    EXPECT_NE(found.Problem.find("password command"), std::string::npos);
    EXPECT_EQ(found.Problem.find("half-a-secret"), std::string::npos);
}

TEST(PasswordSource, WithoutAnyKeyringTheProblemNamesWhatIsMissing) {
    // No session bus to reach: the keyring cannot answer.
    qunsetenv("DBUS_SESSION_BUS_ADDRESS");
    qunsetenv("DISPLAY");
    const auto found = FindPassword(Login("joe"), "smtp.example.org");
    EXPECT_FALSE(found.Found());
    EXPECT_NE(found.Problem.find("joe"), std::string::npos);
    EXPECT_NE(found.Problem.find("smtp.example.org"), std::string::npos);
    EXPECT_NE(found.Problem.find("keyring"), std::string::npos);
}

// The checks that need a Secret Service; they run in a child process that the
// next test starts inside its own D-Bus session with a fresh keyring.
TEST(KeyringChild, FindsMsmtpEntriesAndStoresItsOwn) {
    if (!qEnvironmentVariableIsSet("PINEWICK_KEYRING_CHILD")) {
        GTEST_SKIP() << "runs only inside the keyring session of Keyring.UnderItsOwnSecretService";
    }
    // An entry as `secret-tool store --label=msmtp host H service smtp user U` makes it.
    static const SecretSchema generic = {"org.freedesktop.Secret.Generic",
                                         SECRET_SCHEMA_DONT_MATCH_NAME,
                                         {{"host", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                          {"service", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                          {"user", SECRET_SCHEMA_ATTRIBUTE_STRING},
                                          {nullptr, SECRET_SCHEMA_ATTRIBUTE_STRING}}};
    GError* error = nullptr;
    ASSERT_TRUE(secret_password_store_sync(&generic, SECRET_COLLECTION_DEFAULT, "msmtp", "from-secret-tool",
                                           nullptr, &error, "host", "smtp.example.org", "service", "smtp",
                                           "user", "joe", nullptr))
        << (error ? error->message : "");

    EXPECT_EQ(mail::KeyringLookup("smtp.example.org", "joe"), "from-secret-tool");
    EXPECT_EQ(mail::KeyringLookup("smtp.example.org", "ann"), std::nullopt);
    EXPECT_EQ(mail::KeyringLookup("other.example.org", "joe"), std::nullopt);
    const auto found = FindPassword(Login("joe"), "smtp.example.org");
    EXPECT_EQ(found.Origin, PasswordOrigin::Keyring);
    EXPECT_EQ(found.Password, "from-secret-tool");

    // What the "remember" box stores is found again, and a second store replaces it.
    std::string problem;
    ASSERT_TRUE(mail::KeyringStore("mail.example.net", "ann", "first", &problem)) << problem;
    ASSERT_TRUE(mail::KeyringStore("mail.example.net", "ann", "second", &problem)) << problem;
    EXPECT_EQ(mail::KeyringLookup("mail.example.net", "ann"), "second");
}

TEST(Keyring, UnderItsOwnSecretService) {
    const QString session = QStandardPaths::findExecutable("dbus-run-session");
    const QString daemon = QStandardPaths::findExecutable("gnome-keyring-daemon");
    if (session.isEmpty() || daemon.isEmpty()) {
        GTEST_SKIP()
            << "no Secret Service to test with: dbus-run-session or gnome-keyring-daemon is not installed";
    }
    const QString home = testsupport::scratchDir("keyring_home");
    const QString runtime = home + "/run";
    QDir().mkpath(runtime);
    QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner);
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert("HOME", home);
    environment.insert("XDG_DATA_HOME", home + "/data");
    environment.insert("XDG_RUNTIME_DIR", runtime);
    environment.insert("PINEWICK_KEYRING_CHILD", "1");
    environment.remove("DBUS_SESSION_BUS_ADDRESS");
    QProcess child;
    child.setProcessEnvironment(environment);
    child.setProcessChannelMode(QProcess::MergedChannels);
    // A new login keyring, unlocked with a throw-away password, then the checks.
    child.start(session,
                {"--", "sh", "-c",
                 "printf keyring-test | gnome-keyring-daemon --unlock --components=secrets >/dev/null "
                 "|| exit 77; exec \"$0\" --gtest_filter=KeyringChild.*",
                 QCoreApplication::applicationFilePath()});
    ASSERT_TRUE(child.waitForFinished(60000));
    const QString output = QString::fromUtf8(child.readAll());
    if (child.exitCode() == 77) {
        GTEST_SKIP() << "gnome-keyring-daemon could not start a Secret Service here: "
                     << output.toStdString();
    }
    EXPECT_EQ(child.exitCode(), 0) << output.toStdString();
    EXPECT_TRUE(output.contains("[  PASSED  ] 1 test")) << output.toStdString();
}

namespace {

// Processes of a process group that still run (zombies waiting for their parent
// do not count).
int LiveMembers(pid_t group) {
    int live = 0;
    for (const QString& entry : QDir("/proc").entryList(QDir::Dirs)) {
        QFile stat("/proc/" + entry + "/stat");
        if (!stat.open(QIODevice::ReadOnly)) {
            continue;
        }
        const QByteArray text = stat.readAll();
        const QList<QByteArray> fields = text.mid(text.lastIndexOf(')') + 2).split(' ');
        if (fields.size() > 2 && fields[2].toInt() == group && fields[0] != "Z") {
            ++live;
        }
    }
    return live;
}

} // namespace

// Commands that never end, or leave helpers behind, are stopped with their whole
// process group; what was asked for in time still counts.
TEST(PasswordCommand, IsStoppedWithEverythingItStartedWhenItTakesTooLong) {
    const QString scratch = testsupport::scratchDir("password_command");
    const std::string groupFile = (scratch + "/group").toStdString();
    struct Case {
        std::string command;
        std::optional<std::string> line;
        bool timedOut;
    };
    const std::vector<Case> cases = {
        {"echo $$ > " + groupFile + "; exec sleep 100", std::nullopt, true},
        {"echo $$ > " + groupFile + "; sleep 100 & sleep 100 & wait", std::nullopt, true},
        {"echo $$ > " + groupFile + "; trap '' TERM; while :; do :; done", std::nullopt, true},
        // Answered, but a helper keeps the output open: the answer counts, the helper ends.
        {"echo $$ > " + groupFile + "; sleep 100 & echo pw-line", "pw-line", false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.command);
        QFile::remove(QString::fromStdString(groupFile));
        bool timedOut = false;
        QElapsedTimer clock;
        clock.start();
        EXPECT_EQ(RunPasswordCommand(c.command, 700, &timedOut), c.line);
        EXPECT_LT(clock.elapsed(), 5000);
        EXPECT_EQ(timedOut, c.timedOut);
        QFile file(QString::fromStdString(groupFile));
        ASSERT_TRUE(file.open(QIODevice::ReadOnly));
        const pid_t group = file.readAll().trimmed().toInt();
        ASSERT_GT(group, 0);
        for (int i = 0; i < 50 && LiveMembers(group) > 0; ++i) {
            QThread::msleep(20);
        }
        EXPECT_EQ(LiveMembers(group), 0);
    }
}

// Without a session bus the keyring is not asked at all: nothing is started to
// provide one (it would outlive the program), and the reason is given.
TEST(Keyring, WithoutASessionBusNothingIsStarted) {
    const QByteArray bus = qgetenv("DBUS_SESSION_BUS_ADDRESS");
    const QByteArray runtime = qgetenv("XDG_RUNTIME_DIR");
    const QByteArray display = qgetenv("DISPLAY");
    const QString empty = testsupport::scratchDir("keyring_no_bus");
    for (const QByteArray& address : {QByteArray(), QByteArray("autolaunch:"), QByteArray("disabled:")}) {
        SCOPED_TRACE(address.toStdString());
        if (address.isEmpty()) {
            qunsetenv("DBUS_SESSION_BUS_ADDRESS");
        } else {
            qputenv("DBUS_SESSION_BUS_ADDRESS", address);
        }
        qputenv("XDG_RUNTIME_DIR", empty.toUtf8());
        qputenv("DISPLAY", ":0"); // what would let a bus be started for an X session
        std::string error;
        EXPECT_EQ(mail::KeyringLookup("smtp.example.org", "joe", &error), std::nullopt);
        EXPECT_NE(error.find("no D-Bus session bus"), std::string::npos) << error;
        error.clear();
        EXPECT_FALSE(mail::KeyringStore("smtp.example.org", "joe", "secret", &error));
        EXPECT_NE(error.find("no D-Bus session bus"), std::string::npos) << error;
    }
    const auto restore = [](const char* name, const QByteArray& value) {
        if (value.isNull()) {
            qunsetenv(name);
        } else {
            qputenv(name, value);
        }
    };
    restore("DBUS_SESSION_BUS_ADDRESS", bus);
    restore("XDG_RUNTIME_DIR", runtime);
    restore("DISPLAY", display);
}
