#include "X11Desktop.h"

#include <QGuiApplication>
#include <QWidget>

#include <xcb/xcb.h>

#include <algorithm>
#include <chrono>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <string>
#include <thread>
#include <unistd.h>
#include <vector>

namespace {

// How long a window manager that promised the frame size may take for it.
constexpr std::chrono::milliseconds FrameExtentsPatience {250};

// The source of an activation request: a pager, which window managers obey
// without weighing it against the user's last click.
constexpr std::uint32_t SourcePager = 2;

struct FreeDeleter {
    void operator()(void* reply) const { std::free(reply); }
};
template <typename Reply> using Owned = std::unique_ptr<Reply, FreeDeleter>;

xcb_connection_t* Connection()
{
    if (QGuiApplication::platformName() != QLatin1String("xcb"))
        return nullptr;
    const auto* x11 = qGuiApp->nativeInterface<QNativeInterface::QX11Application>();
    return x11 ? x11->connection() : nullptr;
}

xcb_window_t Root(xcb_connection_t* connection)
{
    return xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const Owned<xcb_intern_atom_reply_t> reply(xcb_intern_atom_reply(
        connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr));
    return reply ? reply->atom : xcb_atom_t {XCB_ATOM_NONE};
}

// A property of 32-bit values (cardinals, windows, atoms).
std::vector<std::uint32_t> Values(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property,
                                  xcb_atom_t type, std::uint32_t most = 1024)
{
    const Owned<xcb_get_property_reply_t> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, property, type, 0, most), nullptr));
    if (!reply || reply->format != 32 || reply->type != type)
        return {};
    const auto* values = static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get()));
    return {values, values + xcb_get_property_value_length(reply.get()) / 4};
}

std::string Text(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t property)
{
    const Owned<xcb_get_property_reply_t> reply(xcb_get_property_reply(
        connection, xcb_get_property(connection, 0, window, property, XCB_GET_PROPERTY_TYPE_ANY, 0, 256), nullptr));
    if (!reply || reply->format != 8)
        return {};
    const auto* text = static_cast<const char*>(xcb_get_property_value(reply.get()));
    return {text, static_cast<std::size_t>(xcb_get_property_value_length(reply.get()))};
}

// A running window manager names its check window on the root and on
// that window itself; a name left on the root by one that has gone is
// not repeated there.
bool WindowManagerSupports(xcb_connection_t* connection, const char* hint)
{
    const xcb_window_t root = Root(connection);
    const xcb_atom_t check = Atom(connection, "_NET_SUPPORTING_WM_CHECK");
    const auto named = Values(connection, root, check, XCB_ATOM_WINDOW, 1);
    if (named.empty() || Values(connection, named[0], check, XCB_ATOM_WINDOW, 1) != named)
        return false;
    const auto supported = Values(connection, root, Atom(connection, "_NET_SUPPORTED"), XCB_ATOM_ATOM);
    const xcb_atom_t wanted = Atom(connection, hint);
    return std::find(supported.begin(), supported.end(), wanted) != supported.end();
}

void SendToWindowManager(xcb_connection_t* connection, xcb_window_t window, xcb_atom_t message,
                         std::initializer_list<std::uint32_t> data)
{
    xcb_client_message_event_t event {};
    event.response_type = XCB_CLIENT_MESSAGE;
    event.format = 32;
    event.window = window;
    event.type = message;
    std::copy(data.begin(), data.end(), event.data.data32);
    xcb_send_event(connection, 0, Root(connection),
                   XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY | XCB_EVENT_MASK_SUBSTRUCTURE_REDIRECT,
                   reinterpret_cast<const char*>(&event));
}

std::string HostName()
{
    char name[256] = {};
    ::gethostname(name, sizeof name - 1);
    return name;
}

