#include "Progress.h"

#include <chrono>
#include <ostream>

namespace {

constexpr auto Interval = std::chrono::seconds(2);

} // namespace

ProgressLines::ProgressLines(const SearchWatch& watch, std::ostream& err, std::string what)
    : Watch(watch), Err(err), What(std::move(what)), Worker([this] { Run(); })
{
}

ProgressLines::~ProgressLines()
{
    {
        const std::lock_guard guard(Lock);
        Done = true;
    }
    Wake.notify_all();
    Worker.join();
}

void ProgressLines::Run()
{
    const auto started = std::chrono::steady_clock::now();
    std::unique_lock guard(Lock);
    while (!Wake.wait_for(guard, Interval, [this] { return Done; })) {
        const auto seconds =
            std::chrono::duration_cast<std::chrono::seconds>(std::chrono::steady_clock::now() - started).count();
        Err << "velorin-levels: " << What << ": searching, par at least " << Watch.LowerBound() << ", "
            << Watch.Nodes.load(std::memory_order_relaxed) << " positions, " << seconds << " s\n"
            << std::flush;
    }
}
