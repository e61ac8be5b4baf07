// Who a card goes to and what the note says to each: names resolved through
// the address books, ambiguous and unknown names, limits, and {name}.
#include "output/cardrecipients.h"

#include <gtest/gtest.h>

using output::CardRecipient;
using output::FirstNameOf;
using output::ResolveRecipients;

namespace {

std::vector<mail::Contact> Contacts() {
    std::vector<mail::Contact> contacts(4);
    contacts[0].Name = "Oma Ilse";
    contacts[0].Address = "ilse@example.org";
    contacts[1].Name = QString::fromUtf8("Zoë Weiß");
    contacts[1].FirstName = QString::fromUtf8("Zoë");
    contacts[1].Address = "zoe@example.org";
    contacts[2].Name = "Tom Berg";
    contacts[2].Address = "tom@berg.example";
    contacts[3].Name = "Tom Kahn";
    contacts[3].Address = "tom@kahn.example";
    return contacts;
}

std::vector<std::tuple<QString, QString, QString>> Triples(const std::vector<CardRecipient>& recipients) {
    std::vector<std::tuple<QString, QString, QString>> out;
    for (const CardRecipient& r : recipients) {
        out.emplace_back(r.Name, r.FirstName, r.Address);
    }
    return out;
}

} // namespace

TEST(CardRecipients, NamesAndAddressesResolveThroughTheBooks) {
    const auto got = ResolveRecipients(
        {"oma ilse, Zoe@EXAMPLE.org", "Kim <kim@x.org>; ilse@EXAMPLE.ORG", "\"Bo Ek\" <bo@x.org>"},
        Contacts());
    EXPECT_TRUE(got.Ok());
    EXPECT_EQ(Triples(got.Recipients),
              (std::vector<std::tuple<QString, QString, QString>>{
                  {"Oma Ilse", "Oma", "ilse@example.org"},
                  // A typed address the books know gets the book's names.
                  {QString::fromUtf8("Zoë Weiß"), QString::fromUtf8("Zoë"), "Zoe@EXAMPLE.org"},
                  {"Kim", "Kim", "kim@x.org"},
                  // ilse@EXAMPLE.ORG is the first one again: not a second card.
                  {"Bo Ek", "Bo", "bo@x.org"},
              }));
}

TEST(CardRecipients, AmbiguousUnknownAndUnfitAreEachNamed) {
    const auto got = ResolveRecipients({"Tom, Nobody Here, bad@@x.org, Zoë Weiß"}, Contacts());
    EXPECT_FALSE(got.Ok());
    ASSERT_EQ(got.AmbiguousNames.size(), 1u);
    EXPECT_EQ(got.AmbiguousNames[0].Typed, "Tom");
    EXPECT_EQ(got.AmbiguousNames[0].Matches,
              (QStringList{"Tom Berg <tom@berg.example>", "Tom Kahn <tom@kahn.example>"}));
    ASSERT_EQ(got.Problems.size(), 2);
    EXPECT_EQ(got.Problems[0], "\"Nobody Here\": Nobody in your address books is called \"Nobody Here\".");
    EXPECT_TRUE(got.Problems[1].startsWith("\"bad@@x.org\": The card cannot go to this address: "));
    // Alone, an item's problem needs no name in front; one word with dots is an address.
    EXPECT_EQ(ResolveRecipients({"friend.example.net"}, Contacts()).Problems,
              QStringList{"The card cannot go to this address: it has no @."});
    EXPECT_EQ(got.Recipients.size(), 1u);
}

TEST(CardRecipients, AtMostAHundredRecipients) {
    for (const int count : {100, 101}) {
        QStringList list;
        for (int i = 0; i < count; ++i) {
            list << QString("r%1@x.org").arg(i);
        }
        const auto got = ResolveRecipients({list.join(',')}, {});
        EXPECT_EQ(got.Recipients.size(), 100u);
        EXPECT_EQ(got.Problems.size(), count == 100 ? 0 : 1);
    }
}

TEST(CardRecipients, TheFirstName) {
    EXPECT_EQ(FirstNameOf(" Ilse ", "Oma Ilse"), "Ilse");
    EXPECT_EQ(FirstNameOf("", "  Oma   Ilse"), "Oma");
    EXPECT_EQ(FirstNameOf("", "ilse@example.org"), "");
    EXPECT_EQ(FirstNameOf("", ""), "");
}
