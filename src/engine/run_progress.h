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
};

}  // namespace lexorim
