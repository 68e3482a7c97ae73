// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The evaluator's walk over the token string. Over double it evaluates a
// formula; over Aufgezeichnet it records the program that evaluates it.
//
// The language as the walk reads it:
//
//   formula  = sum                                  a ")" with no group to close ends it
//   sum      = term {("+" | "-") term}
//   term     = signed {("*" | "/" | ":") signed | power}   side by side: a product
//   signed   = {"+" | "-"} power                    the signs negate the power chain
//   power    = operand {"^" {"+" | "-"} operand}    from the left; a sign after "^"
//                                                   negates the operand alone
//   operand  = number | "x" | "pi" | group | function (group | sum)
//   group    = "(" sum ")" | "(-" number ")" | "(-x)"
//
// Every level applies its operators from the left as they come (Rechnen):
// the formula, a group and a function's argument are the level of a sum; an
// operand followed by an operator that binds more tightly opens a chain one
// level deeper, which reads the rest of its term or of its power
// (Operand_nach). Wertigkeit holds the kind of the level at each depth, and
// the kind says which tokens end it (Endet). A sign negates with the unary
// minus.
//
// Slips are read by fixed rules, not refused (Operatoren, Klammer,
// Funktionsaufruf, Durchlauf): of two operators in a row the second counts
// unless it is a sign ("2+*3" is 6); an operator at the start of a level
// takes 0 as its left operand ("*3" is 0); an operator with nothing after it
// is dropped ("2+" is 2); a group never closed ends with its part ("(2" is
// 2); a ")" with no group to close ends the formula ("2)+3" is 2); a
// function without a group takes the rest of the group, the argument or the
// formula it stands in ("sin2x+1" is sin(2x+1), "(2+sin3)*2" is
// (2+sin 3)*2); "y" is skipped; the empty formula is 0.

#include "Formel_I.h"

#include <iterator>

namespace {
bool istStrich(char c)
{
    return c == '+' || c == '-';
}

bool istPunkt(char c)
{
    return c == '*' || c == '/' || c == ':';
}

bool istOperandAnfang(char c)
{
    return c == ZAHL || c == 'x' || c == '(' || istFunktion(c);
}

// Whether the token c ends a level of the kind Art. Every level ends before
// ")" and the end. A product chain ends before "+" and "-" once it holds a
// complete value; while an operator waits for its operand they are signs.
// A power chain ends before "*", "/" and ":", and once complete also before
// "+", "-" and an operand, which would multiply.
bool Endet(int Art, char c, bool Wartet)
{
    if (c == ')' || c == ENDE) {
        return true;
    }
    switch (Art) {
    case PUNKT_R:
        return !Wartet && istStrich(c);
    case POTENZ_R:
        return istPunkt(c) || (!Wartet && (istStrich(c) || istOperandAnfang(c)));
    default:
        return false;
    }
}
} // namespace

// What joins the next operand to its level: the operator before it, and the
// signs after that operator.
struct Mathe::Verknuepfung {
    char Op = 0; // 0 before the first operand of a level
    bool Vorzeichen = false; // a sign stands before the operand
    bool Minus = false; // and the signs negate
    bool Operand = false; // an operand follows; else the level ends here
};

// Where the walk reads a number or x: the value itself when it evaluates,
// a leaf of the tree when it records.
template<> double Mathe::Konstante<double>(double Zahl)
{
    return Zahl;
}

template<> double Mathe::Variable<double>()
{
    return x;
}

template<> Aufgezeichnet Mathe::Konstante<Aufgezeichnet>(double Zahl)
{
    return { &Baum, Baum.Konstante(Zahl) };
}

template<> Aufgezeichnet Mathe::Variable<Aufgezeichnet>()
{
    return { &Baum, Baum.Variable() };
}

char Mathe::Naechstes() const
{
    return Befehle[PC + 1];
}

template<class W> W Mathe::Durchlauf()
{
    PC = 0;
    NrRekursiv = 0;
    Wertigkeit[0] = Klammer_R; // the formula is the level of a sum, as a group is
    const W Wert = Rechnen(Konstante<W>(0.0));
    if (Naechstes() == ')') {
        Hinweis_bei_Token(Lesart::Klammer_zu_viel, PC + 1, Anzahl_FTeile - 1);
    }
    return Wert;
}

// Opens a level one deeper, for a group, a function's argument or a chain:
// the one place where the depth changes.
template<class W> W Mathe::Ebene(int Art, W Akku)
{
    if (!Platz_fuer_Ebene()) {
        // Out of the table: end this evaluation at once. Only the recording
        // of the compile gets here; it refuses the formula.
        Verschachtelung_zu_tief = true;
        PC = Anzahl_FTeile - 1;
        return Akku;
    }
    Wertigkeit[++NrRekursiv] = Art;
    const W Wert = Rechnen(Akku);
    --NrRekursiv;
    return Wert;
}

bool Mathe::Platz_fuer_Ebene() const
{
    return NrRekursiv + 1 < static_cast<int>(std::size(Wertigkeit));
}

// One level, of the kind Wertigkeit records for its depth: its operands,
// each applied to Akku with the operator before it, from the left, until a
// token ends the level. The level of a sum starts before its first operand,
// a chain with it in Akku.
template<class W> W Mathe::Rechnen(W Akku)
{
    Verknuepfung v = Operatoren(Wertigkeit[NrRekursiv] == Klammer_R);
    if (v.Operand && v.Op == 0) {
        Akku = Operand_nach<W>(v);
        v = Operatoren(false);
    }
    while (v.Operand) {
        Akku = Anwenden(v.Op, Akku, Operand_nach<W>(v));
        v = Operatoren(false);
    }
    return Akku;
}

