// SPDX-FileCopyrightText: 2026 Kurvano developers
// SPDX-License-Identifier: GPL-2.0-or-later

#ifndef BLATT_H
#define BLATT_H

#include <QPageLayout>

class QPagedPaintDevice;
struct Bildvorlage;

// A4 landscape inside margins of 15 mm: the page of a PDF file, and the one
// a print starts with.
QPageLayout Blattlage();

// One page onto a PDF writer or a printer, whose resolution must be the
// picture's Dichte: the picture fitted inside the page's margins and
// centred, and below it, in the labels' font, the formulas drawn, each
// after a square in its curve's colour, and the view. False where the
// device cannot be painted on.
bool Blatt_drucken(QPagedPaintDevice &Geraet, const Bildvorlage &Bild);

#endif
