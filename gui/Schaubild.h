// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef SCHAUBILD_H
#define SCHAUBILD_H

#include "Ansicht.h"

#include <QColor>
#include <QImage>
#include <QRect>

class Mathe;
class QFont;
class QPainter;
struct Formelliste;

// The frame of a view's plot area, borders included; the curves stay inside.
QRect Kurvenfeld(const Ansicht &A);

// Background and frame of a view, and its grid and labels, each within the
// painter's clip.
void Grund_zeichnen(QPainter &p, const Ansicht &A, const QColor &Umriss);
void Gitter_zeichnen(QPainter &p, const Ansicht &A);
// Where the segment of a curve's line that ends at sample i, of Anzahl
// samples in these rows, starts: nowhere, at the sample before, or far off
// straight below or above sample i.
enum class Segmentanfang { Keiner, Voriger, Unten, Oben };
Segmentanfang Segment_bis(const double *Zeilen, int Anzahl, int i);
// The font of the moved views' labels.
const QFont &Kleinschrift();

// The graph of the formulas of the entry in a view, 850 x 700 pixels: the
// background, the black plot area in its blue frame, the grid with its
// labels, and the curves, each later one over those before. It paints onto
// any device through one painter and knows nothing of the window.
//
// What depends on the view alone (background, frame, grid, labels) is
// drawn once per view into an image and copied at every paint; the curves
// go over that copy, the radian view's dots straight into its pixels, and
// the whole is drawn onto the device at once. Nothing is allocated for
// the samples or the dots. Onto a vector device (SVG, PDF, a printer) the
// layers are drawn as they are and each curve as one path.
class Schaubild
{
public:
    Schaubild();

    // The formulas of Liste in the view A, m holding the first one compiled
    // and afterwards the last; each is compiled right before its curve is
    // sampled. The painter's pen gives the background's outline, as begin
    // on the window gives it the window's text colour; the painter's device
    // gives the labels' resolution.
    void malen(QPainter &Maler, Mathe &m, const Formelliste &Liste, const Ansicht &A);
    // A corner of the picture that malen drew last, drawn again from it.
    void Ausschnitt_malen(QPainter &Maler, const QRect &Ecke) const;

private:
    bool Ebenen_vorbereiten(const QPainter &Maler, const Ansicht &A);
    void Ebenen_kopieren(const QRect &Teil);
    // Formula Nr of Liste compiled in m, which holds the first one already,
    // and the values and rows of its samples, as one batch.
    void Kurve_berechnen(Mathe &m, const Formelliste &Liste, int Nr, const Ansicht &A);
    void Kurve_malen(int Nr, const Ansicht &A);
    void Punkte_setzen(const Ansicht &A, QRgb Farbe);
    void Linie_ziehen(const Ansicht &A, QRgb Farbe);
    // In Vektorbild.cpp.
    void Vektoren_malen(QPainter &Maler, Mathe &m, const Formelliste &Liste, const Ansicht &A);
    void Pfad_ziehen(QPainter &Maler, int Nr, const Ansicht &A);

    QImage Grund; // background and frame of Ebenenansicht's mode
    QImage Ebenen; // background, frame, grid and labels of Ebenenansicht
    Ansicht Ebenenansicht;
    QColor Ebenenumriss;
    int Ebenendichte[2] = {};
    QImage Bild; // the picture last painted
    QRect Kurvenspur; // where its curves differ from Ebenen
    double Stellen[Ansicht::BOGENPROBEN];
    double Werte[Ansicht::BOGENPROBEN];
    int Spalten[Ansicht::BOGENPROBEN];
    double Zeilen[Ansicht::BOGENPROBEN];
};

#endif
