// The security settings read from each mail program's account: which keys mean
// STARTTLS, TLS from the first byte, a login, and where the password comes from.
#include "mail/accounts/accountsecurity.h"
#include "mail/accounts/mailaccountsources.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <map>

using mail::AccountSecurity;
using mail::AuthMethod;
using mail::TlsMode;

namespace {

using Values = std::map<std::string, std::string>;

mail::SettingValue Lookup(const Values& values) {
    return [values](const std::string& key) -> std::optional<std::string> {
        const auto found = values.find(key);
        return found == values.end() ? std::nullopt : std::optional<std::string>(found->second);
    };
}

struct Case {
    const char* name;
    AccountSecurity (*read)(const mail::SettingValue&);
    Values values;
    TlsMode tls;
    AuthMethod auth;
    uint16_t defaultPort;
};

class AccountSecurityTable : public ::testing::TestWithParam<Case> {};

} // namespace

TEST_P(AccountSecurityTable, MapsTheProgramsKeys) {
    const Case& c = GetParam();
    const AccountSecurity read = c.read(Lookup(c.values));
    EXPECT_EQ(read.Security.Tls, c.tls);
    EXPECT_EQ(read.Security.Auth, c.auth);
    EXPECT_EQ(read.DefaultPort, c.defaultPort);
}

INSTANTIATE_TEST_SUITE_P(
    Sources, AccountSecurityTable,
    ::testing::Values(
        Case{"MsmtpNothing", mail::MsmtpSecurity, {{"host", "h"}}, TlsMode::None, AuthMethod::None, 0},
        Case{"MsmtpBareTlsIsStartTls",
             mail::MsmtpSecurity,
             {{"tls", ""}},
             TlsMode::StartTls,
             AuthMethod::None,
             0},
        Case{"MsmtpTlsWithoutStartTls",
             mail::MsmtpSecurity,
             {{"tls", "on"}, {"tls_starttls", "off"}, {"auth", "on"}},
             TlsMode::Tls,
             AuthMethod::Automatic,
             465},
        Case{"MsmtpTlsOnGivenPort",
             mail::MsmtpSecurity,
             {{"tls", "on"}, {"tls_starttls", "off"}, {"port", "2465"}},
             TlsMode::Tls,
             AuthMethod::None,
             0},
        Case{"MsmtpTlsOff",
             mail::MsmtpSecurity,
             {{"tls", "off"}, {"auth", "off"}},
             TlsMode::None,
             AuthMethod::None,
             0},
        Case{"MsmtpAuthLogin", mail::MsmtpSecurity, {{"auth", "login"}}, TlsMode::None, AuthMethod::Login, 0},
        Case{"MsmtpAuthScram",
             mail::MsmtpSecurity,
             {{"auth", "scram-sha-256"}},
             TlsMode::None,
             AuthMethod::Automatic,
             0},
        Case{"GitTlsIsStartTls",
             mail::GitSecurity,
             {{"smtpencryption", "tls"}, {"smtpuser", "joe"}},
             TlsMode::StartTls,
             AuthMethod::Automatic,
             0},
        Case{"GitSslIsTlsOn465",
             mail::GitSecurity,
             {{"smtpencryption", "ssl"}},
             TlsMode::Tls,
             AuthMethod::None,
             465},
        Case{"GitOtherIsPlain",
             mail::GitSecurity,
             {{"smtpencryption", "none"}},
             TlsMode::None,
             AuthMethod::None,
             0},
        Case{"GitAuthNone",
             mail::GitSecurity,
             {{"smtpuser", "joe"}, {"smtpauth", "none"}},
             TlsMode::None,
             AuthMethod::None,
             0},
        Case{"GitAuthLoginOnly",
             mail::GitSecurity,
             {{"smtpuser", "joe"}, {"smtpauth", "LOGIN CRAM-MD5"}},
             TlsMode::None,
             AuthMethod::Login,
             0},
        Case{"ThunderbirdStartTls",
             mail::ThunderbirdSecurity,
             {{"try_ssl", "2"}, {"username", "joe"}},
             TlsMode::StartTls,
             AuthMethod::Automatic,
             0},
        Case{"ThunderbirdStartTlsWhenOffered",
             mail::ThunderbirdSecurity,
             {{"try_ssl", "1"}},
             TlsMode::StartTls,
             AuthMethod::None,
             0},
        Case{"ThunderbirdTls",
             mail::ThunderbirdSecurity,
             {{"try_ssl", "3"}, {"username", "joe"}, {"authMethod", "3"}, {"port", "465"}},
             TlsMode::Tls,
             AuthMethod::Automatic,
             0},
        Case{"ThunderbirdNoAuthentication",
             mail::ThunderbirdSecurity,
             {{"try_ssl", "0"}, {"username", "joe"}, {"authMethod", "1"}},
             TlsMode::None,
             AuthMethod::None,
             0},
        Case{"ThunderbirdNoUserNoLogin",
             mail::ThunderbirdSecurity,
             {{"try_ssl", "3"}},
             TlsMode::Tls,
             AuthMethod::None,
             465},
        Case{"EvolutionStartTls",
             mail::EvolutionSecurity,
             {{"Security/Method", "starttls-on-standard-port"},
              {"Authentication/User", "joe"},
              {"Authentication/Method", "PLAIN"},
              {"Authentication/Port", "587"}},
             TlsMode::StartTls,
             AuthMethod::Plain,
             0},
        Case{"EvolutionTlsNoLogin",
             mail::EvolutionSecurity,
             {{"Security/Method", "ssl-on-alternate-port"}, {"Authentication/User", "joe"}},
             TlsMode::Tls,
             AuthMethod::None,
             465},
        Case{"EvolutionNone",
             mail::EvolutionSecurity,
             {{"Security/Method", "none"}},
             TlsMode::None,
             AuthMethod::None,
             0}),
    [](const ::testing::TestParamInfo<Case>& info) { return std::string(info.param.name); });

