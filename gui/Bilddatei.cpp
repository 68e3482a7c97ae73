// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Bilddatei.h"

#include "Blatt.h"

#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QPdfWriter>
#include <QPoint>
#include <QRect>
#include <QSaveFile>
#include <QString>
#include <QStringList>
#include <QSvgGenerator>

#include <cerrno>
#include <cstring>

namespace {
const QString SVG = QStringLiteral("svg");
const QString PDF = QStringLiteral("pdf");

QString Bildformate()
{
    QStringList Namen { SVG, PDF };
    for (const QByteArray &Format : QImageWriter::supportedImageFormats()) {
        Namen << QString::fromLatin1(Format);
    }
    Namen.sort();
    return Namen.join(QStringLiteral(", "));
}

const QString UNGEMALT = QStringLiteral("das Bild lässt sich nicht zeichnen");

// The picture as it is, its formulas as the title and its view as the
// description.
bool Svg_schreiben(const Bildvorlage &Bild, QIODevice &Ziel, QString &Ursache)
{
    QSvgGenerator Svg;
    Svg.setOutputDevice(&Ziel);
    Svg.setSize(Bild.Pixel.size());
    Svg.setViewBox(QRect(QPoint(), Bild.Pixel.size()));
    Svg.setResolution(Bild.Dichte);
    Svg.setTitle(Bild.Formeln.join(QStringLiteral("; ")));
    Svg.setDescription(Bild.Bereiche);
    QPainter Maler;
    if (!Maler.begin(&Svg)) {
        Ursache = UNGEMALT;
        return false;
    }
    Bild.Vektoren(Maler);
    Maler.end();
    return true;
}

// The sheet a print gets.
bool Pdf_schreiben(const Bildvorlage &Bild, QIODevice &Ziel, QString &Ursache)
{
    QPdfWriter Pdf(&Ziel);
    Pdf.setResolution(Bild.Dichte);
    Pdf.setPageLayout(Blattlage());
    Pdf.setTitle(Bild.Formeln.join(QStringLiteral("; ")));
    Pdf.setCreator(QStringLiteral("Kurvano"));
    if (!Blatt_drucken(Pdf, Bild)) {
        Ursache = UNGEMALT;
        return false;
    }
    return true;
}

bool Pixel_schreiben(const Bildvorlage &Bild, QIODevice &Ziel, const QString &Endung, QString &Ursache)
{
    QImageWriter Schreiber(&Ziel, Endung.toLatin1());
    if (!Schreiber.write(Bild.Pixel)) {
        Ursache = Schreiber.errorString();
        return false;
    }
    return true;
}
}

QString Bild_schreiben(const Bildvorlage &Bild, const QString &Datei)
{
    const QString Endung = QFileInfo(Datei).suffix().toLower();
    if (Endung != SVG && Endung != PDF && !QImageWriter::supportedImageFormats().contains(Endung.toLatin1())) {
        return QStringLiteral("%1: kein Bildformat hat die Endung „%2“; Kurvano schreibt %3")
            .arg(Datei, Endung, Bildformate());
    }
    // Written beside the file and renamed at the end: a failure leaves no
    // partial picture, and an older file stays as it was.
    QSaveFile Ziel(Datei);
    if (!Ziel.open(QIODevice::WriteOnly)) {
        return QStringLiteral("%1: %2").arg(Datei, Ziel.errorString());
    }
    QString Ursache;
    const bool Geschrieben = Endung == SVG ? Svg_schreiben(Bild, Ziel, Ursache)
        : Endung == PDF                    ? Pdf_schreiben(Bild, Ziel, Ursache)
                                           : Pixel_schreiben(Bild, Ziel, Endung, Ursache);
    // The generators of SVG and PDF say nothing of a failed write.
    if (!Geschrieben || Ziel.error() != QFileDevice::NoError) {
        return QStringLiteral("%1: %2").arg(Datei, Ziel.error() != QFileDevice::NoError ? Ziel.errorString() : Ursache);
    }
    // Qt's commit overlooks a failure of the last buffered write, such as a
    // full disk, and renames the partial file; a flush of its own reports it,
    // though only the system says why.
    errno = 0;
    if (!Ziel.flush()) {
        const int Grund = errno;
        return QStringLiteral("%1: %2").arg(
            Datei, Grund != 0 ? QString::fromLocal8Bit(std::strerror(Grund)) : Ziel.errorString());
    }
    if (!Ziel.commit()) {
        return QStringLiteral("%1: %2").arg(Datei, Ziel.errorString());
    }
    return QString();
}
