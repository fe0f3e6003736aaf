#include "BackgroundWork.h"

#include <algorithm>
#include <atomic>
#include <thread>

struct BackgroundWork::Job {
    SearchWatch Watch;
    std::atomic<bool> Ended {false};
    std::thread Worker;

    void Join()
    {
        if (Worker.joinable())
            Worker.join();
    }
};

BackgroundWork::~BackgroundWork()
{
    Stop();
    for (const auto& job : Stopped)
        job->Join();
}

void BackgroundWork::RetireEnded()
{
    std::erase_if(Stopped, [](const std::shared_ptr<Job>& job) {
        if (!job->Ended)
            return false;
        job->Join(); // it has ended: no wait
        return true;
    });
}

void BackgroundWork::Stop()
{
    if (!Current)
        return;
    // The search looks at its watch every few positions, so it stops
    // within a millisecond; what it frees afterwards is freed on its own
    // thread, and the job is kept until that thread has ended.
    Current->Watch.Cancel();
    RetireEnded();
    if (Current->Ended)
        Current->Join();
    else
        Stopped.push_back(Current);
    Current.reset();
}

void BackgroundWork::Start(std::function<void(SearchWatch&)> work)
{
    Stop();
    auto job = std::make_shared<Job>();
    Job* raw = job.get(); // kept here until its thread has ended
    job->Worker = std::thread([raw, work = std::move(work)] {
        work(raw->Watch);
        raw->Ended = true;
    });
    Current = std::move(job);
}

bool BackgroundWork::Running() const
{
    return Current && !Current->Ended;
}

bool BackgroundWork::AllEnded() const
{
    const auto ended = [](const std::shared_ptr<Job>& job) { return job->Ended.load(); };
    return (!Current || ended(Current)) && std::all_of(Stopped.begin(), Stopped.end(), ended);
}
