#pragma once
// Work on a list of items by several threads at once, with the results handed back on the calling
// thread one after the other in the items' order: what comes out is what one thread would give,
// whichever thread finishes first. Each thread makes its own worker, so that what a worker keeps
// from item to item (read buffers) is its own.

#include <algorithm>
#include <atomic>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <optional>
#include <system_error>
#include <thread>
#include <type_traits>
#include <vector>

namespace zw {

// As many threads as the machine has processors, at most `most`; at least one.
inline unsigned threadsUpTo(unsigned most) {
    const unsigned processors = std::thread::hardware_concurrency();  // 0 where it is not known
    return std::max(1u, std::min(most, processors));
}

// Calls `worker(i)` for each i below `count`, where `worker` is what `makeWorker()` gives, on
// `threads` threads (this one among them), and `take(i, result)` on this thread for each i in order.
// This thread takes what is ready between its own items, so that no thread waits for another while
// there is work. An exception of a worker or of `take` ends the work and is thrown here once the
// other threads have stopped.
template <typename MakeWorker, typename Take>
void runInOrder(size_t count, unsigned threads, const MakeWorker& makeWorker, const Take& take) {
    using Worker = std::invoke_result_t<const MakeWorker&>;
    using Result = std::invoke_result_t<Worker&, size_t>;
    if (threads <= 1 || count <= 1) {
        Worker worker = makeWorker();
        for (size_t i = 0; i < count; ++i) take(i, worker(i));
        return;
    }
    std::vector<std::optional<Result>> results(count);
    std::mutex mutex;
    std::condition_variable finished;
    std::atomic<size_t> next{0};
    std::exception_ptr failure;
    const auto store = [&](size_t i, Result&& result) {
        {
            const std::lock_guard lock(mutex);
            results[i] = std::move(result);
        }
        finished.notify_one();
    };
    const auto work = [&] {
        try {
            Worker worker = makeWorker();
            for (size_t i; (i = next.fetch_add(1)) < count;) store(i, worker(i));
        } catch (...) {
            {
                const std::lock_guard lock(mutex);
                if (!failure) failure = std::current_exception();
            }
            next = count;
            finished.notify_one();
        }
    };
    std::vector<std::jthread> pool;
    // Destroyed before the pool, which joins its threads: they take no further item.
    struct StopTaking {
        std::atomic<size_t>& next;
        size_t count;
        ~StopTaking() { next = count; }
    } stopTaking{next, count};
    for (unsigned t = 1; t < threads; ++t) {
        try {
            pool.emplace_back(work);
        } catch (const std::system_error&) {
            break;  // no thread to be had: the ones there are, this one at least, do the work
        }
    }
    Worker worker = makeWorker();
    size_t taken = 0;
    // Takes the results that are ready, in order; with `wait`, waits for the next one first.
    const auto takeReady = [&](bool wait) {
        while (taken < count) {
            std::optional<Result> result;
            {
                std::unique_lock lock(mutex);
                if (wait) finished.wait(lock, [&] { return results[taken].has_value() || failure != nullptr; });
                if (failure) std::rethrow_exception(failure);
                if (!results[taken]) return;
                result = std::move(results[taken]);
                results[taken].reset();
            }
            take(taken++, std::move(*result));
        }
    };
    for (size_t i; (i = next.fetch_add(1)) < count;) {
        store(i, worker(i));
        takeReady(false);
    }
    takeReady(true);
}

}  // namespace zw
