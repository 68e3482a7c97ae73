// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef AUFNAHME_H
#define AUFNAHME_H

#include "Rechenarten.h"

// What one evaluation computes, as a tree: the walk runs once with
// Aufgezeichnet in place of double, and every operation adds a node. Where
// all operands are constants the operation runs at once, with the same
// function the walk uses, and its result becomes a constant.
struct Knoten {
    enum Art : unsigned char { Konstante, Variable, Operation, Funktion };

    double Zahl = 0.0; // of a constant
    short Links = 0; // the operands of an operation; Links is a function's argument
    short Rechts = 0;
    Art Sorte = Konstante;
    char Op = 0; // "+", "-", "*", "/" or "^"
    Rechenfunktion Was = Rechenfunktion::Sinus;
};

class Aufnahme
{
public:
    // An evaluation consumes each token at most once and adds at most 7
    // nodes per token (a function without a group: the 0 its argument
    // starts from, a conversion to radians of 2, the call, a sign of 2 and
    // the operation that takes the value), plus the 0 the formula starts
    // from. 254 tokens fit before the end mark.
    static const int Platz = 2048;
    static_assert(Platz >= 7 * 254 + 1, "room for the longest formula");

    void leeren()
    {
        Anzahl = 0;
    }
    int Konstante(double Zahl);
    int Variable();
    int Operation(char Op, int Links, int Rechts);
    int Funktion(Rechenfunktion Was, int Argument);

    const Knoten &operator[](int i) const
    {
        return Knoten_[i];
    }
    int Groesse() const
    {
        return Anzahl;
    }

private:
    int neu(const Knoten &k);

    Knoten Knoten_[Platz];
    int Anzahl = 0;
};

// The value the walk computes with while it is recorded.
struct Aufgezeichnet {
    Aufnahme *Baum = nullptr;
    int Knoten = 0;
};

inline Aufgezeichnet Anwenden(char Op, Aufgezeichnet Akku, Aufgezeichnet Zahl)
{
    return { Akku.Baum, Akku.Baum->Operation(Op, Akku.Knoten, Zahl.Knoten) };
}

inline Aufgezeichnet operator*(double Faktor, Aufgezeichnet a)
{
    return { a.Baum, a.Baum->Operation('*', a.Baum->Konstante(Faktor), a.Knoten) };
}

inline Aufgezeichnet operator*(Aufgezeichnet a, double Faktor)
{
    return { a.Baum, a.Baum->Operation('*', a.Knoten, a.Baum->Konstante(Faktor)) };
}

inline Aufgezeichnet Funktionswert(Rechenfunktion Was, Aufgezeichnet a)
{
    return { a.Baum, a.Baum->Funktion(Was, a.Knoten) };
}

#endif
