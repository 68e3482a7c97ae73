// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef FORMELLISTE_H
#define FORMELLISTE_H

#include <string_view>

class Mathe;

// The entry holds one formula, or several separated by ";", each drawn as a
// curve of its own. Blanks around a ";" do not count, and empty parts are
// skipped; a text without ";" is one formula, exactly as typed.
struct Formelliste {
    static const int MAX_FORMELN = 6;

    std::string_view Formeln[MAX_FORMELN];
    int Anzahl = 0;
    bool Zu_viele = false; // parts past the sixth are not drawn
};

Formelliste Formeln_trennen(std::string_view Text);

// One of them into the interpreter's Formel, which holds all 255 characters.
void Formel_setzen(Mathe &m, std::string_view Formel);

#endif
