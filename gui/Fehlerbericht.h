// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FEHLERBERICHT_H
#define FEHLERBERICHT_H

#include <QString>

class Mathe;

// What the last compile of the interpreter found, for the user to read: the
// messages in their own words, a hint where a known name ran together with
// what followed it, and how many more there were. Empty for a sound formula.
QString Fehlerbericht(const Mathe &Interpreter);

#endif
