// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Kurvendiskussion.h"

#include "Formel_I.h"
#include "Punktsuche.h"

const char *Punktname(Punktart Art)
{
    static const char *const Namen[AnzahlPunktarten]
        = { "Nullstelle", "Hochpunkt", "Tiefpunkt", "Wendepunkt", "Polstelle" };
    return Namen[static_cast<int>(Art)];
}

Bereich Ansichtsbereich(bool Bogenmass)
{
    return Bogenmass ? Bereich { -6.4, 6.4, 12800 } : Bereich { -360.0, 360.0, 720 };
}

// A multiple of the step, which puts 0, 1 and most tenths of the radian
// view and every whole degree exactly on the grid; the last point is the
// end itself.
double Gitterpunkt(const Bereich &b, int Nr)
{
    return Nr == b.Schritte ? b.Bis : b.Von + Nr * ((b.Bis - b.Von) / b.Schritte);
}

namespace {
template<class F> std::vector<Abgeleitet> abtasten(const F &f, const Bereich &b)
{
    std::vector<Abgeleitet> Proben;
    Proben.reserve(b.Schritte + 1);
    for (int Nr = 0; Nr <= b.Schritte; ++Nr) {
        Proben.push_back(f(Gitterpunkt(b, Nr)));
    }
    return Proben;
}
} // namespace

std::vector<Abgeleitet> Abtasten(const Verlauf &f, const Bereich &b)
{
    return abtasten(f, b);
}

Diskussion Kurve_diskutieren(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b)
{
    return Punkte_suchen(Proben, f, b, true);
}

Diskussion Nullstellen_finden(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b)
{
    return Punkte_suchen(Proben, f, b, false);
}

// The samples, which are most of the work, call the formula directly.
Diskussion Kurve_diskutieren(Mathe &m)
{
    const double x = m.x;
    const Bereich b = Ansichtsbereich(m.statusRAD());
    const auto an = [&m](double Stelle) {
        m.x = Stelle;
        return m.Formel_Ableiten();
    };
    Diskussion d = Kurve_diskutieren(abtasten(an, b), an, b);
    m.x = x;
    return d;
}
