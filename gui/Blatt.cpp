// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Blatt.h"

#include "Bilddatei.h"
#include "KdeKurvano.h"
#include "Schaubild.h"

#include <QColor>
#include <QFontMetricsF>
#include <QMarginsF>
#include <QPageSize>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QRectF>
#include <QSizeF>

#include <algorithm>
#include <limits>

namespace {
const double RAND_MM = 15;

// Text is wrapped anywhere: a formula has no blanks to break it at.
const int UMBRUCH = Qt::TextWrapAnywhere;

// The lines below the picture: each formula after the mark of its curve,
// and the view, which lines up with them.
class Unterschrift
{
public:
    Unterschrift(const QFontMetricsF &Masse, const Bildvorlage &Bild)
        : Masse(Masse)
        , Zeilen(Bild.Formeln + QStringList { Bild.Bereiche })
        , Marke(Masse.ascent() * 0.8) // on the line, a little lower than its capitals
        , Einzug(Marke + Masse.horizontalAdvance(QLatin1Char(' ')))
    {
    }

    // The room the lines take at a width, with one empty line above them.
    double Hoehe(double Breite) const
    {
        double Summe = Masse.lineSpacing();
        for (const QString &Text : Zeilen) {
            Summe += Zeilenhoehe(Text, Breite);
        }
        return Summe;
    }

    void malen(QPainter &Maler, QPointF Ecke, double Breite) const
    {
        double Oben = Ecke.y() + Masse.lineSpacing();
        Maler.setPen(QColor(Qt::black));
        for (int Nr = 0; Nr < Zeilen.size(); ++Nr) {
            // The view, last, has no mark.
            if (Nr < Zeilen.size() - 1) {
                Maler.setBrush(QColor(Kurvenfarben[Nr]));
                Maler.drawRect(QRectF(Ecke.x(), Oben + Masse.ascent() - Marke, Marke, Marke));
            }
            Maler.drawText(Textfeld(Ecke.x(), Oben, Breite), UMBRUCH, Zeilen[Nr]);
            Oben += Zeilenhoehe(Zeilen[Nr], Breite);
        }
    }

private:
    QRectF Textfeld(double Links, double Oben, double Breite) const
    {
        return QRectF(Links + Einzug, Oben, std::max(Breite - Einzug, 1.0), std::numeric_limits<int>::max());
    }

    double Zeilenhoehe(const QString &Text, double Breite) const
    {
        return Masse.boundingRect(Textfeld(0, 0, Breite), UMBRUCH, Text).height();
    }

    const QFontMetricsF &Masse;
    QStringList Zeilen;
    double Marke;
    double Einzug;
};

// The scale of the picture in Feld, with the lines below it as wide as the
// picture: a narrower picture may wrap them into more lines, so the scale
// shrinks until both fit.
double Massstab(const QRectF &Feld, const QSizeF &Bild, const Unterschrift &Text)
{
    double Neu = Feld.width() / Bild.width();
    double Faktor = Neu;
    do {
        Faktor = Neu;
        Neu = std::min(Faktor, std::max(0.0, (Feld.height() - Text.Hoehe(Bild.width() * Faktor)) / Bild.height()));
    } while (Neu < Faktor);
    return Faktor;
}
} // namespace

QPageLayout Blattlage()
{
    return QPageLayout(QPageSize(QPageSize::A4), QPageLayout::Landscape, QMarginsF(RAND_MM, RAND_MM, RAND_MM, RAND_MM),
        QPageLayout::Millimeter);
}

bool Blatt_drucken(QPagedPaintDevice &Geraet, const Bildvorlage &Bild)
{
    QPainter Maler;
    if (!Maler.begin(&Geraet)) {
        return false;
    }
    Maler.setFont(Kleinschrift());
    const QFontMetricsF Masse(Maler.font(), &Geraet);
    const Unterschrift Text(Masse, Bild);
    const QRectF Feld(0, 0, Geraet.width(), Geraet.height());
    const QSizeF Groesse = Bild.Pixel.size();
    const double Faktor = Massstab(Feld, Groesse, Text);
    const QSizeF Flaeche = Groesse * Faktor;
    const double Breite = Flaeche.width();
    const QPointF Ecke(Feld.left() + (Feld.width() - Breite) / 2,
        Feld.top() + (Feld.height() - Flaeche.height() - Text.Hoehe(Breite)) / 2);
    Maler.save();
    Maler.translate(Ecke);
    Maler.scale(Faktor, Faktor);
    Maler.setClipRect(QRectF(QPointF(), Groesse));
    Bild.Vektoren(Maler);
    Maler.restore();
    Text.malen(Maler, Ecke + QPointF(0, Flaeche.height()), Breite);
    return Maler.end();
}
