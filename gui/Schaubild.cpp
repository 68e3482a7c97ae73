// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Schaubild.h"

#include "Formel_I.h"
#include "Formelliste.h"
#include "KdeKurvano.h"

#include <QBrush>
#include <QFont>
#include <QFontMetrics>
#include <QPaintEngine>
#include <QPainter>
#include <QPen>
#include <QPoint>
#include <QPointF>
#include <QRegion>
#include <QString>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <iterator>

namespace {
// Pens, brushes, the label fonts and the start view's labels, made once:
// made from a colour or a number on every call, each would allocate.
struct Malzeug {
    const QPen Blau { Qt::blue };
    const QPen Schwarz { Qt::black };
    const QPen Hell { QColor(Hintergrundfarbe) };
    const QBrush Hintergrund { QColor(Hintergrundfarbe) };
    const QBrush Schwarzfuellung { QColor(0, 0, 0) };
    QFont Beschriftung { QStringLiteral("courier"), 16, QFont::Bold };
    QFont Kleinschrift { QStringLiteral("courier"), 10, QFont::Bold };
    QString Zahlen[13]; // "%2d" of -6 to 6
};

const Malzeug &Werkzeug()
{
    static const Malzeug Zeug = [] {
        Malzeug Neu;
        // Digits, minus and blank need no shaping, which would otherwise run
        // for each label.
        Neu.Beschriftung.setStyleStrategy(QFont::PreferNoShaping);
        Neu.Kleinschrift.setStyleStrategy(QFont::PreferNoShaping);
        for (int Z = -6; Z <= 6; ++Z) {
            Neu.Zahlen[Z + 6] = QString::asprintf("%2d", Z);
        }
        return Neu;
    }();
    return Zeug;
}

// Grid, labels and curves lie left of the controls at column 735. Clipped to
// that rectangle, not to the window less the controls, the painter draws
// lines and copies pixels without testing each against the clip.
const int LINKS_DER_KNOEPFE = 735;

const int OBEN = Ansicht::OBEN;
const int UNTEN = Ansicht::OBEN + Ansicht::HOEHE;

// The outline covers columns x to x + Breite - 1 and rows y to y + Hoehe - 1;
// drawRect with the same arguments would cover one more of each.
void Rechteck(QPainter &p, int x, int y, int Breite, int Hoehe)
{
    p.drawRect(x, y, Breite - 1, Hoehe - 1);
}

// The black plot area in its blue frame.
void Rahmen(QPainter &p, const Ansicht &A)
{
    p.setBrush(Werkzeug().Schwarzfuellung);
    p.setPen(Werkzeug().Blau);
    Rechteck(p, A.Links(), OBEN, A.Breite(), Ansicht::HOEHE);
}

// The radian start view: grid with labels from -6 to 6, and the triple axes:
// 50 pixels a unit, 0 at column 350 and row 380.
void Bogenmass_Gitter(QPainter &p)
{
    const Malzeug &Zeug = Werkzeug();
    p.setFont(Zeug.Beschriftung);
    int Z = -6;
    for (int xl = 50; xl < 670; xl += 50) {
        p.setPen(Zeug.Blau);
        p.drawLine(xl, 77, xl, 680);
        ZahlStr = Zeug.Zahlen[Z + 6];
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
        ZahlStr = Zeug.Zahlen[Z + 6];
        p.setPen(Zeug.Schwarz);
        p.drawText(5, yl + 5, ZahlStr);
        Z -= 1;
    }
    p.setPen(Zeug.Blau);
    p.drawLine(30, 379, 670, 379);
    p.drawLine(30, 381, 670, 381);
}

// The degree start view: frame and unlabelled grid, 1 pixel a unit, every 90
// across, every 100 up.
void Gradmass_Gitter(QPainter &p)
{
    p.setPen(Werkzeug().Blau);
    for (int Zeile : { 180, 280, 379, 380, 381, 480, 580 }) {
        p.drawLine(10, Zeile, 730, Zeile);
    }
    for (int Spalte : { 100, 190, 280, 369, 370, 371, 460, 550, 640 }) {
        p.drawLine(Spalte, 80, Spalte, 680);
    }
}

// The lines of a moved view along one axis: on the multiples of its step
// that lie in the range, each on the pixel nearest to it inside the frame,
// Ort giving the pixel of a value.
struct Achse {
    double Schritt;
    std::vector<double> Werte;
    QList<int> Orte;
};

template<class Abbildung> Achse Achse_legen(double Von, double Bis, double Schritt, const Abbildung &Ort, int Letzter)
{
    Achse Neu { Schritt, Ansicht::Linien(Von, Bis, Schritt), {} };
    for (const double Wert : Neu.Werte) {
        Neu.Orte << std::min(int(std::lround(Ort(Wert))), Letzter);
    }
    return Neu;
}

// The labels of a moved view: x above the frame, centred on its line, and
// left out where it would run into the one before; y inside the plot area
// at its left edge, above its line, or below it at the top, in the light
// colour that shows on black.
void Beschriften(QPainter &p, const Ansicht &A, const Achse &x, const Achse &y)
{
    const Malzeug &Zeug = Werkzeug();
    p.setFont(Zeug.Kleinschrift);
    const QFontMetrics Masse = p.fontMetrics();
    p.setPen(Zeug.Schwarz);
    int Frei = 0; // the first column right of the label before
    for (int i = 0; i < x.Orte.size(); ++i) {
        const QString Text = QString::fromStdString(Gitterzahl(x.Werte[i], x.Schritt));
        const int Breite = Masse.horizontalAdvance(Text);
        const int Links = std::clamp(x.Orte[i] - Breite / 2, 1, LINKS_DER_KNOEPFE - 1 - Breite);
        if (Links >= Frei) {
            p.drawText(Links, OBEN - 5, Text);
            Frei = Links + Breite + Masse.horizontalAdvance(QLatin1Char(' '));
        }
    }
    p.setPen(Zeug.Hell);
    for (int i = 0; i < y.Orte.size(); ++i) {
        const QString Text = QString::fromStdString(Gitterzahl(y.Werte[i], y.Schritt));
        const int Zeile = y.Orte[i];
        const int Grundlinie = Zeile - 3 - Masse.ascent() > OBEN ? Zeile - 3 : Zeile + 2 + Masse.ascent();
        p.drawText(A.Links() + 3, Grundlinie, Text);
    }
}

// A moved view: frame, lines on round values with short marks above and
// left of the frame, the triple axes through 0 where 0 lies in the view,
// and both axes labelled.
void Freies_Gitter(QPainter &p, const Ansicht &A)
{
    p.setPen(Werkzeug().Blau);
    const int Rechts = A.Links() + A.Breite() - 1;
    const Achse x = Achse_legen(
        A.xVon, A.xBis, A.Schritt_x(),
        [&A](double Wert) {
            return A.Spalte(Wert);
        },
        Rechts);
    const Achse y = Achse_legen(
        A.yVon, A.yBis, A.Schritt_y(),
        [&A](double Wert) {
            return A.Zeile(Wert);
        },
        UNTEN - 1);
    for (const int Spalte : x.Orte) {
        p.drawLine(Spalte, OBEN - 3, Spalte, UNTEN);
    }
    for (const int Zeile : y.Orte) {
        p.drawLine(A.Links() - 3, Zeile, Rechts, Zeile);
    }
    if (A.xVon <= 0 && A.xBis >= 0) {
        const int Null = int(std::lround(A.Spalte(0)));
        p.drawLine(Null - 1, OBEN, Null - 1, UNTEN);
        p.drawLine(Null + 1, OBEN, Null + 1, UNTEN);
    }
    if (A.yVon <= 0 && A.yBis >= 0) {
        const int Null = int(std::lround(A.Zeile(0)));
        p.drawLine(A.Links(), Null - 1, Rechts, Null - 1);
        p.drawLine(A.Links(), Null + 1, Rechts, Null + 1);
    }
    Beschriften(p, A, x, y);
}
} // namespace

