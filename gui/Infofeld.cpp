// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Infofeld.h"

#include "KdeKurvano.h"

#include <QColor>
#include <QFontMetrics>
#include <QList>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

namespace {
// The two pointer lines stand at the top; the faults below them keep their
// place whether the pointer is over the plot or not.
const int ZEIGERHOEHE = 44;
const int RAND = 2;

// A message's lines, after a blank line unless it is the first.
void anhaengen(QStringList &Zeilen, const QStringList &Meldung)
{
    if (!Zeilen.isEmpty()) {
        Zeilen << QString();
    }
    Zeilen << Meldung;
}
}

Infofeld::Infofeld(QWidget *Eltern)
    : QWidget(Eltern)
{
    // Filled with the window's background: the graph beneath is never
    // painted for it.
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Wert und Fehler"));
    vorlesbar_machen();
}

void Infofeld::Zeiger_setzen(const QString &Zeilen)
{
    if (Zeilen != Zeiger) {
        Zeiger = Zeilen;
        vorlesbar_machen();
        update();
    }
}

void Infofeld::Fehler_setzen(const QStringList &Meldungen, int Anzahl)
{
    QList<QStringList> Umbrochen;
    for (const QString &Meldung : Meldungen) {
        Umbrochen << umbrochen(Meldung);
    }
    // The most messages that fit together with the line of those left out.
    for (int Gezeigt = Meldungen.size(); Gezeigt >= 0; --Gezeigt) {
        QStringList Absaetze = Meldungen.mid(0, Gezeigt);
        QStringList Zeilen;
        for (int i = 0; i < Gezeigt; ++i) {
            anhaengen(Zeilen, Umbrochen[i]);
        }
        if (Gezeigt < Anzahl) {
            Absaetze << QStringLiteral("… und %1 weitere").arg(Anzahl - Gezeigt);
            anhaengen(Zeilen, umbrochen(Absaetze.last()));
        }
        if (Zeilen.size() <= Zeilenplatz() || Gezeigt == 0) {
            zeigen(Absaetze.join(QStringLiteral("\n\n")), Zeilen);
            return;
        }
    }
}

void Infofeld::zeigen(const QString &Text, const QStringList &Zeilen)
{
    if (Zeilen != Fehlerumbruch) {
        Fehler = Text;
        Fehlerumbruch = Zeilen;
        vorlesbar_machen();
        update();
    }
}

// What the area shows, or while it shows nothing, what it is for.
void Infofeld::vorlesbar_machen()
{
    QStringList Teile { Zeiger, Fehler };
    Teile.removeAll(QString());
    setAccessibleDescription(Teile.isEmpty()
            ? QStringLiteral("Zeigt den Wert unter dem Mauszeiger und die Fehler der gezeichneten Formel.")
            : Teile.join(QStringLiteral("\n\n")));
}

// The text in lines no wider than the area: broken at blanks, or anywhere in
// a word longer than a line; each "\n" ends a line.
QStringList Infofeld::umbrochen(const QString &Text) const
{
    QTextOption Umbruch;
    Umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList Zeilen;
    for (const QString &Absatz : Text.split(QLatin1Char('\n'))) {
        QTextLayout Satz(Absatz, font());
        Satz.setTextOption(Umbruch);
        Satz.beginLayout();
        for (QTextLine Zeile = Satz.createLine(); Zeile.isValid(); Zeile = Satz.createLine()) {
            Zeile.setLineWidth(width() - 2 * RAND);
            Zeilen << Absatz.mid(Zeile.textStart(), Zeile.textLength());
        }
        Satz.endLayout();
    }
    return Zeilen;
}

// How many lines the faults have below the pointer's.
int Infofeld::Zeilenplatz() const
{
    return (height() - ZEIGERHOEHE) / QFontMetrics(font()).lineSpacing();
}

void Infofeld::paintEvent(QPaintEvent *)
{
    if (Zeiger.isEmpty() && Fehler.isEmpty()) {
        return;
    }
    QPainter Maler(this);
    Maler.setPen(QColor(Qt::black));
    Maler.drawText(rect().adjusted(RAND, 0, -RAND, 0), Qt::AlignLeft | Qt::AlignTop, Zeiger);
    Maler.setPen(QColor(Fehlerfarbe));
    const QFontMetrics Masse(font());
    int Grundlinie = ZEIGERHOEHE + Masse.ascent();
    for (const QString &Zeile : Fehlerumbruch) {
        Maler.drawText(RAND, Grundlinie, Zeile);
        Grundlinie += Masse.lineSpacing();
    }
}
