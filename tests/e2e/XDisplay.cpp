#include "XDisplay.h"

#include <X11/XKBlib.h>
#include <X11/Xlib.h>
#include <X11/Xutil.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

#include <chrono>
#include <cstdio>
#include <stdexcept>
#include <thread>
#include <unistd.h>

namespace {

void Sleep(double seconds)
{
    std::this_thread::sleep_for(std::chrono::duration<double>(seconds));
}

QString TitleOf(Display* display, Window window)
{
    char* name = nullptr;
    if (!XFetchName(display, window, &name) || !name)
        return {};
    const QString title = QString::fromUtf8(name);
    XFree(name);
    return title;
}

bool Viewable(Display* display, Window window)
{
    XWindowAttributes attributes {};
    return XGetWindowAttributes(display, window, &attributes) && attributes.map_state == IsViewable;
}

// Windows come and go while the tests look at them; asking about one that
// has just gone is no error of the test's.
int IgnoreVanishedWindows(Display*, XErrorEvent* error)
{
    if (error->error_code == BadWindow || error->error_code == BadDrawable || error->error_code == BadMatch)
        return 0;
    std::fprintf(stderr, "X error %d (request %d)\n", error->error_code, error->request_code);
    return 0;
}

} // namespace

bool WaitFor(const std::function<bool()>& condition, double seconds)
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (!condition()) {
        if (std::chrono::steady_clock::now() >= deadline)
            return false;
        Sleep(0.03);
    }
    return true;
}

XDisplay::XDisplay()
{
    // Xvfb picks a free display itself and tells its number through a pipe.
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    Server = std::make_unique<ChildProcess>(
        std::vector<std::string> {"Xvfb", "-displayfd", std::to_string(pipeFds[1]), "-screen", "0", "1024x768x24",
                                  "-nolisten", "tcp"},
        "", std::vector<std::string> {}, pipeFds[1]);
    ::close(pipeFds[1]);
    std::string number;
    char c;
    while (::read(pipeFds[0], &c, 1) == 1 && c != '\n')
        number += c;
    ::close(pipeFds[0]);
    if (number.empty())
        throw std::runtime_error("Xvfb did not start");
    DisplayName = ":" + number;
    Connection = XOpenDisplay(DisplayName.c_str());
    if (!Connection)
        throw std::runtime_error("cannot connect to " + DisplayName);
    XSetErrorHandler(IgnoreVanishedWindows);
}

XDisplay::~XDisplay()
{
    if (Connection)
        XCloseDisplay(Connection);
    Server.reset();
}

void XDisplay::Sync() const
{
    XSync(Connection, False);
}

