#pragma once
// The values the mail component reports through its events, and the descriptor
// that a caller may give an attachment.
#include <cstdint>
#include <string>

namespace mail {

enum class TMailAction : int { None = 0, Send_Mail = 1, Cancel_SendMail = 2 };

// Progress information (OnMailInfo); the comment says what addinfo holds.
enum class SendMailInfo : int {
    Connected = 0,          // the server's dotted address
    ReplyLine = 1,          // the reply line, without CR LF
    TextSent = 2,           // the text handed to the socket (up to a NUL)
    ServerClosed = 3,       // empty
    MailAccepted = 4,       // empty
    AttachmentStart = 5,    // the file path
    Base64Start = 6,        // the file size, decimal
    Base64Progress = 7,     // running count, decimal
    RecipientRefused = 8,   // the recipient address
    RcptSent = 9,           // the recipient address
    BodyStart = 10,         // body length, decimal
    BodyProgress = 11,      // bytes of body (or fed data) sent so far
    AttachmentSkipped = 12, // the file path (or Attachments entry)
    Busy = 13,              // empty: a request is already running
    Resolved = 14,          // the dotted address
    LookupStart = 15,       // the host name
    Encrypted = 16,         // the TLS protocol agreed on ("TLSv1.3")
    LoggedIn = 17,          // the user name the server accepted
};

// Errors (OnMailError); 0 means none.
enum class SendMailError : int {
    None = 0,
    WinsockNotInitialized = 1,
    NetworkDown = 2,
    InvalidAddress = 3,
    InternalError = 4,
    GeneralWinsockError = 5,
    ConnectionAborted = 6,
    ConnectionReset = 7,
    TimedOut = 8,
    OutOfSockets = 9,
    NetworkUnreachable = 10,
    AddressNotAvailable = 11,
    ConnectionRefused = 12,
    UnexpectedResponse = 13,
    Cancelled = 14,
    UnknownError = 15,
    AddressResolution = 16,
    PrematurelyDisconnected = 17,
    MailDestination = 18,
    HostUnreachable = 19,
    // Encrypted and logged-in sending.
    LoginFailed = 20,           // the server refused the login (or there was no password)
    TlsHandshakeFailed = 21,    // TLS could not be set up
    CertificateNotTrusted = 22, // the server's certificate is not trusted or names another host
    NoStartTls = 23,            // TLS was asked for and the server offers no STARTTLS
    NoLogin = 24,               // a login was asked for and none can be done safely
    NoSmtpUtf8 = 25,            // an address beyond ASCII and a server without SMTPUTF8
};

// How an attachment goes out.
enum class AttachmentEncoding : uint8_t {
    Automatic = 0,
    Base64 = 1,
    QuotedPrintable = 2,
    TextLines = 3,
    UUEncode = 4
};

struct TAttachmentInfo {
    std::string Name; // name in the Content-Type header; empty = the file's name
    AttachmentEncoding Encoding = AttachmentEncoding::Automatic;
    std::string ContentType; // empty = "application/octet-stream"
    std::string Disposition; // empty = "attachment"
    std::string Description; // empty = no Content-Description header
    std::string FileName;    // path of the file to attach
    std::string ContentID;   // id an HTML text shows the part by ("cid:" + id); empty = none
};

// The error code and text for a socket error number (Winsock numbering).
struct MailErrorText {
    SendMailError code;
    const char* text;
};
MailErrorText MailErrorFromWinsock(int winsockError);
// An error text of the component (marked with QT_TRANSLATE_NOOP("MailError",
// ...)) in the running language; the second form fills its %1 with detail.
std::string TranslatedMailText(const char* text);
std::string TranslatedMailText(const char* text, const std::string& detail);
// The text of an error of encrypted or logged-in sending, with what the server or
// the TLS layer said about it (may be empty).
std::string SecureMailErrorText(SendMailError error, const std::string& detail);

// Reads a file and picks base64, quoted-printable or text lines for it.
AttachmentEncoding ChooseEncoding(const std::string& path);

} // namespace mail
