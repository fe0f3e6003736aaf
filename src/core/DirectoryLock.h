// One game per working directory: two games there would each keep their
// own high-score list, and the later save would drop the other's entries.
// The running game holds a lock on its directory and on a lock file in
// it; the kernel lets go of both when the process ends, however it ends,
// so a killed game never blocks the next start.
#pragma once

#include <string>
#include <sys/types.h>

inline constexpr const char* GameLockFileName = ".velorin.lock";

class DirectoryLock {
public:
    enum class State {
        Held,          // this process holds the lock now
        HeldByAnother, // another process does: a game runs here already
        Unavailable,   // no lock can be had here (see Reason)
    };

    // Locks the directory that holds `lockFile`, and the lock file itself.
    explicit DirectoryLock(const char* lockFile);
    ~DirectoryLock();
    DirectoryLock(const DirectoryLock&) = delete;
    DirectoryLock& operator=(const DirectoryLock&) = delete;

    State Status() const { return Current; }
    // Why no lock could be had: the errno of the last way tried.
    int Reason() const { return Failure; }
    // The process that holds the lock, as it noted itself in the file;
    // 0 when that cannot be read.
    pid_t Holder() const;

private:
    // Each way to lock: locked, locked by another process, or not to be had.
    enum class Outcome {
        Locked,
        Busy,
        Failed
    };
    Outcome LockDirectory(const char* lockFile);
    Outcome LockFile(const char* lockFile);
    Outcome Lock(int fd);
    // The lock file, made if need be; -1 when there is none to use here.
    int OpenLockFile(const char* lockFile);

    std::string LockFilePath;
    int DirectoryFd = -1;
    int FileFd = -1;
    bool FileWritable = false;
    State Current = State::Unavailable;
    int Failure = 0;
};
