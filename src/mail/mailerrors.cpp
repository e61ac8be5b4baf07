// The error table of the mail component: socket error numbers to codes and texts.
#include "mail/mailtypes.h"

#include <map>

namespace mail {

MailErrorText MailErrorFromWinsock(int e) {
    using E = SendMailError;
    switch (e) {
    case 0:
        return {E::None, ""};
    case 10093:
        return {E::WinsockNotInitialized, "Winsock not initialized"};
    case 10050:
        return {E::NetworkDown, "Network down"};
    case 10013:
        return {E::InvalidAddress, "Invalid address specified"};
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
        return {E::InternalError, "Unexpected internal error in component"};
    case 10052:
    case 10055:
        return {E::GeneralWinsockError, "General Winsock Error"};
    case 10053:
        return {E::ConnectionAborted, "Connection aborted due to timeout or other failure"};
    case 10054:
        return {E::ConnectionReset, "Connection reset by remote side"};
    case 10060:
        return {E::TimedOut, "timeout"};
    case 10024:
        return {E::OutOfSockets, "Out of sockets"};
    case 10051:
        return {E::NetworkUnreachable, "Network unreachable"};
    case 10049:
        return {E::AddressNotAvailable, "Address not available"};
    case 10061:
        return {E::ConnectionRefused, "Connection Refused"};
    case 11001:
    case 11002:
    case 11003:
    case 11004:
        return {E::AddressResolution, "Address resolution error"};
    case 10065:
        return {E::HostUnreachable, "Host Unreachable"};
    default:
        return {E::UnknownError, "Unknown Error"};
    }
}

std::string SecureMailErrorText(SendMailError error, const std::string& detail) {
    using E = SendMailError;
    static const std::map<E, const char*> texts{
        {E::LoginFailed, "Login failed: the server refused the user name or password"},
        {E::TlsHandshakeFailed, "TLS handshake failed"},
        {E::CertificateNotTrusted, "Server certificate not trusted"},
        {E::NoStartTls, "The server offers no STARTTLS: the mail was not sent unencrypted"},
        {E::NoLogin, "The server offers no login by AUTH PLAIN or AUTH LOGIN"},
        {E::NoSmtpUtf8, "An address has letters beyond ASCII before its @, and the server does not take "
                        "such addresses (it offers no SMTPUTF8): the mail was not sent"},
    };
    const auto found = texts.find(error);
    std::string text = found != texts.end() ? found->second : "Unknown Error";
    if (!detail.empty()) {
        text += " (" + detail + ")";
    }
    return text;
}

} // namespace mail
