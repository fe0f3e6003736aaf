// The desktop's "Open" for a web or mail address: the default browser or
// mail program takes it. What the desktop makes of it is not the game's
// concern; a desktop that cannot open it changes nothing.
#pragma once

#include <QString>

#include <functional>

// Hands `item` (a web address, or "mailto:" with an address) to the desktop.
void ShellOpen(const QString& item);

// Replaces what ShellOpen does (for tests; an empty handler restores the
// desktop's own).
void SetShellOpenHandler(std::function<void(const QString&)> handler);
