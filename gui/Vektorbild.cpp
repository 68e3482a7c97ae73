// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The picture on a vector device (SVG, PDF, a printer): the layers drawn as
// the raster picture draws them, and each curve as one path through its
// samples, broken where the raster picture's line breaks, cut to the frame
// and without the points that change nothing visible.

#include "Schaubild.h"

#include "Formelliste.h"
#include "KdeKurvano.h"
#include "Kurvenzug.h"

#include <QColor>
#include <QPainter>
#include <QPainterPath>
#include <QPen>

#include <limits>
#include <vector>

namespace {
// A raster painter's lines and outlines of one pixel cover the pixels right
// of and below their points; on a vector device they lie half a pixel
// further that way.
const double HALBES_PIXEL = 0.5;

// A dropped point lies less than half a pixel off the path in the picture
// drawn four times as large.
const double TOLERANZ = 0.5 / 4;

// The radian view's dots cover 3 x 3 pixels from their corner; the line
// through them is as wide and runs through their middles.
const int PUNKTBREITE = 3;
const double PUNKTMITTE = 1;

QPainterPath Pfad(const std::vector<std::vector<Zugpunkt>> &Stuecke)
{
    QPainterPath Neu;
    for (const std::vector<Zugpunkt> &Stueck : Stuecke) {
        Neu.moveTo(Stueck.front().x, Stueck.front().y);
        for (std::size_t i = 1; i < Stueck.size(); ++i) {
            Neu.lineTo(Stueck[i].x, Stueck[i].y);
        }
    }
    return Neu;
}
} // namespace

void Schaubild::Vektoren_malen(QPainter &Maler, Mathe &m, const Formelliste &Liste, const Ansicht &A)
{
    Maler.save();
    Maler.translate(HALBES_PIXEL, HALBES_PIXEL);
    Grund_zeichnen(Maler, A, Maler.pen().color());
    Gitter_zeichnen(Maler, A);
    A.Probenstellen(Stellen);
    for (int Nr = 0; Nr < Liste.Anzahl; ++Nr) {
        Kurve_berechnen(m, Liste, Nr, A);
        Pfad_ziehen(Maler, Nr, A);
    }
    Maler.restore();
}

// The samples where they lie, not on whole pixels, so the curve stays
// smooth at any size; the segments are those the raster picture draws.
// The path keeps inside the frame with the pen's whole width.
void Schaubild::Pfad_ziehen(QPainter &Maler, int Nr, const Ansicht &A)
{
    const int Anzahl = A.Proben();
    const int Breite = A.Bogenmass ? PUNKTBREITE : 1;
    const double Versatz = A.Bogenmass ? PUNKTMITTE : 0;
    const double Rand = (Breite - 1) / 2.0;
    const QRect Feld = Kurvenfeld(A);
    Kurvenzug Zug(Feld.left() + Rand, Feld.top() + Rand, Feld.right() - Rand, Feld.bottom() - Rand, TOLERANZ);
    const auto Punkt = [&](int i) {
        return Zugpunkt { A.Spalte(Stellen[i]) + Versatz, A.Zeile(Werte[i]) + Versatz };
    };
    const double Fern = std::numeric_limits<double>::infinity();
    for (int i = 1; i < Anzahl; ++i) {
        switch (Segment_bis(Zeilen, Anzahl, i)) {
        case Segmentanfang::Keiner:
            break;
        case Segmentanfang::Voriger:
            Zug.Strecke(Punkt(i - 1), Punkt(i));
            break;
        case Segmentanfang::Unten:
            Zug.Strecke({ Punkt(i).x, Fern }, Punkt(i));
            break;
        case Segmentanfang::Oben:
            Zug.Strecke({ Punkt(i).x, -Fern }, Punkt(i));
            break;
        }
    }
    const QPainterPath Kurve = Pfad(Zug.Stuecke());
    if (Kurve.isEmpty()) {
        return;
    }
    Maler.setPen(QPen(QColor(Kurvenfarben[Nr]), Breite, Qt::SolidLine, Qt::FlatCap, Qt::RoundJoin));
    Maler.setBrush(Qt::NoBrush);
    Maler.drawPath(Kurve);
}
