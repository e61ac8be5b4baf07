// The address books on fake home folders, each written as its program writes
// it: reading, merging, the order of the contacts, completion and names.
#include "mail/addressbooks/addressbook.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

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
    const AddressBooks books = ReadAddressBooks(places);
    EXPECT_EQ(
        Listed(books.Contacts),
        (std::vector<std::string>{"Anna Tanne <anna@example.org> [vCard]", "Bob <bob@example.com> [vCard]",
                                  "Oma Ilse <ilse@example.org> [vCard]", "Zoë Weiß <zoe@example.org> [vCard]",
                                  "Zoë Weiß <zoe@work.example> [vCard]"}));
    EXPECT_EQ(books.Contacts[2].FirstName, "Ilse");
    EXPECT_TRUE(books.Warnings.isEmpty()) << books.Warnings.join('\n').toStdString();
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
