// Another X client doing what other programs do to a running saver.
//   hold              grabs the keyboard and the pointer, prints "grabbed", keeps them until
//                     killed
//   probe keyboard|pointer
//                     tries to grab that device: exit 0 when it could, 3 when someone holds it
//   overlay X Y W H   maps a grey override-redirect window (a notification), prints its id,
//                     stays until killed
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <unistd.h>
#include <xcb/xcb.h>

namespace {

bool grabKeyboard(xcb_connection_t* c, xcb_window_t root)
{
    auto* reply = xcb_grab_keyboard_reply(
        c,
        xcb_grab_keyboard(c, 1, root, XCB_CURRENT_TIME, XCB_GRAB_MODE_ASYNC, XCB_GRAB_MODE_ASYNC),
        nullptr);
    const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return grabbed;
}

bool grabPointer(xcb_connection_t* c, xcb_window_t root)
{
    auto* reply = xcb_grab_pointer_reply(c,
                                         xcb_grab_pointer(c, 1, root, 0, XCB_GRAB_MODE_ASYNC,
                                                          XCB_GRAB_MODE_ASYNC, XCB_NONE, XCB_NONE,
                                                          XCB_CURRENT_TIME),
                                         nullptr);
    const bool grabbed = reply && reply->status == XCB_GRAB_STATUS_SUCCESS;
    std::free(reply);
    return grabbed;
}

int grab(xcb_connection_t* c, xcb_window_t root, const char* what)
{
    const bool keep = what == nullptr;
    bool grabbed = true;
    if (keep || std::strcmp(what, "keyboard") == 0)
        grabbed = grabKeyboard(c, root);
    if (grabbed && (keep || std::strcmp(what, "pointer") == 0))
        grabbed = grabPointer(c, root);
    std::printf("%s\n", grabbed ? "grabbed" : "held by another client");
    std::fflush(stdout);
    if (!grabbed)
        return 3;
    if (keep)
        pause();
    return 0;
}

int overlay(xcb_connection_t* c, const xcb_screen_t* screen, char** geometry)
{
    const xcb_window_t window = xcb_generate_id(c);
    const std::uint32_t values[] = {0x808080, 1}; // back pixel, override-redirect
    xcb_create_window(c, XCB_COPY_FROM_PARENT, window, screen->root,
                      std::int16_t(std::atoi(geometry[0])), std::int16_t(std::atoi(geometry[1])),
                      std::uint16_t(std::atoi(geometry[2])), std::uint16_t(std::atoi(geometry[3])),
                      0, XCB_WINDOW_CLASS_INPUT_OUTPUT, screen->root_visual,
                      XCB_CW_BACK_PIXEL | XCB_CW_OVERRIDE_REDIRECT, values);
    const char title[] = "other client overlay";
    xcb_change_property(c, XCB_PROP_MODE_REPLACE, window, XCB_ATOM_WM_NAME, XCB_ATOM_STRING, 8,
                        std::uint32_t(std::strlen(title)), title);
    xcb_map_window(c, window);
    // Mapped for sure once the server has answered a round trip.
    std::free(xcb_get_input_focus_reply(c, xcb_get_input_focus(c), nullptr));
    std::printf("%u\n", window);
    std::fflush(stdout);
    pause();
    return 0;
}

} // namespace

int main(int argc, char** argv)
{
    int screenNumber = 0;
    xcb_connection_t* c = xcb_connect(nullptr, &screenNumber);
    if (xcb_connection_has_error(c)) {
        std::fprintf(stderr, "otherclient: no display\n");
        return 1;
    }
    auto it = xcb_setup_roots_iterator(xcb_get_setup(c));
    for (int i = 0; i < screenNumber; ++i)
        xcb_screen_next(&it);
    const xcb_screen_t* screen = it.data;
    const char* mode = argc > 1 ? argv[1] : "";
    if (std::strcmp(mode, "hold") == 0)
        return grab(c, screen->root, nullptr);
    if (std::strcmp(mode, "probe") == 0 && argc == 3 &&
        (std::strcmp(argv[2], "keyboard") == 0 || std::strcmp(argv[2], "pointer") == 0))
        return grab(c, screen->root, argv[2]);
    if (std::strcmp(mode, "overlay") == 0 && argc == 6)
        return overlay(c, screen, argv + 2);
    std::fprintf(stderr, "usage: otherclient hold | probe keyboard|pointer | overlay X Y W H\n");
    return 2;
}
