// A private X server (Xvfb) on a free display, and what the tests do on
// it: find windows by title, move and click the mouse, press keys, type
// text and read the screen's pixels back.
#pragma once

#include "ChildProcess.h"

#include <QImage>
#include <QPoint>
#include <QRect>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

// Polls `condition` until it holds or `seconds` have passed.
bool WaitFor(const std::function<bool()>& condition, double seconds = 5);

struct _XDisplay;

class XDisplay {
public:
    XDisplay();  // starts the server; throws when it cannot
    ~XDisplay(); // and stops it again

    // ":<n>", for the DISPLAY of the programs under test.
    const std::string& Name() const { return DisplayName; }

    // The top-level window whose title is `title`, waiting up to `seconds`.
    std::optional<unsigned long> FindWindow(const QString& title, double seconds = 5) const;
    bool WindowGone(const QString& title, double seconds = 5) const;
    // Waits until `window` has the keyboard (a dialog takes it when it opens).
    bool WaitForFocus(unsigned long window, double seconds = 5) const;
    // Where a window lies on the screen: its top-left corner and size.
    QRect Geometry(unsigned long window) const;

    void Click(QPoint at, int button = 1) const;
    // A key by its X key name ("Return", "Escape", "n"), with Alt held if asked.
    void Key(const char* keyName, bool alt = false) const;
    // Types text character by character, umlauts included.
    void Type(const QString& text) const;

    // The screen's pixels in `area`.
    QImage Grab(QRect area) const;
    QImage Grab() const;

    // Waits until nothing on the screen has changed for a moment.
    void Settle(double seconds = 0.3) const;

private:
    unsigned int KeycodeFor(unsigned long keysym) const;
    // Presses and releases a key, with a modifier held if one is given.
    void Press(unsigned int keycode, unsigned long modifierKeysym) const;
    void Sync() const;

    std::unique_ptr<ChildProcess> Server;
    std::string DisplayName;
    _XDisplay* Connection = nullptr;
    mutable unsigned int ScratchKeycode = 0;
};
