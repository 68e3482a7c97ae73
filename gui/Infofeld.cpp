// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Infofeld.h"

#include <QApplication>
#include <QColor>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QPainter>
#include <QStyle>
#include <QStyleOption>
#include <QTextLayout>
#include <QTextOption>
#include <QWheelEvent>

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

// The last line while paragraphs follow: how many, and how to see them.
Infoabsatz Restabsatz(int Rest)
{
    return Infoabsatz { QStringLiteral("… und %1 weitere").arg(Rest), qRgb(0, 0, 0) };
}
const QString WEGWEISER = QStringLiteral("(Mausrad oder Tab, Bild ↓)");

// A paragraph's text after those before it: after a line break, or a blank
// line where it keeps its distance, unless it comes first.
void anhaengen(QString &Text, const Infoabsatz &Absatz, bool Erster)
{
    if (!Erster) {
        Text += Absatz.Abstand ? QStringLiteral("\n\n") : QStringLiteral("\n");
    }
    Text += Absatz.Text;
}
}

bool Infoabsatz::operator==(const Infoabsatz &Anderer) const
{
    return Text == Anderer.Text && Farbe == Anderer.Farbe && Abstand == Anderer.Abstand
        && std::equal(std::begin(Marken), std::end(Marken), std::begin(Anderer.Marken));
}

bool Infofeld::Zeile::operator==(const Zeile &Andere) const
{
    return Text == Andere.Text && Farbe == Andere.Farbe
        && std::equal(std::begin(Marken), std::end(Marken), std::begin(Andere.Marken));
}

void Infofeld::Gesetzt::anfuegen(const Infoabsatz &Absatz, const QList<Zeile> &Umbruch, bool Erster)
{
    if (!Erster && Absatz.Abstand) {
        Zeilen << Zeile { QString(), Absatz.Farbe, {} };
    }
    Zeilen += Umbruch;
    anhaengen(Text, Absatz, Erster);
}

Infofeld::Infofeld(QWidget *Eltern)
    : QWidget(Eltern)
{
    // Filled with the window's background: the graph beneath is never
    // painted for it.
    setAutoFillBackground(true);
    // Tab reaches it, for Page Up and Page Down; a click leaves the keyboard
    // where it is.
    setFocusPolicy(Qt::TabFocus);
    setAccessibleName(QStringLiteral("Wert, Fehler, Hinweise und Punkte"));
    vorlesbar_machen();
}

void Infofeld::Zeigerplatz_setzen(int Zeilen)
{
    if (Zeilen != Zeigerplatz) {
        Zeigerplatz = Zeilen;
        zeigen();
        update();
    }
}

void Infofeld::Zeiger_setzen(const QList<Infoabsatz> &Zeilen)
{
    Gesetzt Neu;
    for (int i = 0; i < Zeilen.size(); ++i) {
        Neu.anfuegen(Zeilen[i], gesetzt(Zeilen[i]), i == 0);
    }
    if (Neu.Zeilen != Zeigerumbruch) {
        Zeiger = Neu.Text;
        Zeigerumbruch = Neu.Zeilen;
        vorlesbar_machen();
        update();
    }
}

void Infofeld::Inhalt_setzen(const QList<Infoabsatz> &Absaetze)
{
    if (Absaetze != Liste) {
        Liste = Absaetze;
        Anfang = 0;
        Drehung = 0;
        Alles.clear();
        for (int i = 0; i < Liste.size(); ++i) {
            anhaengen(Alles, Liste[i], i == 0);
        }
        vorlesbar_machen();
    }
    // Set again each time: the font or the width may have changed.
    Listenumbruch.clear();
    for (const Infoabsatz &Absatz : qAsConst(Liste)) {
        Listenumbruch << gesetzt(Absatz);
    }
    zeigen();
}

// The paragraphs from Anfang that fit, then the line of those that follow.
void Infofeld::zeigen()
{
    Anfang = std::min(Anfang, letzter_Anfang());
    Gezeigt = passend(Anfang);
    Gesetzt Neu;
    for (int i = Anfang; i < Anfang + Gezeigt; ++i) {
        Neu.anfuegen(Liste[i], Listenumbruch[i], i == Anfang);
    }
    const int Rest = Liste.size() - Anfang - Gezeigt;
    if (Rest > 0) {
        Neu.anfuegen(Restabsatz(Rest), Restzeilen(Rest), Gezeigt == 0);
    }
    if (Neu.Zeilen != Umbruch) {
        Inhalt = Neu.Text;
        Umbruch = Neu.Zeilen;
        update();
    }
}

