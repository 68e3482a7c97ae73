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
    enum Art : unsigned char { Konstante, Variable, Operation, Negation, Funktion };

    double Zahl = 0.0; // of a constant
    short Links = 0; // the operands of an operation; the operand of a negation or function
    short Rechts = 0;
    Art Sorte = Konstante;
    char Op = 0; // of an operation: "+", "-", "*", "/" or "^"
    unsigned char Nr = 0; // of a function: its row in Funktionen
};

class Aufnahme
{
public:
    // An evaluation consumes each token once and adds at most 6 nodes for
    // it (a function without a group: the 0 its argument starts from, the
    // conversion's constant and product, the call, a sign, and the operation
    // that takes the value), plus the 0 the formula starts from. 254 tokens
    // fit before the end mark. Should a change break the bound, the compile
    // refuses the formula rather than run an incomplete tree.
    static const int Platz = 2048;
    static_assert(Platz >= 6 * 254 + 1, "room for the longest formula");

    void leeren()
    {
        Anzahl = 0;
        Ueberlauf = false;
    }
    // Whether a node found no room: the tree is incomplete.
    bool voll() const
    {
        return Ueberlauf;
    }
    int Konstante(double Zahl);
    int Variable();
    int Operation(char Op, int Links, int Rechts);
    int Negation(int Wert);
    int Funktion(int Nr, int Argument);

    const Knoten &operator[](int i) const
    {
        return Knoten_[i];
    }

private:
    int neu(const Knoten &k);

    Knoten Knoten_[Platz];
    int Anzahl = 0;
    bool Ueberlauf = false;
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

inline Aufgezeichnet operator-(Aufgezeichnet a)
{
    return { a.Baum, a.Baum->Negation(a.Knoten) };
}

inline Aufgezeichnet operator*(Aufgezeichnet a, double Faktor)
{
    return { a.Baum, a.Baum->Operation('*', a.Knoten, a.Baum->Konstante(Faktor)) };
}

inline Aufgezeichnet Funktionswert(int Nr, Aufgezeichnet a)
{
    return { a.Baum, a.Baum->Funktion(Nr, a.Knoten) };
}

#endif
