#pragma once

#include <algorithm>
#include <atomic>
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <system_error>
#include <thread>
#include <vector>

namespace tkm {

// How many threads a piece of work that splits well runs on: the machine's
// cores, but few enough that each one's scratch space stays small beside the data.
inline std::size_t SplitWorkers() { return std::clamp<std::size_t>(std::thread::hardware_concurrency(), 1, 4); }

// False when the system has no thread to spare; the caller then does the work itself.
template <typename TFn>
bool StartThread(std::vector<std::thread>& threads, TFn& fn, std::size_t index) {
    try {
        threads.emplace_back(fn, index);
        return true;
    } catch (const std::system_error&) {
        return false;
    }
}

// Runs fn(begin, end) over count items cut into one part per worker, the first
// part on this thread. Counts below `partsFrom` stay on this thread in one
// part. Returns the number of parts; part p is count * p / parts to
// count * (p + 1) / parts. The first exception leaves this once every part has stopped.
template <typename TFn>
std::size_t ForEachPart(std::size_t count, std::size_t partsFrom, TFn&& fn) {
    const std::size_t parts = count < partsFrom ? 1 : SplitWorkers();
    if (parts <= 1) {
        fn(std::size_t(0), count);
        return 1;
    }
    std::vector<std::exception_ptr> failures(parts);
    const auto part = [&](std::size_t p) {
        try {
            fn(count * p / parts, count * (p + 1) / parts);
        } catch (...) {
            failures[p] = std::current_exception();
        }
    };
    std::vector<std::thread> threads;
    std::size_t started = 1;
    while (started < parts && StartThread(threads, part, started)) ++started;
    for (std::size_t p = started; p < parts; ++p) part(p);
    part(0);
    for (std::thread& thread : threads) thread.join();
    for (const std::exception_ptr& failure : failures)
        if (failure) std::rethrow_exception(failure);
    return parts;
}

// Works through items that split into further items, on this thread (worker 0)
// and up to SplitWorkers() - 1 more. work(item, worker, hand) does one item
// and passes each part it splits into to hand(part); the worker number lets it
// keep scratch space of its own. Parts whose Size() is at least `shareFrom` are
// there for any worker to take, smaller ones stay with the worker that made
// them, last made first done. tick() runs on this thread between its large
// items, after every few small ones, and every few milliseconds while it
// waits; it must not throw. The order
// items are done in must not matter. The first exception stops every worker
// and leaves this.
template <typename TItem, typename TWork, typename TTick>
void WorkThroughSplitting(TItem first, std::size_t shareFrom, TWork&& work, TTick&& tick) {
    const std::size_t workers = first.Size() < shareFrom ? 1 : SplitWorkers();
    std::mutex mutex;
    std::condition_variable shared;
    std::vector<TItem> open;  // items any worker may take
    std::size_t busy = 1;     // workers holding items of their own; this one starts with the first
    std::atomic<bool> stop = false;
    std::exception_ptr failure;

    const auto run = [&](std::size_t worker) {
        std::vector<TItem> own;
        std::size_t smallDone = 0;
        bool holding = worker == 0;
        if (holding) own.push_back(first);
        const auto hand = [&](const TItem& part) {
            if (workers > 1 && part.Size() >= shareFrom) {
                {
                    const std::lock_guard lock(mutex);
                    open.push_back(part);
                }
                shared.notify_one();
            } else {
                own.push_back(part);
            }
        };
        for (;;) {
            if (!holding) {
                std::unique_lock lock(mutex);
                const auto ready = [&] { return stop || !open.empty() || busy == 0; };
                // This thread keeps ticking while the others work.
                while (!ready()) {
                    if (worker == 0) {
                        lock.unlock();
                        tick();
                        lock.lock();
                        shared.wait_for(lock, std::chrono::milliseconds(20), ready);
                    } else {
                        shared.wait(lock, ready);
                    }
                }
                if (stop || open.empty()) break;
                own.push_back(open.back());
                open.pop_back();
                ++busy;
            }
            holding = false;
            try {
                while (!own.empty() && !stop) {
                    const TItem item = own.back();
                    own.pop_back();
                    work(item, worker, hand);
                    // Small items come by the thousand: a tick now and then is enough.
                    if (worker == 0 && (item.Size() >= shareFrom || ++smallDone % 64 == 0)) tick();
                }
            } catch (...) {
                const std::lock_guard lock(mutex);
                if (!failure) failure = std::current_exception();
                stop = true;
            }
            {
                const std::lock_guard lock(mutex);
                --busy;
            }
            shared.notify_all();
        }
    };
    std::vector<std::thread> threads;
    for (std::size_t w = 1; w < workers; ++w) {
        if (!StartThread(threads, run, w)) break;
    }
    run(0);
    for (std::thread& thread : threads) thread.join();
    if (failure) std::rethrow_exception(failure);
}

}  // namespace tkm
