// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Programm.h"

namespace {
// The instruction codes. Each operator form has one code per operator, in
// the order of Operatoren; each function form one code per function.
enum : unsigned char {
    Ende = 0,
    LadeK, // Akku = c
    LadeX, // Akku = x
    Sichern, // push Akku
    AkkuK, // Akku = Akku op c
    AkkuX = AkkuK + 5, // Akku = Akku op x
    KAkku = AkkuX + 5, // Akku = c op Akku
    XAkku = KAkku + 5, // Akku = x op Akku
    StapelAkku = XAkku + 5, // Akku = pop op Akku
    XK = StapelAkku + 5, // Akku = x op c
    KX = XK + 5, // Akku = c op x
    XX = KX + 5, // Akku = x op x
    FAkku = XX + 5, // Akku = f(Akku)
    FX = FAkku + AnzahlRechenfunktionen, // Akku = f(x)
};

constexpr char Operatoren[] = { '+', '-', '*', '/', '^' };

unsigned char Operatorcode(unsigned char Form, char Op)
{
    int i = 0;
    while (Operatoren[i] != Op) {
        ++i;
    }
    return static_cast<unsigned char>(Form + i);
}

unsigned char Funktionscode(unsigned char Form, Rechenfunktion Was)
{
    return static_cast<unsigned char>(Form + static_cast<int>(Was));
}

bool Blatt(const Knoten &k)
{
    return k.Sorte == Knoten::Konstante || k.Sorte == Knoten::Variable;
}
} // namespace

void Programm::uebersetzen(const Aufnahme &Baum, int Wurzel)
{
    Laenge = 0;
    erzeugen(Baum, Wurzel);
    anhaengen(Ende);
}

void Programm::anhaengen(unsigned char Code, double Zahl)
{
    Schritte[Laenge++] = Schritt { Zahl, Code };
}

// Appends the steps that leave the value of node k in Akku. Constant
// operands never meet: the recording has folded them.
void Programm::erzeugen(const Aufnahme &Baum, int k)
{
    const Knoten &n = Baum[k];
    switch (n.Sorte) {
    case Knoten::Konstante:
        anhaengen(LadeK, n.Zahl);
        return;
    case Knoten::Variable:
        anhaengen(LadeX);
        return;
    case Knoten::Funktion:
        if (Baum[n.Links].Sorte == Knoten::Variable) {
            anhaengen(Funktionscode(FX, n.Was));
        } else {
            erzeugen(Baum, n.Links);
            anhaengen(Funktionscode(FAkku, n.Was));
        }
        return;
    case Knoten::Operation:
        break;
    }
    const Knoten &Links = Baum[n.Links];
    const Knoten &Rechts = Baum[n.Rechts];
    const bool LinksX = Links.Sorte == Knoten::Variable;
    const bool RechtsX = Rechts.Sorte == Knoten::Variable;
    if (Blatt(Links) && Blatt(Rechts)) {
        anhaengen(Operatorcode(LinksX ? (RechtsX ? XX : XK) : KX, n.Op), LinksX ? Rechts.Zahl : Links.Zahl);
    } else if (Blatt(Rechts)) {
        erzeugen(Baum, n.Links);
        anhaengen(Operatorcode(RechtsX ? AkkuX : AkkuK, n.Op), Rechts.Zahl);
    } else if (Blatt(Links)) {
        erzeugen(Baum, n.Rechts);
        anhaengen(Operatorcode(LinksX ? XAkku : KAkku, n.Op), Links.Zahl);
    } else {
        erzeugen(Baum, n.Links);
        anhaengen(Sichern);
        erzeugen(Baum, n.Rechts);
        anhaengen(Operatorcode(StapelAkku, n.Op));
    }
}

// One case per operator of a form; L and R are the operands.
#define KURVANO_OPERATOREN(Form, L, R)                                                                                 \
    case Form:                                                                                                         \
        Akku = Anwenden('+', L, R);                                                                                    \
        break;                                                                                                         \
    case Form + 1:                                                                                                     \
        Akku = Anwenden('-', L, R);                                                                                    \
        break;                                                                                                         \
    case Form + 2:                                                                                                     \
        Akku = Anwenden('*', L, R);                                                                                    \
        break;                                                                                                         \
    case Form + 3:                                                                                                     \
        Akku = Anwenden('/', L, R);                                                                                    \
        break;                                                                                                         \
    case Form + 4:                                                                                                     \
        Akku = Anwenden('^', L, R);                                                                                    \
        break;

#define KURVANO_FUNKTION(i)                                                                                            \
    case FAkku + i:                                                                                                    \
        Akku = Funktionswert(static_cast<Rechenfunktion>(i), Akku);                                                    \
        break;                                                                                                         \
    case FX + i:                                                                                                       \
        Akku = Funktionswert(static_cast<Rechenfunktion>(i), x);                                                       \
        break;

double Programm::ausfuehren(double x, double *Stapel) const
{
    double Akku = 0.0;
    for (const Schritt *s = Schritte;; ++s) {
        const double c = s->Zahl;
        switch (s->Code) {
        case Ende:
            return Akku;
        case LadeK:
            Akku = c;
            break;
        case LadeX:
            Akku = x;
            break;
        case Sichern:
            *Stapel++ = Akku;
            break;
            KURVANO_OPERATOREN(AkkuK, Akku, c)
            KURVANO_OPERATOREN(AkkuX, Akku, x)
            KURVANO_OPERATOREN(KAkku, c, Akku)
            KURVANO_OPERATOREN(XAkku, x, Akku)
            KURVANO_OPERATOREN(StapelAkku, *--Stapel, Akku)
            KURVANO_OPERATOREN(XK, x, c)
            KURVANO_OPERATOREN(KX, c, x)
            KURVANO_OPERATOREN(XX, x, x)
            KURVANO_FUNKTION(0)
            KURVANO_FUNKTION(1)
            KURVANO_FUNKTION(2)
            KURVANO_FUNKTION(3)
            KURVANO_FUNKTION(4)
            KURVANO_FUNKTION(5)
            KURVANO_FUNKTION(6)
            KURVANO_FUNKTION(7)
            KURVANO_FUNKTION(8)
            KURVANO_FUNKTION(9)
            KURVANO_FUNKTION(10)
            KURVANO_FUNKTION(11)
        default:
            break;
        }
    }
}
