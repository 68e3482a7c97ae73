// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// Compiles arbitrary bytes as a formula and evaluates it in both angle modes
// at points that reach the edges of the views and of the doubles, by the
// compiled program and by the walk, and discusses a sound formula's curve
// in both views. The sanitizers watch memory and arithmetic; the checks
// below watch the results.

#include "Formel_I.h"
#include "Kurvendiskussion.h"
#include "Punktpruefung.h"
#include "ausgabezaehler.h"
#include "formeltest.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <iostream>
#include <iterator>
#include <limits>
#include <string>
#include <string_view>

namespace {
Ausgabezaehler Ausgabe;

const double Inf = std::numeric_limits<double>::infinity();
const double NaN = std::numeric_limits<double>::quiet_NaN();

// Both views' edges, the poles and branch limits of the functions, and the
// values a formula cannot expect.
const double Stellen[] = {
    0.0,
    -0.0,
    6.4,
    -6.4,
    360.0,
    -360.0,
    90.0,
    1.0,
    -1.0,
    0.5,
    1e308,
    -1e308,
    5e-324,
    Inf,
    -Inf,
    NaN,
};
const int AnzahlStellen = static_cast<int>(std::size(Stellen));

struct Ergebnis {
    bool fehlerhaft = false;
    double Wert[AnzahlStellen] = {};
};

[[noreturn]] void Verstoss(const char *Was, const Mathe &m, double x)
{
    std::fprintf(stderr, "%s: \"%s\" at x=%g in %s\n", Was, m.Formel, x, m.statusRAD() ? "RAD" : "DEG");
    std::abort();
}

// Bit for bit: a value that is no number is always the one quiet NaN.
bool gleich(double a, double b)
{
    return std::memcmp(&a, &b, sizeof a) == 0;
}

// Longer texts are cut, as the entry field would.
bool Uebersetzen(Mathe &m, std::string_view Text, bool RAD)
{
    const std::size_t Laenge = std::min(Text.size(), sizeof m.Formel - 1);
    std::memcpy(m.Formel, Text.data(), Laenge);
    m.Formel[Laenge] = '\0';
    m.setRAD(RAD);
    Ausgabe.Zeichen = 0;
    m.Formel_compillieren();
    return Ausgabe.Zeichen > 0;
}

double Berechnen(Mathe &m, double x, bool fehlerhaft)
{
    Ausgabe.Zeichen = 0;
    m.x = x;
    const double Wert = m.Formel_Berechnen();
    if ((Ausgabe.Zeichen > 0) != fehlerhaft) {
        Verstoss(fehlerhaft ? "faulty formula evaluated silently" : "sound formula complained", m, x);
    }
    if (fehlerhaft && !gleich(Wert, 0.0)) {
        Verstoss("faulty formula gave a value other than 0", m, x);
    }
    // The program is recorded from the walk and must compute what it does.
    const std::streamsize Meldung = Ausgabe.Zeichen;
    Ausgabe.Zeichen = 0;
    if (!gleich(MatheEinblick::Durchlauf(m), Wert) || Ausgabe.Zeichen != Meldung) {
        Verstoss("program and walk differ", m, x);
    }
    return Wert;
}

// Compiles, evaluates at every point, then again in the opposite order:
// nothing one evaluation leaves behind may change the next.
Ergebnis Auswerten(Mathe &m, std::string_view Text, bool RAD)
{
    Ergebnis e;
    e.fehlerhaft = Uebersetzen(m, Text, RAD);
    for (int i = 0; i < AnzahlStellen; ++i) {
        e.Wert[i] = Berechnen(m, Stellen[i], e.fehlerhaft);
    }
    for (int i = AnzahlStellen - 1; i >= 0; --i) {
        if (!gleich(Berechnen(m, Stellen[i], e.fehlerhaft), e.Wert[i])) {
            Verstoss("second evaluation differs", m, Stellen[i]);
        }
    }
    return e;
}

void Vergleichen(const Ergebnis &a, const Ergebnis &b, const char *Was, const Mathe &m)
{
    if (a.fehlerhaft != b.fehlerhaft) {
        Verstoss(Was, m, NaN);
    }
    for (int i = 0; i < AnzahlStellen; ++i) {
        if (!gleich(a.Wert[i], b.Wert[i])) {
            Verstoss(Was, m, Stellen[i]);
        }
    }
}

// The compiled text is normalised, and "|" ends it: compiling what comes
// before the "|" must give the same formula and leave that text unchanged.
void PruefeNormalform(const Mathe &m, const Ergebnis &e)
{
    std::string_view Text(m.Formel);
    Text = Text.substr(0, Text.find('|'));
    Mathe Nochmal;
    Vergleichen(e, Auswerten(Nochmal, Text, m.statusRAD()), "normalised text compiles to another formula", Nochmal);
    if (Text != Nochmal.Formel) {
        Verstoss("normalising the normalised text changed it", Nochmal, NaN);
    }

    if (Text.find('x') == std::string_view::npos) {
        for (const double Wert : e.Wert) {
            if (!gleich(Wert, e.Wert[0])) {
                Verstoss("formula without x depends on x", m, NaN);
            }
        }
    }
}

// The view's range on a grid a tenth as fine in radians, so that a run
// still tries many formulas: the analysis does not depend on the grid's
// width for what is checked here.
Bereich Fuzzbereich(bool RAD)
{
    Bereich b = Ansichtsbereich(Ansicht::Anfang(RAD));
    b.Schritte = RAD ? b.Schritte / 10 : b.Schritte;
    return b;
}

// The curve discussion of a sound formula: silent, every point inside the
// range and in order, f finite at every point but a pole, and every point
// what it is listed as. The budget of evaluations keeps it from hanging.
void Diskutieren(Mathe &m)
{
    const Bereich b = Fuzzbereich(m.statusRAD());
    const Verlauf f = [&m](double x) {
        m.x = x;
        return m.Formel_Ableiten();
    };
    Ausgabe.Zeichen = 0;
    const Diskussion d = Kurve_diskutieren(Abtasten(f, b), f, b);
    if (Ausgabe.Zeichen > 0) {
        Verstoss("the analysis printed", m, NaN);
    }
    for (std::size_t i = 0; i < d.Punkte.size(); ++i) {
        const Kurvenpunkt &p = d.Punkte[i];
        if (!(p.x >= b.Von && p.x <= b.Bis)) {
            Verstoss("point outside the range", m, p.x);
        }
        if (i > 0 && !(d.Punkte[i - 1].x <= p.x)) {
            Verstoss("points out of order", m, p.x);
        }
        m.x = p.x;
        if (p.Art != Punktart::Polstelle && (!std::isfinite(p.y) || !std::isfinite(m.Formel_Berechnen()))) {
            Verstoss("no finite value at a point that is no pole", m, p.x);
        }
    }
    const std::string Einwand = Diskussion_pruefen(f, b, d);
    if (!Einwand.empty()) {
        Verstoss(("a listed point is none: " + Einwand).c_str(), m, NaN);
    }
}

// Only sin, cos and tan read the angle mode.
bool liestWinkelmodus(std::string_view Text)
{
    for (const char *Name : { "sin", "cos", "tan" }) {
        if (Text.find(Name) != std::string_view::npos) {
            return true;
        }
    }
    return false;
}
} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    std::cout.rdbuf(&Ausgabe);
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *Daten, std::size_t Groesse)
{
    const std::string_view Text(reinterpret_cast<const char *>(Daten), Groesse);
    Mathe Bogen;
    Mathe Grad;
    const Ergebnis InBogen = Auswerten(Bogen, Text, true);
    const Ergebnis InGrad = Auswerten(Grad, Text, false);

    // The mode switched after the compile: the other mode's program runs.
    Bogen.setRAD(false);
    for (const double x : Stellen) {
        Berechnen(Bogen, x, InBogen.fehlerhaft);
    }
    Bogen.setRAD(true);

    PruefeNormalform(Bogen, InBogen);
    PruefeNormalform(Grad, InGrad);
    if (!InBogen.fehlerhaft) {
        Diskutieren(Bogen);
        Diskutieren(Grad);
    }
    if (!liestWinkelmodus(Bogen.Formel)) {
        Vergleichen(InBogen, InGrad, "angle mode changed a formula without sin, cos or tan", Grad);
    }
    return 0;
}
