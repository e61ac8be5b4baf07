// Typed recipient lists: separators, display names, quotes, comments, groups
// and names to look up; and where the item under the cursor starts.
#include "mail/addresslist.h"

#include <gtest/gtest.h>

using mail::CurrentItemStart;
using mail::ParseAddressList;

TEST(AddressList, ItemsAsTyped) {
    struct Case {
        const char* text;
        std::vector<std::pair<QString, QString>> items; // name, address
    };
    const std::vector<Case> cases = {
        {"ilse@example.org", {{"", "ilse@example.org"}}},
        {"Oma Ilse <ilse@example.org>; bob@x.org,,", {{"Oma Ilse", "ilse@example.org"}, {"", "bob@x.org"}}},
        // A comma inside quotes, and an escaped quote, belong to the name.
        {"\"Weiß, Zoë\" <zoe@x.org>, \"A \\\"B\\\" C\" <abc@x.org>",
         {{"Weiß, Zoë", "zoe@x.org"}, {"A \"B\" C", "abc@x.org"}}},
        // Old style: the name in a comment; commas inside it are no separators.
        {"tom@x.org (Tom, the cat), Oma", {{"Tom, the cat", "tom@x.org"}, {"Oma", ""}}},
        // A group's name is dropped, its members kept.
        {"Family: a@x.org, b@x.org;, c@x.org", {{"", "a@x.org"}, {"", "b@x.org"}, {"", "c@x.org"}}},
        // Names to look up, blanks folded.
        {"  Zoë   Weiß ; Oma Ilse", {{"Zoë Weiß", ""}, {"Oma Ilse", ""}}},
        {" , ; ", {}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.text);
        std::vector<std::pair<QString, QString>> got;
        for (const mail::TypedRecipient& r : ParseAddressList(QString::fromUtf8(c.text))) {
            got.emplace_back(r.Name, r.Address);
        }
        EXPECT_EQ(got, c.items);
    }
    EXPECT_EQ(ParseAddressList(" Oma Ilse <i@x.org> ,b@x.org")[0].Text, "Oma Ilse <i@x.org>");
}

TEST(AddressList, TheItemUnderTheCursorStartsAfterTheLastSeparator) {
    const QString text = QString::fromUtf8("\"Weiß, Zoë\" <z@x.org>, Om");
    EXPECT_EQ(CurrentItemStart(text, static_cast<int>(text.size())), 22);
    EXPECT_EQ(CurrentItemStart(text, 21), 0); // still inside the first item
    EXPECT_EQ(CurrentItemStart(text, 5), 0);  // the comma in quotes is no separator
    EXPECT_EQ(CurrentItemStart("a@x.org;b", 9), 8);
    EXPECT_EQ(CurrentItemStart("a@x.org;b", 8), 8);
    EXPECT_EQ(CurrentItemStart("a@x.org;b", 7), 0);
    EXPECT_EQ(CurrentItemStart("a@x.org;b", 100), 8);
}
