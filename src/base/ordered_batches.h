#pragma once

#include <algorithm>
#include <condition_variable>
#include <cstddef>
#include <exception>
#include <mutex>
#include <thread>
#include <vector>

namespace tkm {

// Runs produce(i) for every i below count on the machine's cores, in batches,
// and hands each result to consume(i, result) on the calling thread in the
// order of i. Only a few batches run ahead of consume, so results never pile
// up. The first exception in the order of i, whether of produce or of
// consume, leaves this once every thread has stopped. produce must be safe
// to run on several threads at once. `batchSize` items go to a thread at a
// time: few for items that are large pieces of work.
template <typename TResult, typename TProduce, typename TConsume>
void ProduceInOrder(std::size_t count, TProduce&& produce, TConsume&& consume, std::size_t batchSize = 512) {
    const std::size_t perBatch = std::max<std::size_t>(batchSize, 1);
    const std::size_t batches = (count + perBatch - 1) / perBatch;
    const std::size_t threads = std::min<std::size_t>(std::max(std::thread::hardware_concurrency(), 1u), batches);
    if (threads <= 1) {
        for (std::size_t i = 0; i < count; ++i) consume(i, produce(i));
        return;
    }

    struct TBatch {
        std::vector<TResult> Results;
        std::exception_ptr Failure;
        bool Done = false;
    };
    const std::size_t ahead = 2 * threads;
    std::vector<TBatch> slots(ahead);
    std::mutex mutex;
    std::condition_variable changed;
    std::size_t nextBatch = 0;  // the next one a thread takes
    std::size_t consumed = 0;   // batches handed on; their slots are free
    bool stop = false;

    const auto work = [&] {
        for (;;) {
            std::size_t batch = 0;
            {
                std::unique_lock lock(mutex);
                changed.wait(lock, [&] { return stop || nextBatch >= batches || nextBatch < consumed + ahead; });
                if (stop || nextBatch >= batches) return;
                batch = nextBatch++;
            }
            TBatch& slot = slots[batch % ahead];
            try {
                for (std::size_t i = batch * perBatch; i < std::min(count, (batch + 1) * perBatch); ++i)
                    slot.Results.push_back(produce(i));
            } catch (...) {
                slot.Failure = std::current_exception();
            }
            {
                const std::lock_guard lock(mutex);
                slot.Done = true;
            }
            changed.notify_all();
        }
    };

    std::vector<std::thread> pool;
    // Stops and joins the threads on every way out.
    struct TJoin {
        std::vector<std::thread>& Pool;
        std::mutex& Mutex;
        std::condition_variable& Changed;
        bool& Stop;
        ~TJoin() {
            {
                const std::lock_guard lock(Mutex);
                Stop = true;
            }
            Changed.notify_all();
            for (std::thread& thread : Pool) thread.join();
        }
    } join{pool, mutex, changed, stop};
    for (std::size_t t = 0; t < threads; ++t) pool.emplace_back(work);

    for (std::size_t batch = 0; batch < batches; ++batch) {
        TBatch& slot = slots[batch % ahead];
        {
            std::unique_lock lock(mutex);
            changed.wait(lock, [&] { return slot.Done; });
        }
        if (slot.Failure) std::rethrow_exception(slot.Failure);
        for (std::size_t k = 0; k < slot.Results.size(); ++k) consume(batch * perBatch + k, std::move(slot.Results[k]));
        slot.Results.clear();
        {
            const std::lock_guard lock(mutex);
            slot.Done = false;
            ++consumed;
        }
        changed.notify_all();
    }
}

}  // namespace tkm
