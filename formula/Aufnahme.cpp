// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Aufnahme.h"

#include <cstdlib>

int Aufnahme::neu(const Knoten &k)
{
    // The walk stays within the bound above; past it the program would be
    // wrong, so stop rather than go on.
    if (Anzahl == Platz) {
        std::abort();
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

int Aufnahme::Funktion(Rechenfunktion Was, int Argument)
{
    if (Knoten_[Argument].Sorte == Knoten::Konstante) {
        return Konstante(Funktionswert(Was, Knoten_[Argument].Zahl));
    }
    Knoten k;
    k.Sorte = Knoten::Funktion;
    k.Was = Was;
    k.Links = static_cast<short>(Argument);
    return neu(k);
}
