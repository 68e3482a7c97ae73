// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Programm.h"

#include "Abgeleitet.h"

#include <charconv>
#include <iterator>

// The instructions, one table of forms: where an instruction takes its
// operands from. X is x, K the step's constant, Akku the accumulator, and
// Stapel the value pushed last, which the step takes off the stack. Each
// form of two operands comes once for every operator, each form of one
// operand loads it, negates it, or applies the step's function to it.
//
// The first step of every operand starts a new value. Each starting form has
// a twin (its name ends in _S) that first pushes Akku: a value that waits
// for the other operand of its operation is pushed right before that
// operand starts.
//
// From the table come the instruction codes, what the listing shows of
// each, and the jump targets that run them.

// Forms of one operand that start a value: form, what it does, operand.
#define KURVANO_STARTFORMEN1(F, T)                                                                                     \
    F(LadeK, Lade, K, T)                                                                                               \
    F(LadeX, Lade, X, T)                                                                                               \
    F(NegX, Neg, X, T)
// Forms of two operands that start a value: form, left, right operand.
#define KURVANO_STARTFORMEN2(F, T)                                                                                     \
    F(XK, X, K, T)                                                                                                     \
    F(KX, K, X, T)                                                                                                     \
    F(XX, X, X, T)
// Forms that go on from the value in Akku.
#define KURVANO_FOLGEFORMEN1(F, T) F(NegAkku, Neg, Akku, T)
#define KURVANO_FOLGEFORMEN2(F, T)                                                                                     \
    F(AkkuK, Akku, K, T)                                                                                               \
    F(AkkuX, Akku, X, T)                                                                                               \
    F(KAkku, K, Akku, T)                                                                                               \
    F(XAkku, X, Akku, T)                                                                                               \
    F(StapelAkku, Stapel, Akku, T)
// The operators of every form of two operands, in this order.
#define KURVANO_OPERATOREN(F, Form, L, R, T)                                                                           \
    F(Form, L, R, T, Plus, '+')                                                                                        \
    F(Form, L, R, T, Minus, '-')                                                                                       \
    F(Form, L, R, T, Mal, '*')                                                                                         \
    F(Form, L, R, T, Durch, '/')                                                                                       \
    F(Form, L, R, T, Hoch, '^')
// A function of x (FX) or of Akku (FAkku) has a code for each row of
// Funktionen, so that each step calls its function directly.
// clang-format off
#define KURVANO_ZEILEN(F, Form, A, T) \
    F(Form, A, T, 0)  F(Form, A, T, 1)  F(Form, A, T, 2)  F(Form, A, T, 3)  F(Form, A, T, 4)  F(Form, A, T, 5)  \
    F(Form, A, T, 6)  F(Form, A, T, 7)  F(Form, A, T, 8)  F(Form, A, T, 9)  F(Form, A, T, 10) F(Form, A, T, 11) \
    F(Form, A, T, 12) F(Form, A, T, 13) F(Form, A, T, 14) F(Form, A, T, 15) F(Form, A, T, 16) F(Form, A, T, 17) \
    F(Form, A, T, 18) F(Form, A, T, 19) F(Form, A, T, 20) F(Form, A, T, 21) F(Form, A, T, 22) F(Form, A, T, 23)
// clang-format on
const int FUNKTIONSCODES = 24;

// Every instruction in the order of its code: an action A1 for a form of
// one operand, A2 for each operator of a form of two, AF for each row of a
// function's form.
#define KURVANO_ANWEISUNGEN(A1, A2, AF)                                                                                \
    KURVANO_STARTFORMEN1(A1, )                                                                                         \
    KURVANO_STARTFORMEN2(A2, )                                                                                         \
    KURVANO_ZEILEN(AF, FX, X, )                                                                                        \
    KURVANO_STARTFORMEN1(A1, _S)                                                                                       \
    KURVANO_STARTFORMEN2(A2, _S)                                                                                       \
    KURVANO_ZEILEN(AF, FX, X, _S)                                                                                      \
    KURVANO_FOLGEFORMEN1(A1, )                                                                                         \
    KURVANO_FOLGEFORMEN2(A2, )                                                                                         \
    KURVANO_ZEILEN(AF, FAkku, Akku, )

