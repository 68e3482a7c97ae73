// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Fehlerbericht.h"

#include "Erklaerungen.h"
#include "Formel_I.h"

#include <string>

QStringList Fehlerbericht(const Mathe &Interpreter)
{
    QStringList Absaetze;
    for (int Nr = 0; Nr < Interpreter.Fehleranzahl(); ++Nr) {
        const std::string Text = Interpreter.Fehlertext(Nr);
        QString Absatz = QString::fromLatin1(Text.data(), static_cast<int>(Text.size()));
        const std::string Rat = Fehler_erklaeren(Interpreter, Nr);
        if (!Rat.empty()) {
            Absatz += QLatin1Char('\n') + QString::fromStdString(Rat);
        }
        Absaetze << Absatz;
    }
    return Absaetze;
}
