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

Bereich Ansichtsbereich(const Ansicht &A)
{
    return { A.xVon, A.xBis, A.Bogenmass ? Ansicht::BOGENPROBEN : Ansicht::GRADPROBEN - 1 };
}

double Schrittweite(const Bereich &b)
{
    return (b.Bis - b.Von) / b.Schritte;
}

// A multiple of the step, which puts 0, 1 and most tenths of the radian
// view and every whole degree exactly on the grid; the last point is the
// end itself.
double Gitterpunkt(const Bereich &b, int Nr)
{
    return Nr == b.Schritte ? b.Bis : b.Von + Nr * Schrittweite(b);
}

std::vector<Abgeleitet> Abtasten(const Verlauf &f, const Bereich &b)
{
    std::vector<Abgeleitet> Proben;
    Proben.reserve(b.Schritte + 1);
    for (int Nr = 0; Nr <= b.Schritte; ++Nr) {
        Proben.push_back(f(Gitterpunkt(b, Nr)));
    }
    return Proben;
}

std::vector<Abgeleitet> Proben_nehmen(Mathe &m, const Bereich &b)
{
    std::vector<double> Stellen(b.Schritte + 1);
    for (int Nr = 0; Nr <= b.Schritte; ++Nr) {
        Stellen[Nr] = Gitterpunkt(b, Nr);
    }
    std::vector<Abgeleitet> Proben(Stellen.size());
    m.Formel_Ableiten(Stellen.data(), Proben.data(), int(Stellen.size()));
    return Proben;
}

Diskussion Kurve_diskutieren(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b)
{
    return Punkte_suchen(Proben, f, b, true);
}

Diskussion Nullstellen_finden(const std::vector<Abgeleitet> &Proben, const Verlauf &f, const Bereich &b)
{
    return Punkte_suchen(Proben, f, b, false);
}

// The samples, which are most of the work, are one batch of the formula.
Diskussion Kurve_diskutieren(Mathe &m, const Ansicht &A)
{
    const double x = m.x;
    m.setRAD(A.Bogenmass);
    const Bereich b = Ansichtsbereich(A);
    const auto an = [&m](double Stelle) {
        m.x = Stelle;
        return m.Formel_Ableiten();
    };
    Diskussion d = Kurve_diskutieren(Proben_nehmen(m, b), an, b);
    m.x = x;
    return d;
}
