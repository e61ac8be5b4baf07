// Mail account discovery on fake home folders: each source as its program
// writes its settings, the order of the sources and the "first server wins"
// rule.
#include "mail/accounts/mailaccount.h"
#include "mail/accounts/mailaccountsources.h"

#include <QDir>
#include <QFile>
#include <QTcpServer>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

using namespace mail;

// A port on loopback where nothing listens.
uint16_t ClosedPort() {
    QTcpServer server;
    server.listen(QHostAddress::LocalHost);
    return server.serverPort();
}

class MailAccountTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        places.Home = dir.path();
        places.ConfigHome = dir.path() + "/.config";
        places.LoginName = "robin";
        places.RealName = "Robin Fir";
        places.HostName = "cabin";
        places.LocalPort = ClosedPort();
    }

    void write(const QString& relative, const QByteArray& text) {
        const QString path = dir.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }

    void thunderbird(const QByteArray& prefs) {
        write(".thunderbird/profiles.ini",
              "[General]\nStartWithLastProfile=1\n\n"
              "[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\nDefault=1\n");
        write(".thunderbird/abc.default/prefs.js", prefs);
    }

    QTemporaryDir dir;
    MailAccountPlaces places;
};

TEST_F(MailAccountTest, ThunderbirdDefaultAccountIdentityAndItsServer) {
    write(".thunderbird/profiles.ini", "[Profile1]\nName=old\nIsRelative=1\nPath=old.default\n\n"
                                       "[Profile0]\nName=main\nIsRelative=1\nPath=main.default\nDefault=1\n");
    write(".thunderbird/old.default/prefs.js",
          "user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"
          "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
          "user_pref(\"mail.identity.id1.fullName\", \"Old Profile\");\n"
          "user_pref(\"mail.identity.id1.smtpServer\", \"smtp1\");\n"
          "user_pref(\"mail.smtpserver.smtp1.hostname\", \"old.example.org\");\n");
    write(".thunderbird/main.default/prefs.js",
          "// Mozilla User Preferences\n"
          "user_pref(\"mail.accountmanager.accounts\", \"account2,account1\");\n"
          "user_pref(\"mail.accountmanager.defaultaccount\", \"account2\");\n"
          "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
          "user_pref(\"mail.account.account2.identities\", \"id2,id3\");\n"
          "user_pref(\"mail.identity.id1.fullName\", \"Wrong One\");\n"
          "user_pref(\"mail.identity.id2.fullName\", \"Ren\\u00e9e \\\"Fir\\\" Tree\");\n"
          "user_pref(\"mail.identity.id2.useremail\", \"renee@example.org\");\n"
          "user_pref(\"mail.identity.id2.smtpServer\", \"smtp2\");\n"
          "user_pref(\"mail.identity.id3.fullName\", \"Third\");\n"
          "user_pref(\"mail.smtpserver.smtp1.hostname\", \"smtp1.example.org\");\n"
          "user_pref(\"mail.smtpserver.smtp2.hostname\", \"mail.example.org\");\n"
          "user_pref(\"mail.smtpserver.smtp2.port\", 2525);\n");
    const MailAccount account = ThunderbirdAccount(places);
    EXPECT_EQ(account.Name, "Ren\xC3\xA9"
                            "e \"Fir\" Tree");
    EXPECT_EQ(account.Address, "renee@example.org");
    EXPECT_EQ(account.Server, "mail.example.org");
    EXPECT_EQ(account.Port, 2525);
    EXPECT_EQ(account.Source, "Thunderbird");

    // An install's default profile is the one current versions start.
    write(".thunderbird/profiles.ini", "[Install4F96D1932A9F858E]\nDefault=old.default\nLocked=1\n\n"
                                       "[Profile0]\nName=main\nIsRelative=1\nPath=main.default\nDefault=1\n");
    EXPECT_EQ(ThunderbirdAccount(places).Server, "old.example.org");
}

TEST_F(MailAccountTest, ThunderbirdIdentityWithoutServerUsesTheDefaultServer) {
    // The local folders account comes first and has no identity.
    thunderbird("user_pref(\"mail.accountmanager.accounts\", \"account9,account1\");\n"
                "user_pref(\"mail.accountmanager.defaultaccount\", \"account9\");\n"
                "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
                "user_pref(\"mail.identity.id1.fullName\", \"Robin\");\n"
                "user_pref(\"mail.identity.id1.useremail\", \"robin@example.org\");\n"
                "user_pref(\"mail.smtp.defaultserver\", \"smtp3\");\n"
                "user_pref(\"mail.smtpserver.smtp3.hostname\", \"relay.example.org:587\");\n"
                "user_pref(\"mail.smtpserver.smtp3.port\", 0);\n");
    const MailAccount account = ThunderbirdAccount(places);
    EXPECT_EQ(account.Name, "Robin");
    EXPECT_EQ(account.Address, "robin@example.org");
    EXPECT_EQ(account.Server, "relay.example.org");
    EXPECT_EQ(account.Port, 587);
}