// The background and the empty frame of a mode.
void Grund_zeichnen(QPainter &p, const Ansicht &A, const QColor &Umriss)
{
    // Each clip lies within the one the painter brings, which on a page
    // keeps the rows above the picture clear.
    p.save();
    // The frame covers its whole rectangle next; filled here as well, its
    // 400,000 pixels would be written twice.
    p.setClipRegion(QRegion(0, 0, BILD_BREITE, BILD_HOEHE) - QRegion(Kurvenfeld(A)), Qt::IntersectClip);
    p.setPen(Umriss);
    p.setBrush(Werkzeug().Hintergrund);
    Rechteck(p, 0, 0, BILD_BREITE, BILD_HOEHE);
    p.restore();
    p.save();
    p.setClipRect(0, 0, LINKS_DER_KNOEPFE, BILD_HOEHE, Qt::IntersectClip);
    Rahmen(p, A);
    p.restore();
}

// Grid and labels over the frame.
void Gitter_zeichnen(QPainter &p, const Ansicht &A)
{
    p.save();
    p.setClipRect(0, 0, LINKS_DER_KNOEPFE, BILD_HOEHE, Qt::IntersectClip);
    if (!A.ist_Anfang()) {
        Freies_Gitter(p, A);
    } else if (A.Bogenmass) {
        Bogenmass_Gitter(p);
    } else {
        Gradmass_Gitter(p);
    }
    p.restore();
}

