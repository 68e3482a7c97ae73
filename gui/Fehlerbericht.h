// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FEHLERBERICHT_H
#define FEHLERBERICHT_H

#include <QStringList>

class Mathe;

// What the last compile of the interpreter found, for the user to read: one
// entry for each fault, its message in the interpreter's own words, and on
// a line of its own how to write what it did not know, where that is known.
// Empty for a sound formula.
QStringList Fehlerbericht(const Mathe &Interpreter);

#endif
