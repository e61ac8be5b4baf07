// The address books on fake home folders, each written as its program writes
// it: reading, merging, the order of the contacts, completion and names.
#include "mail/addressbooks/addressbook.h"
#include "sqlitefiles.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sqlite3.h>

namespace {

using namespace mail;

class AddressBooksTest : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(dir.isValid());
        places.Home = dir.path();
        places.ConfigHome = dir.path() + "/.config";
        places.DataHome = dir.path() + "/.local/share";
    }

    QString write(const QString& relative, const QByteArray& text) {
        const QString path = dir.path() + "/" + relative;
        QDir().mkpath(QFileInfo(path).path());
        QFile file(path);
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(text);
        return path;
    }

    // A Thunderbird profile with the address book file made by the SQL.
    void thunderbird(const QString& file, const QString& inserts, const QString& pragmas = {}) {
        write(".thunderbird/profiles.ini",
              "[Profile0]\nName=default\nIsRelative=1\nPath=abc.default\nDefault=1\n");
        testbooks::RunSql(dir.path() + "/.thunderbird/abc.default/" + file,
                          testbooks::kThunderbirdSchema + inserts, pragmas);
    }

    QTemporaryDir dir;
    MailAccountPlaces places;
};

// Name, address and book of each contact, in order.
std::vector<std::string> Listed(const std::vector<Contact>& contacts) {
    std::vector<std::string> out;
    for (const Contact& c : contacts) {
        out.push_back((ContactText(c) + " [" + c.Book + "]").toStdString());
    }
    return out;
}

TEST_F(AddressBooksTest, VCardFoldersOfTheDesktopAndOfKhard) {
    write(".local/share/contacts/family/oma.vcf",
          "BEGIN:VCARD\nVERSION:3.0\nFN:Oma Ilse\nN:Berg;Ilse;;;\nEMAIL:ilse@example.org\nEND:VCARD\n");
    write(".local/share/contacts/all.VCF", "BEGIN:VCARD\nFN:Zo\xC3\xAB Wei\xC3\x9F\nEMAIL:zoe@example.org\n"
                                           "EMAIL:zoe@work.example\nEND:VCARD\n");
    write(".local/share/contacts/notes.txt", "BEGIN:VCARD\nFN:Not Read\nEMAIL:no@example.org\nEND:VCARD\n");
    write(".config/khard/khard.conf", "[general]\npath = ~/wrong\n[addressbooks]\n[[friends]]\n"
                                      "path = ~/.contacts/friends/\n[[work]]\npath = \"" +
                                          dir.path().toUtf8() +
                                          "/work\"\n[contact table]\npath = ~/also-wrong\n");
    write(".contacts/friends/a.vcf", "BEGIN:VCARD\nFN:Anna Tanne\nEMAIL:anna@example.org\nEND:VCARD\n");
    write("work/b.vcf", "BEGIN:VCARD\nFN:Bob\nEMAIL:bob@example.com\nEND:VCARD\n");
    write("wrong/c.vcf", "BEGIN:VCARD\nFN:Wrong\nEMAIL:wrong@example.com\nEND:VCARD\n");
    // A name is kept up to 256 characters.
    write(".local/share/contacts/long.vcf",
          "BEGIN:VCARD\nFN:" + QByteArray(300, 'y') + "\nEMAIL:y@example.org\nEND:VCARD\n");
    const AddressBooks books = ReadAddressBooks(places);
    EXPECT_EQ(Listed(books.Contacts),
              (std::vector<std::string>{
                  "Anna Tanne <anna@example.org> [vCard]", "Bob <bob@example.com> [vCard]",
                  "Oma Ilse <ilse@example.org> [vCard]",
                  QString(256, 'y').toStdString() + " <y@example.org> [vCard]",
                  "Zoë Weiß <zoe@example.org> [vCard]", "Zoë Weiß <zoe@work.example> [vCard]"}));
    EXPECT_EQ(books.Contacts[2].FirstName, "Ilse");
    EXPECT_TRUE(books.Warnings.isEmpty()) << books.Warnings.join('\n').toStdString();
}

