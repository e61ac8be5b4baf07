// Termination signals arrive as a Qt signal in the event loop, and the
// handlers that were there before come back afterwards.
#include "app/quitsignals.h"

#include <QSignalSpy>
#include <csignal>
#include <gtest/gtest.h>

namespace {

volatile std::sig_atomic_t previousSaw = 0;
void previousHandler(int number) {
    previousSaw = number;
}

TEST(QuitSignals, EachTerminationSignalIsReportedInTheLoop) {
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        TQuitSignals quit;
        ASSERT_TRUE(quit.active());
        QSignalSpy spy(&quit, &TQuitSignals::quitRequested);
        ASSERT_EQ(std::raise(number), 0);
        // Nothing happens inside the handler: the report comes from the loop.
        EXPECT_EQ(spy.count(), 0);
        ASSERT_TRUE(spy.wait(2000)) << number;
        ASSERT_EQ(spy.count(), 1);
        EXPECT_EQ(spy.at(0).at(0).toInt(), number);
    }
}

TEST(QuitSignals, TwoSignalsBeforeTheLoopRunsAreBothReported) {
    TQuitSignals quit;
    QSignalSpy spy(&quit, &TQuitSignals::quitRequested);
    std::raise(SIGHUP);
    std::raise(SIGTERM);
    ASSERT_TRUE(spy.wait(2000));
    EXPECT_EQ(spy.count(), 2);
}

TEST(QuitSignals, ThePreviousHandlersComeBack) {
    for (int number : {SIGTERM, SIGHUP, SIGINT}) {
        previousSaw = 0;
        auto* before = std::signal(number, previousHandler);
        { TQuitSignals quit; }
        std::raise(number);
        EXPECT_EQ(previousSaw, number);
        std::signal(number, before);
    }
}

} // namespace
