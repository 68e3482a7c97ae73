// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef KURVENSATZ_H
#define KURVENSATZ_H

#include "Kurvendiskussion.h"

#include <string>
#include <string_view>
#include <vector>

class Mathe;

// What the compile and the discussion of one formula of the entry found.
struct Formelbefund {
    std::string Formel; // as the interpreter reads it: Latin-1
    std::vector<std::string> Fehler; // each fault's message (Latin-1) as standard output shows it
    std::vector<std::string> Rat; // for each fault, how to write it (UTF-8), or nothing
    std::vector<std::string> Hinweise; // where a sound formula was read by a rule (UTF-8)
    Diskussion Punkte; // of a sound formula
};

// Where two curves meet: the zeros of their difference, y on the curves.
struct Schnitt {
    int Erste;
    int Zweite;
    Diskussion Punkte;
};

// The formulas of the entry's text (Latin-1, at most 255 characters) in a
// view, in the order written, and the intersections of every pair of sound
// ones, ordered by pair.
struct Kurvensatz {
    std::vector<Formelbefund> Formeln;
    std::vector<Schnitt> Schnitte;
    bool Zu_viele = false; // the entry holds more formulas than are drawn
};

// Compiles each formula in m, which then holds the last one, and discusses
// the sound ones over the view, in its mode. A compile writes its messages
// on standard output unless m is silent; the discussion itself writes
// nothing.
Kurvensatz Kurven_diskutieren(Mathe &m, std::string_view Eingabe, const Ansicht &A);

// Only what the compiles find: the formulas, their faults and readings, no
// points. Quick enough to follow every paint.
Kurvensatz Formeln_befinden(Mathe &m, std::string_view Eingabe);

// Compiles formula Nr of the set in m again.
void Formel_einsetzen(Mathe &m, const Kurvensatz &Satz, int Nr);

#endif
