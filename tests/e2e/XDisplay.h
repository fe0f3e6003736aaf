// A private X server (Xvfb) on a free display, with a window manager if
// asked, and what the tests do on it: find windows by title, learn where
// they lie, minimize and restore them, move and click the mouse, press
// keys, type text and read the screen's pixels back.
#pragma once

#include "ChildProcess.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <optional>
#include <vector>

// Polls `condition` until it holds or `seconds` have passed.
bool WaitFor(const std::function<bool()>& condition, double seconds = 5);

struct _XDisplay;

// The desktops the game is tried on: a bare X server, and two window
// managers of different kinds (Debian packages).
enum class WindowManager {
    Absent,
    Openbox,
    Xfwm4
};
const char* NameOf(WindowManager manager);

class XDisplay {
public:
    // Starts the server and the window manager; throws when it cannot.
    explicit XDisplay(WindowManager manager = WindowManager::Absent);
    ~XDisplay(); // and stops them again
    XDisplay(const XDisplay&) = delete;
    XDisplay& operator=(const XDisplay&) = delete;

    // ":<n>", for the DISPLAY of the programs under test.
    const std::string& Name() const { return DisplayName; }

    // The top-level window whose title is `title`, waiting up to `seconds`.
    std::optional<unsigned long> FindWindow(const QString& title, double seconds = 5) const;
    // The same for a title that begins with `start`.
    std::optional<unsigned long> FindWindowStarting(const QString& start, double seconds = 5) const;
    bool WindowGone(const QString& title, double seconds = 5) const;
    // Waits until `window` has the keyboard (a dialog takes it when it opens).
    bool WaitForFocus(unsigned long window, double seconds = 5) const;
    // Where a window lies on the screen: its top-left corner and size.
    QRect Geometry(unsigned long window) const;
    // The same with the window manager's frame around it: the window's
    // Left, Top, Width and Height as the game's layout means them.
    QRect OuterGeometry(unsigned long window) const;
    // How many shown top-level windows have this title.
    int CountWindows(const QString& title) const;

    // What a player does with the title bar's buttons or a task bar:
    // minimizes a window, and brings it back to the front (the keyboard
    // goes to it, or to its modal dialog). Both wait until the window is
    // hidden or shown.
    bool Minimize(unsigned long window) const;
    bool Activate(unsigned long window) const;
    bool Shown(unsigned long window) const;

    void Click(QPoint at, int button = 1) const;
    // A key by its X key name ("Return", "Escape", "n"), with Alt held if asked.
    void Key(const char* keyName, bool alt = false) const;
    // The same with Ctrl held: a program's keyboard shortcut; and with Ctrl and Shift.
    void ControlKey(const char* keyName) const;
    void ControlShiftKey(const char* keyName) const;
    // Types text character by character, umlauts included.
    void Type(const QString& text) const;

    // The screen's pixels in `area`.
    QImage Grab(QRect area) const;
    QImage Grab() const;

    // Waits until nothing on the screen has changed for a moment.
    void Settle(double seconds = 0.3) const;

private:
    void StartWindowManager(WindowManager manager);
    bool WindowManagerRunning() const;
    // The top-level windows of the programs: the window manager's list of
    // its clients, or the root's children on a bare server.
    std::vector<unsigned long> ClientWindows() const;
    std::optional<unsigned long> FindWindowWhere(const std::function<bool(const QString&)>& titleFits,
                                                 double seconds) const;
    void SendToRoot(unsigned long window, const char* message, long data0, long data1 = 0) const;

    unsigned int KeycodeFor(unsigned long keysym) const;
    // Presses and releases a key, with the modifiers given held (keysyms, 0 for none).
    void Press(unsigned int keycode, unsigned long modifierKeysym, unsigned long secondModifier = 0) const;
    void Sync() const;

    std::unique_ptr<ChildProcess> Server;
    std::unique_ptr<ChildProcess> Manager;
    std::string DisplayName;
    _XDisplay* Connection = nullptr;
    mutable unsigned int ScratchKeycode = 0;
};
