// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef RECHENARTEN_H
#define RECHENARTEN_H

#include "Funktionen.h"

#include <cmath>
#include <limits>

// The arithmetic of the language, in one place: the walk, the folding of
// constants while a program is recorded, and the program itself all compute
// with these functions, so that they give the same bits. A sign negates with
// the unary minus, which turns the sign bit of every value, NaN included.

inline double Anwenden(char Op, double Akku, double Zahl)
{
    switch (Op) {
    case '+':
        return Akku + Zahl;
    case '-':
        return Akku - Zahl;
    case '*':
        return Akku * Zahl;
    case '^':
        return std::pow(Akku, Zahl);
    default: // "/" and ":"
        return Akku / Zahl;
    }
}

// Where both operands of an operation are NaN, the processor passes on one
// of them, and which one follows the compiler's choice of registers, not the
// formula. So an evaluation that ends without a number ends with the one
// quiet NaN, whatever sign and payload it met on the way. Out of line, the
// rare case costs the others a jump not taken rather than a selection that
// every value would wait for.
[[gnu::cold, gnu::noinline]] inline double Kein_Wert()
{
    return std::numeric_limits<double>::quiet_NaN();
}

inline double Endwert(double Wert)
{
    return Wert == Wert ? Wert : Kein_Wert();
}

// The function of row Nr in Funktionen, of an argument already in radians.
inline double Funktionswert(int Nr, double a)
{
    return Funktionen[Nr].Wert(a);
}

#endif
