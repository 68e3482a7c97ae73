// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The window's paint: the picture of the formulas in the entry, in the view
// of the mode chosen, drawn by the picture's one painter.

#include "Bilddatei.h"
#include "KdeKurvano.h"
#include "Schaubild.h"

#include <QImage>
#include <QPaintEvent>
#include <QPainter>
#include <QTimer>

void KdeW::paintEvent(QPaintEvent *Ereignis)
{
    p.begin(this);
    // Where the mark on the plot came or went, and nothing else, the corner
    // is drawn again from the picture last painted: nothing is compiled or
    // evaluated for it.
    if (Ausschnitt.contains(Ereignis->rect())) {
        Zeichnung->Ausschnitt_malen(p, Ereignis->rect());
    } else {
        // What setBackground prepared, once after it; the picture covers it
        // again at once.
        if (Hintergrund_neu) {
            p.drawPixmap(0, 0, buffer);
            Hintergrund_neu = false;
        }
        Bild_malen(p, *Zeichnung);
    }
    Ausschnitt = QRect();
    p.end();
}

// The graph as the window shows it, from row 50 down: drawn by the same
// painter into an image of the window's size.
QImage KdeW::Bild()
{
    ensurePolished();
    QImage Ganz(BILD_BREITE, BILD_HOEHE, QImage::Format_RGB32);
    // The labels' points become the pixels they have on the window's screen.
    Ganz.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    Ganz.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    // A picture of its own: the window's keeps what the window shows.
    const auto Datei = std::make_unique<Schaubild>();
    p.begin(&Ganz);
    // On the window, begin gives the painter the window's text colour, which
    // the outline of the first fill keeps; on an image it would be black.
    p.setPen(palette().color(foregroundRole()));
    Bild_malen(p, *Datei);
    p.end();
    return Ganz.copy(0, 50, BILD_BREITE, BILD_HOEHE - 50);
}

// The same picture onto a vector device, from the painter's origin. A
// paint of the same formulas has come first and said what the interpreter
// has to say of them.
void KdeW::Vektorbild_malen(QPainter &Maler)
{
    const auto Datei = std::make_unique<Schaubild>();
    Maler.save();
    Maler.setPen(palette().color(foregroundRole()));
    Maler.setClipRect(0, 0, BILD_BREITE, BILD_HOEHE - 50, Qt::IntersectClip);
    Maler.translate(0, -50);
    const bool Stumm = Formelinterpreter.Stumm;
    Formelinterpreter.Stumm = true;
    Bild_malen(Maler, *Datei);
    Formelinterpreter.Stumm = Stumm;
    Maler.restore();
}

Bildvorlage KdeW::Vorlage()
{
    Bildvorlage Neu;
    Neu.Pixel = Bild();
    Neu.Vektoren = [this](QPainter &Maler) {
        Vektorbild_malen(Maler);
    };
    Neu.Dichte = logicalDpiY();
    const Formelliste Liste = Formeln_lesen();
    for (int Nr = 0; Nr < Liste.Anzahl; ++Nr) {
        Neu.Formeln << QString::fromLatin1(Liste.Formeln[Nr].data(), int(Liste.Formeln[Nr].size()));
    }
    Neu.Bereiche = QStringLiteral("%1, %2").arg(Modusname(Sicht()), Bereichstext(Sicht()));
    return Neu;
}

// Everything a paint draws, on whatever device Maler has been begun on. Each
// formula of the entry is compiled right before its curve is sampled, and
// later curves are drawn over earlier ones.
void KdeW::Bild_malen(QPainter &Maler, Schaubild &Ziel)
{
    const Formelliste Liste = Formeln_lesen();
    Formel_setzen(Formelinterpreter, Liste.Formeln[0]);
    Formelinterpreter.Formel_compillieren();
    // What tells of the compile follows once the paint is done: a palette
    // or a text set during it would paint the controls in the middle of it.
    if (!Nachfuehrung->isActive()) {
        Nachfuehrung->start();
    }
    Ziel.malen(Maler, Formelinterpreter, Liste, Sicht());
}
