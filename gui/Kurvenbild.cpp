// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

// The picture: background, frame, grid, labels and the curves of the
// formulas in the entry, in the radian or the degree view.

#include "KdeKurvano.h"
#include "Stumm.h"
#include "Vektorzustand.h"

#include <QBrush>
#include <QColor>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QPaintEvent>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QRegion>
#include <QString>
#include <QTimer>

#include <bitset>
#include <cmath>
#include <iterator>

namespace {
// Pens, brushes, the label font and the labels, made at the first repaint:
// made from a colour or a number on every call, each would allocate.
struct Malzeug {
    const QPen Blau { Qt::blue };
    const QPen Schwarz { Qt::black };
    QPen Kurven[std::size(Kurvenfarben)];
    const QBrush Hintergrund { QColor(Hintergrundfarbe) };
    const QBrush Schwarzfuellung { QColor(0, 0, 0) };
    QFont Beschriftung { QStringLiteral("courier"), 16, QFont::Bold };
    QString Zahlen[13]; // "%2d" of -6 to 6
};

const Malzeug &Werkzeug()
{
    static const Malzeug Zeug = [] {
        Malzeug Neu;
        // Digits, minus and blank need no shaping, which would otherwise run
        // for each of the 26 labels at every repaint.
        Neu.Beschriftung.setStyleStrategy(QFont::PreferNoShaping);
        for (std::size_t Nr = 0; Nr < std::size(Kurvenfarben); ++Nr) {
            Neu.Kurven[Nr] = QPen(QColor(Kurvenfarben[Nr]));
        }
        for (int Z = -6; Z <= 6; ++Z) {
            Neu.Zahlen[Z + 6] = QString::asprintf("%2d", Z);
        }
        return Neu;
    }();
    return Zeug;
}

const QString &Zahlentext(int Z)
{
    return Werkzeug().Zahlen[Z + 6];
}

// The radian view's dots. A dot covers the 3 x 3 pixels right and down from
// its corner: the centre black, the edge centres in the curve's colour, the corners left as
// they are; a later dot covers an earlier one. So every pixel ends in the
// colour that the last dot touching it gives it, and drawing each pixel once
// in that colour gives the picture of one ellipse per dot at a fraction of
// the painter's work. Static storage: a repaint allocates nothing.
class Punktbild
{
public:
    void leeren()
    {
        Anzahl = 0;
    }
    void setzen(QPoint Ecke);
    void zeichnen(QPainter &Maler, const QPen &Kurve);

private:
    bool zuerst(QPoint Pixel);

