// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef RECHENARTEN_H
#define RECHENARTEN_H

#include <cmath>

// The arithmetic of the language, in one place: the walk, the folding of
// constants while a program is recorded, and the program itself all compute
// with these functions, so that they give the same bits.

// What the built-in functions compute once their argument is in radians.
enum class Rechenfunktion : unsigned char {
    Sinus,
    Kosinus,
    Tangens,
    Arkussinus,
    Arkuskosinus,
    Arkustangens,
    Ln,
    Log,
    ZehnHoch,
    Exp,
    Wurzel,
    Betrag,
};
const int AnzahlRechenfunktionen = 12;

inline double Funktionswert(Rechenfunktion f, double a)
{
    switch (f) {
    case Rechenfunktion::Sinus:
        return std::sin(a);
    case Rechenfunktion::Kosinus:
        return std::cos(a);
    case Rechenfunktion::Tangens:
        return std::tan(a);
    case Rechenfunktion::Arkussinus:
        return std::asin(a);
    case Rechenfunktion::Arkuskosinus:
        return std::acos(a);
    case Rechenfunktion::Arkustangens:
        return std::atan(a);
    case Rechenfunktion::Ln:
        return std::log(a);
    case Rechenfunktion::Log:
        return std::log10(a);
    case Rechenfunktion::ZehnHoch:
        return std::pow(10.0, a);
    case Rechenfunktion::Exp:
        return std::exp(a);
    case Rechenfunktion::Wurzel:
        return std::sqrt(a);
    case Rechenfunktion::Betrag:
        break;
    }
    return std::fabs(a);
}

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

#endif
