// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FORMEL_I_H
#define FORMEL_I_H

#include "Abgeleitet.h"
#include "Aufnahme.h"
#include "Befund.h"
#include "Funktionen.h"
#include "Programm.h"

#include <string>

// Token codes besides the functions'. Operators, "(", ")", "x" and "y"
// stand for themselves.
const char ZAHL = 'Z';
const char ENDE = '|';

// Precedence levels; a higher level binds more tightly.
const int STRICH_R = 1;
const int PUNKT_R = 2;
const int POTENZ_R = 3;
const int Klammer_R = 4;

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
    // The value at x with its first and second derivative, for the curve
    // discussion; for a faulty formula, silently 0.
    Abgeleitet Formel_Ableiten();
    // A batch: the values at Anzahl points, each as the calls above give
    // it, and x the last point afterwards. Every batch starts in a clean
    // vector state, whoever calls it (Vektorzustand.h).
    void Formel_Berechnen(const double *Stellen, double *Werte, int Anzahl);
    void Formel_Ableiten(const double *Stellen, Abgeleitet *Werte, int Anzahl);

    // What the last compile found: its faults, each with the message that
    // standard output showed for it (without the line break before it and
    // the two blanks after it), and the readings of the formula. Nr counts
    // from 0 up to the number less one.
    int Fehleranzahl() const;
    Fehlerangabe Fehler_Nr(int Nr) const;
    std::string Fehlertext(int Nr) const;
    int Hinweisanzahl() const;
    Lesehinweis Hinweis_Nr(int Nr) const;

    char Formel[256] = {};
    double x = 0.0;
    // Writes none of its messages on standard output: for a second
    // interpreter beside the one whose messages the user reads.
    bool Stumm = false;

private:
    friend class MatheEinblick; // lets the tests read the compiled form

    // The compile (Formel_I.cpp).
    void Normalisieren();
    int Linke_Seite() const;
    void IncChar();
    void Zahlen_ermittel();
    void FormelZerlegen();
    void Name_ermitteln();
    void Hochzahl_ermitteln();
    void Fehler_melden(Fehlerart Art, int Stelle = 0, int Laenge = 0);
    void Hinweis_melden(Lesart Art, int Anfang, int Ende);
    void Hinweis_bei_Token(Lesart Art, int Von, int Bis);
    void Programme_aufzeichnen();
    void Programm_aufzeichnen(bool Modus);
    double Formel_durchlaufen();
    double Verweigern() const;

    // The evaluator's walk over the tokens (Rechnen.cpp), over double to
    // evaluate and over Aufgezeichnet to record a program.
    struct Verknuepfung;
    template<class W> W Durchlauf();
    template<class W> W Ebene(int Art, W Akku);
    template<class W> W Rechnen(W Akku);
    Verknuepfung Operatoren(bool Anfang);
    template<class W> W Operand_nach(const Verknuepfung &v);
    template<class W> W Operand();
    template<class W> W Klammer();
    template<class W> W Funktionsaufruf(int Nr);
    template<class W> W Konstante(double Zahl);
    template<class W> W Variable();
    char Naechstes() const;
    bool Platz_fuer_Ebene() const;

    int NrChar = 0;
    char Zeichen = 0;
    char Befehle[256] = {};
    double Zahlenwert[256] = {};
    unsigned char Textstelle[256] = {}; // where each token starts in Formel
    char ZahlenStr[256] = {};
    int Anzahl_FTeile = 0;
    int Fehler = 0;
    int PC = 0;
    int NrRekursiv = 0;
    int Wertigkeit[80] = {};
    bool Verschachtelung_zu_tief = false;
    bool Hinweise_sammeln = false; // while the first program is recorded
    bool RAD;

    Fehlerangabe Fehlerliste[256] = {};
    Lesehinweis Hinweise[256] = {};
    int AnzahlHinweise = 0;

    Aufnahme Baum; // only while compiling
    Programm Programme[2]; // for degrees and for radians, indexed by RAD
    double Stapel[Programm::Platz / 2] = {};
    Abgeleitet Ableitungsstapel[Programm::Platz / 2] = {};
};

#endif
