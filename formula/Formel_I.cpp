// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Formel_I.h"

#include "Vektorzustand.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string_view>

const double PI = std::acos(-1.0);
const double DegToRad = PI / 180.0;
const double RadToDeg = 180.0 / PI;

namespace {
// Slots 1 to 254 take tokens; the end mark needs the slot after the last one.
const int LetzterTokenPlatz = 254;

// The superscript digits of Latin-1.
const char HOCH2 = '\xB2';
const char HOCH3 = '\xB3';

bool istKleinbuchstabe(char c)
{
    return c >= 'a' && c <= 'z';
}

bool istZiffer(char c)
{
    return (c >= '0' && c <= '9') || c == '.';
}

// A digit, or what becomes the decimal point.
bool gehoertZurZahl(char c)
{
    return istZiffer(c) || c == ',';
}

bool istEinzelzeichen(char c)
{
    return c == '+' || c == '-' || c == '*' || c == '/' || c == ':' || c == '(' || c == ')' || c == '^' || c == 'x'
        || c == 'y';
}
} // namespace

void Mathe::setRAD(bool RAD)
{
    this->RAD = RAD;
}

bool Mathe::statusRAD() const
{
    return RAD;
}

// ---------------------------------------------------------------- compile

void Mathe::Formel_compillieren()
{
    // A caller that filled all 256 bytes still leaves a terminated text.
    Formel[sizeof Formel - 1] = '\0';
    NrChar = 0;
    Anzahl_FTeile = 0;
    AnzahlHinweise = 0;
    std::fill(std::begin(Befehle), std::end(Befehle), 0);
    std::fill(std::begin(Zahlenwert), std::end(Zahlenwert), 0.0);
    Normalisieren();
    NrChar = Linke_Seite();

    // No program of an earlier formula may outlive a failed compile.
    Programme[false].leeren();
    Programme[true].leeren();
    FormelZerlegen();
    if (Fehler == 0) {
        Programme_aufzeichnen();
    }
}

// Removes the blanks, makes capitals small and the comma the decimal point.
// Blanks between digits join them into one number, which is noted.
void Mathe::Normalisieren()
{
    char *Ziel = Formel;
    char *Zahlanfang = nullptr; // of the digits being copied
    bool Luecke = false; // blanks since the last character copied
    bool Verbunden = false; // blanks stood between the digits
    for (const char *Quelle = Formel;; ++Quelle) {
        const char c = *Quelle;
        if (c == ' ') {
            Luecke = true;
            continue;
        }
        if (!gehoertZurZahl(c)) {
            if (Verbunden) {
                Hinweis_melden(Lesart::Leerzeichen_in_Zahl, Zahlanfang - Formel, Ziel - Formel);
            }
            Zahlanfang = nullptr;
            Verbunden = false;
        } else if (Zahlanfang == nullptr) {
            Zahlanfang = Ziel;
        } else {
            Verbunden = Verbunden || Luecke;
        }
        Luecke = false;
        *Ziel++ = c >= 'A' && c <= 'Z' ? static_cast<char>(c + 32) : (c == ',' ? '.' : c);
        if (c == '\0') {
            return;
        }
    }
}