const QFont &Kleinschrift()
{
    return Werkzeug().Kleinschrift;
}

namespace {
bool im_Band(double Zeile)
{
    return Zeile > OBEN && Zeile < UNTEN;
}

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

// Whether the curve reaches the in-band sample i from the out-of-band row Von:
// the in-band samples after it must move away from Von's side. Where the
// band ends before the row changes, nothing tells, and the segment stays.
bool kommt_von(const double *Zeilen, int Anzahl, double Von, int i)
{
    const double Zeile = Zeilen[i];
    for (int j = i + 1; j < Anzahl && im_Band(Zeilen[j]); ++j) {
        if (Zeilen[j] != Zeile) {
            return (Zeilen[j] > Zeile) == (Von < Zeile);
        }
    }
    return true;
}
} // namespace

// Where a segment that ends at the in-band sample i starts: at the sample
// before, in the band or outside on the side the curve comes from. tan at
// 90 degrees is +1.6e16, far above, yet right of the pole the curve comes
// up from below: there the segment comes straight up from the far row
// below, as it does right of the pole at -90 degrees. After a sample
// without a value the pen only moves.
Segmentanfang Segment_bis(const double *Zeilen, int Anzahl, int i)
{
    const double Vorher = Zeilen[i - 1];
    if (!im_Band(Zeilen[i]) || std::isnan(Vorher)) {
        return Segmentanfang::Keiner;
    }
    if (im_Band(Vorher) || kommt_von(Zeilen, Anzahl, Vorher, i)) {
        return Segmentanfang::Voriger;
    }
    return Vorher < Zeilen[i] ? Segmentanfang::Unten : Segmentanfang::Oben;
}

namespace {
// The point that segment starts from, the sample i in column Spalte and the
// one before one column to the left.
bool Anfang_bis(const double *Zeilen, int Anzahl, int i, int Spalte, QPointF &Anfang)
{
    switch (Segment_bis(Zeilen, Anzahl, i)) {
    case Segmentanfang::Keiner:
        return false;
    case Segmentanfang::Voriger:
        Anfang = Herangeholt(QPointF(Spalte - 1, Zeilen[i - 1]), QPointF(Spalte, Zeilen[i]));
        return true;
    case Segmentanfang::Unten:
        Anfang = QPointF(Spalte, FERNE_ZEILE);
        return true;
    case Segmentanfang::Oben:
        Anfang = QPointF(Spalte, -FERNE_ZEILE);
        return true;
    }
    return false;
}
} // namespace

QRect Kurvenfeld(const Ansicht &A)
{
    return QRect(A.Links(), OBEN, A.Breite(), Ansicht::HOEHE);
}

Schaubild::Schaubild()
    : Bild(BILD_BREITE, BILD_HOEHE, QImage::Format_RGB32)
{
}

