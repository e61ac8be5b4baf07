// Any bytes as what a mail server says: the dialogue reads them as replies (in
// the plain dialogue, or on the way to TLS and a login, where they also reach
// the TLS handshake), and whatever they are, the request ends exactly once, no
// reply line it reports is longer than the limit or holds a NUL, and no message
// text goes out unless a recipient was accepted.
//
// Input: byte 0 chooses encryption and login, byte 1 the size of the pieces the
// bytes arrive in; the rest is the server's side of the connection.
#include "mail/sendmail.h"

#include <QCoreApplication>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace {

// A SendMail whose connection is the fuzzer's input: what it sends is kept,
// what it receives comes from the input in pieces.
class FedMail : public mail::SendMail {
public:
    std::string_view input;
    std::size_t piece = 1;
    std::string sent;

    int SendBuffer(const char* data, int count) override {
        sent.append(data, static_cast<std::size_t>(count));
        return count;
    }
    int ReceiveBuffer(char* data, int count) override {
        const std::size_t n = std::min({input.size(), piece, static_cast<std::size_t>(count)});
        std::memcpy(data, input.data(), n);
        input.remove_prefix(n);
        return static_cast<int>(n);
    }
    int StreamError() const override { return 0; }
};

// The last whole line in what was sent.
std::string_view LastCommand(std::string_view sent) {
    if (sent.size() < 2) {
        return {};
    }
    const std::size_t end = sent.size() - 2;
    const std::size_t start = sent.rfind("\r\n", end - 1);
    return sent.substr(start == std::string_view::npos || end == 0 ? 0 : start + 2);
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    // No trust store: the handshake never gets as far as a certificate, and
    // reading the system's for every input would be most of the time spent.
    setenv("SSL_CERT_FILE", "/dev/null", 1);
    setenv("SSL_CERT_DIR", "/var/empty", 1);
    static QCoreApplication app(*argc, *argv);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) {
        return 0;
    }
    FedMail mail;
    const std::uint8_t mode = data[0];
    mail.piece = 1 + data[1] % 64 * 37;
    mail.input = std::string_view(reinterpret_cast<const char*>(data + 2), size - 2);
    mail.Security.Tls = static_cast<mail::TlsMode>(mode % 3);
    mail.Security.Auth = static_cast<mail::AuthMethod>(mode / 3 % 4);
    mail.Security.User = "user";
    mail.Security.Password = "secret";
    mail.KeepConnectionOpen = (mode & 0x80) != 0;
    mail.SetSMTP_Server("127.0.0.1");
    mail.SMTP_Port = 9;
    mail.FROM_Address = "a@example.org";
    mail.TO_Address = "t@example.org";
    mail.Listcc = {"c@example.org"};
    mail.MailText = {"Hello", ".", "end"};

    int done = 0;
    bool lineFault = false;
    bool recipientAccepted = false;
    mail.OnDone = [&](mail::SendMail&) {
        ++done;
    };
    mail.OnMailInfo = [&](mail::SendMail&, mail::SendMailInfo info, const std::string& text) {
        if (info == mail::SendMailInfo::ReplyLine &&
            (text.size() > mail::TReplyReader::kMaxReplyLine || text.find('\0') != std::string::npos)) {
            lineFault = true;
        }
        // The reply answers the last command sent (the dialogue never pipelines).
        if (info == mail::SendMailInfo::ReplyLine && !text.empty() && text[0] == '2' &&
            LastCommand(mail.sent).rfind("RCPT TO:", 0) == 0) {
            recipientAccepted = true;
        }
    };
    mail.SetAction(mail::TMailAction::Send_Mail);
    // No real connection: the socket the request opened is dropped, and the
    // dialogue is told it is connected.
    mail.CloseSocket();
    mail.OnConnect(mail);
    while (!mail.input.empty() && done == 0 && mail.OnRead) {
        const std::size_t before = mail.input.size();
        mail.OnRead(mail);
        QCoreApplication::processEvents();
        if (mail.input.size() == before) {
            break; // the dialogue reads no more (it ended, or waits on the handshake)
        }
    }
    QCoreApplication::processEvents();
    if (mail.Busy()) {
        mail.SetAction(mail::TMailAction::Cancel_SendMail);
        QCoreApplication::processEvents();
    }
    if (lineFault || done > 1 || mail.Busy()) {
        std::abort();
    }
    // Message text only after the server said yes to some RCPT.
    if (mail.sent.find("\r\nDATA\r\n") != std::string::npos && !recipientAccepted) {
        std::abort();
    }
    return 0;
}
