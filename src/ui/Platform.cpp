#include "Platform.h"

#include <cstdlib>
#include <cstring>

namespace {
char PlatformOption[] = "-platform";
// Tried in this order; the X11 plugin declines where no X server answers.
char X11First[] = "xcb;wayland";
// Without DISPLAY no X server can be reached: Wayland straight away.
char WaylandFirst[] = "wayland;xcb";
} // namespace

std::vector<char*> ArgumentsPreferringX11(int argc, char* argv[])
{
    std::vector<char*> arguments(argv, argv + argc);
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    bool userChose = chosen && *chosen;
    for (int i = 1; i < argc; ++i)
        userChose = userChose || std::strcmp(argv[i], PlatformOption) == 0;
    const char* display = std::getenv("DISPLAY");
    if (!userChose && !arguments.empty())
        arguments.insert(arguments.begin() + 1, {PlatformOption, display && *display ? X11First : WaylandFirst});
    arguments.push_back(nullptr);
    return arguments;
}
