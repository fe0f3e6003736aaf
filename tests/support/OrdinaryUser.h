// Runs a step of a test as an ordinary user, for the cases where file
// permissions matter: root ignores them. A test run by an ordinary user
// runs the step as it is; under root the step runs in a child process
// that has dropped to "nobody" first.
#pragma once

#include <cstdlib>
#include <functional>
#include <grp.h>
#include <optional>
#include <pwd.h>
#include <string>
#include <sys/types.h>
#include <sys/wait.h>
#include <unistd.h>

struct OrdinaryUser {
    uid_t Uid = ::geteuid();
    gid_t Gid = ::getegid();

    // The user the step runs as; nullopt (with the reason) when root cannot
    // become anybody else here.
    static std::optional<OrdinaryUser> Find(std::string& reason)
    {
        if (::geteuid() != 0)
            return OrdinaryUser {};
        const passwd* nobody = ::getpwnam("nobody");
        if (nobody == nullptr) {
            reason = "the system has no user \"nobody\" to drop to from root";
            return std::nullopt;
        }
        return OrdinaryUser {nobody->pw_uid, nobody->pw_gid};
    }

    // Runs `step` as this user and returns its result (0 to 255); -1 when
    // the user could not be taken on.
    int Run(const std::function<int()>& step) const
    {
        if (::geteuid() != 0)
            return step();
        const pid_t child = ::fork();
        if (child < 0)
            return -1;
        if (child == 0) {
            if (::setgroups(0, nullptr) != 0 || ::setgid(Gid) != 0 || ::setuid(Uid) != 0)
                ::_exit(255);
            ::_exit(step() & 0xFF);
        }
        int status = 0;
        if (::waitpid(child, &status, 0) != child || !WIFEXITED(status) || WEXITSTATUS(status) == 255)
            return -1;
        return WEXITSTATUS(status);
    }

    // Makes `path` belong to this user, so that the step may work in it.
    bool Own(const std::string& path) const { return ::geteuid() != 0 || ::chown(path.c_str(), Uid, Gid) == 0; }
};