// The SQL that adds a Thunderbird card with the given properties.
QString TbCard(const QString& uid, const std::vector<std::pair<QString, QString>>& properties) {
    static int localId = 0;
    QString sql = QString("INSERT INTO cards VALUES ('%1', %2);").arg(uid).arg(++localId);
    for (const auto& [name, value] : properties) {
        sql += QString("INSERT INTO properties VALUES ('%1', '%2', '%3');")
                   .arg(uid, name, QString(value).replace("'", "''"));
    }
    return sql;
}

TEST_F(AddressBooksTest, FoldersAreSearchedEightDeepAndALinkLoopOnce) {
    const QString root = dir.path() + "/.local/share/contacts";
    write(".local/share/contacts/1/2/3/4/5/6/7/8/deep.vcf",
          "BEGIN:VCARD\nEMAIL:deep@example.org\nEND:VCARD\n");
    write(".local/share/contacts/1/2/3/4/5/6/7/8/9/deeper.vcf",
          "BEGIN:VCARD\nEMAIL:no@example.org\nEND:VCARD\n");
    ASSERT_TRUE(QFile::link(root, root + "/1/loop"));
    const AddressBooks books = ReadAddressBooks(places);
    EXPECT_EQ(Listed(books.Contacts), std::vector<std::string>{"deep@example.org [vCard]"});
    EXPECT_EQ(books.Warnings,
              QStringList{root + "/1/2/3/4/5/6/7/8: folders nested deeper than 8 are not searched"});
}