TEST(AccountSecurity, PasswordsAndTrustComeAlong) {
    const auto msmtp = mail::MsmtpSecurity(Lookup({{"tls", "on"},
                                                   {"auth", "on"},
                                                   {"user", "joe"},
                                                   {"passwordeval", "pass show mail"},
                                                   {"tls_trust_file", "/etc/my-ca.pem"}}));
    EXPECT_EQ(msmtp.Security.User, "joe");
    EXPECT_EQ(msmtp.Security.PasswordEval, "pass show mail");
    EXPECT_EQ(msmtp.Security.TrustFile, "/etc/my-ca.pem");
    // "system" is the system's store, which is used anyway; an empty value would
    // mean no CA at all, which cannot be had without turning checks off.
    EXPECT_EQ(mail::MsmtpSecurity(Lookup({{"tls_trust_file", "system"}})).Security.TrustFile, "");
    EXPECT_EQ(mail::MsmtpSecurity(Lookup({{"tls_trust_file", ""}})).Security.TrustFile, "");
    const auto git =
        mail::GitSecurity(Lookup({{"smtpuser", "joe"}, {"smtppass", "pw"}, {"smtpsslcertpath", "/ca"}}));
    EXPECT_EQ(git.Security.Password, "pw");
    EXPECT_EQ(git.Security.TrustFile, "/ca");
}

// Each source as its program writes its settings, read through the discovery.
namespace {

class DiscoveredSecurity : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        places.Home = dir.path();
        places.ConfigHome = dir.path() + "/.config";
        places.LoginName = "robin";
    }
    void write(const QString& relative, const QByteArray& text) {
        const QString path = dir.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
    }
    QTemporaryDir dir;
    mail::MailAccountPlaces places;
};

} // namespace

TEST_F(DiscoveredSecurity, Msmtp) {
    write(".msmtprc", "defaults\ntls on\ntls_starttls off\nauth on\n\n"
                      "account default\nhost smtp.example.org\nfrom robin@example.org\nuser robin\n"
                      "passwordeval \"pass show smtp\"\n");
    const mail::MailAccount account = mail::MsmtpAccount(places);
    EXPECT_EQ(account.Security.Tls, TlsMode::Tls);
    EXPECT_EQ(account.Security.Auth, AuthMethod::Automatic);
    EXPECT_EQ(account.Security.User, "robin");
    EXPECT_EQ(account.Security.PasswordEval, "pass show smtp");
    EXPECT_EQ(account.Port, 465);
}

TEST_F(DiscoveredSecurity, GitSendEmail) {
    write(".gitconfig", "[user]\n\tname = Robin\n\temail = robin@example.org\n"
                        "[sendemail]\n\tsmtpServer = smtp.example.org\n\tsmtpEncryption = tls\n"
                        "\tsmtpServerPort = 587\n\tsmtpUser = robin\n\tsmtpPass = from-git\n");
    const mail::MailAccount account = mail::GitAccount(places);
    EXPECT_EQ(account.Security.Tls, TlsMode::StartTls);
    EXPECT_EQ(account.Security.Auth, AuthMethod::Automatic);
    EXPECT_EQ(account.Security.User, "robin");
    EXPECT_EQ(account.Security.Password, "from-git");
    EXPECT_EQ(account.Port, 587);
}

TEST_F(DiscoveredSecurity, Thunderbird) {
    write(".thunderbird/profiles.ini",
          "[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\nDefault=1\n");
    write(".thunderbird/abc.default/prefs.js",
          "user_pref(\"mail.accountmanager.defaultaccount\", \"account1\");\n"
          "user_pref(\"mail.account.account1.identities\", \"id1\");\n"
          "user_pref(\"mail.identity.id1.useremail\", \"robin@example.org\");\n"
          "user_pref(\"mail.identity.id1.smtpServer\", \"smtp1\");\n"
          "user_pref(\"mail.smtpserver.smtp1.hostname\", \"smtp.example.org\");\n"
          "user_pref(\"mail.smtpserver.smtp1.try_ssl\", 3);\n"
          "user_pref(\"mail.smtpserver.smtp1.authMethod\", 3);\n"
          "user_pref(\"mail.smtpserver.smtp1.username\", \"robin\");\n");
    const mail::MailAccount account = mail::ThunderbirdAccount(places);
    EXPECT_EQ(account.Security.Tls, TlsMode::Tls);
    EXPECT_EQ(account.Security.Auth, AuthMethod::Automatic);
    EXPECT_EQ(account.Security.User, "robin");
    EXPECT_EQ(account.Port, 465);
}

TEST_F(DiscoveredSecurity, Evolution) {
    const auto source = [&](const QString& uid, const QByteArray& text) {
        write(".config/evolution/sources/" + uid + ".source", text);
    };
    source("a", "[Mail Account]\nIdentityUid=i\n");
    source("i", "[Mail Identity]\nAddress=robin@example.org\n\n[Mail Submission]\nTransportUid=t\n");
    source("t", "[Mail Transport]\nBackendName=smtp\n\n[Authentication]\nHost=smtp.example.org\nPort=587\n"
                "User=robin\nMethod=LOGIN\n\n[Security]\nMethod=starttls-on-standard-port\n");
    const mail::MailAccount account = mail::EvolutionAccount(places);
    EXPECT_EQ(account.Security.Tls, TlsMode::StartTls);
    EXPECT_EQ(account.Security.Auth, AuthMethod::Login);
    EXPECT_EQ(account.Security.User, "robin");
    EXPECT_EQ(account.Port, 587);
}
