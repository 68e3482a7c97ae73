// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef BILDDATEI_H
#define BILDDATEI_H

class QImage;
class QString;

// Writes the picture to Datei, in the format that the file name's extension
// names, whole or not at all. Returns what went wrong, empty when it worked.
QString Bild_schreiben(const QImage &Bild, const QString &Datei);

#endif
