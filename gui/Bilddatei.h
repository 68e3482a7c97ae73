// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef BILDDATEI_H
#define BILDDATEI_H

#include <QImage>
#include <QStringList>

#include <functional>

class QPainter;

// A picture as every format takes it: its pixels, and for SVG, PDF and a
// printer what draws it at the painter's origin in the same size, with the
// lines that say what it shows.
struct Bildvorlage {
    QImage Pixel;
    std::function<void(QPainter &)> Vektoren;
    int Dichte = 96; // the dots per inch in which the labels' points become pixels
    QStringList Formeln; // drawn, the first in the first curve's colour
    QString Bereiche; // the view's mode and ranges
};

// Writes the picture to Datei, in the format that the file name's extension
// names, whole or not at all. Returns what went wrong, empty when it worked.
QString Bild_schreiben(const Bildvorlage &Bild, const QString &Datei);

#endif