std::optional<unsigned long> XDisplay::FindWindow(const QString& title, double seconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    do {
        Window root, parent, *children = nullptr;
        unsigned int count = 0;
        std::optional<unsigned long> found;
        if (XQueryTree(Connection, DefaultRootWindow(Connection), &root, &parent, &children, &count)) {
            for (unsigned int i = 0; i < count && !found; ++i)
                if (TitleOf(Connection, children[i]) == title && Viewable(Connection, children[i]))
                    found = children[i];
            XFree(children);
        }
        if (found)
            return found;
        Sleep(0.05);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

bool XDisplay::WindowGone(const QString& title, double seconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    while (std::chrono::steady_clock::now() < deadline) {
        if (!FindWindow(title, 0))
            return true;
        Sleep(0.05);
    }
    return false;
}

bool XDisplay::WaitForFocus(unsigned long window, double seconds) const
{
    return WaitFor([this, window] {
        Window focus = 0;
        int revert = 0;
        XGetInputFocus(Connection, &focus, &revert);
        // The focus may lie on the window or on one of its children.
        for (Window at = focus; at && at != DefaultRootWindow(Connection);) {
            if (at == window)
                return true;
            Window root, parent, *children = nullptr;
            unsigned int count = 0;
            if (!XQueryTree(Connection, at, &root, &parent, &children, &count))
                return false;
            XFree(children);
            at = parent;
        }
        return false;
    }, seconds);
}

QRect XDisplay::Geometry(unsigned long window) const
{
    XWindowAttributes attributes {};
    XGetWindowAttributes(Connection, window, &attributes);
    int x = 0, y = 0;
    Window child;
    XTranslateCoordinates(Connection, window, DefaultRootWindow(Connection), 0, 0, &x, &y, &child);
    return {x, y, attributes.width, attributes.height};
}

void XDisplay::Click(QPoint at, int button) const
{
    XTestFakeMotionEvent(Connection, -1, at.x(), at.y(), CurrentTime);
    XTestFakeButtonEvent(Connection, static_cast<unsigned>(button), True, CurrentTime);
    XTestFakeButtonEvent(Connection, static_cast<unsigned>(button), False, CurrentTime);
    Sync();
}

unsigned int XDisplay::KeycodeFor(unsigned long keysym) const
{
    if (const KeyCode code = XKeysymToKeycode(Connection, keysym))
        return code;
    // Not on the keyboard (an umlaut on a plain keymap): lend it a spare key.
    if (!ScratchKeycode) {
        int low = 0, high = 0;
        XDisplayKeycodes(Connection, &low, &high);
        ScratchKeycode = static_cast<unsigned>(high);
    }
    KeySym symbols[2] = {keysym, keysym};
    XChangeKeyboardMapping(Connection, static_cast<int>(ScratchKeycode), 2, symbols, 1);
    Sync();
    Sleep(0.05); // clients pick up the new mapping
    return ScratchKeycode;
}

void XDisplay::Press(unsigned int keycode, unsigned long modifierKeysym) const
{
    const unsigned int modifier = modifierKeysym ? XKeysymToKeycode(Connection, modifierKeysym) : 0;
    if (modifier)
        XTestFakeKeyEvent(Connection, modifier, True, CurrentTime);
    XTestFakeKeyEvent(Connection, keycode, True, CurrentTime);
    XTestFakeKeyEvent(Connection, keycode, False, CurrentTime);
    if (modifier)
        XTestFakeKeyEvent(Connection, modifier, False, CurrentTime);
    Sync();
}

void XDisplay::Key(const char* keyName, bool alt) const
{
    Press(KeycodeFor(XStringToKeysym(keyName)), alt ? XK_Alt_L : 0);
}

void XDisplay::Type(const QString& text) const
{
    for (const QChar character : text) {
        const unsigned long keysym = character.unicode() < 0x100 ? character.unicode() : 0x01000000ul | character.unicode();
        const unsigned int code = KeycodeFor(keysym);
        // A capital letter on the plain keymap needs Shift.
        KeySym lower, upper;
        XConvertCase(keysym, &lower, &upper);
        const bool shift = keysym != lower && XkbKeycodeToKeysym(Connection, static_cast<KeyCode>(code), 0, 0) != keysym;
        Press(code, shift ? XK_Shift_L : 0);
        Sleep(0.02);
    }
}

QImage XDisplay::Grab(QRect area) const
{
    XImage* image = XGetImage(Connection, DefaultRootWindow(Connection), area.x(), area.y(),
                              static_cast<unsigned>(area.width()), static_cast<unsigned>(area.height()), AllPlanes,
                              ZPixmap);
    QImage picture(area.size(), QImage::Format_RGB32);
    if (!image)
        return picture;
    for (int y = 0; y < area.height(); ++y)
        for (int x = 0; x < area.width(); ++x)
            picture.setPixel(x, y, static_cast<QRgb>(XGetPixel(image, x, y)) | 0xff000000u);
    XDestroyImage(image);
    return picture;
}

QImage XDisplay::Grab() const
{
    return Grab(QRect(0, 0, DisplayWidth(Connection, 0), DisplayHeight(Connection, 0)));
}

void XDisplay::Settle(double seconds) const
{
    QImage last = Grab();
    for (int round = 0; round < 50; ++round) {
        Sleep(seconds / 3);
        QImage now = Grab();
        if (now == last)
            return;
        last = now;
    }
}
