// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef BEFUND_H
#define BEFUND_H

#include <iosfwd>

// What a compile found in the text, as data: the faults, which refuse the
// formula, and the readings, where a sound formula was read by one of the
// language's fixed rules rather than as written. Positions count characters
// of the normalised text in Formel, which the compile leaves there.

enum class Fehlerart : unsigned char {
    Unbekannt, // a name, or a character, that the language does not have
    Zu_lang, // more parts than the compiled form holds
    Zu_tief, // groups and chains nested deeper than the evaluator goes
};

struct Fehlerangabe {
    Fehlerart Art;
    unsigned char Stelle; // the unknown name: where it starts
    unsigned char Laenge; // and how long it is
};

// Writes the fault's message as standard output shows it, without the line
// break before it and the two blanks after it.
void Meldung_schreiben(std::ostream &Ausgabe, const Fehlerangabe &Fehler, const char *Formel);

enum class Lesart : unsigned char {
    Zwei_Operatoren, // of two operators in a row the second counts: "x**2" is x*2
    Operator_am_Anfang, // an operator at the start takes 0 as its left operand: "*3" is 0
    Operator_am_Ende, // an operator with nothing after it is dropped: "2+" is 2
    Klammer_offen, // a group never closed ends with its part: "(2" is 2
    Klammer_zu_viel, // a ")" with no group to close ends the formula: "2)+3" is 2
    Strich, // a "|" ends the formula: "|x|" is 0
    Ohne_Klammer, // a function without a group takes the rest of its part: "sin2x+1"
    Y, // "y" stands for nothing
    Leerzeichen_in_Zahl, // blanks between digits join them: "1 2" is 12
    Punkt_ohne_Ziffer, // a point or comma ends a number before an operand: "x^2, x^3" is x^2*x^3
};

// The text a reading applies to: from Anfang up to, not including, Ende.
struct Lesehinweis {
    Lesart Art;
    unsigned char Anfang;
    unsigned char Ende;
};

#endif