// The top-level windows of the process `pid` on this machine that are on
// the screen or minimized: what a restart of the game would show again.
std::vector<xcb_window_t> WindowsOf(xcb_connection_t* connection, pid_t pid)
{
    const xcb_window_t root = Root(connection);
    std::vector<xcb_window_t> candidates;
    if (WindowManagerSupports(connection, "_NET_CLIENT_LIST")) {
        candidates = Values(connection, root, Atom(connection, "_NET_CLIENT_LIST"), XCB_ATOM_WINDOW);
    } else {
        const Owned<xcb_query_tree_reply_t> tree(
            xcb_query_tree_reply(connection, xcb_query_tree(connection, root), nullptr));
        if (tree) {
            const xcb_window_t* children = xcb_query_tree_children(tree.get());
            for (int i = 0; i < xcb_query_tree_children_length(tree.get()); ++i) {
                const Owned<xcb_get_window_attributes_reply_t> attributes(xcb_get_window_attributes_reply(
                    connection, xcb_get_window_attributes(connection, children[i]), nullptr));
                if (attributes && attributes->map_state == XCB_MAP_STATE_VIEWABLE)
                    candidates.push_back(children[i]);
            }
        }
    }
    const xcb_atom_t pidAtom = Atom(connection, "_NET_WM_PID");
    const std::string host = HostName();
    std::vector<xcb_window_t> found;
    for (const xcb_window_t window : candidates) {
        const auto owner = Values(connection, window, pidAtom, XCB_ATOM_CARDINAL, 1);
        if (owner.size() == 1 && static_cast<pid_t>(owner[0]) == pid
            && Text(connection, window, XCB_ATOM_WM_CLIENT_MACHINE) == host)
            found.push_back(window);
    }
    return found;
}

bool IsTransient(xcb_connection_t* connection, xcb_window_t window)
{
    return !Values(connection, window, XCB_ATOM_WM_TRANSIENT_FOR, XCB_ATOM_WINDOW, 1).empty();
}

} // namespace

std::optional<QMargins> RequestFrameExtents(QWidget* window)
{
    xcb_connection_t* connection = Connection();
    if (!connection || !WindowManagerSupports(connection, "_NET_REQUEST_FRAME_EXTENTS"))
        return std::nullopt;
    const auto id = static_cast<xcb_window_t>(window->winId());
    SendToWindowManager(connection, id, Atom(connection, "_NET_REQUEST_FRAME_EXTENTS"), {});
    xcb_flush(connection);
    // The answer is a property on the window; the toolkit's own event
    // reader gets the news of it, so it is read back here until it is set.
    const xcb_atom_t extents = Atom(connection, "_NET_FRAME_EXTENTS");
    const auto deadline = std::chrono::steady_clock::now() + FrameExtentsPatience;
    for (;;) {
        const auto sides = Values(connection, id, extents, XCB_ATOM_CARDINAL, 4);
        if (sides.size() == 4) { // left, right, top, bottom, in device pixels
            const qreal scale = window->devicePixelRatioF();
            const auto logical = [scale](std::uint32_t side) { return qRound(side / scale); };
            return QMargins(logical(sides[0]), logical(sides[2]), logical(sides[1]), logical(sides[3]));
        }
        if (std::chrono::steady_clock::now() >= deadline)
            return std::nullopt;
        std::this_thread::sleep_for(std::chrono::milliseconds(2));
    }
}

bool OnX11Display()
{
    return Connection() != nullptr;
}

bool ActivateWindowsOf(pid_t pid)
{
    xcb_connection_t* connection = Connection();
    if (!connection)
        return false;
    std::vector<xcb_window_t> windows = WindowsOf(connection, pid);
    if (windows.empty())
        return false;
    // The main window first, then its dialogs, so that an open dialog ends
    // up in front and with the keyboard, as the running game expects.
    std::stable_partition(windows.begin(), windows.end(),
                          [connection](xcb_window_t window) { return !IsTransient(connection, window); });
    const bool managed = WindowManagerSupports(connection, "_NET_ACTIVE_WINDOW");
    const xcb_atom_t activate = Atom(connection, "_NET_ACTIVE_WINDOW");
    for (const xcb_window_t window : windows) {
        if (managed) {
            SendToWindowManager(connection, window, activate, {SourcePager, XCB_CURRENT_TIME, 0});
        } else {
            // Without a window manager nothing is minimized: raise and focus.
            const std::uint32_t above = XCB_STACK_MODE_ABOVE;
            xcb_configure_window(connection, window, XCB_CONFIG_WINDOW_STACK_MODE, &above);
            xcb_set_input_focus(connection, XCB_INPUT_FOCUS_PARENT, window, XCB_CURRENT_TIME);
        }
    }
    xcb_flush(connection);
    return true;
}

bool KeyboardOnRootWindow()
{
    xcb_connection_t* connection = Connection();
    if (connection == nullptr)
        return false;
    const Owned<xcb_get_input_focus_reply_t> focus(
        xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));
    if (!focus)
        return false;
    return focus->focus == Root(connection) || focus->focus == XCB_NONE || focus->focus == XCB_INPUT_FOCUS_POINTER_ROOT;
}
