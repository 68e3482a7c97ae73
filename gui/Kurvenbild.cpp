// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The picture: background, frame, grid, labels and the curve of the formula
// in the entry, in the radian or the degree view.

#include "KdeKurvano.h"

#include <QColor>
#include <QFont>
#include <QLineEdit>
#include <QPainter>
#include <QPointF>
#include <QString>

#include <cmath>

namespace {
const QColor Schwarz(0, 0, 0);

// Far enough outside the window that a segment from there turns from one
// column to the next out of sight, near enough to keep the raster engine's
// arithmetic small.
const double FERNE_ZEILE = 1.0e6;

// The pen position a degree-view segment starts from. A remembered point far
// away is moved along the segment's own line to the far row, so the visible
// pixels stay the same; an infinite one lies at the far row on its side, one
// that is no number far above.
QPointF Herangeholt(QPointF Stift, QPointF Ziel)
{
    if (std::isnan(Stift.y())) {
        return { Stift.x(), -FERNE_ZEILE };
    }
    if (std::abs(Stift.y()) <= FERNE_ZEILE) {
        return Stift;
    }
    const double Zeile = std::copysign(FERNE_ZEILE, Stift.y());
    if (std::isinf(Stift.y())) {
        return { Stift.x(), Zeile };
    }
    const double Anteil = (Zeile - Ziel.y()) / (Stift.y() - Ziel.y());
    return { Ziel.x() + Anteil * (Stift.x() - Ziel.x()), Zeile };
}
}

void KdeW::paintEvent(QPaintEvent *)
{
    p.begin(this);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    // What setBackground prepared; the full fill below covers it again.
    p.drawPixmap(0, 0, buffer);
    Formel_uebernehmen();
    Formelinterpreter.Formel_compillieren();
    // The outline keeps the pen that begin took from the window.
    p.setBrush(QColor(Hintergrundfarbe));
    Rechteck(0, 0, BILD_BREITE, BILD_HOEHE);
    if (Formelinterpreter.statusRAD()) {
        Bogenmass_Gitter();
        Bogenmass_Kurve();
    } else {
        Gradmass_Gitter();
        Gradmass_Kurve();
    }
    p.end();
}

// The outline covers columns x to x + Breite - 1 and rows y to y + Hoehe - 1;
// drawRect with the same arguments would cover one more of each.
void KdeW::Rechteck(int x, int y, int Breite, int Hoehe)
{
    p.drawRect(x, y, Breite - 1, Hoehe - 1);
}

// Frame, grid with labels from -6 to 6, and the triple axes: 50 pixels a unit,
// 0 at column 350 and row 380.
void KdeW::Bogenmass_Gitter()
{
    p.setBrush(Schwarz);
    p.setPen(Qt::blue);
    Rechteck(30, 80, 640, 600);
    p.setFont(QFont(QStringLiteral("courier"), 16, QFont::Bold));
    int Z = -6;
    for (int xl = 50; xl < 670; xl += 50) {
        p.setPen(Qt::blue);
        p.drawLine(xl, 77, xl, 680);
        ZahlStr = QString::asprintf("%2d", Z);
        p.setPen(Qt::black);
        p.drawText(xl - 15, 75, ZahlStr);
        Z += 1;
    }
    p.setPen(Qt::blue);
    p.drawLine(349, 80, 349, 680);
    p.drawLine(351, 80, 351, 680);
    Z = 6;
    for (int yl = 80; yl < 730; yl += 50) {
        p.setPen(Qt::blue);
        p.drawLine(27, yl, 670, yl);
        ZahlStr = QString::asprintf("%2d", Z);
        p.setPen(Qt::black);
        p.drawText(5, yl + 5, ZahlStr);
        Z -= 1;
    }
    p.setPen(Qt::blue);
    p.drawLine(30, 379, 670, 379);
    p.drawLine(30, 381, 670, 381);
}

// One dot for every step of 0.001 from -6.4; x is a running sum, so 6.4
// itself is never reached.
void KdeW::Bogenmass_Kurve()
{
    p.setPen(Qt::yellow);
    for (double x = -6.4; x <= 6.4; x += 0.001) {
        Formelinterpreter.x = x;
        // Computed as a double and tested before it becomes an int: NaN,
        // infinities and values beyond int all fail the test.
        const double ypos = 380 - std::trunc(Formelinterpreter.Formel_Berechnen() * 50.0);
        const int xpos = int(x * 50.0) + 320;
        if (ypos > 80 && ypos < 680) {
            // Covers the 3 x 3 pixels right and down from the sample point.
            p.drawEllipse(xpos + 30, int(ypos), 2, 2);
        }
    }
}

// Frame and unlabelled grid: 1 pixel a unit, every 90 across, every 100 up.
void KdeW::Gradmass_Gitter()
{
    p.setBrush(Schwarz);
    p.setPen(Qt::blue);
    Rechteck(10, 80, 720, 600);
    for (int Zeile : { 180, 280, 379, 380, 381, 480, 580 }) {
        p.drawLine(10, Zeile, 730, Zeile);
    }
    for (int Spalte : { 100, 190, 280, 369, 370, 371, 460, 550, 640 }) {
        p.drawLine(Spalte, 80, Spalte, 680);
    }
}

// A polyline through the whole-number points from -360 to 360, broken where
// it leaves rows 81 to 679. The first point only sets the pen.
void KdeW::Gradmass_Kurve()
{
    p.setPen(Qt::yellow);
    QPointF Stift;
    for (double x = 0; x <= 720; x += 1) {
        Formelinterpreter.x = x - 360;
        const double y = 380 - std::trunc(Formelinterpreter.Formel_Berechnen());
        const QPointF Punkt(x + 10, y);
        if (x > 0 && y > 80 && y < 680) {
            p.drawLine(Herangeholt(Stift, Punkt), Punkt);
        }
        Stift = Punkt;
    }
}
