// The editor's one way of working beside the window: each piece of work
// runs on a thread of its own with a stop flag (the SearchWatch it is
// given) and reports what it finds through the callbacks it was started
// with, from its own thread; the window passes those on to its thread as
// queued calls. Nothing polls.
//
// Starting new work stops the work before it. Stopped work gives its
// memory back on its own thread (a search may hold a gigabyte): the edit
// that stopped it does not wait for that, only the end of the editor does.
#pragma once

#include "SearchWatch.h"

#include <functional>
#include <memory>
#include <vector>

class BackgroundWork {
public:
    BackgroundWork() = default;
    ~BackgroundWork(); // stops the work and waits for every thread
    BackgroundWork(const BackgroundWork&) = delete;
    BackgroundWork& operator=(const BackgroundWork&) = delete;

    // Stops what runs and starts `work` with a fresh watch.
    void Start(std::function<void(SearchWatch&)> work);
    void Stop();
    // The latest work has not ended yet (and was not stopped).
    bool Running() const;
    // No thread is working any more: also stopped work has ended and given
    // back its memory.
    bool AllEnded() const;

private:
    struct Job;
    void RetireEnded();

    std::shared_ptr<Job> Current;
    std::vector<std::shared_ptr<Job>> Stopped; // told to stop, perhaps still giving back memory
};
