// The error table of the mail component: socket error numbers to codes and texts.
#include "mail/mailtypes.h"

#include <QCoreApplication>
#include <map>

namespace mail {

std::string TranslatedMailText(const char* text) {
    return QCoreApplication::translate("MailError", text).toStdString();
}

std::string TranslatedMailText(const char* text, const std::string& detail) {
    return QCoreApplication::translate("MailError", text).arg(QString::fromStdString(detail)).toStdString();
}

MailErrorText MailErrorFromWinsock(int e) {
    using E = SendMailError;
    switch (e) {
    case 0:
        return {E::None, ""};
    case 10093:
        return {E::WinsockNotInitialized, QT_TRANSLATE_NOOP("MailError", "Winsock not initialized")};
    case 10050:
        return {E::NetworkDown, QT_TRANSLATE_NOOP("MailError", "Network down")};
    case 10013:
        return {E::InvalidAddress, QT_TRANSLATE_NOOP("MailError", "Invalid address specified")};
    case 10004:
    case 10014:
    case 10022:
    case 10036:
    case 10038:
    case 10040:
    case 10045:
    case 10047:
    case 10048:
    case 10056:
    case 10057:
    case 10058:
        return {E::InternalError, QT_TRANSLATE_NOOP("MailError", "Unexpected internal error in component")};
    case 10052:
    case 10055:
        return {E::GeneralWinsockError, QT_TRANSLATE_NOOP("MailError", "General Winsock Error")};
    case 10053:
        return {E::ConnectionAborted,
                QT_TRANSLATE_NOOP("MailError", "Connection aborted due to timeout or other failure")};
    case 10054:
        return {E::ConnectionReset, QT_TRANSLATE_NOOP("MailError", "Connection reset by remote side")};
    case 10060:
        return {E::TimedOut, QT_TRANSLATE_NOOP("MailError", "timeout")};
    case 10024:
        return {E::OutOfSockets, QT_TRANSLATE_NOOP("MailError", "Out of sockets")};
    case 10051:
        return {E::NetworkUnreachable, QT_TRANSLATE_NOOP("MailError", "Network unreachable")};
    case 10049:
        return {E::AddressNotAvailable, QT_TRANSLATE_NOOP("MailError", "Address not available")};
    case 10061:
        return {E::ConnectionRefused, QT_TRANSLATE_NOOP("MailError", "Connection Refused")};
    case 11001:
    case 11002:
    case 11003:
    case 11004:
        return {E::AddressResolution, QT_TRANSLATE_NOOP("MailError", "Address resolution error")};
    case 10065:
        return {E::HostUnreachable, QT_TRANSLATE_NOOP("MailError", "Host Unreachable")};
    default:
        return {E::UnknownError, QT_TRANSLATE_NOOP("MailError", "Unknown Error")};
    }
}

std::string SecureMailErrorText(SendMailError error, const std::string& detail) {
    using E = SendMailError;
    static const std::map<E, const char*> texts{
        {E::LoginFailed,
         QT_TRANSLATE_NOOP("MailError", "Login failed: the server refused the user name or password")},
        {E::TlsHandshakeFailed, QT_TRANSLATE_NOOP("MailError", "TLS handshake failed")},
        {E::CertificateNotTrusted, QT_TRANSLATE_NOOP("MailError", "Server certificate not trusted")},
        {E::NoStartTls,
         QT_TRANSLATE_NOOP("MailError", "The server offers no STARTTLS: the mail was not sent unencrypted")},
        {E::NoLogin,
         QT_TRANSLATE_NOOP("MailError", "The server offers no login by AUTH PLAIN or AUTH LOGIN")},
        {E::NoSmtpUtf8,
         QT_TRANSLATE_NOOP("MailError",
                           "An address has letters beyond ASCII before its @, and the server does not take "
                           "such addresses (it offers no SMTPUTF8): the mail was not sent")},
    };
    const auto found = texts.find(error);
    std::string text = TranslatedMailText(
        found != texts.end() ? found->second : QT_TRANSLATE_NOOP("MailError", "Unknown Error"));
    if (!detail.empty()) {
        //: An error (%1) and what the server or the connection said of it (%2).
        text = QCoreApplication::translate("MailError", "%1 (%2)")
                   .arg(QString::fromStdString(text), QString::fromStdString(detail))
                   .toStdString();
    }
    return text;
}

} // namespace mail