void Schaubild::malen(QPainter &Maler, Mathe &m, const Formelliste &Liste, const Ansicht &A)
{
    // SVG, PDF and printers take lines, text and paths, not pixels.
    if (Maler.paintEngine()->type() != QPaintEngine::Raster) {
        Vektoren_malen(Maler, m, Liste, A);
        return;
    }
    // Outside the last curves' pixels, the picture holds the layers already.
    Ebenen_kopieren(Ebenen_vorbereiten(Maler, A) ? Bild.rect() : Kurvenspur);
    Kurvenspur = QRect();
    A.Probenstellen(Stellen);
    A.Probenspalten(Stellen, Spalten);
    for (int Nr = 0; Nr < Liste.Anzahl; ++Nr) {
        Kurve_berechnen(m, Liste, Nr, A);
        Kurve_malen(Nr, A);
    }
    // In three parts, each a rectangle with the controls' holes only at its
    // edges: the entry's rows, the graph left of the controls, and the rest.
    for (const QRect &Teil : { QRect(0, 0, BILD_BREITE, 50), QRect(0, 50, LINKS_DER_KNOEPFE, BILD_HOEHE - 50),
             QRect(LINKS_DER_KNOEPFE, 50, BILD_BREITE - LINKS_DER_KNOEPFE, BILD_HOEHE - 50) }) {
        Maler.setClipRect(Teil);
        Maler.drawImage(Teil.topLeft(), Bild, Teil);
    }
    Maler.setClipping(false);
}

void Schaubild::Ausschnitt_malen(QPainter &Maler, const QRect &Ecke) const
{
    Maler.drawImage(Ecke.topLeft(), Bild, Ecke);
}

// Drawn anew where the view, the outline's colour or the labels' resolution
// differ from the last time; true then. The images are kept from one view
// to the next, and so are the background and the frame of the mode: new
// ones at every step of a drag would have the system clear their pages, and
// the frame fill its 400,000 pixels, each time.
bool Schaubild::Ebenen_vorbereiten(const QPainter &Maler, const Ansicht &A)
{
    const int Dichte[2] = { Maler.device()->logicalDpiX(), Maler.device()->logicalDpiY() };
    const QColor Umriss = Maler.pen().color();
    if (!Ebenen.isNull() && A == Ebenenansicht && Umriss == Ebenenumriss
        && std::equal(std::begin(Dichte), std::end(Dichte), std::begin(Ebenendichte))) {
        return false;
    }
    // The first picture draws its background and frame straight into the
    // layers: the image of its own pays off from the second view on.
    const bool Erste = Ebenen.isNull();
    if (Erste) {
        Ebenen = QImage(BILD_BREITE, BILD_HOEHE, QImage::Format_RGB32);
    } else if (Grund.isNull() || A.Bogenmass != Ebenenansicht.Bogenmass || Umriss != Ebenenumriss) {
        Grund = QImage(BILD_BREITE, BILD_HOEHE, QImage::Format_RGB32);
        QPainter Grundmaler(&Grund);
        Grund_zeichnen(Grundmaler, A, Umriss);
    }
    // The labels' points become the pixels they have on the device.
    Ebenen.setDotsPerMeterX(qRound(Dichte[0] / 0.0254));
    Ebenen.setDotsPerMeterY(qRound(Dichte[1] / 0.0254));
    if (!Erste) {
        std::memcpy(Ebenen.bits(), Grund.constBits(), Ebenen.sizeInBytes());
    }
    QPainter Ebenenmaler(&Ebenen);
    if (Erste) {
        Grund_zeichnen(Ebenenmaler, A, Umriss);
    }
    Gitter_zeichnen(Ebenenmaler, A);
    Ebenenansicht = A;
    Ebenenumriss = Umriss;
    std::copy(std::begin(Dichte), std::end(Dichte), std::begin(Ebenendichte));
    return true;
}

void Schaubild::Ebenen_kopieren(const QRect &Teil)
{
    const int Laenge = Teil.width() * int(sizeof(QRgb));
    for (int y = Teil.top(); y <= Teil.bottom(); ++y) {
        std::memcpy(reinterpret_cast<QRgb *>(Bild.scanLine(y)) + Teil.left(),
            reinterpret_cast<const QRgb *>(Ebenen.constScanLine(y)) + Teil.left(), Laenge);
    }
}

void Schaubild::Kurve_berechnen(Mathe &m, const Formelliste &Liste, int Nr, const Ansicht &A)
{
    if (Nr > 0) {
        Formel_setzen(m, Liste.Formeln[Nr]);
        m.Formel_compillieren();
    }
    m.Formel_Berechnen(Stellen, Werte, A.Proben());
    A.Probenzeilen(Werte, Zeilen);
}

