// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FORMEL_I_H
#define FORMEL_I_H

#include "Aufnahme.h"
#include "Programm.h"

// Token codes of the compiled formula. Operators, "(", ")", "x" and "y"
// stand for themselves.
const char SIND = 'A';
const char COSD = 'B';
const char TAND = 'C';
const char ASIND = 'D';
const char ACOSD = 'E';
const char ATAND = 'F';
const char SIN = 'G';
const char COS = 'H';
const char TAN = 'I';
const char ASIN = 'J';
const char ACOS = 'K';
const char ATAN = 'L';
const char LOGZ = 'M';
const char LOGN = 'N';
const char EXPZ = 'O';
const char EXPN = 'P';
const char SQRT = 'Q';
const char ABS = 'R';
const char ZAHL = 'Z';
const char ENDE = '|';

// Precedence levels; a higher level binds more tightly.
const int STRICH_R = 1;
const int PUNKT_R = 2;
const int POTENZ_R = 3;
const int Klammer_R = 4;

extern const double PI;
extern const double DegToRad;
extern const double RadToDeg;

// The formula interpreter: compiles the text in Formel once into a token
// string with a number table, and records the evaluator's walk over them
// as one program for each angle mode, which then runs for any number of x.
// All its storage lives inside the object; nothing is allocated.
class Mathe
{
public:
    Mathe()
        : RAD(true)
    {
    }

    void setRAD(bool RAD);
    bool statusRAD() const;
    void Formel_compillieren();
    double Formel_Berechnen();

    // The faults of the last compile, read only: their number, and the text
    // of each message as written to standard output, without the leading
    // line break and the two closing blanks, cut to FEHLERTEXT_PLATZ - 1
    // characters. Only the first MAX_FEHLERTEXTE are kept; past them, nullptr.
    static constexpr int MAX_FEHLERTEXTE = 8;
    static constexpr int FEHLERTEXT_PLATZ = 128;
    int Fehleranzahl() const;
    const char *Fehlertext(int Nr) const;

    char Formel[256] = {};
    double x = 0.0;

private:
    friend class MatheEinblick; // lets the tests read the compiled form

    void IncChar();
    void Zahlen_ermittel();
    void FormelZerlegen();
    void Name_ermitteln();
    void Fehler_melden(const char *Text, const char *Name, int Laenge);
    void Programme_aufzeichnen();
    bool Programm_aufzeichnen(bool Modus);
    double Formel_durchlaufen();
    double Verweigern() const;

    // The evaluator's walk, over double to evaluate and over Aufgezeichnet
    // to record a program.
    template<class W> W Rechnen(W setAkku, bool Erstes = true);
    template<class W> W Konstante(double Zahl);
    template<class W> W Variable();
    unsigned Ebenenbit() const;
    template<class W> W Klammer();
    template<class W> W Ebene(int Art, W setAkku);
    bool Platz_fuer_Ebene() const;
    template<class W> W Argument();
    template<class W> W Winkel(W a) const;

    template<class W> W SINUS();
    template<class W> W COSINUS();
    template<class W> W TANGENS();
    template<class W> W ASINUS();
    template<class W> W ACOSINUS();
    template<class W> W ATANGENS();
    template<class W> W SINUS_DEG();
    template<class W> W COSINUS_DEG();
    template<class W> W TANGENS_DEG();
    template<class W> W ASINUS_DEG();
    template<class W> W ACOSINUS_DEG();
    template<class W> W ATANGENS_DEG();
    template<class W> W LN();
    template<class W> W LOG();
    template<class W> W EXP_Z();
    template<class W> W EXP_N();
    template<class W> W WURZEL();
    template<class W> W BETRAG();

    int NrChar = 0;
    char Zeichen = 0;
    char Befehle[256] = {};
    double Zahlenwert[256] = {};
    char ZahlenStr[256] = {};
    int Anzahl_FTeile = 0;
    int Fehler = 0;
    int PC = 0;
    int NrRekursiv = 0;
    int Wertigkeit[80] = {};
    bool Verschachtelung_zu_tief = false;
    bool RAD;
    char Fehlertexte[MAX_FEHLERTEXTE][FEHLERTEXT_PLATZ] = {};

    Aufnahme Baum; // only while compiling
    Programm Programme[2]; // for degrees and for radians, indexed by RAD
    double Stapel[Programm::Platz / 2] = {};
};

#endif
