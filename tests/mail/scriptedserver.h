#pragma once
// A scripted SMTP server on loopback for the mail component's tests: it answers
// each command with the reply the test gave it, records what the client sent, and
// can stay silent or hang up at any step. Runs on the test's own event loop.
#include "mail/sendmail.h"

#include <QTcpServer>
#include <QTcpSocket>
#include <deque>
#include <functional>
#include <map>
#include <string>
#include <vector>

namespace mailtest {

class ScriptedSmtpServer : public QObject {
public:
    // Replies that are not sent: the server hangs up, or stays silent.
    static constexpr const char* kClose = "<close>";
    static constexpr const char* kSilent = "<silent>";

    ScriptedSmtpServer();
    quint16 port() const { return server_.serverPort(); }

    // The greeting, and the replies by command ("HELO", "MAIL", "RCPT", "DATA",
    // "QUIT", and "." for the end of the message text); a reply may hold several
    // lines. RCPT replies are taken from rcptReplies first, in order.
    std::string greeting = "220 scripted ready\r\n";
    std::map<std::string, std::string> replies;
    std::deque<std::string> rcptReplies;
    // Hang up after answering QUIT (as servers do).
    bool closeAfterQuit = true;

    // What the client sent: each command line (without CR LF), and the raw message
    // text after DATA, up to (not including) the "." line.
    std::vector<std::string> commands;
    std::string data;
    bool dataEnded = false;
    int connections = 0;

    // When set, called for the greeting (command "") and for each command before
    // the scripted reply; returning true means it answered (or chose not to) itself.
    std::function<bool(const std::string& command, QTcpSocket& client)> custom;

    // Hangs up the current connection.
    void hangUp();

private:
    void onConnection();
    void onReadyRead();
    void reply(const std::string& text);

    QTcpServer server_;
    QTcpSocket* client_ = nullptr;
    std::string buffer_;
    bool inData_ = false;
};

// Everything a request reported, in order.
struct Transcript {
    std::vector<std::pair<int, std::string>> infos;
    std::vector<std::pair<int, std::string>> errors;
    int done = 0;

    void attach(mail::SendMail& mail);
    // The addinfo texts of one info code.
    std::vector<std::string> infosOf(mail::SendMailInfo info) const;
    bool hasInfo(mail::SendMailInfo info) const { return !infosOf(info).empty(); }
};

// Runs the event loop until OnDone has come `count` times in all (or the limit
// passes), then a little longer to catch anything that should not come.
bool waitForDone(const Transcript& transcript, int count = 1, int limitMs = 15000);
// Runs the event loop for a while.
void spin(int ms);

} // namespace mailtest
