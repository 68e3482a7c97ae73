// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Formel_I.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <iostream>
#include <iterator>
#include <string_view>

const double PI = std::acos(-1.0);
const double DegToRad = PI / 180.0;
const double RadToDeg = 180.0 / PI;

namespace {
struct Funktionsname {
    std::string_view Name;
    char Code;
};

// Searched in this order; a name matches only as a whole run of letters.
// clang-format off
const Funktionsname Namenstabelle[] = {
    {"cos", COS},     {"sin", SIN},     {"tan", TAN},   {"acos", ACOS},   {"asin", ASIN},   {"atan", ATAN},
    {"cosd", COSD},   {"sind", SIND},   {"tand", TAND}, {"acosd", ACOSD}, {"asind", ASIND}, {"atand", ATAND},
    {"ln", LOGN},     {"log", LOGZ},    {"expz", EXPZ}, {"expn", EXPN},   {"sqrt", SQRT},   {"abs", ABS},
    {"pi", ZAHL},
};
// clang-format on

// Slots 1 to 254 take tokens; the end mark needs the slot after the last one.
const int LetzterTokenPlatz = 254;

bool istKleinbuchstabe(char c)
{
    return c >= 'a' && c <= 'z';
}

bool istZiffer(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

bool istOperator(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/' || c == ':' || c == '^';
}

constexpr bool istOperandAnfang(char c)
{
    return c == ZAHL || c == 'x' || c == '(' || (c >= SIND && c <= ABS);
}

// Bit of every level: all of them end before the end mark, which is thus
// never consumed, and the cursor never passes it.
const unsigned JedeEbene = 1;

// The bits of a chain of the kind Art: one while it holds a complete value,
// one while an operator (or a sign at its start) still waits for an operand.
constexpr unsigned Fertig(int Art)
{
    return 1u << Art;
}

constexpr unsigned Offen(int Art)
{
    return 1u << (Art + 4);
}

// For each token: the states of level that end before it. A product chain
// with a complete value ends before "+", "-" and ")", a power chain also
// before "*", "/", ":" and an operand, which would be an implicit product;
// while an operator waits, "+" and "-" are signs and only ")" (and for a
// power chain "*", "/" and ":") end it. A group and the top level end early
// only before the end mark.
constexpr std::array<unsigned char, 256> Stoppzeichen_anlegen()
{
    std::array<unsigned char, 256> Tabelle {};
    Tabelle[static_cast<unsigned char>(ENDE)] = JedeEbene;
    for (unsigned char c : { '+', '-' }) {
        Tabelle[c] = Fertig(PUNKT_R) | Fertig(POTENZ_R);
    }
    Tabelle[static_cast<unsigned char>(')')] = Fertig(PUNKT_R) | Fertig(POTENZ_R) | Offen(PUNKT_R) | Offen(POTENZ_R);
    for (unsigned char c : { '*', '/', ':' }) {
        Tabelle[c] = Fertig(POTENZ_R) | Offen(POTENZ_R);
    }
    for (int c = 0; c < 256; ++c) {
        if (istOperandAnfang(static_cast<char>(c))) {
            Tabelle[c] = Fertig(POTENZ_R);
        }
    }
    return Tabelle;
}

constexpr std::array<unsigned char, 256> Stoppzeichen = Stoppzeichen_anlegen();

} // namespace

void Mathe::setRAD(bool RAD)
{
    this->RAD = RAD;
}

bool Mathe::statusRAD() const
{
    return RAD;
}

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

// ---------------------------------------------------------------- compile

void Mathe::Formel_compillieren()
{
    // A caller that filled all 256 bytes still leaves a terminated text.
    Formel[sizeof Formel - 1] = '\0';
    NrChar = 0;
    Anzahl_FTeile = 0;
    std::fill(std::begin(Befehle), std::end(Befehle), 0);
    std::fill(std::begin(Zahlenwert), std::end(Zahlenwert), 0.0);

    char *Ziel = Formel;
    for (const char *Quelle = Formel; *Quelle != '\0'; ++Quelle) {
        if (*Quelle != ' ') {
            *Ziel++ = *Quelle;
        }
    }
    *Ziel = '\0';
    for (char *c = Formel; *c != '\0'; ++c) {
        if (*c >= 'A' && *c <= 'Z') {
            *c = static_cast<char>(*c + 32);
        } else if (*c == ',') {
            *c = '.';
        }
    }

    // No program of an earlier formula may outlive a failed compile.
    Programme[false].leeren();
    Programme[true].leeren();
    FormelZerlegen();
    if (Fehler == 0) {
        Programme_aufzeichnen();
    }
}

void Mathe::IncChar()
{
    if (Formel[NrChar] != '\0') {
        Zeichen = Formel[NrChar];
        ++NrChar;
    } else {
        Zeichen = ENDE;
    }
}

void Mathe::FormelZerlegen()
{
    Anzahl_FTeile = 0;
    Fehler = 0;
    IncChar();
    while (Zeichen != ENDE) {
        if (Anzahl_FTeile == LetzterTokenPlatz) {
            Fehler_melden("Formel zu lang", "", 0);
            break;
        }
        if (istOperator(Zeichen) || Zeichen == '(' || Zeichen == ')' || Zeichen == 'x' || Zeichen == 'y') {
            Befehle[++Anzahl_FTeile] = Zeichen;
            IncChar();
        } else if (istZiffer(Zeichen)) {
            ++Anzahl_FTeile;
            Zahlen_ermittel();
        } else if (istKleinbuchstabe(Zeichen)) {
            Name_ermitteln();
        } else {
            // No rule knows this character: report it like an unknown name
            // of one letter and go on after it.
            ++Anzahl_FTeile;
            Fehler_melden("Befehl nicht bekannt: ", &Formel[NrChar - 1], 1);
            IncChar();
        }
    }
    Befehle[++Anzahl_FTeile] = ENDE;
}

void Mathe::Name_ermitteln()
{
    const char *Anfang = &Formel[NrChar - 1];
    int Laenge = 0;
    while (istKleinbuchstabe(Zeichen)) {
        ++Laenge;
        IncChar();
    }
    const std::string_view Name(Anfang, Laenge);

    ++Anzahl_FTeile;
    for (const Funktionsname &Eintrag : Namenstabelle) {
        if (Eintrag.Name == Name) {
            Befehle[Anzahl_FTeile] = Eintrag.Code;
            if (Eintrag.Code == ZAHL) { // pi
                Zahlenwert[Anzahl_FTeile] = PI;
            }
            return;
        }
    }
    // The slot stays 0; the formula is refused anyway.
    Fehler_melden("Befehl nicht bekannt: ", Anfang, Laenge);
}

void Mathe::Zahlen_ermittel()
{
    int Laenge = 0;
    while (istZiffer(Zeichen) && Laenge < static_cast<int>(sizeof ZahlenStr) - 1) {
        ZahlenStr[Laenge++] = Zeichen;
        IncChar();
    }
    ZahlenStr[Laenge] = '\0';

    // from_chars ignores the process locale: "." is the decimal point even
    // on a German desktop. It takes the longest leading decimal number, and
    // a lone "." leaves the 0.
    double Wert = 0.0;
    std::from_chars(ZahlenStr, ZahlenStr + Laenge, Wert);
    Zahlenwert[Anzahl_FTeile] = Wert;
    Befehle[Anzahl_FTeile] = ZAHL;
}

void Mathe::Fehler_melden(const char *Text, const char *Name, int Laenge)
{
    std::cout << '\n' << Text << std::string_view(Name, Laenge) << "  ";
    if (Fehler < MAX_FEHLERTEXTE) {
        std::snprintf(Fehlertexte[Fehler], sizeof Fehlertexte[Fehler], "%s%.*s", Text, Laenge, Name);
    }
    ++Fehler;
}

int Mathe::Fehleranzahl() const
{
    return Fehler;
}

const char *Mathe::Fehlertext(int Nr) const
{
    return Nr >= 0 && Nr < std::min(Fehler, MAX_FEHLERTEXTE) ? Fehlertexte[Nr] : nullptr;
}

// The walk takes the same path through the tokens for every x, every value
// and both angle modes (only the conversions to radians differ), so one run
// per mode with recording values gives programs that compute what the walk
// computes. How deep it nests is known from the first run: a formula that
// would leave Wertigkeit is refused.
void Mathe::Programme_aufzeichnen()
{
    const bool Modus = RAD;
    if (Programm_aufzeichnen(true)) {
        Programm_aufzeichnen(false);
    } else {
        Programme[true].leeren();
        Fehler_melden("Klammerung zu tief verschachtelt", "", 0);
    }
    RAD = Modus;
}

bool Mathe::Programm_aufzeichnen(bool Modus)
{
    RAD = Modus;
    Baum.leeren();
    PC = 0;
    NrRekursiv = 0;
    Verschachtelung_zu_tief = false;
    const Aufgezeichnet Wert = Rechnen(Konstante<Aufgezeichnet>(0.0));
    Programme[Modus].uebersetzen(Baum, Wert.Knoten);
    return !Verschachtelung_zu_tief;
}

// ---------------------------------------------------------------- evaluate
//
// The language as the evaluator reads the token string:
//
//   expr     = term {("+" | "-") term}
//   term     = signed {("*" | "/" | ":") signed | power}   side by side: a product
//   signed   = {"+" | "-"} power                           the signs negate the power chain
//   power    = operand {"^" {"+" | "-"} operand}           from the left; a sign after "^"
//                                                          negates the operand alone
//   operand  = number | "x" | "pi" | "(-" number ")" | "(-x)" | function group | group
//   group    = "(" expr ")"
//   function = "sin" | "cos" | "tan" | "asin" | "acos" | "atan" | "sind" | "cosd" | "tand"
//            | "asind" | "acosd" | "atand" | "ln" | "log" | "expz" | "expn" | "sqrt" | "abs"
//
// A sign negates as -1 * its operand. Slips are read by fixed rules, not
// refused: an operator with nothing after it is dropped ("2+" is 2); a group
// never closed ends with the formula ("(2" is 2); a ")" at the top level ends
// it ("2)+3" is 2); of two operators in a row the second counts unless it is
// a sign ("2+*3" is 6); an operator at the start of a level takes 0 as its
// left operand ("*3" is 0); a function without a group takes the rest of its
// level ("sin2x+1" is sin(2x+1)); "y" is skipped; the empty formula is 0.

double Mathe::Formel_Berechnen()
{
    if (Fehler == 0) {
        return Programme[RAD].ausfuehren(x, Stapel);
    }
    return Verweigern();
}

// The walk itself, which the programs are recorded from.
double Mathe::Formel_durchlaufen()
{
    if (Fehler == 0) {
        PC = 0;
        NrRekursiv = 0;
        return Rechnen(0.0);
    }
    return Verweigern();
}

double Mathe::Verweigern() const
{
    std::cout << "\nEs sind " << Fehler << " aufgtreten es kann keine Berechnug durchgef\xFChrt werden!\n";
    return 0.0;
}

// One evaluation level: the whole formula, a group, a function argument, or
// a chain of higher precedence. A level that starts with Erstes takes its
// first operand into the accumulator; before that, the starting accumulator
// is the left operand of an operator (so "*3" is 0*3). A chain starts with
// its first operand in setAkku. Every operand that follows is applied at
// once: with the pending operator, or, where none stands between two
// operands, as an implicit product.
template<class W> W Mathe::Rechnen(W setAkku, bool Erstes)
{
    using Funktion = W (Mathe::*)();
    // clang-format off
    static constexpr Funktion Funktionen[] = {
        &Mathe::SINUS_DEG<W>, &Mathe::COSINUS_DEG<W>, &Mathe::TANGENS_DEG<W>, &Mathe::ASINUS_DEG<W>, &Mathe::ACOSINUS_DEG<W>, &Mathe::ATANGENS_DEG<W>,
        &Mathe::SINUS<W>,     &Mathe::COSINUS<W>,     &Mathe::TANGENS<W>,     &Mathe::ASINUS<W>,     &Mathe::ACOSINUS<W>,     &Mathe::ATANGENS<W>,
        &Mathe::LOG<W>,       &Mathe::LN<W>,          &Mathe::EXP_Z<W>,       &Mathe::EXP_N<W>,       &Mathe::WURZEL<W>,       &Mathe::BETRAG<W>,
    };
    // clang-format on

    W Akku = setAkku;
    char Op = 0;
    bool Minus = false; // the signs read since the last operand negate
    bool Vorzeichen = false; // a sign stands before the next operand
    unsigned Ebene_bit = Ebenenbit();

    for (;;) {
        const char Code = Befehle[PC + 1];
        const bool Wartet = Erstes || Op != 0;
        if (Stoppzeichen[static_cast<unsigned char>(Code)] & (JedeEbene | (Wartet ? Ebene_bit << 4 : Ebene_bit))) {
            return Akku;
        }
        ++PC;
        W Wert;
        switch (Code) {
        case ZAHL:
            Wert = Konstante<W>(Zahlenwert[PC]);
            break;
        case 'x':
            Wert = Variable<W>();
            break;
        case '(':
            Wert = Klammer<W>();
            Ebene_bit = Ebenenbit();
            break;
        case ')':
            --NrRekursiv;
            return Akku;
        case '+':
        case '-':
            if (Wartet) {
                Minus ^= Code == '-';
                Vorzeichen = true;
            } else {
                Op = Code;
            }
            continue;
        case '*':
        case '/':
        case ':':
        case '^':
            // Replaces a pending operator, and drops the signs after it.
            Op = Code;
            Erstes = false;
            Minus = Vorzeichen = false;
            continue;
        default:
            if (Code < SIND || Code > ABS) {
                continue; // "y": no value, and no operand either
            }
            Wert = (this->*Funktionen[Code - SIND])();
            Ebene_bit = Ebenenbit();
            break;
        }
        if (Vorzeichen) {
            // A sign takes the power chain after its operand along, as in
            // -x^2; after "^" only the operand, as "^" groups from the left.
            if (Op != '^' && Befehle[PC + 1] == '^') {
                Wert = Ebene(POTENZ_R, Wert);
                --NrRekursiv;
                Ebene_bit = Ebenenbit();
            }
            if (Minus) {
                Wert = -1.0 * Wert;
            }
            Minus = Vorzeichen = false;
        }
        if (Erstes) {
            Akku = Wert;
            Erstes = false;
            continue;
        }
        if (Op == 0) {
            Op = '*'; // two operands in a row multiply
        }
        // Precedence look-ahead: a tighter operator, or an operand that
        // multiplies, after this operand makes it the start of a chain. A
        // power chain may be followed by a product chain, as in 2+2^3*2.
        for (;;) {
            const char Naechstes = Befehle[PC + 1];
            if (Op != '^' && Naechstes == '^') {
                Wert = Ebene(POTENZ_R, Wert);
            } else if ((Op == '+' || Op == '-')
                && (Naechstes == '*' || Naechstes == '/' || Naechstes == ':' || istOperandAnfang(Naechstes))) {
                Wert = Ebene(PUNKT_R, Wert);
            } else {
                break;
            }
            --NrRekursiv;
            Ebene_bit = Ebenenbit();
        }
        Akku = Anwenden(Op, Akku, Wert);
        Op = 0;
    }
}

// The bit of the kind of chain open at the current depth, to test against
// Stoppzeichen; 0 for a group and for the top level (or a depth below it),
// which end only at the end.
unsigned Mathe::Ebenenbit() const
{
    if (NrRekursiv <= 0 || Wertigkeit[NrRekursiv] == Klammer_R) {
        return 0;
    }
    return Fertig(Wertigkeit[NrRekursiv]);
}

// PC stands on a "(". The forms (-number) and (-x) are one negated operand;
// anything else opens a group.
template<class W> W Mathe::Klammer()
{
    // Each look-ahead below reads a slot only after the one before it was
    // found to be no end mark.
    const char Erster = Befehle[PC + 1];
    if (Erster == ZAHL || Erster == 'x') {
        // A group of one operand, as in sin(x), needs no level of its own;
        // its depth must still fit, or the full path refuses it.
        if (Befehle[PC + 2] == ')' && Platz_fuer_Ebene()) {
            PC += 2;
            return Erster == ZAHL ? Konstante<W>(Zahlenwert[PC - 1]) : Variable<W>();
        }
    } else if (Erster == '-') {
        const char Zweiter = Befehle[PC + 2];
        if ((Zweiter == ZAHL || Zweiter == 'x') && Befehle[PC + 3] == ')') {
            PC += 3;
            return -1.0 * (Zweiter == ZAHL ? Konstante<W>(Zahlenwert[PC - 1]) : Variable<W>());
        }
    }
    return Ebene(Klammer_R, Konstante<W>(0.0));
}

// Opens a level one deeper. A group lowers NrRekursiv itself at its ")";
// after a chain the caller lowers it.
template<class W> W Mathe::Ebene(int Art, W setAkku)
{
    if (!Platz_fuer_Ebene()) {
        // Out of the table: end this evaluation at once. Only the recording
        // of the compile can get here; it refuses the formula.
        Verschachtelung_zu_tief = true;
        PC = Anzahl_FTeile - 1;
        return setAkku;
    }
    Wertigkeit[++NrRekursiv] = Art;
    return Rechnen(setAkku, Art == Klammer_R);
}

// Whether Wertigkeit has an entry for one level deeper. A formula that
// closes more groups than it opens can take the depth below 0.
bool Mathe::Platz_fuer_Ebene() const
{
    return NrRekursiv + 1 >= 0 && NrRekursiv + 1 < static_cast<int>(std::size(Wertigkeit));
}

// PC stands on a function's token. Its argument is the group, or the
// negated operand, right after its name, and nothing after that. A name
// without a group, as in sin2, takes the rest of its level.
template<class W> W Mathe::Argument()
{
    if (Befehle[PC + 1] != '(') {
        return Rechnen(Konstante<W>(0.0));
    }
    ++PC;
    return Klammer<W>();
}

template<class W> W Mathe::Winkel(W a) const
{
    return RAD ? a : a * DegToRad;
}

// ---------------------------------------------------------------- functions

template<class W> W Mathe::SINUS()
{
    return Funktionswert(Rechenfunktion::Sinus, Winkel(Argument<W>()));
}

template<class W> W Mathe::COSINUS()
{
    return Funktionswert(Rechenfunktion::Kosinus, Winkel(Argument<W>()));
}

template<class W> W Mathe::TANGENS()
{
    return Funktionswert(Rechenfunktion::Tangens, Winkel(Argument<W>()));
}

template<class W> W Mathe::ASINUS()
{
    return Funktionswert(Rechenfunktion::Arkussinus, Argument<W>());
}

template<class W> W Mathe::ACOSINUS()
{
    return Funktionswert(Rechenfunktion::Arkuskosinus, Argument<W>());
}

template<class W> W Mathe::ATANGENS()
{
    return Funktionswert(Rechenfunktion::Arkustangens, Argument<W>());
}

template<class W> W Mathe::SINUS_DEG()
{
    return Funktionswert(Rechenfunktion::Sinus, Argument<W>() * DegToRad);
}

template<class W> W Mathe::COSINUS_DEG()
{
    return Funktionswert(Rechenfunktion::Kosinus, Argument<W>() * DegToRad);
}

template<class W> W Mathe::TANGENS_DEG()
{
    return Funktionswert(Rechenfunktion::Tangens, Argument<W>() * DegToRad);
}

template<class W> W Mathe::ASINUS_DEG()
{
    return Funktionswert(Rechenfunktion::Arkussinus, Argument<W>()) * RadToDeg;
}

template<class W> W Mathe::ACOSINUS_DEG()
{
    return Funktionswert(Rechenfunktion::Arkuskosinus, Argument<W>()) * RadToDeg;
}

template<class W> W Mathe::ATANGENS_DEG()
{
    return Funktionswert(Rechenfunktion::Arkustangens, Argument<W>()) * RadToDeg;
}

template<class W> W Mathe::LN()
{
    return Funktionswert(Rechenfunktion::Ln, Argument<W>());
}

template<class W> W Mathe::LOG()
{
    return Funktionswert(Rechenfunktion::Log, Argument<W>());
}

template<class W> W Mathe::EXP_Z()
{
    return Funktionswert(Rechenfunktion::ZehnHoch, Argument<W>());
}

template<class W> W Mathe::EXP_N()
{
    return Funktionswert(Rechenfunktion::Exp, Argument<W>());
}

template<class W> W Mathe::WURZEL()
{
    return Funktionswert(Rechenfunktion::Wurzel, Argument<W>());
}

template<class W> W Mathe::BETRAG()
{
    return Funktionswert(Rechenfunktion::Betrag, Argument<W>());
}