namespace {
#define KURVANO_CODE1(Form, Art, A, T) Form##T,
#define KURVANO_CODE(Form, L, R, T, Name, Zeichen) Form##Name##T,
#define KURVANO_CODES2(Form, L, R, T) KURVANO_OPERATOREN(KURVANO_CODE, Form, L, R, T)
#define KURVANO_CODEF(Form, A, T, Nr) Form##Nr##T,
enum Code : unsigned char { Ende, KURVANO_ANWEISUNGEN(KURVANO_CODE1, KURVANO_CODES2, KURVANO_CODEF) AnzahlCodes };
static_assert(AnzahlFunktionen <= FUNKTIONSCODES, "a code for every row of Funktionen");

// From a starting step to its pushing twin.
const int Schieben = LadeK_S - LadeK;
static_assert(XXHoch_S - XXHoch == Schieben && FX23_S - FX23 == Schieben, "every starting form has its twin");

enum class Quelle : unsigned char { X, K, Akku, Stapel };

// What the listing shows of an instruction. Was is the operator, or what a
// form of one operand does: "L" loads, "N" negates, "f" applies a function.
struct Anweisung {
    Quelle Links;
    Quelle Rechts;
    char Was;
    bool Schiebt;
};

#define KURVANO_WAS_Lade 'L'
#define KURVANO_WAS_Neg 'N'
#define KURVANO_SCHIEBT false
#define KURVANO_SCHIEBT_S true
#define KURVANO_ANWEISUNG1(Form, Art, A, T) { Quelle::A, Quelle::A, KURVANO_WAS_##Art, KURVANO_SCHIEBT##T },
#define KURVANO_ANWEISUNG(Form, L, R, T, Name, Zeichen) { Quelle::L, Quelle::R, Zeichen, KURVANO_SCHIEBT##T },
#define KURVANO_ANWEISUNGEN2(Form, L, R, T) KURVANO_OPERATOREN(KURVANO_ANWEISUNG, Form, L, R, T)
#define KURVANO_ANWEISUNGF(Form, A, T, Nr) { Quelle::A, Quelle::A, 'f', KURVANO_SCHIEBT##T },
const Anweisung Anweisungen[] = { { Quelle::Akku, Quelle::Akku, 0, false }, // Ende
    KURVANO_ANWEISUNGEN(KURVANO_ANWEISUNG1, KURVANO_ANWEISUNGEN2, KURVANO_ANWEISUNGF) };
static_assert(std::size(Anweisungen) == AnzahlCodes, "one row for every code");

const char Operatoren[] = "+-*/^";

// The code of a form of two operands for the operator Op.
int Operatorcode(int Form, char Op)
{
    int i = 0;
    while (Operatoren[i] != Op) {
        ++i;
    }
    return Form + i;
}

bool Blatt(const Knoten &k)
{
    return k.Sorte == Knoten::Konstante || k.Sorte == Knoten::Variable;
}

std::string Quelltext(Quelle q, double Zahl)
{
    switch (q) {
    case Quelle::X:
        return "x";
    case Quelle::K: {
        char Text[32];
        return std::string(Text, std::to_chars(Text, Text + sizeof Text, Zahl).ptr);
    }
    case Quelle::Akku:
        return "Akku";
    case Quelle::Stapel:
        break;
    }
    return "Stapel";
}

// A function step computes its row's function of an argument in radians;
// where the row works in degrees, the conversion is a step of its own, and
// the step shows the name without its "d": "sind" computes sin.
std::string Funktionsname(int Nr)
{
    const Funktion &f = Funktionen[Nr];
    const bool Grad = f.Argument == Winkel::Gradmass || f.Ergebnis == Winkel::Gradmass;
    return std::string(f.Name.substr(0, f.Name.size() - (Grad ? 1 : 0)));
}

std::string Zeile(const Schritt &s)
{
    const Anweisung &a = Anweisungen[s.Code];
    if (s.Code == Ende) {
        return "Ende";
    }
    std::string Text = a.Schiebt ? "Stapel <- Akku; Akku = " : "Akku = ";
    const std::string Links = Quelltext(a.Links, s.Zahl);
    switch (a.Was) {
    case 'L':
        return Text + Links;
    case 'N':
        return Text + "-" + Links;
    case 'f':
        return Text + Funktionsname(s.Nr) + "(" + Links + ")";
    default:
        return Text + Links + " " + a.Was + " " + Quelltext(a.Rechts, s.Zahl);
    }
}
} // namespace

void Programm::uebersetzen(const Aufnahme &Baum, int Wurzel)
{
    Laenge = 0;
    Sichern = false;
    erzeugen(Baum, Wurzel);
    anhaengen(Ende);
}

void Programm::anhaengen(int Code, double Zahl, int Nr)
{
    if (Sichern) {
        Code += Schieben;
        Sichern = false;
    }
    Schritte[Laenge++] = Schritt { Zahl, static_cast<unsigned char>(Code), static_cast<unsigned char>(Nr) };
}

