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

using Zeilen = QList<QPair<QString, QRgb>>;

void anhaengen(Zeilen &Ziel, const QStringList &Text, QRgb Farbe, bool Abstand)
{
    if (!Ziel.isEmpty() && Abstand) {
        Ziel << qMakePair(QString(), Farbe);
    }
    for (const QString &Zeile : Text) {
        Ziel << qMakePair(Zeile, Farbe);
    }
}
}

Infofeld::Infofeld(QWidget *Eltern)
    : QWidget(Eltern)
{
    // Filled with the window's background: the graph beneath is never
    // painted for it.
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Wert, Fehler und Hinweise"));
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

void Infofeld::Inhalt_setzen(const QList<Infoabsatz> &Absaetze)
{
    QList<QStringList> Umbrochen;
    for (const Infoabsatz &Absatz : Absaetze) {
        Umbrochen << umbrochen(Absatz.Text);
    }
    // The most paragraphs that fit together with the line of those left out.
    for (int Gezeigt = Absaetze.size(); Gezeigt >= 0; --Gezeigt) {
        QString Text;
        Zeilen Gemalt;
        for (int i = 0; i < Gezeigt; ++i) {
            const Infoabsatz &Absatz = Absaetze[i];
            Text += (i == 0 ? QString() : (Absatz.Abstand ? QStringLiteral("\n\n") : QStringLiteral("\n")))
                + Absatz.Text;
            anhaengen(Gemalt, Umbrochen[i], Absatz.Farbe, Absatz.Abstand);
        }
        if (Gezeigt < Absaetze.size()) {
            const QString Rest = QStringLiteral("… und %1 weitere").arg(Absaetze.size() - Gezeigt);
            Text += (Gezeigt == 0 ? QString() : QStringLiteral("\n\n")) + Rest;
            anhaengen(Gemalt, umbrochen(Rest), qRgb(0, 0, 0), true);
        }
        if (Gemalt.size() <= Zeilenplatz() || Gezeigt == 0) {
            zeigen(Text, Gemalt);
            return;
        }
    }
}

void Infofeld::zeigen(const QString &Text, const Zeilen &Gemalt)
{
    if (Gemalt != Umbruch) {
        Inhalt = Text;
        Umbruch = Gemalt;
        vorlesbar_machen();
        update();
    }
}

// What the area shows, or while it shows nothing, what it is for.
void Infofeld::vorlesbar_machen()
{
    QStringList Teile { Zeiger, Inhalt };
    Teile.removeAll(QString());
    setAccessibleDescription(Teile.isEmpty()
            ? QStringLiteral("Zeigt den Wert unter dem Mauszeiger, die Fehler der gezeichneten Formel und wo sie "
                             "anders gelesen wurde, als sie dasteht.")
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

// How many lines the paragraphs have below the pointer's.
int Infofeld::Zeilenplatz() const
{
    return (height() - ZEIGERHOEHE) / QFontMetrics(font()).lineSpacing();
}

void Infofeld::paintEvent(QPaintEvent *)
{
    if (Zeiger.isEmpty() && Inhalt.isEmpty()) {
        return;
    }
    QPainter Maler(this);
    Maler.setPen(QColor(Qt::black));
    Maler.drawText(rect().adjusted(RAND, 0, -RAND, 0), Qt::AlignLeft | Qt::AlignTop, Zeiger);
    const QFontMetrics Masse(font());
    int Grundlinie = ZEIGERHOEHE + Masse.ascent();
    for (const auto &[Zeile, Farbe] : Umbruch) {
        Maler.setPen(QColor(Farbe));
        Maler.drawText(RAND, Grundlinie, Zeile);
        Grundlinie += Masse.lineSpacing();
    }
}
