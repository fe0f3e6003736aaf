#include "Platform.h"

#include <QCoreApplication>

#include <xcb/xcb.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <sys/stat.h>

namespace {
char PlatformOption[] = "-platform";
// Tried in this order; the X11 plugin declines where no X server answers.
char X11First[] = "xcb;wayland";
// Without DISPLAY no X server can be reached: Wayland straight away.
char WaylandFirst[] = "wayland;xcb";

bool PlatformNamed(int argc, char* argv[])
{
    const char* chosen = std::getenv("QT_QPA_PLATFORM");
    bool named = chosen && *chosen;
    for (int i = 1; i < argc; ++i)
        named = named || std::strcmp(argv[i], PlatformOption) == 0;
    return named;
}

// Set and not empty; the toolkit treats an empty one as unset.
const char* Variable(const char* name)
{
    const char* value = std::getenv(name);
    return value && *value ? value : nullptr;
}

// Where the toolkit's Wayland plugin connects: WAYLAND_DISPLAY, else the
// compositor's default socket in the session's runtime directory.
bool WaylandMayAnswer()
{
    if (Variable("WAYLAND_DISPLAY"))
        return true;
    const char* runtime = Variable("XDG_RUNTIME_DIR");
    struct stat socket { };
    return runtime && ::stat((std::string(runtime) + "/wayland-0").c_str(), &socket) == 0 && S_ISSOCK(socket.st_mode);
}

void SayNoWindowSystem(const char* program, const char* why)
{
    std::fprintf(stderr, "%s: Velorin braucht eine grafische Oberfläche: %s\n", program, why);
}

// The connection that found the X server answering. An X server whose
// last client leaves resets itself and turns away whoever connects then,
// so it stays open until the toolkit has a connection of its own.
xcb_connection_t* Probe = nullptr;

void DropProbe()
{
    if (Probe)
        xcb_disconnect(Probe);
    Probe = nullptr;
}
} // namespace

// Runs once the application object has its window system.
Q_COREAPP_STARTUP_FUNCTION(DropProbe)

bool WindowSystemReachable(int argc, char* argv[], const char* program)
{
    if (PlatformNamed(argc, argv))
        return true;
    // With Wayland to fall back on, the toolkit finds its way alone.
    if (WaylandMayAnswer())
        return true;
    const char* display = Variable("DISPLAY");
    if (!display) {
        SayNoWindowSystem(program, "weder DISPLAY noch WAYLAND_DISPLAY ist gesetzt.");
        return false;
    }
    // One connection more costs the server a moment, no more.
    DropProbe();
    Probe = xcb_connect(display, nullptr);
    if (xcb_connection_has_error(Probe) == 0)
        return true;
    DropProbe();
    const std::string why = std::string("unter DISPLAY=„") + display + "“ ist kein X-Server erreichbar.";
    SayNoWindowSystem(program, why.c_str());
    return false;
}

std::vector<char*> ArgumentsPreferringX11(int argc, char* argv[])
{
    std::vector<char*> arguments(argv, argv + argc);
    const char* display = Variable("DISPLAY");
    if (!PlatformNamed(argc, argv) && !arguments.empty())
        arguments.insert(arguments.begin() + 1, {PlatformOption, display ? X11First : WaylandFirst});
    arguments.push_back(nullptr);
    return arguments;
}
