#include "base/InOrderParallel.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>

namespace zw {
namespace {

// Items that take longer the earlier they come, so that later ones finish first.
int slowlySquared(size_t i, size_t count) {
    std::this_thread::sleep_for(std::chrono::microseconds(2 * (count - i)));
    return static_cast<int>(i * i);
}

TEST(InOrderParallel, ResultsComeInTheItemsOrderWhateverFinishesFirst) {
    for (unsigned threads : {1u, 2u, 4u}) {
        constexpr size_t kCount = 200;
        std::atomic<int> workers{0};
        std::atomic<size_t> items{0};
        std::vector<size_t> order;
        std::vector<int> values;
        const std::thread::id caller = std::this_thread::get_id();
        runInOrder(
            kCount, threads,
            [&] {
                ++workers;
                // Each worker counts its own items: a worker shared between threads would miscount.
                return [&, mine = size_t{0}](size_t i) mutable {
                    ++mine;
                    ++items;
                    return std::pair{slowlySquared(i, kCount), mine};
                };
            },
            [&](size_t i, std::pair<int, size_t> result) {
                EXPECT_EQ(std::this_thread::get_id(), caller);
                EXPECT_GE(result.second, 1u);
                order.push_back(i);
                values.push_back(result.first);
            });
        ASSERT_EQ(order.size(), kCount) << threads;
        for (size_t i = 0; i < kCount; ++i) {
            EXPECT_EQ(order[i], i);
            EXPECT_EQ(values[i], static_cast<int>(i * i));
        }
        EXPECT_EQ(workers, static_cast<int>(threads)) << "one worker for each thread";
        EXPECT_EQ(items, kCount) << "each item worked on once";
    }
}

TEST(InOrderParallel, AFailureReachesTheCallerAfterTheResultsBeforeIt) {
    for (unsigned threads : {1u, 2u, 3u}) {
        for (const bool inTake : {false, true}) {
            constexpr size_t kCount = 500, kFailing = 37;
            std::vector<size_t> taken;
            const auto run = [&] {
                runInOrder(
                    kCount, threads,
                    [&] {
                        return [&](size_t i) {
                            if (!inTake && i == kFailing) throw std::runtime_error("item " + std::to_string(i));
                            return i;
                        };
                    },
                    [&](size_t i, size_t) {
                        if (inTake && i == kFailing) throw std::runtime_error("item " + std::to_string(i));
                        taken.push_back(i);
                    });
            };
            EXPECT_THROW(run(), std::runtime_error) << threads;
            // Taken without a gap up to the failing item at most. (How many items the other threads
            // began before they saw the failure depends on timing, so it is not counted.)
            ASSERT_LE(taken.size(), kFailing);
            for (size_t i = 0; i < taken.size(); ++i) EXPECT_EQ(taken[i], i);
            if (inTake) {
                EXPECT_EQ(taken.size(), kFailing);
            }
        }
    }
}

}  // namespace
}  // namespace zw