// The operators up to the next operand. Of several in a row the last counts,
// except that "+" and "-" after an operator, or at the start of a level, are
// signs; where no operator stands between two operands, they multiply. "y"
// is skipped.
Mathe::Verknuepfung Mathe::Operatoren(bool Anfang)
{
    const int Art = Wertigkeit[NrRekursiv];
    Verknuepfung v;
    int Erster = 0; // the first operator or sign of the run
    int Ersetzt = 0; // the last operator that replaced another
    for (;;) {
        const char c = Naechstes();
        if (c == 'y') {
            Hinweis_bei_Token(Lesart::Y, PC + 1, PC + 1);
            ++PC;
            continue;
        }
        const bool Wartet = Anfang || v.Op != 0;
        if (Endet(Art, c, Wartet)) {
            if (Erster != 0) {
                // At ")" and at the end the run is dropped; a power chain
                // leaves "^*" to its level, where the "*" counts.
                const bool Abschluss = c == ')' || c == ENDE;
                Hinweis_bei_Token(
                    Abschluss ? Lesart::Operator_am_Ende : Lesart::Zwei_Operatoren, Erster, Abschluss ? PC : PC + 1);
            }
            return {};
        }
        if (istOperandAnfang(c)) {
            if (Ersetzt != 0) {
                Hinweis_bei_Token(Lesart::Zwei_Operatoren, Erster, Ersetzt);
            }
            v.Op = Wartet ? v.Op : '*';
            v.Operand = true;
            return v;
        }
        ++PC;
        Erster = Erster != 0 ? Erster : PC;
        if (istStrich(c) && Wartet) {
            v.Minus ^= c == '-';
            v.Vorzeichen = true;
            continue;
        }
        if (v.Op != 0) {
            Ersetzt = PC;
        } else if (Anfang && !istFunktion(Befehle[Erster - 1])) {
            // At the start of a function's argument without a group, as in
            // sin^2(x), the note on the function tells it all.
            Hinweis_bei_Token(Lesart::Operator_am_Anfang, Erster, PC);
        }
        // An operator drops the signs before it.
        v = Verknuepfung { c };
    }
}

// The operand after v, with what binds it more tightly than v's operator.
// A sign takes the power chain after its operand along, as in -x^2, but
// after "^" only the operand, as "^" groups from the left; the first operand
// of a level, without a sign, leaves its "^" to the level. After "+" or "-"
// the operand starts the product chain of a term.
template<class W> W Mathe::Operand_nach(const Verknuepfung &v)
{
    W Wert = Operand<W>();
    if (v.Op != '^' && (v.Op != 0 || v.Vorzeichen) && Naechstes() == '^') {
        Wert = Ebene(POTENZ_R, Wert);
    }
    if (v.Minus) {
        Wert = -Wert;
    }
    if (istStrich(v.Op) && (istPunkt(Naechstes()) || istOperandAnfang(Naechstes()))) {
        Wert = Ebene(PUNKT_R, Wert);
    }
    return Wert;
}

template<class W> W Mathe::Operand()
{
    ++PC;
    switch (Befehle[PC]) {
    case ZAHL:
        return Konstante<W>(Zahlenwert[PC]);
    case 'x':
        return Variable<W>();
    case '(':
        return Klammer<W>();
    default:
        return Funktionsaufruf<W>(Funktionszeilen[static_cast<unsigned char>(Befehle[PC])]);
    }
}

// PC stands on a "(". The forms (-number) and (-x) are one negated operand,
// and a group of one operand needs no level of its own, though its depth
// must still fit; anything else is a group, which its ")" closes.
template<class W> W Mathe::Klammer()
{
    const int Auf = PC;
    // Each look-ahead reads a slot only after the one before it was found
    // to be no end mark.
    const char Erster = Befehle[PC + 1];
    if ((Erster == ZAHL || Erster == 'x') && Befehle[PC + 2] == ')' && Platz_fuer_Ebene()) {
        PC += 2;
        return Erster == ZAHL ? Konstante<W>(Zahlenwert[PC - 1]) : Variable<W>();
    }
    if (Erster == '-') {
        const char Zweiter = Befehle[PC + 2];
        if ((Zweiter == ZAHL || Zweiter == 'x') && Befehle[PC + 3] == ')') {
            PC += 3;
            return -(Zweiter == ZAHL ? Konstante<W>(Zahlenwert[PC - 1]) : Variable<W>());
        }
    }
    const W Wert = Ebene(Klammer_R, Konstante<W>(0.0));
    if (Naechstes() == ')') {
        ++PC;
    } else {
        Hinweis_bei_Token(Lesart::Klammer_offen, Auf, Auf);
    }
    return Wert;
}

// PC stands on the token of the function in row Nr. Its argument is the
// group after its name; a name without a group takes the rest of its part as
// a level of its own, and the ")" that ends it closes the group that the
// function stands in.
template<class W> W Mathe::Funktionsaufruf(int Nr)
{
    const Funktion &f = Funktionen[Nr];
    const int Name = PC;
    W a;
    if (Naechstes() == '(') {
        ++PC;
        a = Klammer<W>();
    } else {
        a = Ebene(Klammer_R, Konstante<W>(0.0));
        Hinweis_bei_Token(Lesart::Ohne_Klammer, Name, PC);
    }
    if (f.Argument == Winkel::Gradmass || (f.Argument == Winkel::Ansicht && !RAD)) {
        a = a * DegToRad;
    }
    const W Wert = Funktionswert(Nr, a);
    return f.Ergebnis == Winkel::Gradmass ? Wert * RadToDeg : Wert;
}

template double Mathe::Durchlauf<double>();
template Aufgezeichnet Mathe::Durchlauf<Aufgezeichnet>();
