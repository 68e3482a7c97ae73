// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Fehlerbericht.h"

#include "Formel_I.h"

#include <QByteArray>
#include <QStringList>

#include <algorithm>
#include <iostream>
#include <streambuf>
#include <string>

namespace {
// Takes what a trial compile writes: standard output carries the messages
// of the drawn formula only.
class Nirgendwohin : public std::streambuf
{
protected:
    int overflow(int Zeichen) override
    {
        return traits_type::not_eof(Zeichen);
    }
};

// Whether the text alone compiles without a fault, tried in an interpreter
// of its own so that the drawn formula stays compiled.
bool fehlerfrei(const QByteArray &Text)
{
    static Mathe Probe;
    qstrncpy(Probe.Formel, Text.constData(), sizeof Probe.Formel);
    Nirgendwohin Senke;
    std::streambuf *Alt = std::cout.rdbuf(&Senke);
    Probe.Formel_compillieren();
    std::cout.rdbuf(Alt);
    return Probe.Fehleranzahl() == 0;
}

// The compile removes the blanks first, so "sin x" arrives as the unknown
// name "sinx". Says so where the name splits into a known start and a rest
// that stands on its own; the longest known start wins ("asinx" is asin x).
QString Zusammengeschrieben(const QByteArray &Name)
{
    for (int Laenge = Name.size() - 1; Laenge > 0; --Laenge) {
        if (fehlerfrei(Name.left(Laenge)) && fehlerfrei(Name.mid(Laenge))) {
            return QStringLiteral("Leerzeichen entfallen: aus „%1 %2“ wird „%3“.")
                .arg(QString::fromLatin1(Name.left(Laenge)), QString::fromLatin1(Name.mid(Laenge)),
                    QString::fromLatin1(Name));
        }
    }
    return QString();
}

// The window lists the first messages, then how many more there are.
const int GEZEIGTE_FEHLER = 8;
}

QString Fehlerbericht(const Mathe &Interpreter)
{
    QStringList Absaetze;
    const int Anzahl = Interpreter.Fehleranzahl();
    for (int Nr = 0; Nr < std::min(Anzahl, GEZEIGTE_FEHLER); ++Nr) {
        const std::string Text = Interpreter.Fehlertext(Nr);
        QString Absatz = QString::fromLatin1(Text.data(), static_cast<int>(Text.size()));
        const Fehlerangabe Fehler = Interpreter.Fehler_Nr(Nr);
        if (Fehler.Art == Fehlerart::Unbekannt) {
            const QString Hinweis = Zusammengeschrieben(QByteArray(Interpreter.Formel + Fehler.Stelle, Fehler.Laenge));
            if (!Hinweis.isEmpty()) {
                Absatz += QLatin1Char('\n') + Hinweis;
            }
        }
        Absaetze << Absatz;
    }
    if (Anzahl > GEZEIGTE_FEHLER) {
        Absaetze << QStringLiteral("… und %1 weitere").arg(Anzahl - GEZEIGTE_FEHLER);
    }
    return Absaetze.join(QStringLiteral("\n\n"));
}
