#pragma once
// TSingleInstance: one window per decoration. The first start takes a lock
// file in the data folder that holds the decoration and listens on a local
// socket named after that folder; a second start finds the lock taken, asks
// the running one through the socket to come to the front, and ends. A lock
// left by a program that died (crash, kill -9) is stale and taken over.
//
// On Wayland a window may take the focus only with an activation token that
// the desktop gave the start the user made: the second start passes its own
// (XDG_ACTIVATION_TOKEN) along with the request.
#include <QLocalServer>
#include <QLockFile>
#include <QObject>
#include <QString>
#include <memory>

class TSingleInstance : public QObject {
    Q_OBJECT
public:
    enum class Role {
        First,   // this start runs the window
        Second,  // another start runs it and was asked to come to the front
        Unlocked // no lock could be made (folder not writable): run anyway
    };

    // dataFolder: the folder of the user's decoration (ends with "/").
    explicit TSingleInstance(const QString& dataFolder, QObject* parent = nullptr);
    ~TSingleInstance() override;

    Role role() const { return role_; }

    // The socket's name for a data folder: the same folder gives the same name.
    static QString ServerName(const QString& dataFolder);
    static QString LockFileName(const QString& dataFolder);

signals:
    // A second start asked this one to come to the front; `activationToken`
    // is the token its desktop gave it (empty without one).
    void raiseRequested(const QString& activationToken);

private:
    bool listen(const QString& name);
    static bool askToRaise(const QString& name);

    Role role_ = Role::Unlocked;
    std::unique_ptr<QLockFile> lock_;
    std::unique_ptr<QLocalServer> server_;
};