TEST_F(MailAccountTest, ThunderbirdStringsAreReadAsJavaScriptReadsThem) {
    const std::vector<std::pair<QByteArray, std::string>> cases = {
        {R"(Line\rFeed\nTab\t)", "Line\rFeed\nTab\t"},
        {R"(back\\slash \"quoted\" \'single\')", "back\\slash \"quoted\" 'single'"},
        {R"(Ren\u00e9e \x41\u{1F332})", "Ren\xC3\xA9"
                                        "e A\xF0\x9F\x8C\xB2"},
        {R"(\uD83C\uDF32 pair)", "\xF0\x9F\x8C\xB2 pair"},
        {R"(bell\b form\f vtab\v)", "bell\b form\f vtab\v"},
        {R"(nul\0end)", std::string("nul\0end", 7)},
        {R"(\q unknown \u12 short \xZ1 bad \u{110000} big)", "q unknown u12 short xZ1 bad u{110000} big"},
    };
    for (const auto& [literal, expected] : cases) {
        SCOPED_TRACE(literal.toStdString());
        thunderbird("user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"
                    "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
                    "user_pref(\"mail.identity.id1.fullName\", \"" +
                    literal + "\");\n");
        EXPECT_EQ(ThunderbirdAccount(places).Name, expected);
    }
}

TEST_F(MailAccountTest, ThunderbirdWithoutProfileOrPrefsGivesNothing) {
    EXPECT_FALSE(ThunderbirdAccount(places).Found());
    write(".thunderbird/profiles.ini", "[Profile0]\nIsRelative=1\nPath=gone\n");
    const MailAccount account = ThunderbirdAccount(places);
    EXPECT_TRUE(account.Name.empty() && account.Address.empty() && account.Server.empty());
}

TEST_F(MailAccountTest, EvolutionFollowsAccountIdentityAndTransport) {
    const auto source = [&](const QString& uid, const QByteArray& text) {
        write(".config/evolution/sources/" + uid + ".source", text);
    };
    source("a-disabled", "[Data Source]\nEnabled=false\n\n[Mail Account]\nIdentityUid=i-disabled\n");
    source("i-disabled", "[Mail Identity]\nAddress=off@example.org\nName=Off\n\n"
                         "[Mail Submission]\nTransportUid=t-1\n");
    source("b-sendmail", "[Data Source]\nEnabled=true\n\n[Mail Account]\nIdentityUid=i-local\n");
    source("i-local", "[Mail Identity]\nAddress=local@example.org\nName=Local\n\n"
                      "[Mail Submission]\nTransportUid=t-sendmail\n");
    source("t-sendmail", "[Mail Transport]\nBackendName=sendmail\n");
    source("c-work", "[Data Source]\nDisplayName=Work\nEnabled=true\n\n[Mail Account]\nBackendName=imapx\n"
                     "IdentityUid=i-work\n");
    source("i-work", "[Data Source]\nParent=c-work\n\n[Mail Identity]\nAddress=robin@work.example\n"
                     "Name=Robin\\sFir\xff \n\n[Mail Submission]\nTransportUid=t-1\n");
    source("t-1", "[Mail Transport]\nBackendName=smtp\n\n[Authentication]\nHost=smtp.work.example\n"
                  "Port=587\nUser=robin\n\n[Security]\nMethod=starttls-on-standard-port\n");
    const MailAccount account = EvolutionAccount(places);
    EXPECT_EQ(account.Name, "Robin Fir\uFFFD"); // a byte that is not UTF-8 never passes on raw
    EXPECT_EQ(account.Address, "robin@work.example");
    EXPECT_EQ(account.Server, "smtp.work.example");
    EXPECT_EQ(account.Port, 587);

    // Without an SMTP transport the first identity comes back without a server.
    QFile::remove(dir.path() + "/.config/evolution/sources/c-work.source");
    const MailAccount local = EvolutionAccount(places);
    EXPECT_EQ(local.Address, "local@example.org");
    EXPECT_FALSE(local.Found());
}

TEST_F(MailAccountTest, MsmtpDefaultAccountWithDefaultsAndInheritance) {
    write(".msmtprc", "# mine\n"
                      "defaults\n"
                      "port 2587\n"
                      "from \"%U@%H\"\n"
                      "\n"
                      "account base\n"
                      "host smtp.base.example\n"
                      "\n"
                      "account work : base\n"
                      "from robin@work.example\n"
                      "\n"
                      "account default : work\n");
    const MailAccount account = MsmtpAccount(places);
    EXPECT_EQ(account.Name, "Robin Fir");
    EXPECT_EQ(account.Address, "robin@work.example");
    EXPECT_EQ(account.Server, "smtp.base.example");
    EXPECT_EQ(account.Port, 2587);
}

TEST_F(MailAccountTest, MsmtpXdgConfigAndSingleAccount) {
    places.RealName.clear();
    write(".config/msmtp/config", "account only\nhost 10.0.0.7\nfrom %U@%H\n");
    const MailAccount account = MsmtpAccount(places);
    EXPECT_EQ(account.Name, "robin");
    EXPECT_EQ(account.Address, "robin@cabin");
    EXPECT_EQ(account.Server, "10.0.0.7");
    EXPECT_EQ(account.Port, 25);
    // ~/.msmtprc is read before the XDG file.
    write(".msmtprc", "account default\nhost first.example\n");
    EXPECT_EQ(MsmtpAccount(places).Server, "first.example");
}

