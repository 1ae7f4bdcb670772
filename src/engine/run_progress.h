#pragma once
// Progress and cancelling of a run: each status text with the progress bar's position, and a flag
// that the run checks between pages or documents.

#include <atomic>
#include <exception>
#include <functional>

#include "engine/text_helpers.h"

namespace lexorim {

// Reports each status text with the progress bar's position (0 to 100). A run that finds the
// cancel flag set stops between pages or documents and throws RunCancelled.
struct RunProgress {
    std::function<void(TextView status, int percent)> report;
    const std::atomic<bool>* cancel = nullptr;
};

class RunCancelled : public std::exception {
  public:
    const char* what() const noexcept override { return "the run was cancelled"; }
};

// The progress bar of one run: a position that moves by steps, reported with each status text.
class ProgressReporter {
  public:
    explicit ProgressReporter(const RunProgress& progress) : progress_(progress) {}

    void Report(TextView status) const {
        if (progress_.report)
            progress_.report(status, percent_);
    }
    void SetPercent(int percent) { percent_ = percent; }
    void AddPercent(int step) { percent_ += step; }

    // The bar over `items` pages or documents: it starts one step in and moves a step per item.
    // With more than 98 items the step of 100 / (items + 2) is below one percent and would never
    // move the bar, so it then follows the share of items done instead.
    void BeginItems(size_t items) {
        items_ = items;
        done_ = 0;
        step_ = StepFor(items);
        percent_ = step_ > 0 ? step_ : 0;
    }
    void NextItem() {
        ++done_;
        if (step_ > 0)
            percent_ += step_;
        else
            percent_ = static_cast<int>(done_ * 100 / (items_ + 2));
    }
    void ThrowIfCancelled() const {
        if (progress_.cancel != nullptr && progress_.cancel->load(std::memory_order_relaxed))
            throw RunCancelled();
    }

    // The step of one item: 30 without items, otherwise 100 divided by (items + 2).
    static int StepFor(size_t items) {
        return items == 0 ? 30 : static_cast<int>(100 / (items + 2));
    }

  private:
    const RunProgress& progress_;
    int percent_ = 0;
    size_t items_ = 0;
    size_t done_ = 0;
    int step_ = 0;
};

}  // namespace lexorim
