// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The compiled form, the messages on standard output, and the limits of the
// interpreter's fixed buffers.

#include "Erklaerungen.h"
#include "Formelliste.h"
#include "formeltest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <utility>
#include <vector>

namespace {
using namespace std::string_literals;

const std::string Unbekannt = "\nBefehl nicht bekannt: ";
const std::string ZuLang = "\nFormel zu lang  ";
const std::string ZuTief = "\nKlammerung zu tief verschachtelt  ";

std::string Verweigert(int Fehler)
{
    return "\nEs sind " + std::to_string(Fehler) + " aufgtreten es kann keine Berechnug durchgef\xFChrt werden!\n";
}

// What the interpreter keeps of its messages: the text of each, without
// "\n" and "  ".
void Texte_wie_Meldungen(const Mathe &m, const std::string &Meldungen)
{
    std::vector<std::string> Texte;
    for (std::size_t Anfang = Meldungen.find('\n'); Anfang != std::string::npos;) {
        const std::size_t Ende = Meldungen.find('\n', Anfang + 1);
        const std::string Meldung = Meldungen.substr(Anfang + 1, Ende - Anfang - 1);
        ASSERT_EQ(Meldung.substr(Meldung.size() - 2), "  ");
        Texte.push_back(Meldung.substr(0, Meldung.size() - 2));
        Anfang = Ende;
    }
    ASSERT_EQ(m.Fehleranzahl(), static_cast<int>(Texte.size())) << Meldungen;
    for (int Nr = 0; Nr < m.Fehleranzahl(); ++Nr) {
        EXPECT_EQ(m.Fehlertext(Nr), Texte[Nr]);
    }
}

struct Uebersetzung {
    std::string Formel;
    std::string Befehle; // slots 1 to Anzahl_FTeile
    std::vector<std::pair<int, double>> Zahlen;
    int Fehler;
    std::string Normalform;
    std::string Meldungen;
};

TEST(Uebersetzen, CompiledForm)
{
    const Uebersetzung Tabelle[] = {
        { "", "|", {}, 0, "", "" },
        { "    ", "|", {}, 0, "", "" },
        { "sin(X)+x^2*0.1", "G(x)+x^Z*Z|", { { 8, 2 }, { 10, 0.1 } }, 0, "sin(x)+x^2*0.1", "" },
        { "sin( X ) + x ^ 2 * 0,1", "G(x)+x^Z*Z|", { { 8, 2 }, { 10, 0.1 } }, 0, "sin(x)+x^2*0.1", "" },
        { "2,5*X", "Z*x|", { { 1, 2.5 } }, 0, "2.5*x", "" },
        { "cosd(x)", "B(x)|", {}, 0, "cosd(x)", "" },
        { "SIN(x)", "G(x)|", {}, 0, "sin(x)", "" },
        { "log10", "MZ|", { { 2, 10 } }, 0, "log10", "" },
        { "xsin(x)", "xG(x)|", {}, 0, "xsin(x)", "" },
        { "ACOSD(1)+atand(1)-asind(1)*tand(1):expz(1)^expn(1)", "E(Z)+F(Z)-D(Z)*C(Z):O(Z)^P(Z)|",
            { { 3, 1 }, { 8, 1 }, { 13, 1 }, { 18, 1 }, { 23, 1 }, { 28, 1 } }, 0,
            "acosd(1)+atand(1)-asind(1)*tand(1):expz(1)^expn(1)", "" },
        { "cos()acos()asin()atan()ln()log()sind()tan()", "H()K()J()L()N()M()A()I()|", {}, 0,
            "cos()acos()asin()atan()ln()log()sind()tan()", "" },
        { ".", "Z|", { { 1, 0 } }, 0, ".", "" },
        { "1.2.3", "Z|", { { 1, 1.2 } }, 0, "1.2.3", "" },
        { "1 2", "Z|", { { 1, 12 } }, 0, "12", "" },
        { "x|y", "x|", {}, 0, "x|y", "" },
        { "y", "y|", {}, 0, "y", "" },
        { "sinx", "\0|"s, {}, 1, "sinx", Unbekannt + "sinx  " },
        { "ab+cd", "\0+\0|"s, {}, 2, "ab+cd", Unbekannt + "ab  " + Unbekannt + "cd  " },
        { "pi*e", "Z*\0|"s, { { 1, std::acos(-1.0) } }, 1, "pi*e", Unbekannt + "e  " },
        { "Sqrt(x)abs(x)2pi", "Q(x)R(x)ZZ|", { { 9, 2 }, { 10, std::acos(-1.0) } }, 0, "sqrt(x)abs(x)2pi", "" },
        { "1e5+pix", "Z\0Z+\0|"s, { { 1, 1 }, { 3, 5 } }, 2, "1e5+pix", Unbekannt + "e  " + Unbekannt + "pix  " },
        { "x!2", "x\0Z|"s, { { 3, 2 } }, 1, "x!2", Unbekannt + "!  " },
        { "x\t+1", "x\0+Z|"s, { { 4, 1 } }, 1, "x\t+1", Unbekannt + "\t  " },
        { "2\xE4", "Z\0|"s, { { 1, 2 } }, 1, "2\xE4", Unbekannt + "\xE4  " },
        { "Exp(x)", "P(x)|", {}, 0, "exp(x)", "" },
        { "x\xB2", "x^Z|", { { 3, 2 } }, 0, "x\xB2", "" },
        { "y = 2x", "Zx|", { { 1, 2 } }, 0, "y=2x", "" },
        { "y2", "yZ|", { { 2, 2 } }, 0, "y2", "" },
    };
    for (const Uebersetzung &u : Tabelle) {
        Mathe m;
        Mitschnitt Ausgabe;
        Uebersetzen(m, u.Formel);
        EXPECT_EQ(MatheEinblick::Befehle(m), u.Befehle) << u.Formel;
        EXPECT_EQ(MatheEinblick::Anzahl_FTeile(m), static_cast<int>(u.Befehle.size())) << u.Formel;
        EXPECT_EQ(MatheEinblick::Fehler(m), u.Fehler) << u.Formel;
        EXPECT_EQ(std::string(m.Formel), u.Normalform) << u.Formel;
        EXPECT_EQ(Ausgabe.Ausgabe(), u.Meldungen) << u.Formel;
        Texte_wie_Meldungen(m, u.Meldungen);
        for (const auto &[Platz, Wert] : u.Zahlen) {
            EXPECT_EQ(MatheEinblick::Zahlenwert(m, Platz), Wert) << u.Formel << " slot " << Platz;
        }
    }
}

struct Lesung {
    std::string Formel;
    double x;
    std::string Hinweise; // the notes on the readings, one a line
    std::string Rat; // the advice on the faults, one a line
    double Wert; // in the radian view; the rules' value, bit for bit
};

// What the compile noted of a text, and what the user is told of it.
TEST(Uebersetzen, ReadingsAndAdvice)
{
    const double Pi = std::acos(-1.0);
    const Lesung Tabelle[] = {
        { "x**2", 3, "„**“ gelesen als „*“", "", 6 },
        { "x**2+|x|", 3, "„**“ gelesen als „*“\n„|“ beendet die Formel – Betrag: abs(x)", "", 6 },
        { "2*-*3", 0, "„*-*“ gelesen als „*“", "", 6 },
        { "1+2^*3", 0, "„^*“ gelesen als „*“", "", 7 },
        { "sin^2(x)", 1, "sin ohne Klammer nimmt den Rest: sin(^2(x)) – gemeint ist wohl sin(x)^2", "", 0 },
        { "sin-x", 2, "sin ohne Klammer nimmt den Rest: sin(-x)", "", std::sin(-2.0) },
        { "(1+cos)", 0, "cos ohne Klammer nimmt den Rest: cos()", "", 2 },
        { "sin2x+1", 1, "", "", std::sin(3.0) },
        { "|x|", 2, "„|“ beendet die Formel – Betrag: abs(x)", "", 0 },
        { "x^2, x^3", 2, "„2.“ ohne Ziffer nach dem Komma wird mit dem Folgenden malgenommen", "", 32 },
        { "1 2+x", 1, "Leerzeichen in einer Zahl: gelesen als 12", "", 13 },
        { "(2", 0, "„(“ wird nie geschlossen: die Klammer reicht bis zum Ende", "", 2 },
        { "2)+3", 0, "„)“ ohne „(“ beendet die Formel: „+3“ bleibt unbeachtet", "", 2 },
        { "*3", 0, "„*“ am Anfang rechnet mit 0 davor", "", 0 },
        { "2+", 0, "", "", 2 },
        { "x-y1", 3, "", "", 2 },
        { "", 0, "", "", 0 },
        // School notations
        { "Y = x^2", 3, "", "", 9 },
        { "f(X)=x^2", 3, "", "", 9 },
        { "x\xB2+2x\xB3", 3, "", "", 63 },
        { "-x\xB2", 3, "", "", -9 },
        { "exp(x)", 1, "", "", std::exp(1.0) },
        { "2pi", 0, "", "", 2 * Pi },
        // Unknown names and characters, with the fix
        { "e^x", 0, "", "„e^x“ schreibt man expn(x)", 0 },
        { "e^(x)+1e5", 0, "", "„e^x“ schreibt man expn(x)\ne schreibt man expn(1)", 0 },
        { "sin x", 0, "", "„sin x“ wird „sinx“ – schreibe sin(x)", 0 },
        { "ln x + asinx", 0, "", "„ln x“ wird „lnx“ – schreibe ln(x)\n„asin x“ wird „asinx“ – schreibe asin(x)", 0 },
        { "pix", 0, "", "„pi x“ wird „pix“ – schreibe pi*x", 0 },
        { "?x", 0, "", "„?“: nur Zeichen aus Latin-1 – schreibe sqrt(x), pi", 0 },
        { "sni(x)+cso(x)+sqr(x)+sinn(x)", 0, "",
            "meinten Sie „sin“?\nmeinten Sie „cos“?\nmeinten Sie „sqrt“?\nmeinten Sie „sin“?", 0 },
        { "foo(x)", 0, "", "", 0 },
    };
    for (const Lesung &l : Tabelle) {
        Mathe m;
        Mitschnitt still;
        Uebersetzen(m, l.Formel);
        std::string Hinweise;
        for (const std::string &Text : Lesarten_erklaeren(m)) {
            Hinweise += (Hinweise.empty() ? "" : "\n") + Text;
        }
        std::string Rat;
        for (int Nr = 0; Nr < m.Fehleranzahl(); ++Nr) {
            const std::string Text = Fehler_erklaeren(m, Nr);
            Rat += Text.empty() ? "" : (Rat.empty() ? "" : "\n") + Text;
        }
        EXPECT_EQ(Hinweise, l.Hinweise) << l.Formel;
        EXPECT_EQ(Rat, l.Rat) << l.Formel;
        m.x = l.x;
        const double Wert = m.Formel_Berechnen();
        EXPECT_EQ(std::memcmp(&Wert, &l.Wert, sizeof Wert), 0) << l.Formel << ": " << Wert;
    }
}

// A new compile leaves nothing of the previous formula behind.
TEST(Uebersetzen, RecompileClearsEverything)
{
    Mathe m;
    Mitschnitt still;
    Uebersetzen(m, "foo+1.5*x^2");
    Uebersetzen(m, "x");
    EXPECT_EQ(MatheEinblick::Befehle(m), "x|");
    EXPECT_EQ(MatheEinblick::Fehler(m), 0);
    EXPECT_EQ(MatheEinblick::Zahlenwert(m, 3), 0.0);
    m.x = 7;
    EXPECT_EQ(m.Formel_Berechnen(), 7);
}

// Each evaluation of a faulty formula writes the refusal once and yields 0.
TEST(Uebersetzen, RefusalMessageOnEveryEvaluation)
{
    const std::pair<const char *, std::string> Tabelle[] = {
        { "foo(x)", Unbekannt + "foo  " },
        { "ab+cd", Unbekannt + "ab  " + Unbekannt + "cd  " },
    };
    for (const auto &[Formel, Meldung] : Tabelle) {
        Mathe m;
        Mitschnitt Ausgabe;
        Uebersetzen(m, Formel);
        const int Fehler = MatheEinblick::Fehler(m);
        for (double x : { 0.0, 1.0, 2.0 }) {
            m.x = x;
            EXPECT_EQ(m.Formel_Berechnen(), 0.0);
        }
        EXPECT_EQ(Ausgabe.Ausgabe(), Meldung + Verweigert(Fehler) + Verweigert(Fehler) + Verweigert(Fehler)) << Formel;
    }
}

std::string Wiederholt(const std::string &Teil, int n)
{
    std::string s;
    for (int i = 0; i < n; ++i) {
        s += Teil;
    }
    return s;
}

struct Grenzfall {
    std::string Formel;
    int Fehler;
    std::string Meldungen;
    double Wert; // at x = 3; 0 for a refused formula
};

// Whatever the text, nothing is read or written outside the buffers; a
// formula that does not fit is refused, never evaluated to a wrong value.
TEST(Uebersetzen, Limits)
{
    const std::string LangerName = Wiederholt("a", 80);
    const std::string SehrLangerName = Wiederholt("q", 200);
    double SinusHoch50 = 3;
    for (int i = 0; i < 50; ++i) {
        SinusHoch50 = std::sin(SinusHoch50);
    }
    const Grenzfall Tabelle[] = {
        // 254 one-character tokens fit, 255 do not.
        { Wiederholt("+x", 127), 0, "", 127 * 3.0 },
        { Wiederholt("x+", 127) + "x", 1, ZuLang, 0 },
        { Wiederholt("(", 255), 1, ZuLang, 0 },
        { Wiederholt("-", 255), 1, ZuLang, 0 },
        { Wiederholt("!", 255), 255, Wiederholt(Unbekannt + "!  ", 254) + ZuLang, 0 },
        { Wiederholt("a+", 127) + "a", 128, Wiederholt(Unbekannt + "a  ", 127) + ZuLang, 0 },
        { Wiederholt("+", 253) + "x", 0, "", 3 },
        // A run of letters of any length is one unknown name.
        { LangerName, 1, Unbekannt + LangerName + "  ", 0 },
        { "x+" + SehrLangerName + "(x)", 1, Unbekannt + SehrLangerName + "  ", 0 },
        // Groups nest 79 deep; deeper is refused.
        { Wiederholt("(", 79) + "x" + Wiederholt(")", 79), 0, "", 3 },
        { Wiederholt("(", 80) + "x" + Wiederholt(")", 80), 1, ZuTief, 0 },
        { Wiederholt("(", 100) + "x" + Wiederholt(")", 100), 1, ZuTief, 0 },
        { Wiederholt("(", 120) + "x", 1, ZuTief, 0 },
        { Wiederholt("sin(", 50) + "x", 0, "", SinusHoch50 },
        { Wiederholt("ln((", 40) + "x", 1, ZuTief, 0 },
        // Chains count as levels too: 39 groups, each holding a product
        // and a power chain.
        { Wiederholt("1+2*2^(", 26) + "x" + Wiederholt(")", 26), 0, "", std::numeric_limits<double>::infinity() },
        { Wiederholt("1+2*2^(", 27) + "x" + Wiederholt(")", 27), 1, ZuTief, 0 },
        // More ")" than "(".
        { Wiederholt(")", 254), 0, "", 0 },
        { "x" + Wiederholt(")", 200), 0, "", 3 },
        { "sin2)sin3)(x)", 0, "", std::sin(2.0) },
    };
    for (const Grenzfall &g : Tabelle) {
        Mathe m;
        Mitschnitt Ausgabe;
        Uebersetzen(m, g.Formel);
        EXPECT_EQ(MatheEinblick::Fehler(m), g.Fehler) << g.Formel;
        EXPECT_EQ(Ausgabe.Ausgabe(), g.Meldungen) << g.Formel;
        Texte_wie_Meldungen(m, g.Meldungen);
        EXPECT_LE(MatheEinblick::Anzahl_FTeile(m), 255) << g.Formel;
        EXPECT_EQ(MatheEinblick::Befehle(m).back(), ENDE) << g.Formel;
        m.x = 3;
        EXPECT_EQ(m.Formel_Berechnen(), g.Wert) << g.Formel;
    }
}

// A caller that fills every byte of Formel still gets a terminated text.
TEST(Uebersetzen, UnterminatedBuffer)
{
    Mathe m;
    std::fill(std::begin(m.Formel), std::end(m.Formel), 'x');
    Mitschnitt still;
    m.Formel_compillieren();
    EXPECT_EQ(std::string(m.Formel).size(), 255u);
    EXPECT_EQ(MatheEinblick::Fehler(m), 1); // 255 tokens do not fit
}
struct Trennung {
    std::string Text;
    std::vector<std::string> Formeln;
    bool Zu_viele;
};

// The entry's text as the formulas it holds.
TEST(Uebersetzen, SeveralFormulas)
{
    const std::string Lang = Wiederholt("x+", 20) + "x";
    const Trennung Tabelle[] = {
        { "sin(x); cos(x); x^2-1", { "sin(x)", "cos(x)", "x^2-1" }, false },
        { " x ", { " x " }, false },
        { "x;;x^2;", { "x", "x^2" }, false },
        { "  ;  x  ;  ", { "x" }, false },
        { ";", { "" }, false },
        { "", { "" }, false },
        { "1;2;3;4;5;6;7;8", { "1", "2", "3", "4", "5", "6" }, true },
        { "1;2;3;4;5;6; ", { "1", "2", "3", "4", "5", "6" }, false },
        { "x;foo;x^2", { "x", "foo", "x^2" }, false },
        { Wiederholt(Lang + ";", 5) + Lang, std::vector<std::string>(6, Lang), false },
    };
    for (const Trennung &t : Tabelle) {
        const Formelliste Liste = Formeln_trennen(t.Text);
        EXPECT_EQ(std::vector<std::string>(Liste.Formeln, Liste.Formeln + Liste.Anzahl), t.Formeln) << t.Text;
        EXPECT_EQ(Liste.Zu_viele, t.Zu_viele) << t.Text;
    }
}
} // namespace
