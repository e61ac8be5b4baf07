#include "mail/mailaddress.h"

#include "mail/mailtypes.h"

#include <QCoreApplication>
#include <QString>
#include <QUrl>
#include <algorithm>

namespace mail {

namespace {

bool IsAsciiAText(unsigned char c) {
    if ((c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9')) {
        return true;
    }
    return std::string_view("!#$%&'*+-/=?^_`{|}~").find(static_cast<char>(c)) != std::string_view::npos;
}

// A character an address may not hold, as an error names it.
std::string shownCharacter(unsigned char c, char ch) {
    return c < 32 || c == 127 ? TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "a control character"))
                              : std::string("\"") + ch + "\"";
}

bool IsLetDig(unsigned char c) {
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') || c >= 0x80;
}

// Non-ASCII text must be well-formed UTF-8 without invisible or direction-changing
// characters (format and control characters, separators): what the reader sees is
// what goes out.
std::string UnicodeProblem(std::string_view text) {
    bool ascii = true;
    for (const char c : text) {
        ascii = ascii && static_cast<unsigned char>(c) < 0x80;
    }
    if (ascii) {
        return {};
    }
    const QString decoded = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    if (decoded.toUtf8() != QByteArray(text.data(), static_cast<qsizetype>(text.size())) ||
        decoded.contains(QChar::ReplacementCharacter)) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "it is not valid UTF-8"));
    }
    for (const QChar ch : decoded) {
        switch (ch.category()) {
        case QChar::Other_Control:
        case QChar::Other_Format:
        case QChar::Other_NotAssigned:
        case QChar::Other_PrivateUse:
        case QChar::Separator_Space:
        case QChar::Separator_Line:
        case QChar::Separator_Paragraph:
            return TranslatedMailText(
                QT_TRANSLATE_NOOP("MailError", "it holds an invisible or control character"));
        default:
            break;
        }
    }
    return {};
}

std::string LocalPartProblem(std::string_view local) {
    if (local.empty()) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "its local part (before the @) is empty"));
    }
    if (local.size() > kMaxLocalPart) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "its local part is longer than %1 bytes"),
                                  std::to_string(kMaxLocalPart));
    }
    if (local.front() == '"') {
        // A quoted string: printable characters, backslash pairs, no bare quote.
        if (local.size() < 2 || local.back() != '"') {
            return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "its quoted local part is not closed"));
        }
        for (std::size_t i = 1; i + 1 < local.size(); ++i) {
            const auto c = static_cast<unsigned char>(local[i]);
            if (c == '\\') {
                ++i;
                if (i + 1 >= local.size() || static_cast<unsigned char>(local[i]) < 32 ||
                    static_cast<unsigned char>(local[i]) > 126) {
                    return TranslatedMailText(
                        QT_TRANSLATE_NOOP("MailError", "its quoted local part has a bad backslash"));
                }
            } else if (c == '"') {
                return TranslatedMailText(
                    QT_TRANSLATE_NOOP("MailError", "its quoted local part has a bare quote"));
            } else if (c < 32 || c == 127) {
                return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "it holds a control character"));
            }
        }
        return {};
    }
    // A dot-string: atoms separated by single dots.
    bool atomStart = true;
    for (const char ch : local) {
        const auto c = static_cast<unsigned char>(ch);
        if (c == '.') {
            if (atomStart) {
                return TranslatedMailText(
                    QT_TRANSLATE_NOOP("MailError", "its local part has an empty part between dots"));
            }
            atomStart = true;
            continue;
        }
        if (c < 0x80 && !IsAsciiAText(c)) {
            return TranslatedMailText(
                QT_TRANSLATE_NOOP("MailError", "its local part holds a character that needs quoting (%1)"),
                shownCharacter(c, ch));
        }
        atomStart = false;
    }
    if (atomStart) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "its local part ends with a dot"));
    }
    return {};
}

