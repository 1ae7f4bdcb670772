#pragma once
// Work on many independent items on all cores, with the results taken in item order on the
// calling thread, so that the outcome is the same as one item after the other.

#include <condition_variable>
#include <cstddef>
#include <exception>
#include <functional>
#include <mutex>
#include <optional>
#include <thread>
#include <vector>

namespace lexorim {

// The number of threads "all cores" stands for (at least 1).
inline unsigned AllCores() {
    const unsigned cores = std::thread::hardware_concurrency();
    return cores == 0 ? 1 : cores;
}

// Computes produce(i) for every i below `count` on up to `threads` threads and hands each result
// to consume(i, result) on the calling thread, in the order of i. Only a few results wait at a
// time, so memory does not grow with `count`. An exception thrown by produce(i) is thrown here
// when item i's turn comes; one thrown by consume stops the workers and propagates.
template <typename Result>
void ForEachInOrder(size_t count, unsigned threads, const std::function<Result(size_t)>& produce,
                    const std::function<void(size_t, Result&&)>& consume) {
    if (threads <= 1 || count <= 1) {
        for (size_t i = 0; i < count; ++i)
            consume(i, produce(i));
        return;
    }
    struct Slot {
        std::optional<Result> result;
        std::exception_ptr error;
        bool ready = false;
    };
    const size_t window = static_cast<size_t>(threads) * 4;
    std::vector<Slot> slots(window);
    std::mutex mutex;
    std::condition_variable changed;
    size_t nextToClaim = 0;
    size_t nextToConsume = 0;
    bool stop = false;

    auto work = [&] {
        for (;;) {
            size_t i = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] {
                    return stop || nextToClaim >= count || nextToClaim < nextToConsume + window;
                });
                if (stop || nextToClaim >= count)
                    return;
                i = nextToClaim++;
            }
            Slot done;
            try {
                done.result.emplace(produce(i));
            } catch (...) {
                // Carried to the calling thread and thrown there in item order.
                done.error = std::current_exception();
            }
            done.ready = true;
            {
                std::lock_guard lock(mutex);
                slots[i % window] = std::move(done);
            }
            changed.notify_all();
        }
    };

    std::vector<std::jthread> workers;
    // Declared after the workers, so it runs first when the scope is left: the workers stop
    // claiming items and are joined by their own destructors.
    struct StopOnExit {
        std::mutex& mutex;
        std::condition_variable& changed;
        bool& stop;
        ~StopOnExit() {
            {
                std::lock_guard lock(mutex);
                stop = true;
            }
            changed.notify_all();
        }
    } stopOnExit{mutex, changed, stop};
    const unsigned workerCount = static_cast<unsigned>(std::min<size_t>(threads, count));
    for (unsigned t = 0; t < workerCount; ++t)
        workers.emplace_back(work);

    for (size_t i = 0; i < count; ++i) {
        Slot taken;
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return slots[i % window].ready; });
            taken = std::move(slots[i % window]);
            slots[i % window] = Slot{};
            ++nextToConsume;
        }
        changed.notify_all();
        if (taken.error)
            std::rethrow_exception(taken.error);
        consume(i, std::move(*taken.result));
    }
}

}  // namespace lexorim
