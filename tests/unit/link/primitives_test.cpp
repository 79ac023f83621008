#include "core/AutoResetEvent.h"
#include "core/BoundedQueue.h"
#include "core/single_instance.h"

#include <atomic>
#include <filesystem>
#include <gtest/gtest.h>
#include <thread>
#include <unistd.h>

namespace cpe {
namespace {

using namespace std::chrono_literals;

TEST(AutoResetEvent, KeepsOneSetForTheNextWaitAndResets) {
    AutoResetEvent event;
    event.Set();
    event.Set(); // two sets before a wait release one wait only
    EXPECT_TRUE(event.WaitFor(0ms));
    EXPECT_FALSE(event.WaitFor(10ms));
}

TEST(AutoResetEvent, WakesAWaitingThread) {
    AutoResetEvent event;
    std::atomic<bool> woke{false};
    std::thread waiter([&] {
        event.Wait();
        woke = true;
    });
    event.Set();
    waiter.join();
    EXPECT_TRUE(woke);
}

TEST(BoundedQueue, DropsAndCountsBeyondCapacityAndTakesAllInOrder) {
    BoundedQueue<int> q(3);
    for (int i = 0; i < 5; ++i) {
        q.Push(i);
    }
    EXPECT_EQ(q.TakeDropped(), 2u);
    EXPECT_EQ(q.TakeDropped(), 0u);
    std::deque<int> out{42};
    q.TakeAll(out);
    EXPECT_EQ(out, (std::deque<int>{0, 1, 2}));
    EXPECT_EQ(q.size(), 0u);
    EXPECT_TRUE(q.Push(9)); // room again after the drain
}

TEST(SingleInstanceLock, SecondHolderIsRefusedUntilTheFirstIsGone) {
    auto dir = std::filesystem::temp_directory_path() / ("cpe-lock-" + std::to_string(::getpid()));
    std::filesystem::create_directories(dir);
    {
        SingleInstanceLock first(dir);
        ASSERT_TRUE(first.Acquire()) << first.error();
        SingleInstanceLock second(dir);
        EXPECT_FALSE(second.Acquire());
        EXPECT_EQ(second.error(), "another instance is running");
    }
    SingleInstanceLock third(dir);
    EXPECT_TRUE(third.Acquire());
    EXPECT_EQ(third.path(), dir / "Korva_CPEAssistant.lock");
    std::filesystem::remove_all(dir);
}

TEST(SingleInstanceLock, UnopenableFolderIsAnErrorNotAnotherInstance) {
    SingleInstanceLock lock("/nonexistent-folder-of-cpe");
    EXPECT_FALSE(lock.Acquire());
    EXPECT_NE(lock.error(), "another instance is running");
}

} // namespace
} // namespace cpe
