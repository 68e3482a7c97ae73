// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Formelliste.h"

#include "Formel_I.h"

namespace {
std::string_view ohne_Rand(std::string_view Teil)
{
    const std::size_t Anfang = Teil.find_first_not_of(' ');
    if (Anfang == std::string_view::npos) {
        return {};
    }
    return Teil.substr(Anfang, Teil.find_last_not_of(' ') - Anfang + 1);
}
} // namespace

void Formel_setzen(Mathe &m, std::string_view Formel)
{
    Formel.copy(m.Formel, Formel.size());
    m.Formel[Formel.size()] = '\0';
}

Formelliste Formeln_trennen(std::string_view Text)
{
    Formelliste Liste;
    if (Text.find(';') == std::string_view::npos) {
        Liste.Formeln[0] = Text;
        Liste.Anzahl = 1;
        return Liste;
    }
    while (!Text.empty()) {
        const std::size_t Ende = Text.find(';');
        const std::string_view Teil = ohne_Rand(Text.substr(0, Ende));
        Text = Ende == std::string_view::npos ? std::string_view() : Text.substr(Ende + 1);
        if (Teil.empty()) {
            continue;
        }
        if (Liste.Anzahl == Liste.MAX_FORMELN) {
            Liste.Zu_viele = true;
            break;
        }
        Liste.Formeln[Liste.Anzahl++] = Teil;
    }
    // Nothing but ";" and blanks is the empty formula, as the empty text is.
    Liste.Anzahl = Liste.Anzahl == 0 ? 1 : Liste.Anzahl;
    return Liste;
}
