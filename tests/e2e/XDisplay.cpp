#include "XDisplay.h"

#include <X11/XKBlib.h>
#include <X11/Xatom.h>
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
    // The UTF-8 title first; WM_NAME may be in another encoding.
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* utf8 = nullptr;
    if (XGetWindowProperty(display, window, XInternAtom(display, "_NET_WM_NAME", False), 0, 1024, False,
                           XInternAtom(display, "UTF8_STRING", False), &type, &format, &count, &after, &utf8)
            == Success
        && utf8 && format == 8) {
        const QString title = QString::fromUtf8(reinterpret_cast<const char*>(utf8), static_cast<int>(count));
        XFree(utf8);
        return title;
    }
    if (utf8)
        XFree(utf8);
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

// A property of 32-bit items (windows, cardinals); empty when not set.
std::vector<unsigned long> Items(Display* display, Window window, const char* name, Atom type)
{
    Atom actualType = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::vector<unsigned long> items;
    if (XGetWindowProperty(display, window, XInternAtom(display, name, False), 0, 4096, False, type, &actualType,
                           &format, &count, &after, &data)
            == Success
        && data && format == 32 && actualType == type) {
        const auto* values = reinterpret_cast<const unsigned long*>(data); // Xlib widens format 32 to long
        items.assign(values, values + count);
    }
    if (data)
        XFree(data);
    return items;
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

const char* NameOf(WindowManager manager)
{
    switch (manager) {
    case WindowManager::Absent:
        return "NoWindowManager";
    case WindowManager::Openbox:
        return "Openbox";
    case WindowManager::Xfwm4:
        return "Xfwm4";
    }
    return "?";
}

XDisplay::XDisplay(WindowManager manager)
{
    // Xvfb picks a free display itself and tells its number through a pipe.
    int pipeFds[2];
    if (::pipe(pipeFds) != 0)
        throw std::runtime_error("pipe failed");
    Server = std::make_unique<ChildProcess>(std::vector<std::string> {"Xvfb", "-displayfd", std::to_string(pipeFds[1]),
                                                                      "-screen", "0", "1024x768x24", "-nolisten",
                                                                      "tcp"},
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
    if (manager != WindowManager::Absent)
        StartWindowManager(manager);
}

XDisplay::~XDisplay()
{
    if (Connection)
        XCloseDisplay(Connection);
    Manager.reset();
    Server.reset();
}

void XDisplay::StartWindowManager(WindowManager manager)
{
    const std::vector<std::string> environment {"DISPLAY=" + DisplayName};
    if (manager == WindowManager::Openbox)
        Manager = std::make_unique<ChildProcess>(std::vector<std::string> {"openbox", "--sm-disable"}, "", environment);
    else // xfwm4 reads its settings over a session bus of its own
        Manager = std::make_unique<ChildProcess>(
            std::vector<std::string> {"dbus-run-session", "--", "xfwm4", "--compositor=off", "--sm-client-disable"}, "",
            environment);
    if (!WaitFor([this] { return WindowManagerRunning(); }, 15))
        throw std::runtime_error(std::string(NameOf(manager)) + " did not start");
}

bool XDisplay::WindowManagerRunning() const
{
    // A running window manager names its check window on the root and on
    // that window itself.
    const auto named = Items(Connection, DefaultRootWindow(Connection), "_NET_SUPPORTING_WM_CHECK", XA_WINDOW);
    return !named.empty() && Items(Connection, named[0], "_NET_SUPPORTING_WM_CHECK", XA_WINDOW) == named;
}

std::vector<unsigned long> XDisplay::ClientWindows() const
{
    if (Manager)
        return Items(Connection, DefaultRootWindow(Connection), "_NET_CLIENT_LIST", XA_WINDOW);
    std::vector<unsigned long> windows;
    Window root, parent, *children = nullptr;
    unsigned int count = 0;
    if (XQueryTree(Connection, DefaultRootWindow(Connection), &root, &parent, &children, &count)) {
        windows.assign(children, children + count);
        XFree(children);
    }
    return windows;
}

void XDisplay::Sync() const
{
    XSync(Connection, False);
}

std::optional<unsigned long> XDisplay::FindWindow(const QString& title, double seconds) const
{
    return FindWindowWhere([&](const QString& shown) { return shown == title; }, seconds);
}

std::optional<unsigned long> XDisplay::FindWindowStarting(const QString& start, double seconds) const
{
    return FindWindowWhere([&](const QString& shown) { return shown.startsWith(start); }, seconds);
}

std::optional<unsigned long> XDisplay::FindWindowWhere(const std::function<bool(const QString&)>& titleFits,
                                                       double seconds) const
{
    const auto deadline = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    do {
        for (const unsigned long window : ClientWindows())
            if (titleFits(TitleOf(Connection, window)) && Viewable(Connection, window))
                return window;
        Sleep(0.05);
    } while (std::chrono::steady_clock::now() < deadline);
    return std::nullopt;
}

int XDisplay::CountWindows(const QString& title) const
{
    int count = 0;
    for (const unsigned long window : ClientWindows())
        count += TitleOf(Connection, window) == title && Viewable(Connection, window);
    return count;
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
    return WaitFor(
        [this, window] {
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
        },
        seconds);
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

QRect XDisplay::OuterGeometry(unsigned long window) const
{
    const QRect client = Geometry(window);
    const auto frame = Items(Connection, window, "_NET_FRAME_EXTENTS", XA_CARDINAL); // left, right, top, bottom
    if (frame.size() != 4)
        return client;
    return client.adjusted(-static_cast<int>(frame[0]), -static_cast<int>(frame[2]), static_cast<int>(frame[1]),
                           static_cast<int>(frame[3]));
}

void XDisplay::SendToRoot(unsigned long window, const char* message, long data0, long data1) const
{
    XEvent event {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(Connection, message, False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = data0;
    event.xclient.data.l[1] = data1;
    XSendEvent(Connection, DefaultRootWindow(Connection), False, SubstructureRedirectMask | SubstructureNotifyMask,
               &event);
    Sync();
}

bool XDisplay::Shown(unsigned long window) const
{
    return Viewable(Connection, window);
}

bool XDisplay::Minimize(unsigned long window) const
{
    SendToRoot(window, "WM_CHANGE_STATE", IconicState);
    return WaitFor([&] { return !Shown(window); });
}

bool XDisplay::Activate(unsigned long window) const
{
    constexpr long fromAPager = 2;
    SendToRoot(window, "_NET_ACTIVE_WINDOW", fromAPager, CurrentTime);
    return WaitFor([&] { return Shown(window); });
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

void XDisplay::Press(unsigned int keycode, unsigned long modifierKeysym, unsigned long secondModifier) const
{
    std::vector<unsigned int> held;
    for (const unsigned long keysym : {modifierKeysym, secondModifier})
        if (keysym)
            held.push_back(XKeysymToKeycode(Connection, keysym));
    for (const unsigned int modifier : held)
        XTestFakeKeyEvent(Connection, modifier, True, CurrentTime);
    XTestFakeKeyEvent(Connection, keycode, True, CurrentTime);
    XTestFakeKeyEvent(Connection, keycode, False, CurrentTime);
    for (auto modifier = held.rbegin(); modifier != held.rend(); ++modifier)
        XTestFakeKeyEvent(Connection, *modifier, False, CurrentTime);
    Sync();
}

void XDisplay::Key(const char* keyName, bool alt) const
{
    Press(KeycodeFor(XStringToKeysym(keyName)), alt ? XK_Alt_L : 0);
}

void XDisplay::ControlKey(const char* keyName) const
{
    Press(KeycodeFor(XStringToKeysym(keyName)), XK_Control_L);
}

void XDisplay::ControlShiftKey(const char* keyName) const
{
    Press(KeycodeFor(XStringToKeysym(keyName)), XK_Control_L, XK_Shift_L);
}

void XDisplay::Type(const QString& text) const
{
    for (const QChar character : text) {
        const unsigned long keysym = character.unicode() < 0x100 ? character.unicode()
                                                                 : 0x01000000ul | character.unicode();
        const unsigned int code = KeycodeFor(keysym);
        // A capital letter on the plain keymap needs Shift.
        KeySym lower, upper;
        XConvertCase(keysym, &lower, &upper);
        const bool shift = keysym != lower
            && XkbKeycodeToKeysym(Connection, static_cast<KeyCode>(code), 0, 0) != keysym;
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
