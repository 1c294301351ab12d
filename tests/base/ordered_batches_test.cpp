#include "base/ordered_batches.h"

#include <gtest/gtest.h>

#include <chrono>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace tkm {
namespace {

TEST(OrderedBatchesTest, ResultsArriveInOrderWhateverTheCount) {
    for (const std::size_t count : {0u, 1u, 511u, 512u, 513u, 5000u}) {
        std::vector<std::size_t> seen;
        ProduceInOrder<std::string>(
            count, [](std::size_t i) { return std::to_string(i * 3); },
            [&](std::size_t i, std::string&& result) {
                EXPECT_EQ(result, std::to_string(i * 3));
                seen.push_back(i);
            });
        ASSERT_EQ(seen.size(), count);
        for (std::size_t i = 0; i < count; ++i) ASSERT_EQ(seen[i], i);
    }
}

// 1100 fails first on the clock, but 700 comes first in order.
TEST(OrderedBatchesTest, TheFirstFailureInOrderLeavesOnceEveryThreadHasStopped) {
    const auto produce = [](std::size_t i) {
        if (i == 700) {
            std::this_thread::sleep_for(std::chrono::milliseconds(50));
            throw std::runtime_error("700");
        }
        if (i == 1100) throw std::runtime_error("1100");
        return int(i);
    };
    std::size_t consumed = 0;
    try {
        ProduceInOrder<int>(5000, produce, [&](std::size_t, int) { ++consumed; });
        FAIL() << "no failure";
    } catch (const std::runtime_error& e) {
        EXPECT_STREQ(e.what(), "700");
    }
    EXPECT_LT(consumed, 700u);
    EXPECT_THROW(ProduceInOrder<int>(
                     5000, [](std::size_t i) { return int(i); },
                     [](std::size_t i, int) {
                         if (i == 600) throw std::runtime_error("consume");
                     }),
                 std::runtime_error);
}

}  // namespace
}  // namespace tkm