// Appends the steps that leave the value of node k in Akku; the first of
// them starts a value. Constant operands never meet: the recording has
// folded them.
void Programm::erzeugen(const Aufnahme &Baum, int k)
{
    const Knoten &n = Baum[k];
    const Knoten &Links = Baum[n.Links];
    const Knoten &Rechts = Baum[n.Rechts];
    const bool LinksX = Links.Sorte == Knoten::Variable;
    const bool RechtsX = Rechts.Sorte == Knoten::Variable;
    switch (n.Sorte) {
    case Knoten::Konstante:
        anhaengen(LadeK, n.Zahl);
        return;
    case Knoten::Variable:
        anhaengen(LadeX);
        return;
    case Knoten::Negation:
    case Knoten::Funktion: {
        const bool Negation = n.Sorte == Knoten::Negation;
        if (!LinksX) {
            erzeugen(Baum, n.Links);
        }
        anhaengen(Negation ? (LinksX ? NegX : NegAkku) : (LinksX ? FX0 : FAkku0) + n.Nr, 0.0, n.Nr);
        return;
    }
    case Knoten::Operation:
        break;
    }
    if (Blatt(Links) && Blatt(Rechts)) {
        anhaengen(Operatorcode(LinksX ? (RechtsX ? XXPlus : XKPlus) : KXPlus, n.Op), LinksX ? Rechts.Zahl : Links.Zahl);
    } else if (Blatt(Rechts)) {
        erzeugen(Baum, n.Links);
        anhaengen(Operatorcode(RechtsX ? AkkuXPlus : AkkuKPlus, n.Op), Rechts.Zahl);
    } else if (Blatt(Links)) {
        erzeugen(Baum, n.Rechts);
        anhaengen(Operatorcode(LinksX ? XAkkuPlus : KAkkuPlus, n.Op), Links.Zahl);
    } else {
        erzeugen(Baum, n.Links);
        Sichern = true;
        erzeugen(Baum, n.Rechts);
        anhaengen(Operatorcode(StapelAkkuPlus, n.Op));
    }
}

std::string Programm::Auflistung() const
{
    std::string Text;
    for (const Schritt *s = Schritte;; ++s) {
        Text += Zeile(*s);
        if (s->Code == Ende) {
            return Text;
        }
        Text += '\n';
    }
}

// The steps jump from one to the next through a table of labels, so that
// each kind of step has its own jump, which the processor predicts far
// better than the one jump of a switch.
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wpedantic"

#define KURVANO_ZIEL1(Form, Art, A, T) &&Form##T,
#define KURVANO_ZIEL(Form, L, R, T, Name, Zeichen) &&Form##Name##T,
#define KURVANO_ZIELE2(Form, L, R, T) KURVANO_OPERATOREN(KURVANO_ZIEL, Form, L, R, T)
#define KURVANO_ZIELF(Form, A, T, Nr) &&Form##Nr##T,

// The operands and actions as the steps compute them.
#define KURVANO_X X
#define KURVANO_K s->Zahl
#define KURVANO_Akku Akku
#define KURVANO_Stapel (*--Stapel)
#define KURVANO_Lade(a) (a)
#define KURVANO_Neg(a) (-(a))
#define KURVANO_SICHERN
#define KURVANO_SICHERN_S *Stapel++ = Akku;
#define KURVANO_WEITER goto *Ziele[(++s)->Code]
#define KURVANO_SCHRITT1(Form, Art, A, T)                                                                              \
    Form##T : KURVANO_SICHERN##T Akku = KURVANO_##Art(KURVANO_##A);                                                    \
    KURVANO_WEITER;
#define KURVANO_SCHRITT(Form, L, R, T, Name, Zeichen)                                                                  \
    Form##Name##T : KURVANO_SICHERN##T Akku = Anwenden(Zeichen, KURVANO_##L, KURVANO_##R);                             \
    KURVANO_WEITER;
#define KURVANO_SCHRITTE2(Form, L, R, T) KURVANO_OPERATOREN(KURVANO_SCHRITT, Form, L, R, T)
// Codes past the last row are never written.
#define KURVANO_SCHRITTF(Form, A, T, Nr)                                                                               \
    Form##Nr##T : KURVANO_SICHERN##T Akku = Funktionswert(Nr < AnzahlFunktionen ? Nr : 0, KURVANO_##A);                \
    KURVANO_WEITER;

namespace {
// x as a value of type W; for the derivatives, x with the slope 1.
template<class W> W Variable(double x)
{
    return W(x, 1.0, 0.0);
}

template<> double Variable<double>(double x)
{
    return x;
}

// What the program returns: Akku, where a value that is not a number is
// the one quiet NaN. A copy: returned itself, Akku would live in the
// caller's memory, and a value of several numbers would go there and back
// at every step.
double Ergebnis(double Akku)
{
    return Endwert(Akku);
}

Abgeleitet Ergebnis(const Abgeleitet &Akku)
{
    return { Endwert(Akku.Wert), Akku.Erste, Akku.Zweite };
}
} // namespace

template<class W> W Programm::ausfuehren(double x, W *Stapel) const
{
    static const void *const Ziele[] = { &&Ende, KURVANO_ANWEISUNGEN(KURVANO_ZIEL1, KURVANO_ZIELE2, KURVANO_ZIELF) };
    static_assert(std::size(Ziele) == AnzahlCodes, "a label for every code");

    const Schritt *s = Schritte;
    const W X = Variable<W>(x);
    W Akku = 0.0;
    goto *Ziele[s->Code];
Ende:
    return Ergebnis(Akku);
    KURVANO_ANWEISUNGEN(KURVANO_SCHRITT1, KURVANO_SCHRITTE2, KURVANO_SCHRITTF)
}

#pragma GCC diagnostic pop

template double Programm::ausfuehren(double x, double *Stapel) const;
template Abgeleitet Programm::ausfuehren(double x, Abgeleitet *Stapel) const;