// "y=" or "f(x)=" before the formula, as in school: its length, which the
// scan passes over.
int Mathe::Linke_Seite() const
{
    for (const std::string_view Links : { "y=", "f(x)=" }) {
        if (std::string_view(Formel).substr(0, Links.size()) == Links) {
            return static_cast<int>(Links.size());
        }
    }
    return 0;
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
            Fehler_melden(Fehlerart::Zu_lang);
            break;
        }
        Textstelle[Anzahl_FTeile + 1] = static_cast<unsigned char>(NrChar - 1);
        if (istEinzelzeichen(Zeichen)) {
            Befehle[++Anzahl_FTeile] = Zeichen;
            IncChar();
        } else if (istZiffer(Zeichen)) {
            ++Anzahl_FTeile;
            Zahlen_ermittel();
        } else if (istKleinbuchstabe(Zeichen)) {
            Name_ermitteln();
        } else if (Zeichen == HOCH2 || Zeichen == HOCH3) {
            if (Anzahl_FTeile + 2 > LetzterTokenPlatz) {
                Fehler_melden(Fehlerart::Zu_lang);
                break;
            }
            Hochzahl_ermitteln();
        } else {
            // No rule knows this character: report it like an unknown name
            // of one letter and go on after it.
            ++Anzahl_FTeile;
            Fehler_melden(Fehlerart::Unbekannt, NrChar - 1, 1);
            IncChar();
        }
    }
    // The scan stops at the end of the text, at a "|", which leaves the rest
    // of the text unread, or with a character it has no room for.
    const bool Strich = Zeichen == ENDE && NrChar > 0 && Formel[NrChar - 1] == ENDE;
    const int Ende = Strich || Zeichen != ENDE ? NrChar - 1 : NrChar;
    Befehle[++Anzahl_FTeile] = ENDE;
    Textstelle[Anzahl_FTeile] = static_cast<unsigned char>(Ende);
    if (Strich) {
        Hinweis_melden(Lesart::Strich, Ende, static_cast<int>(std::char_traits<char>::length(Formel)));
    }
}

void Mathe::Name_ermitteln()
{
    const int Anfang = NrChar - 1;
    int Laenge = 0;
    while (istKleinbuchstabe(Zeichen)) {
        ++Laenge;
        IncChar();
    }
    const std::string_view Name(&Formel[Anfang], Laenge);

    ++Anzahl_FTeile;
    const int Nr = Funktion_suchen(Name);
    if (Nr >= 0) {
        Befehle[Anzahl_FTeile] = Funktionen[Nr].Code;
    } else if (Name == "pi") {
        Befehle[Anzahl_FTeile] = ZAHL;
        Zahlenwert[Anzahl_FTeile] = PI;
    } else {
        // The slot stays 0; the formula is refused anyway.
        Fehler_melden(Fehlerart::Unbekannt, Anfang, Laenge);
    }
}

// The superscript two and three of Latin-1 are "^2" and "^3": two tokens
// from one character.
void Mathe::Hochzahl_ermitteln()
{
    Befehle[++Anzahl_FTeile] = '^';
    Befehle[++Anzahl_FTeile] = ZAHL;
    Zahlenwert[Anzahl_FTeile] = Zeichen == HOCH2 ? 2.0 : 3.0;
    Textstelle[Anzahl_FTeile] = static_cast<unsigned char>(NrChar); // the "^" holds the character
    IncChar();
}

void Mathe::Zahlen_ermittel()
{
    const int Anfang = NrChar - 1;
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

    // "x^2, x^3" has lost its blank: a point that ends a number right before
    // a name or a group makes a product of the two.
    if (ZahlenStr[Laenge - 1] == '.' && ((istKleinbuchstabe(Zeichen) && Zeichen != 'y') || Zeichen == '(')) {
        Hinweis_melden(Lesart::Punkt_ohne_Ziffer, Anfang + Laenge - 1, Anfang + Laenge);
    }
}

void Mathe::Fehler_melden(Fehlerart Art, int Stelle, int Laenge)
{
    const Fehlerangabe Angabe { Art, static_cast<unsigned char>(Stelle), static_cast<unsigned char>(Laenge) };
    if (!Stumm) {
        std::cout << '\n';
        Meldung_schreiben(std::cout, Angabe, Formel);
        std::cout << "  ";
    }
    // Every fault takes a slot of the token string, or ends the compile.
    if (Fehler < static_cast<int>(std::size(Fehlerliste))) {
        Fehlerliste[Fehler] = Angabe;
    }
    ++Fehler;
}

int Mathe::Fehleranzahl() const
{
    return Fehler;
}

Fehlerangabe Mathe::Fehler_Nr(int Nr) const
{
    return Fehlerliste[Nr];
}

