// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FEHLERBERICHT_H
#define FEHLERBERICHT_H

#include <QStringList>

class Mathe;

// What the last compile of the interpreter found, for the user to read: one
// entry for each message it kept, in its own words, and on a line of its
// own a hint where a known name ran together with what followed it. Empty
// for a sound formula; Fehleranzahl counts the messages not kept as well.
QStringList Fehlerbericht(const Mathe &Interpreter);

#endif
