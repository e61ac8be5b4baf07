#include "scriptedserver.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QEventLoop>

namespace mailtest {

ScriptedSmtpServer::ScriptedSmtpServer() {
    replies = {{"HELO", "250 hello\r\n"},    {"MAIL", "250 sender ok\r\n"}, {"RCPT", "250 recipient ok\r\n"},
               {"DATA", "354 go ahead\r\n"}, {".", "250 queued\r\n"},       {"QUIT", "221 bye\r\n"},
               {"RSET", "250 reset\r\n"}};
    server_.listen(QHostAddress::LocalHost, 0);
    connect(&server_, &QTcpServer::newConnection, this, &ScriptedSmtpServer::onConnection);
}

void ScriptedSmtpServer::onConnection() {
    while (QTcpSocket* socket = server_.nextPendingConnection()) {
        ++connections;
        client_ = socket;
        buffer_.clear();
        inData_ = false;
        connect(socket, &QTcpSocket::readyRead, this, &ScriptedSmtpServer::onReadyRead);
        connect(socket, &QTcpSocket::disconnected, socket, &QObject::deleteLater);
        if (!custom || !custom("", *socket)) {
            reply(greeting);
        }
    }
}

void ScriptedSmtpServer::hangUp() {
    if (client_) {
        client_->disconnectFromHost();
        client_ = nullptr;
    }
}

void ScriptedSmtpServer::reply(const std::string& text) {
    if (!client_ || text == kSilent) {
        return;
    }
    if (text == kClose) {
        hangUp();
        return;
    }
    client_->write(text.data(), static_cast<qint64>(text.size()));
    client_->flush();
}

void ScriptedSmtpServer::onReadyRead() {
    auto* socket = qobject_cast<QTcpSocket*>(sender());
    if (socket != client_) {
        return;
    }
    const QByteArray bytes = socket->readAll();
    buffer_.append(bytes.constData(), static_cast<std::size_t>(bytes.size()));
    std::size_t start = 0;
    for (std::size_t end; client_ && (end = buffer_.find("\r\n", start)) != std::string::npos;
         start = end + 2) {
        const std::string line = buffer_.substr(start, end - start);
        if (inData_) {
            if (line == ".") {
                inData_ = false;
                dataEnded = true;
                reply(replies["."]);
            } else {
                data += line + "\r\n";
            }
            continue;
        }
        commands.push_back(line);
        if (custom && custom(line, *client_)) {
            continue;
        }
        std::string verb = line.substr(0, line.find_first_of(" :"));
        for (char& c : verb) {
            c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
        }
        if (verb == "RCPT" && !rcptReplies.empty()) {
            reply(rcptReplies.front());
            rcptReplies.pop_front();
            continue;
        }
        const std::string answer = replies.count(verb) ? replies[verb] : "500 unknown\r\n";
        inData_ = verb == "DATA" && answer.rfind("354", 0) == 0;
        reply(answer);
        if (verb == "QUIT" && closeAfterQuit) {
            hangUp();
        }
    }
    buffer_.erase(0, start);
}

void Transcript::attach(mail::SendMail& mail) {
    mail.OnMailInfo = [this](mail::SendMail&, mail::SendMailInfo info, const std::string& text) {
        infos.emplace_back(static_cast<int>(info), text);
    };
    mail.OnMailError = [this](mail::SendMail&, mail::SendMailError error, const std::string& text) {
        errors.emplace_back(static_cast<int>(error), text);
    };
    mail.OnDone = [this](mail::SendMail&) {
        ++done;
    };
}

std::vector<std::string> Transcript::infosOf(mail::SendMailInfo info) const {
    std::vector<std::string> out;
    for (const auto& [code, text] : infos) {
        if (code == static_cast<int>(info)) {
            out.push_back(text);
        }
    }
    return out;
}

bool waitForDone(const Transcript& transcript, int count, int limitMs) {
    QElapsedTimer clock;
    clock.start();
    while (transcript.done < count && clock.elapsed() < limitMs) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
    }
    spin(150);
    return transcript.done >= count;
}

void spin(int ms) {
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < ms) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
    }
}

} // namespace mailtest