TEST_F(AddressBooksTest, EveryBookMergedOneEntryPerAddressMostUsedFirst) {
    thunderbird(
        "abook.sqlite",
        TbCard("c1", {{"DisplayName", "Oma Ilse"},
                      {"FirstName", "Ilse"},
                      {"LastName", "Berg"},
                      {"PrimaryEmail", "ilse@example.org"},
                      {"SecondEmail", "ilse.berg@example.net"},
                      {"PopularityIndex", "7"}}) +
            TbCard("c2",
                   {{"_vCard", "BEGIN:VCARD\r\nVERSION:4.0\r\nFN:Zoë Weiß\r\nN:Weiß;Zoë;;;\r\n"
                               "EMAIL;PREF=1:zoe@example.org\r\nEMAIL:zoe@work.example\r\nEND:VCARD\r\n"},
                    {"PopularityIndex", "3"}}) +
            TbCard("c3",
                   {{"FirstName", "Theo"}, {"LastName", "Tanne"}, {"PrimaryEmail", "THEO@example.org"}}) +
            "INSERT INTO lists VALUES ('l1', 1, 'Family', 'fam', '');"
            "INSERT INTO list_cards VALUES ('l1', 'c1');");
    thunderbird("history.sqlite",
                TbCard("h1", {{"PrimaryEmail", "paul@example.com"}, {"LastModifiedDate", "1700000000"}}) +
                    TbCard("h2", {{"DisplayName", "ilse@example.org"},
                                  {"PrimaryEmail", "ilse@example.org"},
                                  {"PopularityIndex", "2"},
                                  {"LastModifiedDate", "1800000000"}}) +
                    TbCard("h3", {{"DisplayName", "anna@example.org"},
                                  {"PrimaryEmail", "anna@example.org"},
                                  {"LastModifiedDate", "1750000000"}}));
    testbooks::RunSql(
        dir.path() + "/.local/share/evolution/addressbook/system/contacts.db",
        QString(testbooks::kEvolutionSchema) +
            "INSERT INTO folder_id (uid, full_name, email_1, vcard) VALUES ('e1', 'Paul Kiefer', "
            "'Paul@Example.com', 'BEGIN:VCARD\nVERSION:3.0\nUID:e1\nFN:Paul Kiefer\nN:Kiefer;Paul;;;\n"
            "EMAIL;TYPE=WORK:Paul@Example.com\nEND:VCARD');"
            "INSERT INTO folder_id_email_list VALUES ('e1', 'paul@example.com');");
    // A remote book's cache, written by an older version (no vCard).
    testbooks::RunSql(
        dir.path() + "/.cache/evolution/addressbook/carddav/contacts.db",
        QString(testbooks::kEvolutionSchema) +
            "INSERT INTO folder_id (uid, full_name, given_name, email_1) VALUES ('e2', 'Old Summary', "
            "'Old', 'old@example.org');");
    write(".local/share/contacts/anna.vcf",
          "BEGIN:VCARD\nFN:Anna Tanne\nEMAIL:Anna@Example.org\nEND:VCARD\n");
    write(".muttrc",
          "set alias_file = ~/.mutt/aliases\nsource $alias_file\nalias theo Theo T. <theo@example.org>\n");
    write(".mutt/aliases", "alias family oma <ilse@example.org>, Paul <paul@example.com>\n"
                           "alias -group work bob \"Bob, the Builder\" <bob@example.com> # the builder\n");
    write(".abook/addressbook", "# abook addressbook file\n\n[format]\nprogram=abook\nversion=0.6.1\n\n"
                                "[0]\nname=Zed Ångström\nemail=zed@example.se,zed@example.org\nnick=zed\n");
    const AddressBooks books = ReadAddressBooks(places);
    EXPECT_EQ(Listed(books.Contacts), (std::vector<std::string>{
                                          "Oma Ilse <ilse@example.org> [Thunderbird]",
                                          "Oma Ilse <ilse.berg@example.net> [Thunderbird]",
                                          "Zoë Weiß <zoe@example.org> [Thunderbird]",
                                          "Zoë Weiß <zoe@work.example> [Thunderbird]",
                                          "Anna Tanne <anna@example.org> [vCard]",
                                          "Paul Kiefer <paul@example.com> [Evolution]",
                                          "\"Bob, the Builder\" <bob@example.com> [mutt]",
                                          "Old Summary <old@example.org> [Evolution]",
                                          "Theo Tanne <THEO@example.org> [Thunderbird]",
                                          "Zed Ångström <zed@example.se> [abook]",
                                          "Zed Ångström <zed@example.org> [abook]",
                                      }));
    EXPECT_TRUE(books.Warnings.isEmpty()) << books.Warnings.join('\n').toStdString();
    ASSERT_EQ(books.Contacts.size(), 11u);
    const auto at = [&](std::size_t i) {
        const Contact& c = books.Contacts[i];
        return QString("%1|%2|%3|%4")
            .arg(c.FirstName, c.Nick)
            .arg(c.Popularity)
            .arg(c.LastUsed)
            .toStdString();
    };
    EXPECT_EQ(at(0), "Ilse||7|1800000000");
    EXPECT_EQ(at(1), "Ilse||7|0");
    EXPECT_EQ(at(2), "Zoë||3|0");
    EXPECT_EQ(at(4), "||0|1750000000");
    EXPECT_EQ(at(5), "Paul||0|1700000000");
    EXPECT_EQ(at(6), "|bob|0|0");
    EXPECT_EQ(at(7), "Old||0|0");
    EXPECT_EQ(at(8), "Theo|theo|0|0");
    EXPECT_EQ(at(9), "|zed|0|0");

    const struct {
        QString name;
        std::vector<std::string> found;
    } names[] = {
        {"oma ilse",
         {"Oma Ilse <ilse@example.org> [Thunderbird]", "Oma Ilse <ilse.berg@example.net> [Thunderbird]"}},
        {"THEO", {"Theo Tanne <THEO@example.org> [Thunderbird]"}},
        {"Paul", {"Paul Kiefer <paul@example.com> [Evolution]"}},
        {"kiefer paul", {}},
        {"Tanne", {"Anna Tanne <anna@example.org> [vCard]", "Theo Tanne <THEO@example.org> [Thunderbird]"}},
        {"tan", {}},
        {"zoe  WEISS",
         {"Zoë Weiß <zoe@example.org> [Thunderbird]", "Zoë Weiß <zoe@work.example> [Thunderbird]"}},
        {"bob the builder", {"\"Bob, the Builder\" <bob@example.com> [mutt]"}},
        {"", {}},
    };
    for (const auto& n : names) {
        SCOPED_TRACE(n.name.toStdString());
        EXPECT_EQ(Listed(FindByName(books.Contacts, n.name)), n.found);
    }
    EXPECT_EQ(Listed(MatchContacts(books.Contacts, "zo", 3)),
              (std::vector<std::string>{"Zoë Weiß <zoe@example.org> [Thunderbird]",
                                        "Zoë Weiß <zoe@work.example> [Thunderbird]"}));
}

