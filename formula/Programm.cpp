// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Programm.h"

#include <iterator>

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

// The steps jump from one to the next through a table of labels, so that
// each kind of step has its own jump, which the processor predicts far
// better than the one jump of a switch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"

#define KURVANO_FORM(Form) &&Form##0, &&Form##1, &&Form##2, &&Form##3, &&Form##4
#define KURVANO_FUNKTIONEN(Form)                                                                                       \
    &&Form##0, &&Form##1, &&Form##2, &&Form##3, &&Form##4, &&Form##5, &&Form##6, &&Form##7, &&Form##8, &&Form##9,      \
        &&Form##10, &&Form##11
#define KURVANO_WEITER goto *Ziele[(++s)->Code]
// One label per operator of a form, in the order of Operatoren; L and R
// are the operands.
#define KURVANO_OPERATOREN(Form, L, R)                                                                                 \
    Form##0 : Akku = Anwenden('+', L, R);                                                                              \
    KURVANO_WEITER;                                                                                                    \
    Form##1 : Akku = Anwenden('-', L, R);                                                                              \
    KURVANO_WEITER;                                                                                                    \
    Form##2 : Akku = Anwenden('*', L, R);                                                                              \
    KURVANO_WEITER;                                                                                                    \
    Form##3 : Akku = Anwenden('/', L, R);                                                                              \
    KURVANO_WEITER;                                                                                                    \
    Form##4 : Akku = Anwenden('^', L, R);                                                                              \
    KURVANO_WEITER;
#define KURVANO_FUNKTION(i)                                                                                            \
    FAkku##i : Akku = Funktionswert(static_cast<Rechenfunktion>(i), Akku);                                             \
    KURVANO_WEITER;                                                                                                    \
    FX##i : Akku = Funktionswert(static_cast<Rechenfunktion>(i), x);                                                   \
    KURVANO_WEITER;

double Programm::ausfuehren(double x, double *Stapel) const
{
    static_assert(AnzahlRechenfunktionen == 12, "one label each below");
    static const void *const Ziele[] = {
        &&Ende_,
        &&LadeK_,
        &&LadeX_,
        &&Sichern_,
        KURVANO_FORM(AkkuK),
        KURVANO_FORM(AkkuX),
        KURVANO_FORM(KAkku),
        KURVANO_FORM(XAkku),
        KURVANO_FORM(StapelAkku),
        KURVANO_FORM(XK),
        KURVANO_FORM(KX),
        KURVANO_FORM(XX),
        KURVANO_FUNKTIONEN(FAkku),
        KURVANO_FUNKTIONEN(FX),
    };
    static_assert(std::size(Ziele) == FX + AnzahlRechenfunktionen, "a label for every code");

    const Schritt *s = Schritte;
    double Akku = 0.0;
    goto *Ziele[s->Code];
#define c (s->Zahl)
Ende_:
    return Akku;
LadeK_:
    Akku = c;
    KURVANO_WEITER;
LadeX_:
    Akku = x;
    KURVANO_WEITER;
Sichern_:
    *Stapel++ = Akku;
    KURVANO_WEITER;
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
#undef c
}

#pragma GCC diagnostic pop
