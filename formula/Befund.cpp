// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Befund.h"

#include <ostream>
#include <string_view>

void Meldung_schreiben(std::ostream &Ausgabe, const Fehlerangabe &Fehler, const char *Formel)
{
    switch (Fehler.Art) {
    case Fehlerart::Unbekannt:
        Ausgabe << "Befehl nicht bekannt: " << std::string_view(Formel + Fehler.Stelle, Fehler.Laenge);
        return;
    case Fehlerart::Zu_lang:
        Ausgabe << "Formel zu lang";
        return;
    case Fehlerart::Zu_tief:
        Ausgabe << "Klammerung zu tief verschachtelt";
        return;
    }
}
