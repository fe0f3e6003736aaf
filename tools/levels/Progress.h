// While a long search runs, a line on the error stream every few seconds:
// how far the proof has got. Nothing is written for a quick one.
#pragma once

#include "SearchWatch.h"

#include <condition_variable>
#include <iosfwd>
#include <mutex>
#include <string>
#include <thread>

class ProgressLines {
public:
    // `what` names the search: "level 5".
    ProgressLines(const SearchWatch& watch, std::ostream& err, std::string what);
    ~ProgressLines(); // stops the lines
    ProgressLines(const ProgressLines&) = delete;
    ProgressLines& operator=(const ProgressLines&) = delete;

private:
    void Run();

    const SearchWatch& Watch;
    std::ostream& Err;
    std::string What;
    std::mutex Lock;
    std::condition_variable Wake;
    bool Done = false; // guarded by Lock
    std::thread Worker;
};
