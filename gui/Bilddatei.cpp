// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#include "Bilddatei.h"

#include <QByteArray>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QSaveFile>
#include <QString>
#include <QStringList>

#include <cerrno>
#include <cstring>

namespace {
QString Bildformate()
{
    QStringList Namen;
    for (const QByteArray &Format : QImageWriter::supportedImageFormats()) {
        Namen << QString::fromLatin1(Format);
    }
    return Namen.join(QStringLiteral(", "));
}
}

QString Bild_schreiben(const QImage &Bild, const QString &Datei)
{
    const QString Endung = QFileInfo(Datei).suffix().toLower();
    if (!QImageWriter::supportedImageFormats().contains(Endung.toLatin1())) {
        return QStringLiteral("%1: kein Bildformat hat die Endung „%2“; Kurvano schreibt %3")
            .arg(Datei, Endung, Bildformate());
    }
    // Written beside the file and renamed at the end: a failure leaves no
    // partial picture, and an older file stays as it was.
    QSaveFile Ziel(Datei);
    if (!Ziel.open(QIODevice::WriteOnly)) {
        return QStringLiteral("%1: %2").arg(Datei, Ziel.errorString());
    }
    QImageWriter Schreiber(&Ziel, Endung.toLatin1());
    if (!Schreiber.write(Bild)) {
        const QString Grund = Ziel.error() != QFileDevice::NoError ? Ziel.errorString() : Schreiber.errorString();
        return QStringLiteral("%1: %2").arg(Datei, Grund);
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
