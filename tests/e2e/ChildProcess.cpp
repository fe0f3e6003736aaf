#include "ChildProcess.h"

#include <chrono>
#include <csignal>
#include <cstdlib>
#include <stdexcept>
#include <sys/prctl.h>
#include <sys/wait.h>
#include <thread>
#include <unistd.h>

ChildProcess::ChildProcess(const std::vector<std::string>& argv, const std::string& directory,
                           const std::vector<std::string>& environment, int keepOpenFd)
{
    Id = ::fork();
    if (Id < 0)
        throw std::runtime_error("fork failed");
    if (Id == 0) {
        ::prctl(PR_SET_PDEATHSIG, SIGKILL); // never outlive the tests
        ::setpgid(0, 0);
        if (!directory.empty() && ::chdir(directory.c_str()) != 0)
            ::_exit(126);
        for (const std::string& entry : environment)
            ::putenv(const_cast<char*>(entry.c_str()));
        for (int fd = 3; fd < 1024; ++fd)
            if (fd != keepOpenFd)
                ::close(fd);
        std::vector<char*> args;
        for (const std::string& arg : argv)
            args.push_back(const_cast<char*>(arg.c_str()));
        args.push_back(nullptr);
        ::execvp(args[0], args.data());
        ::_exit(127);
    }
}

ChildProcess::~ChildProcess()
{
    Stop();
}

bool ChildProcess::Running()
{
    if (Reaped)
        return false;
    const pid_t done = ::waitpid(Id, &Status, WNOHANG);
    if (done == Id)
        Reaped = true;
    return !Reaped;
}

int ChildProcess::WaitForExit(double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (Running() && std::chrono::steady_clock::now() < deadline)
        std::this_thread::sleep_for(std::chrono::milliseconds(20));
    if (Running() || !WIFEXITED(Status))
        return -1;
    return WEXITSTATUS(Status);
}

void ChildProcess::Stop()
{
    if (Id <= 0 || !Running())
        return;
    ::kill(-Id, SIGTERM);
    if (WaitForExit(3) == -1 && Running()) {
        ::kill(-Id, SIGKILL);
        ::waitpid(Id, &Status, 0);
        Reaped = true;
    }
}
