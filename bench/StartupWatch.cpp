// velorin-startup-watch X Y COMMAND [ARGUMENT...]
//
// Start-up as the player sees it, timed from outside the program: starts
// COMMAND, watches the X server for its first top-level window to be
// mapped, then for the window's pixel (X, Y) to be drawn (the server
// starts the bench with a black root, and every program measured draws
// something other than black there). Then lets the program settle, ends it
// and prints three figures: seconds to the mapping, seconds to the first
// frame, and the program's peak resident memory in bytes.
#include <xcb/xcb.h>

#include <poll.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <memory>
#include <thread>

namespace {

using Clock = std::chrono::steady_clock;
constexpr auto GiveUpAfter = std::chrono::seconds(15);
constexpr auto PollPause = std::chrono::microseconds(200);
// Work a program puts off until after its first frame still belongs to its
// start-up; the peak memory is read once that has had time to finish.
constexpr auto SettleTime = std::chrono::milliseconds(300);

double SecondsSince(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

xcb_atom_t Atom(xcb_connection_t* connection, const char* name)
{
    const std::unique_ptr<xcb_intern_atom_reply_t, decltype(&std::free)> reply(
        xcb_intern_atom_reply(
            connection, xcb_intern_atom(connection, 0, static_cast<std::uint16_t>(std::strlen(name)), name), nullptr),
        &std::free);
    return reply ? reply->atom : xcb_atom_t {XCB_ATOM_NONE};
}

// Whether `window` belongs to the process `pid`, by the pid the toolkit
// puts on every window before mapping it.
bool OwnedBy(xcb_connection_t* connection, xcb_window_t window, pid_t pid)
{
    static const xcb_atom_t wmPid = Atom(connection, "_NET_WM_PID");
    const std::unique_ptr<xcb_get_property_reply_t, decltype(&std::free)> reply(
        xcb_get_property_reply(connection, xcb_get_property(connection, 0, window, wmPid, XCB_ATOM_CARDINAL, 0, 1),
                               nullptr),
        &std::free);
    if (!reply || xcb_get_property_value_length(reply.get()) != 4)
        return false;
    return *static_cast<const std::uint32_t*>(xcb_get_property_value(reply.get())) == static_cast<std::uint32_t>(pid);
}

// The first window of `pid` mapped on the root, or 0 when none comes in time.
xcb_window_t WaitForMap(xcb_connection_t* connection, pid_t pid, Clock::time_point start)
{
    pollfd watch {xcb_get_file_descriptor(connection), POLLIN, 0};
    while (Clock::now() - start < GiveUpAfter) {
        while (xcb_generic_event_t* event = xcb_poll_for_event(connection)) {
            const std::unique_ptr<xcb_generic_event_t, decltype(&std::free)> owned(event, &std::free);
            if ((event->response_type & 0x7f) == XCB_MAP_NOTIFY) {
                const auto* map = reinterpret_cast<xcb_map_notify_event_t*>(event);
                if (!map->override_redirect && OwnedBy(connection, map->window, pid))
                    return map->window;
            }
        }
        poll(&watch, 1, 10);
    }
    return 0;
}

bool PixelDrawn(xcb_connection_t* connection, xcb_window_t window, int x, int y)
{
    const xcb_get_image_cookie_t cookie = xcb_get_image(connection, XCB_IMAGE_FORMAT_Z_PIXMAP, window,
                                                        static_cast<std::int16_t>(x), static_cast<std::int16_t>(y), 1,
                                                        1, ~0u);
    const std::unique_ptr<xcb_get_image_reply_t, decltype(&std::free)> reply(
        xcb_get_image_reply(connection, cookie, nullptr), &std::free);
    if (!reply || xcb_get_image_data_length(reply.get()) < 3)
        return false;
    const std::uint8_t* pixel = xcb_get_image_data(reply.get());
    return pixel[0] != 0 || pixel[1] != 0 || pixel[2] != 0;
}

} // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: velorin-startup-watch X Y COMMAND [ARGUMENT...]\n");
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    xcb_connection_t* connection = xcb_connect(nullptr, nullptr);
    if (xcb_connection_has_error(connection)) {
        std::fprintf(stderr, "velorin-startup-watch: no X server\n");
        return 1;
    }
    const xcb_window_t root = xcb_setup_roots_iterator(xcb_get_setup(connection)).data->root;
    const std::uint32_t events = XCB_EVENT_MASK_SUBSTRUCTURE_NOTIFY;
    xcb_change_window_attributes(connection, root, XCB_CW_EVENT_MASK, &events);
    // A round trip: the server watches the root before the program starts.
    std::free(xcb_get_input_focus_reply(connection, xcb_get_input_focus(connection), nullptr));

    const Clock::time_point start = Clock::now();
    const pid_t child = fork();
    if (child == 0) {
        execvp(argv[3], argv + 3);
        _exit(127);
    }
    double mapped = -1, drawn = -1;
    if (const xcb_window_t window = WaitForMap(connection, child, start)) {
        mapped = SecondsSince(start);
        while (Clock::now() - start < GiveUpAfter) {
            if (PixelDrawn(connection, window, x, y)) {
                drawn = SecondsSince(start);
                break;
            }
            std::this_thread::sleep_for(PollPause);
        }
    }
    if (drawn >= 0)
        std::this_thread::sleep_for(SettleTime);
    kill(child, SIGTERM);
    int status = 0;
    rusage usage {};
    wait4(child, &status, 0, &usage);
    xcb_disconnect(connection);
    if (drawn < 0) {
        std::fprintf(stderr, "velorin-startup-watch: %s %s\n", argv[3],
                     mapped < 0 ? "mapped no window" : "showed no frame");
        return 1;
    }
    std::printf("%.6f %.6f %ld\n", mapped, drawn, usage.ru_maxrss * 1024L);
    return 0;
}