// How many paragraphs from Von fit below the pointer's lines: all that
// follow, or as many as leave room for the line of those left out.
int Infofeld::passend(int Von) const
{
    const int Platz = Zeilenplatz();
    int Bis = Von;
    int Zeilen = 0;
    while (Bis < Liste.size() && Zeilen + Zeilenzahl(Bis, Von) <= Platz) {
        Zeilen += Zeilenzahl(Bis++, Von);
    }
    while (Bis < Liste.size() && Bis > Von && Zeilen + 1 + Restzeilen(Liste.size() - Bis).size() > Platz) {
        Zeilen -= Zeilenzahl(--Bis, Von);
    }
    return Bis - Von;
}

// The first paragraph of the last page: the end of the list and as much
// before it as fits.
int Infofeld::letzter_Anfang() const
{
    int Von = Liste.size();
    int Zeilen = 0; // from Von to the end, each after the one before
    while (Von > 0 && Listenumbruch[Von - 1].size() + Zeilen <= Zeilenplatz()) {
        --Von;
        Zeilen += Zeilenzahl(Von, Von - 1);
    }
    // A last paragraph taller than the area still shows.
    return std::min(Von, std::max(int(Liste.size()) - 1, 0));
}

// The first paragraph of the page before: the earliest from which the
// paragraphs up to Anfang fit.
int Infofeld::voriger_Anfang() const
{
    int Von = Anfang;
    while (Von > 0 && Von - 1 + passend(Von - 1) >= Anfang) {
        --Von;
    }
    return std::min(Von, std::max(Anfang - 1, 0));
}

void Infofeld::blaettern(int Absaetze)
{
    Anfang = std::max(Anfang + Absaetze, 0);
    zeigen();
}

// A notch moves as many paragraphs as the desktop scrolls lines; the finer
// steps of a touchpad add up to it.
void Infofeld::wheelEvent(QWheelEvent *Ereignis)
{
    Drehung += Ereignis->angleDelta().y() * QApplication::wheelScrollLines();
    const int Schritte = Drehung / QWheelEvent::DefaultDeltasPerStep;
    Drehung -= Schritte * QWheelEvent::DefaultDeltasPerStep;
    blaettern(-Schritte);
}

void Infofeld::keyPressEvent(QKeyEvent *Taste)
{
    if (Taste->matches(QKeySequence::MoveToNextPage)) {
        blaettern(std::max(Gezeigt, 1));
    } else if (Taste->matches(QKeySequence::MoveToPreviousPage)) {
        blaettern(voriger_Anfang() - Anfang);
    } else {
        QWidget::keyPressEvent(Taste);
    }
}

// A paragraph in lines no wider than the area. The marks stand before its
// last line, a point's below its heading.
QList<Infofeld::Zeile> Infofeld::gesetzt(const Infoabsatz &Absatz) const
{
    QList<Zeile> Zeilen;
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
    return Zeilen;
}

// The line of the Rest paragraphs that follow, and below it how to see them.
QList<Infofeld::Zeile> Infofeld::Restzeilen(int Rest) const
{
    Infoabsatz Absatz = Restabsatz(Rest);
    Absatz.Text += QLatin1Char('\n') + WEGWEISER;
    return gesetzt(Absatz);
}

// The lines of paragraph Nr where Von is the first shown.
int Infofeld::Zeilenzahl(int Nr, int Von) const
{
    return Listenumbruch[Nr].size() + (Nr > Von && Liste[Nr].Abstand ? 1 : 0);
}

// All the area holds, or while it holds nothing, what it is for.
void Infofeld::vorlesbar_machen()
{
    QStringList Teile { Zeiger, Alles };
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
    if (Zeigerumbruch.isEmpty() && Umbruch.isEmpty() && !hasFocus()) {
        return;
    }
    QPainter Maler(this);
    if (hasFocus()) {
        // The keyboard is here: Page Up and Page Down scroll the list.
        QStyleOptionFocusRect Rahmen;
        Rahmen.initFrom(this);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &Rahmen, &Maler, this);
    }
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
