// Which window system the game opens its windows on. It prefers the X
// server, XWayland on a Wayland desktop included: a program can place its
// windows only there, and every dialog of the game has its place. Where
// no X server answers it falls back to Wayland. A platform the user names
// in QT_QPA_PLATFORM, or with -platform, is kept.
#pragma once

#include <vector>

// Whether the toolkit will find a window system for the game's windows;
// where it cannot, says why on stderr, as the toolkit would only abort.
// A platform the user names is the toolkit's to try. `program` begins the
// message, as a command's name begins its messages.
bool WindowSystemReachable(int argc, char* argv[], const char* program = "velorin");

// The program's arguments for the application object, with the platform
// choice added unless the user made one; ends with a null pointer, and
// the pointers stay valid as long as `argv` does.
std::vector<char*> ArgumentsPreferringX11(int argc, char* argv[]);
