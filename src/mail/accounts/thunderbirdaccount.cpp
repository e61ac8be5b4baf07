// Thunderbird's account: the default profile's prefs.js, read as Thunderbird
// writes it (user_pref("key", value); one per line).
#include "mail/accounts/accountsecurity.h"
#include "mail/accounts/mailaccountsources.h"
#include "mail/accounts/thunderbirdprofile.h"

#include <QFile>
#include <QRegularExpression>
#include <map>

namespace mail {
namespace {

using Prefs = std::map<std::string, std::string>;

// Decodes a JavaScript string literal's body (the text between the quotes) as
// JavaScript reads it: the one-letter escapes, "\0", "\xHH", "\uHHHH" and
// "\u{H...}"; any other escaped character stands for itself.
std::string JsString(const QString& body) {
    QString out;
    const auto hex = [&](qsizetype from, qsizetype count, char32_t& code) {
        if (from + count > body.size()) {
            return false;
        }
        code = 0;
        for (qsizetype k = from; k < from + count; ++k) {
            const int digit = QStringView(u"0123456789abcdef").indexOf(body[k].toLower());
            if (digit < 0) {
                return false;
            }
            code = code * 16 + static_cast<char32_t>(digit);
        }
        return count > 0;
    };
    for (qsizetype i = 0; i < body.size(); ++i) {
        if (body[i] != '\\' || i + 1 == body.size()) {
            out += body[i];
            continue;
        }
        const QChar c = body[++i];
        char32_t code = 0;
        switch (c.unicode()) {
        case 'n':
            out += '\n';
            break;
        case 'r':
            out += '\r';
            break;
        case 't':
            out += '\t';
            break;
        case 'b':
            out += '\b';
            break;
        case 'f':
            out += '\f';
            break;
        case 'v':
            out += '\v';
            break;
        case '0':
            if (i + 1 < body.size() && body[i + 1].isDigit()) {
                out += c; // an old octal escape: left as it stands
            } else {
                out += QChar(u'\0');
            }
            break;
        case 'x':
            if (hex(i + 1, 2, code)) {
                out += QChar(static_cast<char16_t>(code));
                i += 2;
            } else {
                out += c;
            }
            break;
        case 'u': {
            const qsizetype close = body.indexOf('}', i + 2);
            if (i + 1 < body.size() && body[i + 1] == '{' && close > i + 2 && close - i - 2 <= 6 &&
                hex(i + 2, close - i - 2, code) && code <= 0x10FFFF) {
                out += QString::fromUcs4(&code, 1);
                i = close;
            } else if (hex(i + 1, 4, code)) {
                out += QChar(static_cast<char16_t>(code));
                i += 4;
            } else {
                out += c;
            }
            break;
        }
        default:
            out += c;
            break;
        }
    }
    return out.toStdString();
}

Prefs ReadPrefs(const QString& path) {
    Prefs prefs;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return prefs;
    }
    static const QRegularExpression line(
        R"re(^\s*user_pref\(\s*"((?:[^"\\]|\\.)*)"\s*,\s*("((?:[^"\\]|\\.)*)"|[^)]*?)\s*\)\s*;)re");
    for (const QByteArray& raw : file.readAll().split('\n')) {
        const auto match = line.match(QString::fromUtf8(raw));
        if (!match.hasMatch()) {
            continue;
        }
        const std::string value = match.capturedStart(3) >= 0 ? JsString(match.captured(3))
                                                              : match.captured(2).trimmed().toStdString();
        prefs[JsString(match.captured(1))] = value;
    }
    return prefs;
}

std::string Pref(const Prefs& prefs, const std::string& key) {
    const auto found = prefs.find(key);
    return found == prefs.end() ? std::string() : found->second;
}

// The first item of a comma-separated list.
std::string FirstItem(const std::string& list) {
    const QString first = QString::fromStdString(list).section(',', 0, 0).trimmed();
    return first.toStdString();
}

} // namespace

MailAccount ThunderbirdAccount(const MailAccountPlaces& places) {
    MailAccount account;
    const QString profile = ThunderbirdProfile(places);
    if (profile.isEmpty()) {
        return account;
    }
    const Prefs prefs = ReadPrefs(profile + "/prefs.js");

    // The default account, or else the first account that has an identity (the
    // local folders have none).
    std::vector<std::string> accounts{Pref(prefs, "mail.accountmanager.defaultaccount")};
    for (const QString& a : QString::fromStdString(Pref(prefs, "mail.accountmanager.accounts")).split(',')) {
        accounts.push_back(a.trimmed().toStdString());
    }
    std::string identity;
    for (const std::string& a : accounts) {
        identity = a.empty() ? std::string() : FirstItem(Pref(prefs, "mail.account." + a + ".identities"));
        if (!identity.empty()) {
            break;
        }
    }
    if (identity.empty()) {
        return account;
    }
    account.Source = "Thunderbird";
    const std::string id = "mail.identity." + identity + ".";
    account.Name = Pref(prefs, id + "fullName");
    account.Address = Pref(prefs, id + "useremail");
    // The identity's own outgoing server, or else the default one.
    std::string smtp = Pref(prefs, id + "smtpServer");
    if (smtp.empty()) {
        smtp = Pref(prefs, "mail.smtp.defaultserver");
    }
    if (smtp.empty()) {
        smtp = FirstItem(Pref(prefs, "mail.smtpservers"));
    }
    if (!smtp.empty()) {
        SetServerValue(account, Pref(prefs, "mail.smtpserver." + smtp + ".hostname"));
        SetPortValue(account, Pref(prefs, "mail.smtpserver." + smtp + ".port"));
        ApplyAccountSecurity(account,
                             ThunderbirdSecurity([&](const std::string& key) -> std::optional<std::string> {
                                 const auto found = prefs.find("mail.smtpserver." + smtp + "." + key);
                                 return found == prefs.end() ? std::nullopt : std::optional(found->second);
                             }));
    }
    return account;
}

} // namespace mail
