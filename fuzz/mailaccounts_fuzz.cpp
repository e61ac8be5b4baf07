// Any bytes as another mail program's settings file: Thunderbird's prefs.js,
// msmtp's configuration, Evolution's account sources (all three files of an
// account chain at once), git's configuration (read through git itself). Reading
// never fails, and the text read is valid UTF-8.
//
// Input: byte 0 chooses the file; the rest is its content (for Evolution, split
// at the first two NUL bytes into the account, identity and transport sources).
#include "mail/accounts/mailaccountsources.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <cstdint>
#include <cstdlib>

namespace {

QTemporaryDir* home = nullptr;

void Write(const QString& relative, QByteArrayView content) {
    const QString path = home->path() + "/" + relative;
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly | QIODevice::Truncate);
    file.write(content.data(), content.size());
}

// Valid UTF-8: what the readers decode as text comes out as valid text.
bool WellFormed(const std::string& text) {
    return QString::fromStdString(text).toStdString() == text;
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv) {
    static QCoreApplication app(*argc, *argv);
    // On a memory file system when there is one: each input is written there.
    static QTemporaryDir dir(QDir("/dev/shm").exists() ? "/dev/shm/pinewick-fuzz-XXXXXX" : QString());
    home = &dir;
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 1) {
        return 0;
    }
    const QByteArrayView content(reinterpret_cast<const char*>(data + 1), static_cast<qsizetype>(size - 1));
    QDir(home->path()).removeRecursively();
    QDir().mkpath(home->path());
    mail::MailAccountPlaces places;
    places.Home = home->path();
    places.ConfigHome = home->path() + "/.config";
    places.LoginName = "robin";
    places.RealName = "Robin Fir";
    places.HostName = "cabin";
    mail::MailAccount account;
    switch (data[0] % 4) {
    case 0:
        Write(".thunderbird/profiles.ini", "[Profile0]\nName=default\nIsRelative=1\nPath=p\nDefault=1\n");
        Write(".thunderbird/p/prefs.js", content);
        account = mail::ThunderbirdAccount(places);
        break;
    case 1:
        Write(".msmtprc", content);
        account = mail::MsmtpAccount(places);
        break;
    case 2: {
        QByteArray all = content.toByteArray();
        const QList<QByteArray> files = all.split('\0');
        const char* names[] = {"account.source", "identity.source", "transport.source"};
        for (int i = 0; i < 3; ++i) {
            Write(QString(".config/evolution/sources/") + names[i],
                  i < files.size() ? files[i] : QByteArray());
        }
        account = mail::EvolutionAccount(places);
        break;
    }
    default:
        Write(".gitconfig", content);
        account = mail::GitAccount(places);
        break;
    }
    for (const std::string* text : {&account.Name, &account.Address, &account.Server}) {
        if (!WellFormed(*text)) {
            std::abort();
        }
    }
    return 0;
}
