// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef ABGELEITET_H
#define ABGELEITET_H

#include "Rechenarten.h"

// A value with its first and second derivative with respect to x: the value
// type of the evaluator that the curve discussion runs the program with.
// Every operation computes the value exactly as double does, bit for bit,
// and the derivatives by the rules of differentiation, never from
// differences of values.
struct Abgeleitet {
    double Wert = 0.0;
    double Erste = 0.0;
    double Zweite = 0.0;

    Abgeleitet() = default;
    // A constant: its derivatives are 0.
    Abgeleitet(double Zahl)
        : Wert(Zahl)
    {
    }
    Abgeleitet(double Wert, double Erste, double Zweite)
        : Wert(Wert)
        , Erste(Erste)
        , Zweite(Zweite)
    {
    }
};

Abgeleitet Anwenden(char Op, Abgeleitet Akku, Abgeleitet Zahl);

inline Abgeleitet operator-(Abgeleitet a)
{
    return { -a.Wert, -a.Erste, -a.Zweite };
}

inline Abgeleitet operator*(Abgeleitet a, double Faktor)
{
    return { a.Wert * Faktor, a.Erste * Faktor, a.Zweite * Faktor };
}

// The chain rule: (g(u))' = g'(u) u', (g(u))'' = g''(u) u'^2 + g'(u) u''.
inline Abgeleitet Funktionswert(int Nr, Abgeleitet u)
{
    const Steigung g = Funktionen[Nr].Ableitung(u.Wert);
    return { Funktionswert(Nr, u.Wert), g.Erste * u.Erste, g.Zweite * u.Erste * u.Erste + g.Erste * u.Zweite };
}

#endif