void Schaubild::Kurve_malen(int Nr, const Ansicht &A)
{
    const QRgb Farbe = Kurvenfarben[Nr];
    if (A.Bogenmass) {
        Punkte_setzen(A, Farbe);
    } else {
        Linie_ziehen(A, Farbe);
    }
}

// A radian dot covers the 3 x 3 pixels right and down from its corner: the
// centre black, the edge centres in the curve's colour, the corners left as
// they are; a later dot covers an earlier one, and nothing passes the
// frame. Written into the pixels in the order of the samples, that is the
// picture of one ellipse per dot at a fraction of the painter's work.
void Schaubild::Punkte_setzen(const Ansicht &A, QRgb Farbe)
{
    const QRect Feld = Kurvenfeld(A);
    const int Links = Feld.left();
    const int Rechts = Feld.right();
    const int Unten = Feld.bottom();
    auto *Pixel = reinterpret_cast<QRgb *>(Bild.bits());
    const int Zeilenlaenge = Bild.bytesPerLine() / int(sizeof(QRgb));
    // The band keeps every dot below the frame's top edge.
    const auto setzen = [&](int x, int y, QRgb Wert) {
        if (x >= Links && x <= Rechts && y <= Unten) {
            Pixel[y * Zeilenlaenge + x] = Wert;
        }
    };
    const QRgb Schwarz = qRgb(0, 0, 0);
    QPoint Vorige(-1, -1);
    int Oben = Unten + 1;
    int Tiefste = -1;
    int Linkeste = Rechts + 1;
    int Rechteste = -1;
    for (int i = 0; i < Ansicht::BOGENPROBEN; ++i) {
        if (!im_Band(Zeilen[i])) {
            continue;
        }
        const QPoint Ecke(Spalten[i], int(Zeilen[i]));
        // A dot on the one before changes no pixel.
        if (Ecke == Vorige) {
            continue;
        }
        Vorige = Ecke;
        const int x = Ecke.x() + 1;
        const int y = Ecke.y() + 1;
        Oben = std::min(Oben, y - 1);
        Tiefste = std::max(Tiefste, y + 1);
        Linkeste = std::min(Linkeste, x - 1);
        Rechteste = std::max(Rechteste, x + 1);
        setzen(x, y, Schwarz);
        setzen(x, y - 1, Farbe);
        setzen(x - 1, y, Farbe);
        setzen(x + 1, y, Farbe);
        setzen(x, y + 1, Farbe);
    }
    Kurvenspur |= QRect(QPoint(Linkeste, Oben), QPoint(Rechteste, Tiefste)) & Feld;
}

// A polyline through the samples, broken where it leaves the band. Whether a
// segment from outside the band belongs to the curve depends on the samples
// after it.
void Schaubild::Linie_ziehen(const Ansicht &A, QRgb Farbe)
{
    QPainter Maler(&Bild);
    Maler.setPen(QColor(Farbe));
    // A segment that comes from far outside, and the last column, would
    // reach past the frame.
    const QRect Feld = Kurvenfeld(A);
    Maler.setClipRect(Feld);
    const int Anzahl = A.Proben();
    double Oben = UNTEN;
    double Tiefste = OBEN;
    int Linkeste = -1;
    int Rechteste = -1;
    for (int i = 1; i < Anzahl; ++i) {
        QPointF Stift;
        if (Anfang_bis(Zeilen, Anzahl, i, Spalten[i], Stift)) {
            const QPointF Punkt(Spalten[i], Zeilen[i]);
            Maler.drawLine(Stift, Punkt);
            Oben = std::min({ Oben, Stift.y(), Punkt.y() });
            Tiefste = std::max({ Tiefste, Stift.y(), Punkt.y() });
            Linkeste = Linkeste < 0 ? Spalten[i] - 1 : Linkeste;
            Rechteste = Spalten[i];
        }
    }
    // A pixel's worth around the lines covers how the painter rounds them.
    if (Linkeste >= 0) {
        const int Von = int(std::max(Oben, double(OBEN))) - 1;
        const int Bis = int(std::min(Tiefste, double(UNTEN))) + 1;
        Kurvenspur |= QRect(QPoint(Linkeste - 1, Von), QPoint(Rechteste + 1, Bis)) & Feld;
    }
}