TEST_F(AddressBooksTest, DamagedBooksAreToldAndEveryOtherContactFound) {
    QString cards;
    for (int i = 0; i < 400; ++i) {
        cards +=
            TbCard(QString("t%1").arg(i), {{"DisplayName", QString("Aaron %1 ").arg(i) + QString(40, 'x')},
                                           {"PrimaryEmail", QString("p%1@example.org").arg(i)}});
    }
    thunderbird("abook.sqlite", cards, "PRAGMA page_size = 1024;");
    const QString abook = dir.path() + "/.thunderbird/abc.default/abook.sqlite";
    QFile truncated(abook);
    ASSERT_GT(truncated.size(), 40000);
    ASSERT_TRUE(truncated.resize(truncated.size() / 2));
    thunderbird("history.sqlite", TbCard("h", {{"PrimaryEmail", "kept@example.org"}}));
    const QString evolution =
        write(".local/share/evolution/addressbook/garbage/contacts.db", "not a database\n");
    QByteArray huge = "BEGIN:VCARD\nFN:Huge\nNOTE:" + QByteArray(10 << 20, 'n') +
                      "\nEMAIL:huge@example.org\n"
                      "END:VCARD\nBEGIN:VCARD\nFN:After\nEMAIL:after@example.org\nEND:VCARD\n";
    const QString vcf = write(".local/share/contacts/huge.vcf", huge);
    const QString muttrc = write(".muttrc", "source ~/.mutt/a\nalias x X <x@example.org>\n");
    const QString a =
        write(".mutt/a", "source ../.muttrc\nsource a\nalias y Y <y@example.org>\nalias broken\n"
                         "source /proc/self/status\n");
    QDir().mkpath(dir.path() + "/.abook/addressbook");

    const AddressBooks books = ReadAddressBooks(places);
    std::vector<std::string> addresses;
    for (const Contact& c : books.Contacts) {
        addresses.push_back(c.Address.toStdString());
    }
    // Whatever of the truncated book was readable counts too; the rest is exact.
    const auto last = std::find(addresses.begin(), addresses.end(), "after@example.org");
    ASSERT_NE(last, addresses.end());
    EXPECT_EQ(std::vector<std::string>(last, addresses.end()), (std::vector<std::string>{
                                                                   "after@example.org",
                                                                   "huge@example.org",
                                                                   "kept@example.org",
                                                                   "x@example.org",
                                                                   "y@example.org",
                                                               }));
    ASSERT_EQ(books.Warnings.size(), 8) << books.Warnings.join('\n').toStdString();
    EXPECT_TRUE(books.Warnings[0].startsWith(abook + ": cannot be read (database disk image is malformed"))
        << books.Warnings[0].toStdString();
    EXPECT_EQ(books.Warnings.mid(1), (QStringList{
                                         evolution + ": cannot be read (file is not a database)",
                                         vcf + ": line 3: longer than 1 MiB, skipped",
                                         a + ": line 4: an alias without an address, skipped",
                                         muttrc + ": sources itself (a loop), not read again",
                                         a + ": sources itself (a loop), not read again",
                                         "/proc/self/status: not a regular file, skipped",
                                         dir.path() + "/.abook/addressbook: not a regular file, skipped",
                                     }));
}

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

