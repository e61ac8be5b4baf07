// Reading the address books and completing a typed name: 10,000 contacts in
// Thunderbird's abook.sqlite, 10,000 in one vCard file, 2,000 single-card
// vCard files, and the completion over all of them (22,000 addresses).
#include "mail/addressbooks/addressbook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <sqlite3.h>

namespace {

constexpr int kContacts = 10000;
constexpr int kSingleFiles = 2000;

const char* const kFirst[] = {"Zoë",    "Ilse",  "Paul",   "Anna", "Theo",
                              "Jürgen", "Renée", "Łukasz", "Mia",  "Noah"};
const char* const kLast[] = {"Weiß",   "Berg",  "Kiefer", "Tanne", "Müller",
                             "Dubois", "Øster", "Smith",  "Rossi"};

QString Name(int i) {
    return QString::fromUtf8(kFirst[i % 10]) + ' ' + QString::fromUtf8(kLast[(i / 10) % 9]) +
           QString::number(i);
}

void Write(const QString& path, const QByteArray& bytes) {
    QDir().mkpath(QFileInfo(path).path());
    QFile file(path);
    file.open(QIODevice::WriteOnly);
    file.write(bytes);
}

// A home folder with one kind of book (or all of them).
mail::MailAccountPlaces Home(QTemporaryDir& dir, bool thunderbird, bool vcards) {
    mail::MailAccountPlaces places;
    places.Home = dir.path();
    places.ConfigHome = dir.path() + "/.config";
    places.DataHome = dir.path() + "/.local/share";
    if (thunderbird) {
        Write(dir.path() + "/.thunderbird/profiles.ini", "[Profile0]\nName=default\nIsRelative=1\nPath=p\n");
        QDir().mkpath(dir.path() + "/.thunderbird/p");
        sqlite3* db = nullptr;
        sqlite3_open((dir.path() + "/.thunderbird/p/abook.sqlite").toUtf8().constData(), &db);
        sqlite3_exec(db,
                     "BEGIN; CREATE TABLE cards (uid TEXT PRIMARY KEY, localId INTEGER);"
                     "CREATE TABLE properties (card TEXT, name TEXT, value TEXT);",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(db, "INSERT INTO properties VALUES (?, ?, ?)", -1, &insert, nullptr);
        for (int i = 0; i < kContacts; ++i) {
            const QByteArray card = "c" + QByteArray::number(i);
            const QByteArray values[][2] = {{"DisplayName", Name(i).toUtf8()},
                                            {"FirstName", kFirst[i % 10]},
                                            {"LastName", kLast[(i / 10) % 9]},
                                            {"PrimaryEmail", "tb" + QByteArray::number(i) + "@example.org"},
                                            {"PopularityIndex", QByteArray::number(i % 7)},
                                            {"PhotoType", "generic"}};
            for (const auto& [name, value] : values) {
                sqlite3_bind_text(insert, 1, card.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(insert, 2, name.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_bind_text(insert, 3, value.constData(), -1, SQLITE_TRANSIENT);
                sqlite3_step(insert);
                sqlite3_reset(insert);
            }
        }
        sqlite3_finalize(insert);
        sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
        sqlite3_close(db);
    }
    if (vcards) {
        QByteArray all;
        for (int i = 0; i < kContacts; ++i) {
            all += "BEGIN:VCARD\r\nVERSION:3.0\r\nFN:" + Name(i).toUtf8() + "\r\nN:" + kLast[(i / 10) % 9] +
                   ';' + kFirst[i % 10] + ";;;\r\nEMAIL;TYPE=HOME:vc" + QByteArray::number(i) +
                   "@example.org\r\nTEL:+49 30 1234567\r\nEND:VCARD\r\n";
        }
        Write(dir.path() + "/.local/share/contacts/all.vcf", all);
        for (int i = 0; i < kSingleFiles; ++i) {
            Write(dir.path() + "/.local/share/contacts/single/" + QString::number(i) + ".vcf",
                  "BEGIN:VCARD\nFN:" + Name(i).toUtf8() + "\nEMAIL:one" + QByteArray::number(i) +
                      "@example.org\nEND:VCARD\n");
        }
    }
    return places;
}

// Reading every book of a home: Thunderbird's 10,000 (range 0) or the 12,000 vCards (range 1).
void BM_Read(benchmark::State& state) {
    QTemporaryDir dir;
    const mail::MailAccountPlaces places = Home(dir, state.range(0) == 0, state.range(0) == 1);
    std::size_t contacts = 0;
    for (auto _ : state) {
        const mail::AddressBooks books = mail::ReadAddressBooks(places);
        contacts = books.Contacts.size();
        benchmark::DoNotOptimize(books.Contacts.data());
    }
    state.counters["contacts"] = double(contacts);
}
BENCHMARK(BM_Read)->ArgName("vcards")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);

void BM_Complete22k(benchmark::State& state) {
    QTemporaryDir dir;
    const std::vector<mail::Contact> contacts = mail::ReadAddressBooks(Home(dir, true, true)).Contacts;
    state.counters["contacts"] = double(contacts.size());
    const QString typed[] = {"z", "zoe", "zoe wei", "tb12", "nobody"};
    std::size_t i = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(mail::MatchContacts(contacts, typed[i++ % std::size(typed)]).data());
    }
}
BENCHMARK(BM_Complete22k)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