std::string Mathe::Fehlertext(int Nr) const
{
    std::ostringstream Text;
    Meldung_schreiben(Text, Fehlerliste[Nr], Formel);
    return Text.str();
}

void Mathe::Hinweis_melden(Lesart Art, int Anfang, int Ende)
{
    // Readings past the end of the list are not kept.
    if (AnzahlHinweise < static_cast<int>(std::size(Hinweise))) {
        Hinweise[AnzahlHinweise++] = { Art, static_cast<unsigned char>(Anfang), static_cast<unsigned char>(Ende) };
    }
}

// Notes the text of the tokens from slot Von to slot Bis, once: the walk
// runs for each angle mode, but takes the same path in both.
void Mathe::Hinweis_bei_Token(Lesart Art, int Von, int Bis)
{
    if (Hinweise_sammeln) {
        Hinweis_melden(Art, Textstelle[Von], Textstelle[Bis + 1]);
    }
}

int Mathe::Hinweisanzahl() const
{
    return AnzahlHinweise;
}

Lesehinweis Mathe::Hinweis_Nr(int Nr) const
{
    return Hinweise[Nr];
}

// The walk takes the same path through the tokens for every x, every value
// and both angle modes (only the conversions to radians differ), so one run
// per mode with recording values gives programs that compute what the walk
// computes. A formula that nests deeper than Wertigkeit, or whose tree does
// not fit, is refused.
void Mathe::Programme_aufzeichnen()
{
    const bool Modus = RAD;
    Hinweise_sammeln = true;
    Programm_aufzeichnen(true);
    Hinweise_sammeln = false;
    if (!Verschachtelung_zu_tief && !Baum.voll()) {
        Programm_aufzeichnen(false);
    }
    RAD = Modus;
    if (Verschachtelung_zu_tief || Baum.voll()) {
        Programme[true].leeren();
        Programme[false].leeren();
        Fehler_melden(Verschachtelung_zu_tief ? Fehlerart::Zu_tief : Fehlerart::Zu_lang);
    }
}

void Mathe::Programm_aufzeichnen(bool Modus)
{
    RAD = Modus;
    Baum.leeren();
    Verschachtelung_zu_tief = false;
    const Aufgezeichnet Wert = Durchlauf<Aufgezeichnet>();
    if (!Baum.voll()) {
        Programme[Modus].uebersetzen(Baum, Wert.Knoten);
    }
}

// ---------------------------------------------------------------- evaluate

double Mathe::Formel_Berechnen()
{
    if (Fehler == 0) {
        return Programme[RAD].ausfuehren(x, Stapel);
    }
    return Verweigern();
}

Abgeleitet Mathe::Formel_Ableiten()
{
    if (Fehler != 0) {
        return {};
    }
    return Programme[RAD].ausfuehren(x, Ableitungsstapel);
}

void Mathe::Formel_Berechnen(const double *Stellen, double *Werte, int Anzahl)
{
    Vektorregister_aufraeumen();
    for (int i = 0; i < Anzahl; ++i) {
        x = Stellen[i];
        Werte[i] = Formel_Berechnen();
    }
}

void Mathe::Formel_Ableiten(const double *Stellen, Abgeleitet *Werte, int Anzahl)
{
    Vektorregister_aufraeumen();
    for (int i = 0; i < Anzahl; ++i) {
        x = Stellen[i];
        Werte[i] = Formel_Ableiten();
    }
}

// The walk itself, which the programs are recorded from.
double Mathe::Formel_durchlaufen()
{
    if (Fehler == 0) {
        return Endwert(Durchlauf<double>());
    }
    return Verweigern();
}

double Mathe::Verweigern() const
{
    if (Stumm) {
        return 0.0;
    }
    std::cout << "\nEs sind " << Fehler << " aufgtreten es kann keine Berechnug durchgef\xFChrt werden!\n";
    return 0.0;
}
