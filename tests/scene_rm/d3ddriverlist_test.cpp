// The driver table: names in order, exact case-sensitive lookup, at most eight.
#include "scene/d3ddriverlist.h"

#include <gtest/gtest.h>

namespace {

std::vector<TD3DDriver> drivers(int n) {
    std::vector<TD3DDriver> list;
    for (int i = 0; i < n; ++i)
        list.push_back({i, QStringLiteral("Card %1").arg(i), i % 2 == 0});
    return list;
}

TEST(D3DDriverList, NamesInTableOrderAndAtMostEight) {
    TD3DDriverList list(drivers(10));
    EXPECT_EQ(list.count(), 8);
    QStringList names{"stale"};
    list.GetNames(names);
    ASSERT_EQ(names.size(), 8);
    EXPECT_EQ(names.front(), "Card 0");
    EXPECT_EQ(names.back(), "Card 7");
}

TEST(D3DDriverList, FindIsExactAndCaseSensitive) {
    std::vector<TD3DDriver> entries = drivers(3);
    entries.push_back({9, "Card 1", false}); // a later duplicate never wins
    TD3DDriverList list(entries);
    bool hardware = true;
    EXPECT_EQ(list.Find("Card 2", hardware), 2);
    EXPECT_TRUE(hardware);
    EXPECT_EQ(list.Find("Card 1", hardware), 1);
    EXPECT_FALSE(hardware);
    hardware = true;
    EXPECT_EQ(list.Find("card 2", hardware), std::nullopt);
    EXPECT_FALSE(hardware);
    EXPECT_EQ(list.Find("Card", hardware), std::nullopt);
}

TEST(D3DDriverList, TheLatestLiveListIsTheProgramsOne) {
    EXPECT_EQ(TD3DDriverList::instance(), nullptr);
    {
        TD3DDriverList outer(drivers(1));
        {
            TD3DDriverList inner(drivers(2));
            EXPECT_EQ(TD3DDriverList::instance(), &inner);
        }
        EXPECT_EQ(TD3DDriverList::instance(), &outer);
    }
    EXPECT_EQ(TD3DDriverList::instance(), nullptr);
}

} // namespace
