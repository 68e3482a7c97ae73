// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef ERKLAERUNGEN_H
#define ERKLAERUNGEN_H

#include <string>
#include <vector>

class Mathe;
struct Lesehinweis;

// What the last compile of m found, told in German (UTF-8) for the window
// and the command line: where a sound formula was read otherwise than it
// most likely means, and how to write what the language does not know.

// The note for a reading, with the text as it was read; empty for a reading
// that most likely is what the text means, such as "2+" or a skipped "y".
std::string Lesart_erklaeren(const Mathe &m, const Lesehinweis &Hinweis);

// The notes on all readings of a sound formula, in the order of the text.
std::vector<std::string> Lesarten_erklaeren(const Mathe &m);

// How to write what fault Nr did not know; empty where there is no advice.
std::string Fehler_erklaeren(const Mathe &m, int Nr);

// The note for a text longer than the formula takes.
extern const char ABGESCHNITTEN[];

#endif
