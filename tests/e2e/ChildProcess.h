// A program started by the tests, stopped again when the test is done or
// fails; it also dies with the test program itself.
#pragma once

#include <string>
#include <sys/types.h>
#include <vector>

class ChildProcess {
public:
    // Starts `argv` in `directory` with `environment` added to ours; an
    // entry without "=" removes that variable.
    ChildProcess(const std::vector<std::string>& argv, const std::string& directory,
                 const std::vector<std::string>& environment, int keepOpenFd = -1);
    ~ChildProcess();
    ChildProcess(const ChildProcess&) = delete;
    ChildProcess& operator=(const ChildProcess&) = delete;

    bool Running();
    // Waits up to `seconds` for the program to end; its exit status, or
    // -1 when it still runs (or died of a signal).
    int WaitForExit(double seconds);
    void Stop();

    pid_t Pid() const { return Id; }

private:
    pid_t Id = -1;
    bool Reaped = false;
    int Status = 0;
};
