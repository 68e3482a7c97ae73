// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Infofeld.h"

#include <QColor>
#include <QFontMetrics>
#include <QPainter>
#include <QTextLayout>
#include <QTextOption>

#include <algorithm>

namespace {
const int RAND = 2;
// A curve's mark: a square in its colour before the line.
const int MARKE = 8;
const int MARKENABSTAND = 11;

int Markenbreite(const QRgb (&Marken)[2])
{
    return int(std::count_if(std::begin(Marken), std::end(Marken), [](QRgb m) {
        return m != 0;
    })) * MARKENABSTAND;
}
}

bool Infofeld::Zeile::operator==(const Zeile &Andere) const
{
    return Text == Andere.Text && Farbe == Andere.Farbe
        && std::equal(std::begin(Marken), std::end(Marken), std::begin(Andere.Marken));
}

Infofeld::Infofeld(QWidget *Eltern)
    : QWidget(Eltern)
{
    // Filled with the window's background: the graph beneath is never
    // painted for it.
    setAutoFillBackground(true);
    setAccessibleName(QStringLiteral("Wert, Fehler, Hinweise und Punkte"));
    vorlesbar_machen();
}

void Infofeld::Zeigerplatz_setzen(int Zeilen)
{
    if (Zeilen != Zeigerplatz) {
        Zeigerplatz = Zeilen;
        update();
    }
}

void Infofeld::Zeiger_setzen(const QList<Infoabsatz> &Zeilen)
{
    QString Text;
    const QList<Zeile> Gesetzt = gesetzt(Zeilen, Zeilen.size(), Text);
    if (Gesetzt != Zeigerumbruch) {
        Zeiger = Text;
        Zeigerumbruch = Gesetzt;
        vorlesbar_machen();
        update();
    }
}

void Infofeld::Inhalt_setzen(const QList<Infoabsatz> &Absaetze)
{
    // The most paragraphs that fit together with the line of those left out.
    for (int Gezeigt = Absaetze.size(); Gezeigt >= 0; --Gezeigt) {
        QList<Infoabsatz> Auswahl = Absaetze.mid(0, Gezeigt);
        if (Gezeigt < Absaetze.size()) {
            Auswahl << Infoabsatz { QStringLiteral("… und %1 weitere").arg(Absaetze.size() - Gezeigt), qRgb(0, 0, 0) };
        }
        QString Text;
        const QList<Zeile> Gesetzt = gesetzt(Auswahl, Auswahl.size(), Text);
        if (Gesetzt.size() <= Zeilenplatz() || Gezeigt == 0) {
            if (Gesetzt != Umbruch) {
                Inhalt = Text;
                Umbruch = Gesetzt;
                vorlesbar_machen();
                update();
            }
            return;
        }
    }
}

// The first Anzahl paragraphs in lines no wider than the area, and in Text
// as they read.
QList<Infofeld::Zeile> Infofeld::gesetzt(const QList<Infoabsatz> &Absaetze, int Anzahl, QString &Text) const
{
    QList<Zeile> Zeilen;
    for (int i = 0; i < Anzahl; ++i) {
        const Infoabsatz &Absatz = Absaetze[i];
        if (i > 0) {
            Text += Absatz.Abstand ? QStringLiteral("\n\n") : QStringLiteral("\n");
            if (Absatz.Abstand) {
                Zeilen << Zeile { QString(), Absatz.Farbe, {} };
            }
        }
        Text += Absatz.Text;
        // The marks stand before the last line, a point's below its heading.
        const int Schnitt = Absatz.Text.lastIndexOf(QLatin1Char('\n'));
        if (Schnitt >= 0) {
            for (const QString &Teil : umbrochen(Absatz.Text.left(Schnitt), width() - 2 * RAND)) {
                Zeilen << Zeile { Teil, Absatz.Farbe, {} };
            }
        }
        bool Erste = true;
        for (const QString &Teil :
            umbrochen(Absatz.Text.mid(Schnitt + 1), width() - 2 * RAND - Markenbreite(Absatz.Marken))) {
            Zeile Neu { Teil, Absatz.Farbe, {} };
            if (Erste) {
                std::copy(std::begin(Absatz.Marken), std::end(Absatz.Marken), std::begin(Neu.Marken));
            }
            Zeilen << Neu;
            Erste = false;
        }
    }
    return Zeilen;
}

// What the area shows, or while it shows nothing, what it is for.
void Infofeld::vorlesbar_machen()
{
    QStringList Teile { Zeiger, Inhalt };
    Teile.removeAll(QString());
    setAccessibleDescription(Teile.isEmpty()
            ? QStringLiteral("Zeigt den Wert unter dem Mauszeiger, die Fehler der gezeichneten Formeln, wo sie "
                             "anders gelesen wurden, als sie dastehen, und die Punkte ihrer Kurven.")
            : Teile.join(QStringLiteral("\n\n")));
}

// The text in lines no wider than Breite: broken at blanks, or anywhere in a
// word longer than a line; each "\n" ends a line.
QStringList Infofeld::umbrochen(const QString &Text, int Breite) const
{
    QTextOption Umbruch;
    Umbruch.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    QStringList Zeilen;
    for (const QString &Absatz : Text.split(QLatin1Char('\n'))) {
        QTextLayout Satz(Absatz, font());
        Satz.setTextOption(Umbruch);
        Satz.beginLayout();
        for (QTextLine Zeile = Satz.createLine(); Zeile.isValid(); Zeile = Satz.createLine()) {
            Zeile.setLineWidth(Breite);
            Zeilen << Absatz.mid(Zeile.textStart(), Zeile.textLength());
        }
        Satz.endLayout();
    }
    return Zeilen;
}

// How many lines the paragraphs have below the pointer's.
int Infofeld::Zeilenplatz() const
{
    return height() / QFontMetrics(font()).lineSpacing() - Zeigerplatz - 1;
}

void Infofeld::paintEvent(QPaintEvent *)
{
    if (Zeigerumbruch.isEmpty() && Umbruch.isEmpty()) {
        return;
    }
    QPainter Maler(this);
    const QFontMetrics Masse(font());
    const auto malen = [&](const QList<Zeile> &Zeilen, int Grundlinie) {
        for (const Zeile &Z : Zeilen) {
            int Links = RAND;
            for (const QRgb Marke : Z.Marken) {
                if (Marke != 0) {
                    Maler.setPen(QColor(Qt::black));
                    Maler.setBrush(QColor(Marke));
                    Maler.drawRect(Links, Grundlinie - MARKE, MARKE - 1, MARKE - 1);
                    Links += MARKENABSTAND;
                }
            }
            Maler.setPen(QColor(Z.Farbe));
            Maler.drawText(Links, Grundlinie, Z.Text);
            Grundlinie += Masse.lineSpacing();
        }
    };
    malen(Zeigerumbruch, Masse.ascent());
    malen(Umbruch, (Zeigerplatz + 1) * Masse.lineSpacing() + Masse.ascent());
}