    static const int MAX_PUNKTE = 12800; // one per sample
    QPoint Ecken[MAX_PUNKTE];
    int Anzahl = 0;
    std::bitset<BILD_BREITE * BILD_HOEHE> Gefaerbt;
    QPoint Kanten[4 * MAX_PUNKTE];
    QPoint Schwarz[MAX_PUNKTE];
};

void Punktbild::setzen(QPoint Ecke)
{
    // A dot on the one before changes no pixel. The bound only guards the
    // array, the sampling takes exactly MAX_PUNKTE steps.
    if ((Anzahl > 0 && Ecken[Anzahl - 1] == Ecke) || Anzahl == MAX_PUNKTE) {
        return;
    }
    Ecken[Anzahl++] = Ecke;
}

// True the first time a pixel is met in this pass.
bool Punktbild::zuerst(QPoint Pixel)
{
    auto Bit = Gefaerbt[Pixel.y() * BILD_BREITE + Pixel.x()];
    const bool Neu = !Bit;
    Bit = true;
    return Neu;
}

void Punktbild::zeichnen(QPainter &Maler, const QPen &Kurve)
{
    Gefaerbt.reset();
    int AnzahlKanten = 0;
    int AnzahlSchwarz = 0;
    // From the last dot back, the first dot met at a pixel is the one that
    // was drawn over it last.
    for (int i = Anzahl - 1; i >= 0; --i) {
        const QPoint Mitte = Ecken[i] + QPoint(1, 1);
        if (zuerst(Mitte)) {
            Schwarz[AnzahlSchwarz++] = Mitte;
        }
        for (const QPoint Kante : { QPoint(0, -1), QPoint(-1, 0), QPoint(1, 0), QPoint(0, 1) }) {
            if (zuerst(Mitte + Kante)) {
                Kanten[AnzahlKanten++] = Mitte + Kante;
            }
        }
    }
    // Each pixel is in one list only, so the order of the two is free.
    Maler.setPen(Kurve);
    Maler.drawPoints(Kanten, AnzahlKanten);
    Maler.setPen(Werkzeug().Schwarz);
    Maler.drawPoints(Schwarz, AnzahlSchwarz);
}

Punktbild Kurvenpunkte;

// Far enough outside the window that a segment from there turns from one
// column to the next out of sight, near enough to keep the raster engine's
// arithmetic small.
const double FERNE_ZEILE = 1.0e6;

// The pen position a degree-view segment starts from. A remembered point far
// away is moved along the segment's own line to the far row, so the visible
// pixels stay the same; an infinite one lies at the far row on its side.
QPointF Herangeholt(QPointF Stift, QPointF Ziel)
{
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

// The degree view's rows of x = -360 to 360, computed as doubles so that NaN,
// infinities and values beyond int fail the band test.
const int GRAD_PROBEN = 721;
double Gradzeilen[GRAD_PROBEN];

bool im_Band(double Zeile)
{
    return Zeile > 80 && Zeile < 680;
}

// Whether the curve reaches the in-band sample i from the out-of-band row Von:
// the in-band samples after it must move away from Von's side. tan at 90
// degrees is +1.6e16, yet right of the pole the curve comes up from below.
// Where the band ends before the row changes, nothing tells, and the segment
// stays.
bool kommt_von(double Von, int i)
{
    const double Zeile = Gradzeilen[i];
    for (int j = i + 1; j < GRAD_PROBEN && im_Band(Gradzeilen[j]); ++j) {
        if (Gradzeilen[j] != Zeile) {
            return (Gradzeilen[j] > Zeile) == (Von < Zeile);
        }
    }
    return true;
}

// Whether a segment ends at the sample i: it lies in the band, and the one
// before it is either in the band too or a point the curve comes from. After
// a sample without a value the pen only moves.
bool Segment_bis(int i)
{
    const double Vorher = Gradzeilen[i - 1];
    return im_Band(Gradzeilen[i]) && (im_Band(Vorher) || (!std::isnan(Vorher) && kommt_von(Vorher, i)));
}
}

void KdeW::paintEvent(QPaintEvent *Ereignis)
{
    // Where the mark on the plot came or went, and nothing else, the corner
    // is painted again alone: the curves are not drawn anew for it.
    if (Ausschnitt.contains(Ereignis->rect())) {
        Ausschnitt_malen(Ereignis->rect());
        Ausschnitt = QRect();
        return;
    }
    Ausschnitt = QRect();
    // Every colour is opaque, so the painter's own composition is the plain
    // copy, and only with it does it draw lines on its fast path.
    p.begin(this);
    // What setBackground prepared, once after it; the full fill below covers
    // it again at once.
    if (Hintergrund_neu) {
        p.drawPixmap(0, 0, buffer);
        Hintergrund_neu = false;
    }
    Bild_malen();
    p.end();
}

// A corner of the picture as the last paint drew it, for the formulas it
// drew: their samples in the corner's columns alone. The paint has written
// on standard output what its compiles and evaluations say.
void KdeW::Ausschnitt_malen(const QRect &Ecke)
{
    Stumm still;
    const Formelliste Liste = Formeln_trennen(Eingabe);
    Formel_setzen(Formelinterpreter, Liste.Formeln[0]);
    Formelinterpreter.Formel_compillieren();
    p.begin(this);
    // A dot reaches two columns right of its corner.
    Bild_zeichnen(Liste, Ecke.left() - 2, Ecke.right());
    p.end();
}

// The graph as the window shows it, from row 50 down: drawn by the same
// code into an image of the window's size, in the format of the window's
// own paint.
QImage KdeW::Bild()
{
    ensurePolished();
    QImage Ganz(BILD_BREITE, BILD_HOEHE, QImage::Format_RGB32);
    // The labels' points become the pixels they have on the window's screen.
    Ganz.setDotsPerMeterX(qRound(logicalDpiX() / 0.0254));
    Ganz.setDotsPerMeterY(qRound(logicalDpiY() / 0.0254));
    p.begin(&Ganz);
    // On the window, begin gives the painter the window's text colour, which
    // the outline of the first fill keeps; on an image it would be black.
    p.setPen(palette().color(foregroundRole()));
    Bild_malen();
    p.end();
    return Ganz.copy(0, 50, BILD_BREITE, BILD_HOEHE - 50);
}

// Everything a paint draws, on whatever device p has been begun on. Each
// formula of the entry is compiled right before its curve is sampled, and
// later curves are drawn over earlier ones.
void KdeW::Bild_malen()
{
    const Formelliste Liste = Formeln_lesen();
    Formel_setzen(Formelinterpreter, Liste.Formeln[0]);
    Formelinterpreter.Formel_compillieren();
    // What tells of the compile follows once the paint is done: a palette
    // or a text set during it would paint the controls in the middle of it.
    Satz_alt = true;
    if (!Nachfuehrung->isActive()) {
        Nachfuehrung->start();
    }
    Bild_zeichnen(Liste, 0, BILD_BREITE);
}

// Background, frame, grid, labels and the curves, with the first formula
// compiled; of the radian view's dots only those with corners in the
// columns Von to Bis.
void KdeW::Bild_zeichnen(const Formelliste &Liste, int Von, int Bis)
{
    const bool Bogenmass = Formelinterpreter.statusRAD();
    // The frame covers its whole rectangle next; filled here as well, its
    // 400,000 pixels would be written twice.
    p.setClipRegion(QRegion(0, 0, BILD_BREITE, BILD_HOEHE) - QRegion(Kurvenfeld(Bogenmass)));
    // The outline keeps the pen that begin took from the window.
    p.setBrush(Werkzeug().Hintergrund);
    Rechteck(0, 0, BILD_BREITE, BILD_HOEHE);
    // Grid, labels and curve lie left of the controls at column 735. Clipped
    // to that rectangle, not to the window less the controls, the painter
    // draws lines and dots without testing each pixel against the clip.
    p.setClipRect(0, 0, 735, BILD_HOEHE);
    if (Bogenmass) {
        Bogenmass_Gitter();
    } else {
        Gradmass_Gitter();
    }
    for (int Nr = 0; Nr < Liste.Anzahl; ++Nr) {
        if (Nr > 0) {
            Formel_setzen(Formelinterpreter, Liste.Formeln[Nr]);
            Formelinterpreter.Formel_compillieren();
        }
        if (Bogenmass) {
            Bogenmass_Kurve(Nr, Von, Bis);
        } else {
            Gradmass_Kurve(Nr);
        }
    }
}

// The frame of the curve, borders included; the curve stays inside it.
QRect KdeW::Kurvenfeld(bool Bogenmass)
{
    return Bogenmass ? QRect(30, 80, 640, 600) : QRect(10, 80, 720, 600);
}

// The outline covers columns x to x + Breite - 1 and rows y to y + Hoehe - 1;
// drawRect with the same arguments would cover one more of each.
void KdeW::Rechteck(int x, int y, int Breite, int Hoehe)
{
    p.drawRect(x, y, Breite - 1, Hoehe - 1);
}

// The black plot area in its blue frame, from column Links, rows 80 to 679.
void KdeW::Rahmen(int Links, int Breite)
{
    p.setBrush(Werkzeug().Schwarzfuellung);
    p.setPen(Werkzeug().Blau);
    Rechteck(Links, 80, Breite, 600);
}

// Frame, grid with labels from -6 to 6, and the triple axes: 50 pixels a unit,
// 0 at column 350 and row 380.
void KdeW::Bogenmass_Gitter()
{
    const Malzeug &Zeug = Werkzeug();
    Rahmen(30, 640);
    p.setFont(Zeug.Beschriftung);
    int Z = -6;
    for (int xl = 50; xl < 670; xl += 50) {
        p.setPen(Zeug.Blau);
        p.drawLine(xl, 77, xl, 680);
        ZahlStr = Zahlentext(Z);
        p.setPen(Zeug.Schwarz);
        p.drawText(xl - 15, 75, ZahlStr);
        Z += 1;
    }
    p.setPen(Zeug.Blau);
    p.drawLine(349, 80, 349, 680);
    p.drawLine(351, 80, 351, 680);
    Z = 6;
    for (int yl = 80; yl < 730; yl += 50) {
        p.setPen(Zeug.Blau);
        p.drawLine(27, yl, 670, yl);
        ZahlStr = Zahlentext(Z);
        p.setPen(Zeug.Schwarz);
        p.drawText(5, yl + 5, ZahlStr);
        Z -= 1;
    }
    p.setPen(Zeug.Blau);
    p.drawLine(30, 379, 670, 379);
    p.drawLine(30, 381, 670, 381);
}

// One dot for every step of 0.001 from -6.4; x is a running sum, so 6.4
// itself is never reached. The dots with corners in the columns Von to Bis
// are collected and drawn at the end, in the colour of curve Nr.
void KdeW::Bogenmass_Kurve(int Nr, int Von, int Bis)
{
    Kurvenpunkte.leeren();
    Vektorregister_aufraeumen();
    for (double x = -6.4; x <= 6.4; x += 0.001) {
        const int xpos = int(x * 50.0) + 320;
        if (xpos + 30 < Von || xpos + 30 > Bis) {
            continue;
        }
        Formelinterpreter.x = x;
        // Computed as a double and tested before it becomes an int: NaN,
        // infinities and values beyond int all fail the test.
        const double ypos = 380 - std::trunc(Formelinterpreter.Formel_Berechnen() * 50.0);
        if (ypos > 80 && ypos < 680) {
            Kurvenpunkte.setzen(QPoint(xpos + 30, int(ypos)));
        }
    }
    // The dots of the last columns and rows reach past the frame.
    p.setClipRect(Kurvenfeld(true));
    Kurvenpunkte.zeichnen(p, Werkzeug().Kurven[Nr]);
    p.setClipping(false);
}

// Frame and unlabelled grid: 1 pixel a unit, every 90 across, every 100 up.
void KdeW::Gradmass_Gitter()
{
    Rahmen(10, 720);
    for (int Zeile : { 180, 280, 379, 380, 381, 480, 580 }) {
        p.drawLine(10, Zeile, 730, Zeile);
    }
    for (int Spalte : { 100, 190, 280, 369, 370, 371, 460, 550, 640 }) {
        p.drawLine(Spalte, 80, Spalte, 680);
    }
}

// A polyline through the whole-number points from -360 to 360, broken where
// it leaves rows 81 to 679, in the colour of curve Nr. All rows are computed
// first: whether a segment from outside the band belongs to the curve
// depends on the samples after it.
void KdeW::Gradmass_Kurve(int Nr)
{
    Vektorregister_aufraeumen();
    for (int i = 0; i < GRAD_PROBEN; ++i) {
        Formelinterpreter.x = i - 360;
        Gradzeilen[i] = 380 - std::trunc(Formelinterpreter.Formel_Berechnen());
    }
    p.setPen(Werkzeug().Kurven[Nr]);
    // A segment that comes from far outside, and the last column, would
    // reach past the frame.
    p.setClipRect(Kurvenfeld(false));
    for (int i = 1; i < GRAD_PROBEN; ++i) {
        if (Segment_bis(i)) {
            const QPointF Punkt(i + 10, Gradzeilen[i]);
            p.drawLine(Herangeholt(QPointF(i + 9, Gradzeilen[i - 1]), Punkt), Punkt);
        }
    }
    p.setClipping(false);
}
