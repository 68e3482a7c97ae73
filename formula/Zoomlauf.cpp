// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Zoomlauf.h"

#include <cmath>

std::optional<Ansicht> Zoomlauf::zoomen(const Ansicht &Aktuell, int Spalte, int Zeile, int Schritte_x, int Schritte_y)
{
    // Another point, or a view that came otherwise, begins a new run.
    if (Aktuell != Zuletzt || Spalte != this->Spalte || Zeile != this->Zeile) {
        Beginn = Aktuell;
        Zuletzt = Aktuell;
        this->Spalte = Spalte;
        this->Zeile = Zeile;
        Summe_x = 0;
        Summe_y = 0;
    }
    const long x = Summe_x + Schritte_x;
    const long y = Summe_y + Schritte_y;
    const auto Faktor = [](long Summe) {
        return Summe == 0 ? 1.0 : std::pow(FAKTOR, -static_cast<double>(Summe) / RASTE);
    };
    const std::optional<Ansicht> Neu = Beginn.gezoomt(Faktor(x), Faktor(y), Beginn.x_an(Spalte), Beginn.y_an(Zeile));
    if (Neu) {
        Summe_x = x;
        Summe_y = y;
        Zuletzt = *Neu;
    }
    return Neu;
}
