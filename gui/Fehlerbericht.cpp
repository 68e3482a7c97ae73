// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Fehlerbericht.h"

#include "Formel_I.h"

#include <QByteArray>

#include <cstring>
#include <iostream>
#include <streambuf>

namespace {
const char UNBEKANNT[] = "Befehl nicht bekannt: ";

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
QString Zusammengeschrieben(const char *Text)
{
    const std::size_t Vorspann = std::strlen(UNBEKANNT);
    // A text cut short holds only part of the name.
    if (std::strncmp(Text, UNBEKANNT, Vorspann) != 0 || std::strlen(Text) + 1 >= Mathe::FEHLERTEXT_PLATZ) {
        return QString();
    }
    const QByteArray Name(Text + Vorspann);
    for (int Laenge = Name.size() - 1; Laenge > 0; --Laenge) {
        if (fehlerfrei(Name.left(Laenge)) && fehlerfrei(Name.mid(Laenge))) {
            return QStringLiteral("Leerzeichen entfallen: aus „%1 %2“ wird „%3“.")
                .arg(QString::fromLatin1(Name.left(Laenge)), QString::fromLatin1(Name.mid(Laenge)),
                    QString::fromLatin1(Name));
        }
    }
    return QString();
}
}

QStringList Fehlerbericht(const Mathe &Interpreter)
{
    QStringList Absaetze;
    int Nr = 0;
    for (const char *Text; (Text = Interpreter.Fehlertext(Nr)) != nullptr; ++Nr) {
        QString Absatz = QString::fromLatin1(Text);
        const QString Hinweis = Zusammengeschrieben(Text);
        if (!Hinweis.isEmpty()) {
            Absatz += QLatin1Char('\n') + Hinweis;
        }
        Absaetze << Absatz;
    }
    return Absaetze;
}
