// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Aufnahme.h"

int Aufnahme::neu(const Knoten &k)
{
    // Without room the tree is incomplete, and the compile refuses the
    // formula; until then every node is the first one, a leaf.
    if (Anzahl == Platz) {
        Ueberlauf = true;
        return 0;
    }
    Knoten_[Anzahl] = k;
    return Anzahl++;
}

int Aufnahme::Konstante(double Zahl)
{
    Knoten k;
    k.Zahl = Zahl;
    return neu(k);
}

int Aufnahme::Variable()
{
    Knoten k;
    k.Sorte = Knoten::Variable;
    return neu(k);
}

int Aufnahme::Operation(char Op, int Links, int Rechts)
{
    if (Knoten_[Links].Sorte == Knoten::Konstante && Knoten_[Rechts].Sorte == Knoten::Konstante) {
        return Konstante(Anwenden(Op, Knoten_[Links].Zahl, Knoten_[Rechts].Zahl));
    }
    Knoten k;
    k.Sorte = Knoten::Operation;
    k.Op = Op == ':' ? '/' : Op;
    k.Links = static_cast<short>(Links);
    k.Rechts = static_cast<short>(Rechts);
    return neu(k);
}

int Aufnahme::Negation(int Wert)
{
    if (Knoten_[Wert].Sorte == Knoten::Konstante) {
        return Konstante(-Knoten_[Wert].Zahl);
    }
    Knoten k;
    k.Sorte = Knoten::Negation;
    k.Links = static_cast<short>(Wert);
    return neu(k);
}

int Aufnahme::Funktion(int Nr, int Argument)
{
    if (Knoten_[Argument].Sorte == Knoten::Konstante) {
        return Konstante(Funktionswert(Nr, Knoten_[Argument].Zahl));
    }
    Knoten k;
    k.Sorte = Knoten::Funktion;
    k.Nr = static_cast<unsigned char>(Nr);
    k.Links = static_cast<short>(Argument);
    return neu(k);
}
