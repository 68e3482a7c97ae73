// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Kurvenzug.h"

#include <cmath>
#include <cstddef>
#include <utility>

namespace {
bool gleich(Zugpunkt a, Zugpunkt b)
{
    return a.x == b.x && a.y == b.y;
}

// How far p lies from the segment from a to b.
double Abstand(Zugpunkt p, Zugpunkt a, Zugpunkt b)
{
    const double dx = b.x - a.x;
    const double dy = b.y - a.y;
    const double Laenge = dx * dx + dy * dy;
    double t = Laenge > 0 ? ((p.x - a.x) * dx + (p.y - a.y) * dy) / Laenge : 0;
    t = t < 0 ? 0 : (t > 1 ? 1 : t);
    return std::hypot(p.x - (a.x + t * dx), p.y - (a.y + t * dy));
}

// The points of Zug that a polyline through the others would miss by more
// than Toleranz, with both ends: each stretch is split at its farthest
// point until none lies farther off. A stack, not recursion: a piece may
// have thousands of points.
std::vector<Zugpunkt> vereinfacht(const std::vector<Zugpunkt> &Zug, double Toleranz)
{
    std::vector<bool> Bleibt(Zug.size(), false);
    Bleibt.front() = true;
    Bleibt.back() = true;
    std::vector<std::pair<std::size_t, std::size_t>> Offen { { 0, Zug.size() - 1 } };
    while (!Offen.empty()) {
        const auto [Anfang, Ende] = Offen.back();
        Offen.pop_back();
        double Weiteste = Toleranz;
        std::size_t Stelle = 0;
        for (std::size_t i = Anfang + 1; i < Ende; ++i) {
            const double d = Abstand(Zug[i], Zug[Anfang], Zug[Ende]);
            if (d > Weiteste) {
                Weiteste = d;
                Stelle = i;
            }
        }
        if (Stelle != 0) {
            Bleibt[Stelle] = true;
            Offen.push_back({ Anfang, Stelle });
            Offen.push_back({ Stelle, Ende });
        }
    }
    std::vector<Zugpunkt> Neu;
    for (std::size_t i = 0; i < Zug.size(); ++i) {
        if (Bleibt[i]) {
            Neu.push_back(Zug[i]);
        }
    }
    return Neu;
}
} // namespace

Kurvenzug::Kurvenzug(double Links, double Oben, double Rechts, double Unten, double Toleranz)
    : Links(Links)
    , Oben(Oben)
    , Rechts(Rechts)
    , Unten(Unten)
    , Toleranz(Toleranz)
{
}

void Kurvenzug::Strecke(Zugpunkt Von, Zugpunkt Bis)
{
    if (!zuschneiden(Von, Bis)) {
        return;
    }
    if (!Roh.empty() && gleich(Roh.back().back(), Von)) {
        if (!gleich(Von, Bis)) {
            Roh.back().push_back(Bis);
        }
    } else if (!gleich(Von, Bis)) {
        Roh.push_back({ Von, Bis });
    }
}

std::vector<std::vector<Zugpunkt>> Kurvenzug::Stuecke() const
{
    std::vector<std::vector<Zugpunkt>> Neu;
    for (const std::vector<Zugpunkt> &Stueck : Roh) {
        Neu.push_back(vereinfacht(Stueck, Toleranz));
    }
    return Neu;
}

// Cut by the four edges in turn along the segment's parameter; an end that
// lies inside stays exactly as it was, so that the next segment can go on
// from it. False where no part lies inside.
bool Kurvenzug::zuschneiden(Zugpunkt &Von, Zugpunkt &Bis) const
{
    if (std::isinf(Von.y) && std::isfinite(Bis.y)) {
        Von = { Bis.x, Von.y > 0 ? Unten : Oben };
    } else if (std::isinf(Bis.y) && std::isfinite(Von.y)) {
        Bis = { Von.x, Bis.y > 0 ? Unten : Oben };
    }
    if (!std::isfinite(Von.x) || !std::isfinite(Von.y) || !std::isfinite(Bis.x) || !std::isfinite(Bis.y)) {
        return false;
    }
    const double dx = Bis.x - Von.x;
    const double dy = Bis.y - Von.y;
    const double Richtung[4] = { -dx, dx, -dy, dy };
    const double Abstaende[4] = { Von.x - Links, Rechts - Von.x, Von.y - Oben, Unten - Von.y };
    double Beginn = 0;
    double Schluss = 1;
    for (int Kante = 0; Kante < 4; ++Kante) {
        if (Richtung[Kante] == 0) {
            if (Abstaende[Kante] < 0) {
                return false;
            }
            continue;
        }
        const double t = Abstaende[Kante] / Richtung[Kante];
        if (Richtung[Kante] < 0) {
            Beginn = std::fmax(Beginn, t);
        } else {
            Schluss = std::fmin(Schluss, t);
        }
    }
    if (Beginn > Schluss) {
        return false;
    }
    const Zugpunkt Anfang = Von;
    if (Beginn > 0) {
        Von = { Anfang.x + Beginn * dx, Anfang.y + Beginn * dy };
    }
    if (Schluss < 1) {
        Bis = { Anfang.x + Schluss * dx, Anfang.y + Schluss * dy };
    }
    return true;
}
