#include "app/singleinstance.h"

#include <QCryptographicHash>
#include <QDeadlineTimer>
#include <QDir>
#include <QFileInfo>
#include <QLocalSocket>
#include <QThread>
#include <algorithm>
#include <optional>
#include <unistd.h>

namespace {

constexpr char raiseRequest[] = "raise";
// Activation tokens are short printable words; a longer line is no request.
constexpr qint64 maxRequestLine = 512;

bool isToken(const QByteArray& word) {
    return !word.isEmpty() &&
           std::all_of(word.begin(), word.end(), [](char c) { return c > ' ' && c < 127; });
}

// The token of a request line ("raise" or "raise TOKEN"), or nothing when the
// line is no request.
std::optional<QString> raiseToken(const QByteArray& line) {
    if (!line.endsWith('\n')) {
        return std::nullopt;
    }
    const QByteArray request = line.chopped(1);
    if (request == raiseRequest) {
        return QString();
    }
    const QByteArray prefix = QByteArray(raiseRequest) + ' ';
    if (!request.startsWith(prefix)) {
        return std::nullopt;
    }
    // A token that is not one still asks to come to the front.
    const QByteArray token = request.mid(prefix.size());
    return isToken(token) ? QString::fromLatin1(token) : QString();
}

QString canonicalFolder(const QString& folder) {
    const QString canonical = QFileInfo(folder).canonicalFilePath();
    return canonical.isEmpty() ? QDir::cleanPath(QFileInfo(folder).absoluteFilePath()) : canonical;
}

} // namespace

QString TSingleInstance::LockFileName(const QString& dataFolder) {
    return QDir(dataFolder).filePath(".pinewick.lock");
}

QString TSingleInstance::ServerName(const QString& dataFolder) {
    // Socket paths are short (108 bytes): a digest of the folder, in the
    // user's runtime folder when there is one.
    const QByteArray digest =
        QCryptographicHash::hash(canonicalFolder(dataFolder).toUtf8(), QCryptographicHash::Sha256).toHex();
    const QString name = "pinewick-" + QString::fromLatin1(digest.left(24));
    // The user's runtime folder; without one, the temporary folder, where the
    // user's number keeps users apart.
    const QString runtime = qEnvironmentVariable("XDG_RUNTIME_DIR");
    if (!runtime.isEmpty() && QFileInfo(runtime).isDir()) {
        return QDir(runtime).filePath(name);
    }
    return QDir(QDir::tempPath()).filePath(name + "-" + QString::number(::getuid()));
}

TSingleInstance::TSingleInstance(const QString& dataFolder, QObject* parent) : QObject(parent) {
    lock_ = std::make_unique<QLockFile>(LockFileName(dataFolder));
    // Never stale by age: a running program holds it for as long as it runs.
    // QLockFile still takes over a lock whose process is gone.
    lock_->setStaleLockTime(0);
    const QString name = ServerName(dataFolder);
    // The running program may be between its lock and its socket, or just
    // closing: a few tries before deciding.
    const QDeadlineTimer deadline(3000);
    do {
        if (lock_->tryLock(0)) {
            role_ = Role::First;
            listen(name);
            return;
        }
        if (lock_->error() != QLockFile::LockFailedError) {
            role_ = Role::Unlocked;
            return;
        }
        if (askToRaise(name)) {
            role_ = Role::Second;
            return;
        }
        QThread::msleep(100);
    } while (!deadline.hasExpired());
    // Locked by a program that does not answer: leave it its decoration.
    role_ = Role::Second;
}

TSingleInstance::~TSingleInstance() {
    server_.reset();
    if (lock_ && role_ == Role::First) {
        lock_->unlock();
    }
}

bool TSingleInstance::listen(const QString& name) {
    server_ = std::make_unique<QLocalServer>();
    server_->setSocketOptions(QLocalServer::UserAccessOption);
    // A socket file left by a program that died: we hold the lock, so it is stale.
    if (!server_->listen(name)) {
        QLocalServer::removeServer(name);
        if (!server_->listen(name)) {
            server_.reset();
            return false;
        }
    }
    connect(server_.get(), &QLocalServer::newConnection, this, [this] {
        while (QLocalSocket* client = server_->nextPendingConnection()) {
            connect(client, &QLocalSocket::disconnected, client, &QObject::deleteLater);
            connect(client, &QLocalSocket::readyRead, this, [this, client] {
                // Only one short request exists; anything else is ignored.
                if (!client->canReadLine() && client->bytesAvailable() < maxRequestLine) {
                    return; // the rest of the line is on its way
                }
                if (const auto token = raiseToken(client->readLine(maxRequestLine))) {
                    emit raiseRequested(*token);
                }
                client->disconnectFromServer();
            });
        }
    });
    return true;
}

bool TSingleInstance::askToRaise(const QString& name) {
    QLocalSocket socket;
    socket.connectToServer(name);
    if (!socket.waitForConnected(1000)) {
        return false;
    }
    QByteArray request = raiseRequest;
    if (const QByteArray token = qgetenv("XDG_ACTIVATION_TOKEN"); isToken(token) && token.size() < 400) {
        request += ' ' + token;
    }
    socket.write(request + '\n');
    const bool sent = socket.waitForBytesWritten(1000);
    socket.disconnectFromServer();
    return sent;
}
