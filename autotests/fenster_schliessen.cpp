// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Asks an X window to close, as a window manager does when its close button
// is pressed: a WM_DELETE_WINDOW message of the WM_PROTOCOLS kind.
// Usage: fenster_schliessen WINDOW-ID

#include <X11/Xlib.h>

#include <cstdio>
#include <cstdlib>

int main(int argc, char **argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s WINDOW-ID\n", argv[0]);
        return 2;
    }
    Display *Anzeige = XOpenDisplay(nullptr);
    if (!Anzeige) {
        std::fprintf(stderr, "cannot open the display\n");
        return 1;
    }
    XEvent Nachricht = {};
    Nachricht.xclient.type = ClientMessage;
    Nachricht.xclient.window = std::strtoul(argv[1], nullptr, 0);
    Nachricht.xclient.message_type = XInternAtom(Anzeige, "WM_PROTOCOLS", False);
    Nachricht.xclient.format = 32;
    Nachricht.xclient.data.l[0] = long(XInternAtom(Anzeige, "WM_DELETE_WINDOW", False));
    Nachricht.xclient.data.l[1] = CurrentTime;
    const Status Gesendet = XSendEvent(Anzeige, Nachricht.xclient.window, False, NoEventMask, &Nachricht);
    XCloseDisplay(Anzeige);
    return Gesendet ? 0 : 1;
}
