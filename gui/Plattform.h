// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef PLATTFORM_H
#define PLATTFORM_H

// Qt settles its platform when the application object is made. A picture
// for a file and the informational options (--help, --version, --author,
// --license) need no display: they run on the offscreen platform, whatever
// QT_QPA_PLATFORM, DISPLAY or WAYLAND_DISPLAY say. Without them a platform
// the user has chosen stays, and so does a display named. True when the
// offscreen platform stands in for a display there is none of. An offscreen
// run without XDG_RUNTIME_DIR gets a runtime directory of its own until it
// ends, so that Qt has no cause to warn.
bool Plattform_waehlen(int argc, char **argv);

// Called around the making of the application object. Where the platform
// cannot open its display, or is not there at all, Qt would abort: instead
// the program ends with status 1 and one line on standard error. Qt's other
// messages meanwhile are passed on afterwards.
void Plattformstart_bewachen();
void Plattformstart_beendet();

#endif