TEST_F(MailAccountTest, GitUserAndSendEmailServer) {
    write(".gitconfig", "[user]\n\tname = Robin Fir\n\temail = robin@git.example\n"
                        "[sendemail]\n\tsmtpServer = smtp.git.example:2465\n");
    MailAccount account = GitAccount(places);
    EXPECT_EQ(account.Name, "Robin Fir");
    EXPECT_EQ(account.Address, "robin@git.example");
    EXPECT_EQ(account.Server, "smtp.git.example");
    EXPECT_EQ(account.Port, 2465);

    // The port setting wins over the one in the server value; a program path is no server.
    write(".gitconfig", "[user]\n\tname = Robin Fir\n[sendemail]\n\tsmtpServer = smtp.git.example:2465\n"
                        "\tsmtpServerPort = 587\n");
    EXPECT_EQ(GitAccount(places).Port, 587);
    write(".gitconfig", "[user]\n\tname = Robin Fir\xff\n[sendemail]\n\tsmtpServer = /usr/bin/msmtp\n");
    account = GitAccount(places);
    EXPECT_EQ(account.Name, "Robin Fir\uFFFD");
    EXPECT_FALSE(account.Found());
}

TEST_F(MailAccountTest, LocalServerOnlyWhenSomethingListens) {
    EXPECT_FALSE(LocalServerAccount(places).Found());
    QTcpServer server;
    ASSERT_TRUE(server.listen(QHostAddress::LocalHost));
    places.LocalPort = server.serverPort();
    MailAccount account = LocalServerAccount(places);
    EXPECT_EQ(account.Name, "Robin Fir");
    EXPECT_EQ(account.Address, "robin@cabin");
    EXPECT_EQ(account.Server, "127.0.0.1");
    EXPECT_EQ(account.Port, server.serverPort());
    places.Email = "robin@home.example";
    EXPECT_EQ(LocalServerAccount(places).Address, "robin@home.example");
}

TEST_F(MailAccountTest, FirstSourceWithServerWinsWithItsOwnNameAndAddress) {
    // Thunderbird has name and address but no server: its values are lost.
    thunderbird("user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"
                "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
                "user_pref(\"mail.identity.id1.fullName\", \"Thunder Name\");\n"
                "user_pref(\"mail.identity.id1.useremail\", \"thunder@example.org\");\n");
    write(".gitconfig", "[user]\n\tname = Git Name\n\temail = git@example.org\n"
                        "[sendemail]\n\tsmtpServer = smtp.git.example\n");
    write(".msmtprc", "account default\nhost smtp.msmtp.example\nfrom msmtp@example.org\n");
    MailAccount account = FindMailAccount(places);
    EXPECT_EQ(account.Source, "msmtp");
    EXPECT_EQ(account.Name, "Robin Fir");
    EXPECT_EQ(account.Address, "msmtp@example.org");
    EXPECT_EQ(account.Server, "smtp.msmtp.example");

    // Without msmtp, git is next.
    QFile::remove(dir.path() + "/.msmtprc");
    account = FindMailAccount(places);
    EXPECT_EQ(account.Source, "git send-email");
    EXPECT_EQ(account.Address, "git@example.org");

    // A server in Thunderbird comes before all of them.
    thunderbird("user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"
                "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
                "user_pref(\"mail.identity.id1.useremail\", \"thunder@example.org\");\n"
                "user_pref(\"mail.identity.id1.smtpServer\", \"smtp1\");\n"
                "user_pref(\"mail.smtpserver.smtp1.hostname\", \"smtp.thunder.example\");\n");
    account = FindMailAccount(places);
    EXPECT_EQ(account.Server, "smtp.thunder.example");
    EXPECT_EQ(account.Name, "");
}

TEST_F(MailAccountTest, NothingFoundInAnEmptyHome) {
    const MailAccount account = FindMailAccount(places);
    EXPECT_FALSE(account.Found());
    EXPECT_TRUE(NoMailAccountMessage().contains(" * git send-email\n"));
}

TEST(MailServerValue, HostAndPortCleanUps) {
    struct Case {
        const char* value;
        const char* server;
        uint16_t port;
    };
    for (const Case& c :
         {Case{"smtp.example.org", "smtp.example.org", 25},
          Case{"smtp.example.org:587", "smtp.example.org", 587}, Case{"10.1.2.3:2525", "10.1.2.3", 2525},
          Case{"[::1]:26", "::1", 26}, Case{"host:abc", "host", 25}, Case{"host:70000", "host", 25},
          Case{"host:", "host", 25}, Case{"fe80::1", "fe80::1", 25}, Case{"", "", 25}}) {
        MailAccount account;
        SetServerValue(account, c.value);
        EXPECT_EQ(account.Server, c.server) << c.value;
        EXPECT_EQ(account.Port, c.port) << c.value;
    }
}

} // namespace
