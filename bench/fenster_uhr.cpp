// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Starts a program and waits until its 850 x 700 window shows a colour at a
// point: the first painted frame. Prints the milliseconds from exec to then,
// the window and the process id, and leaves the program running.
// Usage: fenster_uhr X Y RRGGBB PROGRAM [ARGUMENTS...]

#include <X11/Xlib.h>
#include <X11/Xutil.h>

#include <chrono>
#include <cstdio>
#include <cstdlib>

#include <fcntl.h>
#include <unistd.h>

namespace {
// A window that is gone or not yet viewable only makes XGetImage fail.
int still(Display *, XErrorEvent *)
{
    return 0;
}

Window Fenster_abwarten(Display *Anzeige)
{
    for (;;) {
        XEvent Ereignis;
        XNextEvent(Anzeige, &Ereignis);
        if (Ereignis.type == MapNotify) {
            XWindowAttributes Art;
            if (XGetWindowAttributes(Anzeige, Ereignis.xmap.window, &Art) && Art.width == 850 && Art.height == 700) {
                return Ereignis.xmap.window;
            }
        }
    }
}

unsigned long Farbe_bei(Display *Anzeige, Window Fenster, int x, int y)
{
    XImage *Bild = XGetImage(Anzeige, Fenster, x, y, 1, 1, AllPlanes, ZPixmap);
    if (Bild == nullptr) {
        return ~0UL;
    }
    const unsigned long Farbe = XGetPixel(Bild, 0, 0) & 0xFFFFFF;
    XDestroyImage(Bild);
    return Farbe;
}
} // namespace

int main(int argc, char **argv)
{
    if (argc < 5) {
        std::fprintf(stderr, "usage: %s X Y RRGGBB PROGRAM [ARGUMENTS...]\n", argv[0]);
        return 2;
    }
    const int x = std::atoi(argv[1]);
    const int y = std::atoi(argv[2]);
    const unsigned long Soll = std::strtoul(argv[3], nullptr, 16);
    Display *Anzeige = XOpenDisplay(nullptr);
    if (Anzeige == nullptr) {
        std::fprintf(stderr, "no X display\n");
        return 2;
    }
    XSetErrorHandler(still);
    XSelectInput(Anzeige, DefaultRootWindow(Anzeige), SubstructureNotifyMask);
    XSync(Anzeige, False);
    alarm(60); // a program that never paints ends this one too

    const auto Start = std::chrono::steady_clock::now();
    const pid_t Programm = fork();
    if (Programm == 0) {
        // Its output must not hold the pipe of whoever reads ours.
        const int Nichts = open("/dev/null", O_WRONLY);
        dup2(Nichts, STDOUT_FILENO);
        execvp(argv[4], argv + 4);
        _exit(127);
    }
    const Window Fenster = Fenster_abwarten(Anzeige);
    while (Farbe_bei(Anzeige, Fenster, x, y) != Soll) {
        usleep(200);
    }
    const std::chrono::duration<double, std::milli> Dauer = std::chrono::steady_clock::now() - Start;
    std::printf("%.1f %lu %d\n", Dauer.count(), Fenster, static_cast<int>(Programm));
    return 0;
}
