// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Kurvensatz.h"

#include "Erklaerungen.h"
#include "Formel_I.h"
#include "Formelliste.h"

namespace {
void einsetzen(Mathe &m, std::string_view Formel)
{
    Formel_setzen(m, Formel);
    m.Formel_compillieren();
}

Abgeleitet Ableitungen(Mathe &m, double x)
{
    m.x = x;
    return m.Formel_Ableiten();
}

// Compiles the formula: its faults with their fixes, or its readings.
Formelbefund befinden(Mathe &m, std::string_view Formel)
{
    Formelbefund Befund;
    Befund.Formel = Formel;
    einsetzen(m, Formel);
    for (int Nr = 0; Nr < m.Fehleranzahl(); ++Nr) {
        Befund.Fehler.push_back(m.Fehlertext(Nr));
        Befund.Rat.push_back(Fehler_erklaeren(m, Nr));
    }
    if (m.Fehleranzahl() == 0) {
        Befund.Hinweise = Lesarten_erklaeren(m);
    }
    return Befund;
}

// The zeros of the difference of the sound curves i and j. The interpreter
// holds one formula at a time, so refining compiles each in turn.
Schnitt schneiden(Mathe &m, const Kurvensatz &Satz, int i, int j, const std::vector<Abgeleitet> &Proben_i,
    const std::vector<Abgeleitet> &Proben_j, const Bereich &b)
{
    std::vector<Abgeleitet> Differenz(Proben_i.size());
    for (std::size_t k = 0; k < Differenz.size(); ++k) {
        Differenz[k] = Anwenden('-', Proben_i[k], Proben_j[k]);
    }
    const Verlauf d = [&](double x) {
        Formel_einsetzen(m, Satz, i);
        const Abgeleitet a = Ableitungen(m, x);
        Formel_einsetzen(m, Satz, j);
        return Anwenden('-', a, Ableitungen(m, x));
    };
    Schnitt S { i, j, Nullstellen_finden(Differenz, d, b) };
    // Where they meet, on the curves rather than on their difference.
    Formel_einsetzen(m, Satz, i);
    for (Kurvenpunkt &Punkt : S.Punkte.Punkte) {
        m.x = Punkt.x;
        Punkt.y = m.Formel_Berechnen();
    }
    return S;
}
} // namespace

void Formel_einsetzen(Mathe &m, const Kurvensatz &Satz, int Nr)
{
    einsetzen(m, Satz.Formeln[Nr].Formel);
}

Kurvensatz Formeln_befinden(Mathe &m, std::string_view Eingabe)
{
    const Formelliste Liste = Formeln_trennen(Eingabe);
    Kurvensatz Satz;
    Satz.Zu_viele = Liste.Zu_viele;
    for (int Nr = 0; Nr < Liste.Anzahl; ++Nr) {
        Satz.Formeln.push_back(befinden(m, Liste.Formeln[Nr]));
    }
    return Satz;
}

Kurvensatz Kurven_diskutieren(Mathe &m, std::string_view Eingabe, const Ansicht &A)
{
    const Formelliste Liste = Formeln_trennen(Eingabe);
    const Bereich b = Ansichtsbereich(A);
    m.setRAD(A.Bogenmass);
    Kurvensatz Satz;
    Satz.Zu_viele = Liste.Zu_viele;
    std::vector<std::vector<Abgeleitet>> Proben(Liste.Anzahl);
    for (int Nr = 0; Nr < Liste.Anzahl; ++Nr) {
        Satz.Formeln.push_back(befinden(m, Liste.Formeln[Nr]));
        if (m.Fehleranzahl() == 0) {
            Proben[Nr] = Proben_nehmen(m, b);
            const Verlauf f = [&m](double x) {
                return Ableitungen(m, x);
            };
            Satz.Formeln.back().Punkte = Kurve_diskutieren(Proben[Nr], f, b);
        }
    }
    for (int i = 0; i < Liste.Anzahl; ++i) {
        for (int j = i + 1; j < Liste.Anzahl; ++j) {
            if (!Proben[i].empty() && !Proben[j].empty()) {
                Satz.Schnitte.push_back(schneiden(m, Satz, i, j, Proben[i], Proben[j], b));
            }
        }
    }
    if (Liste.Anzahl > 1) {
        Formel_einsetzen(m, Satz, Liste.Anzahl - 1);
    }
    return Satz;
}
