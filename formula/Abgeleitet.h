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

// a^b: the power rule for a constant exponent, else that of exp(b ln a).
Abgeleitet Hoch(const Abgeleitet &a, const Abgeleitet &b, double Wert);

// Inline in every step of the program, whose operator is fixed: each step
// computes its own rule alone. The operands go by reference, as copies of
// them would go through memory.
[[gnu::always_inline]] inline Abgeleitet Anwenden(char Op, const Abgeleitet &a, const Abgeleitet &b)
{
    const double Wert = Anwenden(Op, a.Wert, b.Wert);
    switch (Op) {
    case '+':
        return { Wert, a.Erste + b.Erste, a.Zweite + b.Zweite };
    case '-':
        return { Wert, a.Erste - b.Erste, a.Zweite - b.Zweite };
    case '*':
        return { Wert, a.Erste * b.Wert + a.Wert * b.Erste,
            a.Zweite * b.Wert + 2 * a.Erste * b.Erste + a.Wert * b.Zweite };
    case '^':
        return Hoch(a, b, Wert);
    default: { // "/" and ":": q = a/b, so q' = (a' - q b')/b and q'' = (a'' - 2 q' b' - q b'')/b
        const double Erste = (a.Erste - Wert * b.Erste) / b.Wert;
        return { Wert, Erste, (a.Zweite - 2 * Erste * b.Erste - Wert * b.Zweite) / b.Wert };
    }
    }
}

inline Abgeleitet operator-(const Abgeleitet &a)
{
    return { -a.Wert, -a.Erste, -a.Zweite };
}

inline Abgeleitet operator*(const Abgeleitet &a, double Faktor)
{
    return { a.Wert * Faktor, a.Erste * Faktor, a.Zweite * Faktor };
}

// The chain rule: (g(u))' = g'(u) u', (g(u))'' = g''(u) u'^2 + g'(u) u''.
inline Abgeleitet Funktionswert(int Nr, const Abgeleitet &u)
{
    const Steigung g = Funktionen[Nr].Ableitung(u.Wert);
    return { Funktionswert(Nr, u.Wert), g.Erste * u.Erste, g.Zweite * u.Erste * u.Erste + g.Erste * u.Zweite };
}

#endif
