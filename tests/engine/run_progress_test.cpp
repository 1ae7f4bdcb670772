#include <gtest/gtest.h>

#include <vector>

#include "engine/run_progress.h"

namespace lexorim {
namespace {

// The percentages a run over `items` shows, one per item.
std::vector<int> PercentagesOver(size_t items) {
    std::vector<int> shown;
    RunProgress progress;
    progress.report = [&shown](TextView, int percent) { shown.push_back(percent); };
    ProgressReporter reporter(progress);
    reporter.BeginItems(items);
    for (size_t i = 0; i < items; ++i) {
        reporter.NextItem();
        reporter.Report(u"page");
    }
    return shown;
}

TEST(ProgressReporterTest, ShortRunsMoveByTheStepOfTheirItemCount) {
    EXPECT_EQ(PercentagesOver(3), (std::vector<int>{40, 60, 80}));  // step 100 / 5
    EXPECT_EQ(PercentagesOver(98).back(), 99);                      // step 1
}

// A step below one percent would leave the bar at 0 for a whole book.
TEST(ProgressReporterTest, LongRunsMoveByTheShareOfItemsDone) {
    for (const size_t items : {99u, 500u, 100000u}) {
        const std::vector<int> shown = PercentagesOver(items);
        EXPECT_GT(shown[items / 2], 40) << items;
        EXPECT_LT(shown[items / 2], 60) << items;
        EXPECT_LE(shown.back(), 100) << items;
        for (size_t i = 1; i < shown.size(); ++i)
            ASSERT_GE(shown[i], shown[i - 1]) << items;
    }
}

}  // namespace
}  // namespace lexorim
