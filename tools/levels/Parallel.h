// Runs job(0) .. job(count - 1) on all cores. The jobs are independent
// levels, each deterministic, so the results do not depend on the order.
#pragma once

#include <algorithm>
#include <atomic>
#include <thread>
#include <vector>

template <typename Job> void ForEachInParallel(int count, Job job)
{
    const int workers = std::max(1, std::min<int>(count, static_cast<int>(std::thread::hardware_concurrency())));
    std::atomic<int> next {0};
    std::vector<std::thread> threads;
    threads.reserve(static_cast<std::size_t>(workers));
    for (int w = 0; w < workers; ++w)
        threads.emplace_back([&] {
            for (int n = next++; n < count; n = next++)
                job(n);
        });
    for (std::thread& t : threads)
        t.join();
}
