// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The compiled program against the walk it was recorded from: the same
// value, bit for bit (NaN included), and the same messages, for every formula, every x and
// either angle mode, whichever mode the formula was compiled in.

#include "formelgenerator.h"
#include "formeltest.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <limits>
#include <sstream>
#include <string>
#include <vector>

namespace {
const double Inf = std::numeric_limits<double>::infinity();

// Zeros, infinities, NaN, the edges of the doubles, and values whose
// products and powers land on or next to a rounding tie: 94906267 squared
// is an odd integer above 2^53, exactly between two doubles.
const double Stellen[] = {
    0.0, -0.0, Inf, -Inf, std::numeric_limits<double>::quiet_NaN(), 1e308, -1e308, 5e-324, -2.2250738585072014e-308,
    94906267.0, -94906267.0, 1.0 + 0x1p-27, 1.0 - 0x1p-53, 0.1, 1.0 / 3.0, 0.5, 2.5, -1.0, 90.0, -180.0, 6.4, -6.4,
    -5.000999999999744, // a sample of the radian view, as its running sum gives it
};

// Compares program and walk of the compiled formula in m at every point in
// both modes; returns how many evaluations differed.
int Abweichungen(Mathe &m, const std::string &Formel)
{
    int Anzahl = 0;
    for (bool RAD : { true, false }) {
        m.setRAD(RAD);
        for (double x : Stellen) {
            m.x = x;
            Mitschnitt Programm;
            const double Wert = m.Formel_Berechnen();
            const std::string Meldung = Programm.Ausgabe();
            Mitschnitt Durchlauf;
            const double Soll = MatheEinblick::Durchlauf(m);
            if (std::memcmp(&Wert, &Soll, sizeof Wert) != 0 || Meldung != Durchlauf.Ausgabe()) {
                ++Anzahl;
                ADD_FAILURE() << Formel << "\n at x = " << x << (RAD ? " RAD" : " DEG") << ": program " << Wert << " \""
                              << Meldung << "\", walk " << Soll << " \"" << Durchlauf.Ausgabe() << "\"\n"
                              << MatheEinblick::Programm(m);
            }
        }
    }
    return Anzahl;
}

// Compiles in one mode; Abweichungen then evaluates in both.
int Vergleichen(Mathe &m, const std::string &Formel, bool RAD)
{
    m.setRAD(RAD);
    {
        Mitschnitt still;
        Uebersetzen(m, Formel);
    }
    return Abweichungen(m, Formel);
}

TEST(Programm, RandomFormulasAsTheWalk)
{
    Generator g;
    Mathe m;
    int Fehlschlaege = 0;
    for (int n = 0; n < 100000 && Fehlschlaege < 10; ++n) {
        Fehlschlaege += Vergleichen(m, g.Formel(), n % 2 == 0);
    }
}

// Slips the language reads by fixed rules, refusals, and formulas at the
// limits of the fixed storage.
TEST(Programm, MalformedAndRefusedAsTheWalk)
{
    const std::string Tief(90, '(');
    const std::string Formeln[] = {
        "",
        "y",
        "()",
        "2)+3",
        "))x+1",
        "(2",
        "sin(x",
        "2+",
        "x^",
        "*3",
        "2*+3",
        "2+*3",
        "2x",
        "2x+1",
        "sin2x+1",
        "(2+sin3)*2",
        "1+2*sin3+1",
        "sin2)sin3)(x)",
        "x*-x",
        "sinx",
        "foo(x)+x",
        "x!",
        "sin",
        "(-x)(-2)x(-x)",
        "--x^2",
        "x^-x^2",
        "-x-(-x)+-+-x",
        "2^3^2*x",
        "sin((x+1)*2)+ln(1+(x^2))",
        "x-x",
        "x*1+0",
        "1/0*x",
        Tief + "x",
        std::string(79, '(') + "x",
        std::string(40, '(') + "x^2" + std::string(40, ')') + "*x",
        "x" + std::string(120, ')') + "+1",
    };
    Mathe m;
    for (const std::string &Formel : Formeln) {
        for (bool RAD : { true, false }) {
            // After a sound formula, so that a refusal cannot run its program.
            Vergleichen(m, "x^2+1", !RAD);
            Vergleichen(m, Formel, RAD);
        }
    }
}

// The longest formulas of each kind the compile accepts: every token adds
// to the recording.
TEST(Programm, LongestFormulasAsTheWalk)
{
    const char *const Glieder[] = { "-sind", "-asind", "(-x)", "x^", "+sin(", "*x", "x", "2" };
    Mathe m;
    for (const char *Glied : Glieder) {
        std::string Formel;
        while (Formel.size() + std::strlen(Glied) < 255) {
            Formel += Glied;
        }
        for (bool RAD : { true, false }) {
            Vergleichen(m, Formel, RAD);
        }
    }
}

TEST(Programm, FuzzCorpusAsTheWalk)
{
    Mathe m;
    int Dateien = 0;
    for (const auto &Eintrag : std::filesystem::directory_iterator(KURVANO_FORMELKORPUS)) {
        std::ifstream Datei(Eintrag.path(), std::ios::binary);
        std::ostringstream Inhalt;
        Inhalt << Datei.rdbuf();
        const std::string Formel = Inhalt.str().substr(0, sizeof m.Formel - 1);
        ++Dateien;
        for (bool RAD : { true, false }) {
            Vergleichen(m, Formel, RAD);
        }
    }
    EXPECT_GT(Dateien, 10);
}
} // namespace