std::string DomainProblem(std::string_view domain) {
    if (domain.empty()) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "its domain (after the @) is empty"));
    }
    if (domain.size() > kMaxDomain) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "its domain is longer than %1 bytes"),
                                  std::to_string(kMaxDomain));
    }
    if (domain.front() == '[') {
        // An address literal: an IPv4 address, or a tagged one such as "IPv6:...".
        if (domain.back() != ']' || domain.size() < 3) {
            return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "its address literal is not closed"));
        }
        for (const char ch : domain.substr(1, domain.size() - 2)) {
            const auto c = static_cast<unsigned char>(ch);
            if (c < 33 || c > 126 || c == '[' || c == ']' || c == '\\') {
                return TranslatedMailText(
                    QT_TRANSLATE_NOOP("MailError", "its address literal holds a character it may not"));
            }
        }
        return {};
    }
    std::size_t start = 0;
    while (start <= domain.size()) {
        const std::size_t dot = std::min(domain.find('.', start), domain.size());
        const std::string_view label = domain.substr(start, dot - start);
        if (label.empty()) {
            return TranslatedMailText(
                QT_TRANSLATE_NOOP("MailError", "its domain has an empty part between dots"));
        }
        if (label.size() > 63) {
            return TranslatedMailText(
                QT_TRANSLATE_NOOP("MailError", "a part of its domain is longer than 63 bytes"));
        }
        if (label.front() == '-' || label.back() == '-') {
            return TranslatedMailText(
                QT_TRANSLATE_NOOP("MailError", "a part of its domain starts or ends with a hyphen"));
        }
        for (const char ch : label) {
            const auto c = static_cast<unsigned char>(ch);
            if (!IsLetDig(c) && c != '-') {
                return TranslatedMailText(
                    QT_TRANSLATE_NOOP("MailError", "its domain holds a character a host name may not (%1)"),
                    shownCharacter(c, ch));
            }
        }
        start = dot + 1;
    }
    return {};
}

} // namespace

std::string AddressProblem(std::string_view address) {
    if (address.empty()) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "it is empty"));
    }
    if (address.size() + 2 > kMaxPath) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "it is longer than %1 bytes"),
                                  std::to_string(kMaxPath - 2));
    }
    // The domain starts after the last "@": a quoted local part may hold one.
    const std::size_t at = address.rfind('@');
    if (at == std::string_view::npos) {
        return TranslatedMailText(QT_TRANSLATE_NOOP("MailError", "it has no @"));
    }
    if (std::string problem = LocalPartProblem(address.substr(0, at)); !problem.empty()) {
        return problem;
    }
    const std::string_view domain = address.substr(at + 1);
    if (std::string problem = DomainProblem(domain); !problem.empty()) {
        return problem;
    }
    if (std::string problem = UnicodeProblem(address); !problem.empty()) {
        return problem;
    }
    // An international domain goes out in ASCII (IDNA): the limits hold for that
    // form too, and a name IDNA refuses cannot be sent at all.
    const bool asciiDomain = std::all_of(domain.begin(), domain.end(),
                                         [](char c) { return static_cast<unsigned char>(c) < 0x80; });
    if (!asciiDomain) {
        const QByteArray ace =
            QUrl::toAce(QString::fromUtf8(domain.data(), static_cast<qsizetype>(domain.size())));
        if (ace.isEmpty()) {
            return TranslatedMailText(
                QT_TRANSLATE_NOOP("MailError", "its domain cannot be written in ASCII (IDNA): a part "
                                               "holds a character a domain may not, or grows beyond "
                                               "63 bytes"));
        }
        if (at + 1 + static_cast<std::size_t>(ace.size()) + 2 > kMaxPath) {
            return TranslatedMailText(
                QT_TRANSLATE_NOOP("MailError",
                                  "it is longer than %1 bytes once its domain is written in ASCII"),
                std::to_string(kMaxPath - 2));
        }
    }
    return {};
}

QString TypedAddressProblem(const QString& typed) {
    const QString address = typed.trimmed();
    if (address.isEmpty()) {
        return QCoreApplication::translate("mail", "Type the address the card goes to.");
    }
    const std::string problem = AddressProblem(address.toStdString());
    if (problem.empty()) {
        return {};
    }
    return QCoreApplication::translate("mail", "The card cannot go to this address: %1.")
        .arg(QString::fromStdString(problem));
}

} // namespace mail
