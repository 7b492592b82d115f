/* Asks an X window to close the way a window manager's close button does:
 * a WM_DELETE_WINDOW message, which SDL turns into SDL_QUIT. xdotool's
 * windowclose destroys the window instead, which is not what a user does. */
#include <X11/Xlib.h>

#include <stdio.h>
#include <stdlib.h>

int main(int argc, char** argv)
{
    if (argc != 2)
    {
        fprintf(stderr, "usage: %s WINDOW_ID\n", argv[0]);
        return 2;
    }
    char* end = NULL;
    const unsigned long window = strtoul(argv[1], &end, 0);
    if (!end || *end != '\0' || window == 0)
    {
        fprintf(stderr, "%s: not a window id: %s\n", argv[0], argv[1]);
        return 2;
    }
    Display* display = XOpenDisplay(NULL);
    if (!display)
    {
        fprintf(stderr, "%s: cannot open the X display\n", argv[0]);
        return 1;
    }
    XEvent event = {0};
    event.xclient.type = ClientMessage;
    event.xclient.window = (Window)window;
    event.xclient.message_type = XInternAtom(display, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = (long)XInternAtom(display, "WM_DELETE_WINDOW", False);
    event.xclient.data.l[1] = CurrentTime;
    const Status sent = XSendEvent(display, (Window)window, False, NoEventMask, &event);
    XSync(display, False);
    XCloseDisplay(display);
    if (!sent)
    {
        fprintf(stderr, "%s: the close request could not be sent to %s\n", argv[0], argv[1]);
        return 1;
    }
    return 0;
}