TEST_F(AddressBooksTest, ReadWhileTheMailProgramWritesAndNothingOfItsFilesChanges) {
    thunderbird("abook.sqlite",
                TbCard("c1", {{"DisplayName", "Oma Ilse"}, {"PrimaryEmail", "ilse@example.org"}}));
    const QString folder = dir.path() + "/.thunderbird/abc.default";
    // The mail program is in the middle of a write: it holds the database's
    // exclusive lock, and its journal is beside the file.
    sqlite3* program = nullptr;
    ASSERT_EQ(sqlite3_open((folder + "/abook.sqlite").toUtf8().constData(), &program), SQLITE_OK);
    ASSERT_EQ(sqlite3_exec(
                  program,
                  "BEGIN EXCLUSIVE; INSERT INTO properties VALUES ('c2', 'PrimaryEmail', 'new@example.org');",
                  nullptr, nullptr, nullptr),
              SQLITE_OK);
    const QByteArray before = Bytes(folder + "/abook.sqlite");
    const QStringList files = QDir(folder).entryList(QDir::Files);
    const AddressBooks books = ReadAddressBooks(places);
    EXPECT_EQ(Listed(books.Contacts), std::vector<std::string>{"Oma Ilse <ilse@example.org> [Thunderbird]"});
    EXPECT_TRUE(books.Warnings.isEmpty()) << books.Warnings.join('\n').toStdString();
    EXPECT_EQ(Bytes(folder + "/abook.sqlite"), before);
    EXPECT_EQ(QDir(folder).entryList(QDir::Files), files);
    // The program's transaction is still its own to finish.
    EXPECT_EQ(sqlite3_exec(program, "COMMIT", nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(program);
}

TEST(Completion, AnyWordsStartOrTheAddressesStartIgnoringCaseAndAccents) {
    const std::vector<Contact> contacts{
        {"Zoë Weiß", "Zoë", "zoe@example.org"},
        {"Anne-Marie Dubois", "", "am@example.fr"},
        {"", "", "zorro@example.com"},
        {"Łukasz Øster", "", "lukasz@example.pl", 0, 0, "mutt", "lu"},
    };
    const struct {
        QString typed;
        std::vector<std::string> found;
    } cases[] = {
        {"zoe", {"Zoë Weiß <zoe@example.org> [vCard]"}},
        {"ZO", {"Zoë Weiß <zoe@example.org> [vCard]", "zorro@example.com [vCard]"}},
        {"weiss", {"Zoë Weiß <zoe@example.org> [vCard]"}},
        {"  Weiß  ", {"Zoë Weiß <zoe@example.org> [vCard]"}},
        {"eiss", {}},
        {"marie", {"Anne-Marie Dubois <am@example.fr> [vCard]"}},
        {"dub an", {"Anne-Marie Dubois <am@example.fr> [vCard]"}},
        {"am@ex", {"Anne-Marie Dubois <am@example.fr> [vCard]"}},
        {"example", {}},
        {"luk", {"Łukasz Øster <lukasz@example.pl> [mutt]"}},
        {"oster", {"Łukasz Øster <lukasz@example.pl> [mutt]"}},
        {"", {}},
    };
    std::vector<Contact> books = contacts;
    for (Contact& c : books) {
        if (c.Book.isEmpty()) {
            c.Book = "vCard";
        }
    }
    for (const auto& c : cases) {
        SCOPED_TRACE(c.typed.toStdString());
        EXPECT_EQ(Listed(MatchContacts(books, c.typed)), c.found);
    }
    EXPECT_EQ(MatchContacts(books, "z", 1).size(), 1u);
    EXPECT_EQ(MatchContacts(books, "z", 0).size(), 0u);
}

} // namespace
