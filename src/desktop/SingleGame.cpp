#include "SingleGame.h"

#include "Application.h"
#include "DirectoryLock.h"
#include "MessageDlg.h"
#include "X11Desktop.h"

#include <QApplication>

#include <algorithm>
#include <cerrno>
#include <chrono>
#include <csignal>
#include <cstdlib>
#include <ctime>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <thread>
#include <unistd.h>

namespace {

using namespace std::chrono_literals;

// A game started at the same moment as this one shows its window only
// after a while. A game known to run on this display is waited for until
// it has run this long (a loaded machine may take seconds to start it);
// one whose display is not known, until it has run the shorter while: a
// game that ran longer and shows no window here has it elsewhere.
constexpr std::chrono::milliseconds WindowPatienceHere = 20s;
constexpr std::chrono::milliseconds WindowPatience = 5s;
constexpr std::chrono::milliseconds LookAgainAfter = 50ms;

enum class Where {
    Here,
    Elsewhere,
    Unknown
};

// Whether the process was started for the display this start is on: the
// DISPLAY of its environment as it began (readable for the player's own).
Where DisplayOf(pid_t pid)
{
    const char* ours = std::getenv("DISPLAY");
    std::ifstream environ("/proc/" + std::to_string(pid) + "/environ", std::ios::binary);
    if (ours == nullptr || !environ)
        return Where::Unknown;
    const std::string wanted = std::string("DISPLAY=") + ours;
    for (std::string entry; std::getline(environ, entry, '\0');)
        if (entry.rfind("DISPLAY=", 0) == 0)
            return entry == wanted ? Where::Here : Where::Elsewhere;
    return Where::Unknown;
}

bool Alive(pid_t pid)
{
    return ::kill(pid, 0) == 0 || errno == EPERM;
}

// How long the process has run: its start in clock ticks after boot, the
// 20th field after the parenthesized name (which may hold spaces).
std::optional<std::chrono::milliseconds> RunningFor(pid_t pid)
{
    std::ifstream stat("/proc/" + std::to_string(pid) + "/stat");
    const std::string line((std::istreambuf_iterator<char>(stat)), std::istreambuf_iterator<char>());
    const std::size_t nameEnd = line.rfind(')');
    if (nameEnd == std::string::npos)
        return std::nullopt;
    std::istringstream fields(line.substr(nameEnd + 1));
    std::string skipped;
    for (int i = 0; i < 19; ++i)
        fields >> skipped;
    unsigned long long startTicks = 0;
    timespec now {};
    const long ticksPerSecond = ::sysconf(_SC_CLK_TCK);
    if (!(fields >> startTicks) || ticksPerSecond <= 0 || ::clock_gettime(CLOCK_BOOTTIME, &now) != 0)
        return std::nullopt;
    const auto sinceBoot = std::chrono::seconds(now.tv_sec) + std::chrono::nanoseconds(now.tv_nsec);
    const auto started = std::chrono::milliseconds(startTicks * 1000 / static_cast<unsigned long long>(ticksPerSecond));
    return std::chrono::duration_cast<std::chrono::milliseconds>(sinceBoot) - started;
}

// Brings the running game's windows to the front, waiting for them while
// the game may still be opening them. Who holds the lock is read each
// time: a game that has just taken it may not have noted itself yet.
bool BringForward(const DirectoryLock& lock)
{
    auto deadline = std::chrono::steady_clock::now() + WindowPatienceHere;
    for (;;) {
        if (const pid_t game = lock.Holder(); game != 0) {
            if (ActivateWindowsOf(game))
                return true;
            if (!Alive(game))
                return false;
            const Where where = DisplayOf(game);
            if (where == Where::Elsewhere)
                return false;
            const auto patience = where == Where::Here ? WindowPatienceHere : WindowPatience;
            deadline = std::min(deadline,
                                std::chrono::steady_clock::now() + (patience - RunningFor(game).value_or(0ms)));
        }
        if (!OnX11Display() || std::chrono::steady_clock::now() >= deadline)
            return false;
        std::this_thread::sleep_for(LookAgainAfter);
    }
}

} // namespace

void ShowRunningGame(QApplication& app, const DirectoryLock& lock)
{
    if (BringForward(lock))
        return;
    Application::Initialize(app);
    MessageDlg(QStringLiteral("Velorin läuft in diesem Verzeichnis bereits.\r\r"
                              "Bitte spiele im offenen Fenster weiter: ein zweites Spiel hier würde die "
                              "Bestenliste des ersten überschreiben."),
               TMsgDlgType::Information);
}
