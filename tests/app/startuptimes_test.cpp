// The process start time read from a /proc/PID/stat line.
#include "app/startuptimes.h"

#include <gtest/gtest.h>

TEST(StartupTimes, StartTimeIsFieldTwentyTwoWhateverTheCommandName) {
    // Fields 3 to 21 of a real line, then the start time 98765, then the rest.
    const std::string middle = " S 1 2 3 0 -1 4194560 100 0 0 0 5 6 0 0 20 0 3 0 ";
    struct Case {
        std::string line;
        std::optional<long long> ticks;
    };
    const Case cases[] = {
        {"4242 (pinewick)" + middle + "98765 123 456", 98765},
        // A name with spaces and parentheses of its own ends at the last ")".
        {"4242 (a (b) c)" + middle + "98765 123 456", 98765},
        {"4242 () 7)" + middle + "98765", 98765},
        {"4242 (x)" + middle + "0 1", 0},
        // Field 21 is the last one: no start time.
        {"4242 (x)" + middle, std::nullopt},
        {"4242 (x)" + middle + "  ", std::nullopt},
        {"4242 (x)" + middle + "12a 3", std::nullopt},
        {"4242 (x)" + middle + "-5 3", std::nullopt},
        {"4242 pinewick" + middle + "98765", std::nullopt},
        {"", std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(TStartupTimes::StartTicks(c.line), c.ticks) << c.line;
    }
}
