// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Programm.h"

#include <iterator>

namespace {
// The instruction codes. Each operator form has one code per operator, in
// the order of Operatoren; each function form one code per function.
//
// A step that starts a new value (the first step of every operand) has a
// twin that first pushes Akku: a value that waits for the other operand of
// its operation is pushed right before that operand starts.
enum : unsigned char {
    Ende = 0,
    LadeK, // Akku = c
    LadeX, // Akku = x
    XK, // Akku = x op c
    KX = XK + 5, // Akku = c op x
    XX = KX + 5, // Akku = x op x
    FX = XX + 5, // Akku = f(x)
    Schieben = FX + AnzahlRechenfunktionen - LadeK, // from a starting step to its pushing twin
    AkkuK = LadeK + 2 * Schieben, // Akku = Akku op c
    AkkuX = AkkuK + 5, // Akku = Akku op x
    KAkku = AkkuX + 5, // Akku = c op Akku
    XAkku = KAkku + 5, // Akku = x op Akku
    StapelAkku = XAkku + 5, // Akku = pop op Akku
    FAkku = StapelAkku + 5, // Akku = f(Akku)
    AnzahlCodes = FAkku + AnzahlRechenfunktionen,
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
    Sichern = false;
    erzeugen(Baum, Wurzel);
    anhaengen(Ende);
}

void Programm::anhaengen(unsigned char Code, double Zahl)
{
    if (Sichern) {
        Code = static_cast<unsigned char>(Code + Schieben);
        Sichern = false;
    }
    Schritte[Laenge++] = Schritt { Zahl, Code };
}

// Appends the steps that leave the value of node k in Akku; the first of
// them starts a value. Constant operands never meet: the recording has
// folded them.
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
        Sichern = true;
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
#define KURVANO_START(S)                                                                                               \
    &&LadeK##S, &&LadeX##S, KURVANO_FORM(XK##S), KURVANO_FORM(KX##S), KURVANO_FORM(XX##S), KURVANO_FUNKTIONEN(FX##S)
#define KURVANO_WEITER goto *Ziele[(++s)->Code]
// One label per operator of a form, in the order of Operatoren: Vorher,
// then the operator on L and R.
#define KURVANO_OPERATOREN(Form, Vorher, L, R)                                                                         \
    Form##0 : Vorher;                                                                                                  \
    Akku = Anwenden('+', L, R);                                                                                        \
    KURVANO_WEITER;                                                                                                    \
    Form##1 : Vorher;                                                                                                  \
    Akku = Anwenden('-', L, R);                                                                                        \
    KURVANO_WEITER;                                                                                                    \
    Form##2 : Vorher;                                                                                                  \
    Akku = Anwenden('*', L, R);                                                                                        \
    KURVANO_WEITER;                                                                                                    \
    Form##3 : Vorher;                                                                                                  \
    Akku = Anwenden('/', L, R);                                                                                        \
    KURVANO_WEITER;                                                                                                    \
    Form##4 : Vorher;                                                                                                  \
    Akku = Anwenden('^', L, R);                                                                                        \
    KURVANO_WEITER;
#define KURVANO_FUNKTION(Form, Vorher, i, a)                                                                           \
    Form##i : Vorher;                                                                                                  \
    Akku = Funktionswert(static_cast<Rechenfunktion>(i), a);                                                           \
    KURVANO_WEITER;
#define KURVANO_FUNKTIONSFORM(Form, Vorher, a)                                                                         \
    KURVANO_FUNKTION(Form, Vorher, 0, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 1, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 2, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 3, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 4, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 5, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 6, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 7, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 8, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 9, a)                                                                               \
    KURVANO_FUNKTION(Form, Vorher, 10, a)                                                                              \
    KURVANO_FUNKTION(Form, Vorher, 11, a)
// The steps that start a value; S names the twins, Vorher pushes for them.
#define KURVANO_STARTSCHRITTE(S, Vorher)                                                                               \
    LadeK##S : Vorher;                                                                                                 \
    Akku = s->Zahl;                                                                                                    \
    KURVANO_WEITER;                                                                                                    \
    LadeX##S : Vorher;                                                                                                 \
    Akku = x;                                                                                                          \
    KURVANO_WEITER;                                                                                                    \
    KURVANO_OPERATOREN(XK##S, Vorher, x, s->Zahl)                                                                      \
    KURVANO_OPERATOREN(KX##S, Vorher, s->Zahl, x)                                                                      \
    KURVANO_OPERATOREN(XX##S, Vorher, x, x)                                                                            \
    KURVANO_FUNKTIONSFORM(FX##S, Vorher, x)

double Programm::ausfuehren(double x, double *Stapel) const
{
    static_assert(AnzahlRechenfunktionen == 12, "one label each below");
    static const void *const Ziele[] = {
        &&Ende_,
        KURVANO_START(_),
        KURVANO_START(S),
        KURVANO_FORM(AkkuK),
        KURVANO_FORM(AkkuX),
        KURVANO_FORM(KAkku),
        KURVANO_FORM(XAkku),
        KURVANO_FORM(StapelAkku),
        KURVANO_FUNKTIONEN(FAkku),
    };
    static_assert(std::size(Ziele) == AnzahlCodes, "a label for every code");

    const Schritt *s = Schritte;
    double Akku = 0.0;
    goto *Ziele[s->Code];
Ende_:
    return Akku;
    KURVANO_STARTSCHRITTE(_, (void)0)
    KURVANO_STARTSCHRITTE(S, *Stapel++ = Akku)
    KURVANO_OPERATOREN(AkkuK, (void)0, Akku, s->Zahl)
    KURVANO_OPERATOREN(AkkuX, (void)0, Akku, x)
    KURVANO_OPERATOREN(KAkku, (void)0, s->Zahl, Akku)
    KURVANO_OPERATOREN(XAkku, (void)0, x, Akku)
    KURVANO_OPERATOREN(StapelAkku, (void)0, *--Stapel, Akku)
    KURVANO_FUNKTIONSFORM(FAkku, (void)0, Akku)
}

#pragma GCC diagnostic pop
