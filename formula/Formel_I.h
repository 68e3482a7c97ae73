// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FORMEL_I_H
#define FORMEL_I_H

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
// string with a number table, then evaluates that for any number of x.
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

    char Formel[256] = {};
    double x = 0.0;

private:
    friend class MatheEinblick; // lets the tests read the compiled form

    void IncChar();
    void Zahlen_ermittel();
    void FormelZerlegen();
    void Name_ermitteln();
    void Fehler_melden(const char *Text, const char *Name, int Laenge);
    void Probelauf();

    double Rechnen(double setAkku, bool Erstes = true);
    unsigned Ebenenbit() const;
    double Klammer();
    double Ebene(int Art, double setAkku);
    bool Platz_fuer_Ebene() const;
    double Argument();
    double Winkel(double a) const;

    double SINUS();
    double COSINUS();
    double TANGENS();
    double ASINUS();
    double ACOSINUS();
    double ATANGENS();
    double SINUS_DEG();
    double COSINUS_DEG();
    double TANGENS_DEG();
    double ASINUS_DEG();
    double ACOSINUS_DEG();
    double ATANGENS_DEG();
    double LN();
    double LOG();
    double EXP_Z();
    double EXP_N();
    double WURZEL();
    double BETRAG();

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
};

#endif
